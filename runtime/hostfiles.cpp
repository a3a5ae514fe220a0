#include "runtime/hostfiles.h"

#include "runtime/carriedassets.h"
#include "runtime/runtimeerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <cerrno>
#include <cstdio>

QString programPath(const QString &folder, const QString &fileName)
{
    return folder + QLatin1Char('/') + fileName;
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
    // The preparer's own media, when the program carries them whole.
    if (typeName == QLatin1String("CUSTOM"))
        if (auto carried = CarriedAssets::inUseBytes(QString::number(number)))
            return *std::move(carried);
    const QResource resource(QStringLiteral(":/%1/%2").arg(typeName).arg(number));
    if (!resource.isValid() || !resource.data())
        raiseError(ErrorNumber::ResourceNotFound, QString::number(number));
    // Stored as they are, the bytes lie in the program for as long as it runs:
    // they are lent, not copied (the music alone is 2.5 MB).
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       resource.size());
    return resource.uncompressedData();
}
