#pragma once

#include <QString>
#include <QVariant>

// Writes an embedded resource out as a file. The file is written whole to a
// temporary file beside it and renamed into place, so the name only ever holds
// a complete copy. Returns false, silently, when anything fails: a missing
// resource creates no file, and a file that cannot be written stays as it was.
bool SaveFileFromRes(const QVariant &vntResourceID, const QString &sType, const QString &sFileName);
