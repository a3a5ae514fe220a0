#include "runtime/hostfiles.h"

#include "runtime/runtimeerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace {
QString &programFolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    const QString &folder = programFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolderForTesting(const QString &folder)
{
    programFolderOverride() = folder;
}

QString ProgramPath(const QString &fileName)
{
    return ProgramFolder() + QLatin1Char('/') + fileName;
}

bool FileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

void DeleteFile(const QString &path)
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

QByteArray LoadResourceBytes(int number, const QString &typeName)
{
    QFile resource(QStringLiteral(":/%1/%2").arg(typeName).arg(number));
    if (!resource.open(QIODevice::ReadOnly))
        raiseError(ErrorNumber::ResourceNotFound, QString::number(number));
    return resource.readAll();
}
