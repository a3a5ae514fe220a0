// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A stretch of a line in one kind of face: emoji drawn as pictures, or text.
struct TextRun
{
    qsizetype start = 0;
    qsizetype length = 0;
    bool emoji = false;

    friend bool operator==(const TextRun &, const TextRun &) = default;
};

// The line cut at grapheme cluster boundaries into runs of emoji pictures
// (presentation selectors, ZWJ sequences, skin tones, flags, keycaps) and runs
// of text; a symbol that defaults to text stays text unless U+FE0F follows it.
QList<TextRun> emojiRuns(const QString &line);

// How much of `typed` ends in a whole grapheme cluster, when `toCome` is what
// will be typed after it: the boundary before the next character is known
// from that character alone. With nothing to come, all of `typed` is whole.
qsizetype wholeClusters(const QString &typed, const QString &toCome);

// Whether `line` may hold an emoji at all; false for most text, which is
// then told without looking at its clusters.
bool mayHoldEmoji(const QString &line);

// The colour emoji face where this machine has it, empty where it has none.
// Asking takes a while (the font database looks the name up): ask once.
QString colourEmojiFamily();
