#pragma once

#include "editor/checkreport.h"

class CarriedAssets;

// The command line's ways with the show's words: written to a file a person
// edits, set from one, each reported as the other commands report.
CheckReport exportWords(const QString &file, const QString &folder);
// Refused whole, with each problem as FILE:LINE: and exit code 2, when any
// text of the file cannot be the show's.
CheckReport setWords(const QString &file, const QString &folder);
// For --check: the words the program carries, in lines, where they differ
// from the defaults.
QString describeWords(const CarriedAssets &carried);
