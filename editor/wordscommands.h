// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/checkreport.h"

#include <QByteArray>

class CarriedAssets;
struct Words;

// The command line's ways with the show's words: written to a file a person
// edits, set from one, each reported as the other commands report.
CheckReport exportWords(const QString &file, const QString &folder);
// Refused whole, with each problem as FILE:LINE: and exit code 2, when any
// text of the file cannot be the show's.
CheckReport setWords(const QString &file, const QString &folder);
// Carries `presentation` (Presentation::window or ::screen) with the words
// the program carries already; anything else is refused with exit code 2.
CheckReport setPresentation(const QString &presentation, const QString &folder);
// The file --export-words writes: UTF-8 with a byte-order mark, without
// which a text such as "мама" would be read back as GBK.
QByteArray wordsFileBytes(const Words &words);
// For --check: the words the program carries, in lines, where they differ
// from the defaults.
QString describeWords(const CarriedAssets &carried);
// For --check: how the show is presented, in one line.
QString describePresentation(const CarriedAssets &carried);
