#pragma once

#include <QByteArray>
#include <QString>

// The host's services for the program folder and the program's own resources.

// A file in the program folder: folder & "/" & name, built afresh at each
// use (at the root: "//name"). The show's folder is the program's own, which
// has no trailing "/" except at the root.
QString programPath(const QString &folder, const QString &fileName);

// True for a file or a folder of that name.
bool FileExists(const QString &path);
// A missing file, a folder or a file that cannot be removed raises a run-time error.
void DeleteFile(const QString &path);

// Raw bytes of an embedded resource of the given type name and number,
// shared with the program image where they are stored uncompressed.
QByteArray LoadResourceBytes(int number, const QString &typeName);
