// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The temporary files a save or a rewrite of the program leaves in the folder
// when it is killed before renaming it into place (where the file system
// cannot hold a file without a name until then): `velmora.Xy3kQ9` beside
// `velmora`, say. A name that could be the preparer's own
// (`velmora.backup`) is left alone, and so is the odd temporary name without
// both capitals and small letters. Returns the names removed.
QStringList removeLeftoverTemporaryFiles(const QString &folder);
