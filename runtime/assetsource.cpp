#include "runtime/assetsource.h"

#include "runtime/runtimeerror.h"

#include <QFileInfo>
#include <QPixmap>
#include <QResource>

#include <cstdio>

AssetSource::AssetSource(CarriedAssets carried, bool quiet)
    : m_carried(std::move(carried))
    , m_quiet(quiet)
{
    if (!m_carried.problem().isEmpty())
        report(QStringLiteral("the program's own assets are not used (%1); the built-in ones are")
                       .arg(m_carried.problem().untranslated()));
}

void AssetSource::report(const QString &problem) const
{
    if (!m_quiet)
        std::fprintf(stderr, "velmora: %s\n", qPrintable(problem));
}

std::optional<QByteArray> AssetSource::carriedBytes(const QString &key) const
{
    Reason problem;
    auto read = m_carried.bytes(key, &problem);
    if (!problem.isEmpty())
        report(problem.untranslated() + QStringLiteral("; the built-in asset is used instead"));
    return read;
}

QByteArray AssetSource::resourceBytes(int number, const QString &typeName) const
{
    if (const QString key = AssetBundle::Keys::ofResource(number, typeName); !key.isEmpty())
        if (auto carried = carriedBytes(key))
            return *std::move(carried);
    const QResource resource(QStringLiteral(":/%1/%2").arg(typeName).arg(number));
    if (!resource.isValid() || !resource.data())
        raiseError(ErrorNumber::ResourceNotFound, QString::number(number));
    // The music alone is 2.5 MB: stored as they are, the bytes lie in the
    // program for as long as it runs.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       resource.size());
    return resource.uncompressedData();
}

QPixmap AssetSource::picture(const QString &key, const QString &builtIn) const
{
    QPixmap picture;
    if (const auto carried = carriedBytes(key)) {
        if (picture.loadFromData(*carried))
            return picture;
        report(QStringLiteral("%1 is not a picture; the built-in one is used instead")
                       .arg(AssetBundle::Keys::describe(key).untranslated()));
    }
    if (QFileInfo::exists(builtIn))
        picture.load(builtIn);
    return picture;
}
