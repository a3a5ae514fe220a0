// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stage/words.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class CarriedAssets;

// The show's words as a plain text a person edits, one text to a key:
//
//   # a comment
//   caption = Velmora  BY Tarsune
//   question = first line
//   |
//   | third line
//
// The text starts after "key =" and one space; a line starting with "|"
// continues the text above on a new line (the show's CR LF), again after one
// space. Keys not given keep their defaults.
namespace WordsFile {

struct Problem
{
    int line = 0;
    Reason message;
    // A caption or title of more than one line: refused in a file read now,
    // taken as it was from a program that carried it before the rule.
    bool breaksOneLine = false;
};

struct Read
{
    Words words;
    QStringList keysGiven;
    QList<int> linesGiven; // the line of each key given
    QList<Problem> problems; // when any, `words` is not to be used
};

Read parse(const QString &text, int firstLine = 1);
// Every text, defaults included, with a note on the format at the top.
QString write(const Words &words);
// The keys whose texts differ from the defaults.
QStringList changedKeys(const Words &words);

// What a program carries: a version line, then the texts that differ.
QByteArray toEntry(const Words &words);
// The words an entry holds; the defaults and a problem when it is damaged.
// A presentation this program does not know (a later one's, say) spoils
// nothing else: it gives the window, and `note` says so.
Words fromEntry(const QByteArray &entry, Reason *problem, Reason *note = nullptr);
// The words `carried` holds, or the defaults (and why, when it holds
// something unusable).
Words carriedBy(const CarriedAssets &carried, Reason *problem, Reason *note = nullptr);

} // namespace WordsFile
