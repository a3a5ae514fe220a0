// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The host's services for the files in the program folder.

// A file in the program folder: folder & "/" & name, built afresh at each
// use (at the root: "//name"). The show's folder is the program's own, which
// has no trailing "/" except at the root.
QString programPath(const QString &folder, const QString &fileName);

// True for a file or a folder of that name.
bool fileExists(const QString &path);
// A missing file, a folder or a file that cannot be removed raises a run-time error.
void deleteFile(const QString &path);
