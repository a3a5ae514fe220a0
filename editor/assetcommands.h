// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/checkreport.h"

struct AssetSlot;

// The command line's changes to what a folder's program carries, each
// reported in one line: on standard output when done, on standard error with
// a non-zero exit code when not.
CheckReport replaceAsset(const AssetSlot &slot, const QString &file, const QString &folder);
CheckReport restoreAssets(const QString &folder);
// Carries what `oldProgram` carries whole over to `newProgram`, the same show
// of a later version: the launcher's upgrade. `newProgram` is rewritten whole
// or not at all.
CheckReport carryOver(const QString &oldProgram, const QString &newProgram);
