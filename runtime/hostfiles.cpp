// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/hostfiles.h"

#include "runtime/runtimeerror.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

QString programPath(const QString &folder, const QString &fileName)
{
    return folder + QLatin1Char('/') + fileName;
}

bool fileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

void deleteFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        raiseError(ErrorNumber::FileNotFound, path);
    if (std::remove(QFile::encodeName(path).constData()) != 0) {
        const int number = errno == EACCES || errno == EPERM || errno == EROFS
                ? ErrorNumber::PermissionDenied
                : ErrorNumber::PathFileAccessError;
        raiseError(number, path);
    }
}
