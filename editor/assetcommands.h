#pragma once

#include "editor/checkreport.h"

struct AssetSlot;

// The command line's changes to what a folder's program carries, each
// reported in one line: on standard output when done, on standard error with
// a non-zero exit code when not.
CheckReport replaceAsset(const AssetSlot &slot, const QString &file, const QString &folder);
CheckReport restoreAssets(const QString &folder);
