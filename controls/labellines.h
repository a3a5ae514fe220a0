// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The lines a label draws: CR LF is one break; a lone CR or LF breaks the
// line too. Half a character (one unit of a pair beyond the 16-bit range) is
// never drawn. A typewriter passes `toCome`, what it will type next: the last
// line then ends in its last whole grapheme cluster, so that an emoji sequence,
// an accented letter or a syllable appears whole on the tick that completes it.
QStringList splitLabelLines(const QString &text, const QString &toCome = {});
