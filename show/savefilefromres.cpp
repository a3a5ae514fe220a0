// SPDX-License-Identifier: GPL-3.0-or-later
// A member of Form1, the show's window (show/form1.h): SaveFileFromRes.
#include "show/form1.h"

#include "runtime/runtimeerror.h"

#include <QFile>
#include <QSaveFile>

namespace {
// An existing file must be writable in place, as it would be for a plain
// overwrite; the rename below would otherwise replace a read-only file.
bool existingFileIsWritable(const QString &path)
{
    QFile existing(path);
    if (!existing.exists())
        return true;
    return existing.open(QIODevice::WriteOnly | QIODevice::Append);
}
} // namespace

bool Form1::SaveFileFromRes(const QVariant &vntResourceID, const QString &sType,
                            const QString &sFileName)
{
    try {
        const QByteArray bytes = m_host.assets.resourceBytes(vntResourceID.toInt(), sType);
        if (!existingFileIsWritable(sFileName))
            return false;
        QSaveFile file(sFileName);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (file.write(bytes) != bytes.size())
            return false; // QSaveFile drops the temporary file
        return file.commit();
    } catch (const RuntimeError &) {
        return false;
    }
}
