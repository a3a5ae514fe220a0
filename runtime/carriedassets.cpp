#include "runtime/carriedassets.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPixmap>

#include <cstdio>

CarriedAssets CarriedAssets::of(const QString &programPath)
{
    CarriedAssets assets;
    assets.m_programPath = programPath;
    // Kept open, so that the assets read later come from this very file even
    // when it is replaced meanwhile.
    auto file = std::make_shared<QFile>(programPath);
    if (!file->open(QIODevice::ReadOnly)) {
        assets.m_directory.problem
                = QStringLiteral("cannot read the program file: %1").arg(file->errorString());
        return assets;
    }
    const qint64 end = AssetBundle::elfImageEnd(*file);
    if (end < 0) {
        assets.m_directory.problem = QStringLiteral("the file is not a program");
        return assets;
    }
    assets.m_isProgram = true;
    assets.m_directory = AssetBundle::readDirectory(*file, end);
    if (!assets.m_directory.entries.isEmpty())
        assets.m_file = file;
    return assets;
}

std::optional<QByteArray> CarriedAssets::bytes(const QString &key, QString *problem) const
{
    const AssetBundle::Entry *entry = find(key);
    if (!entry || !m_file)
        return std::nullopt;
    QString why;
    const QByteArray read = AssetBundle::readEntry(*m_file, m_directory, *entry, &why);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return std::nullopt;
    }
    return read;
}

namespace {
CarriedAssets &current()
{
    static CarriedAssets assets;
    return assets;
}
bool quiet = false;

void report(const QString &problem)
{
    std::fprintf(stderr, "velmora: the program's own assets are not used (%s); the built-in ones are\n",
                 qPrintable(problem));
}
} // namespace

void CarriedAssets::use(const CarriedAssets &assets, bool quietly)
{
    current() = assets;
    quiet = quietly;
    if (!quietly && !assets.problem().isEmpty())
        report(assets.problem());
}

const CarriedAssets &CarriedAssets::inUse()
{
    return current();
}

std::optional<QByteArray> CarriedAssets::inUseBytes(const QString &key)
{
    QString problem;
    auto read = current().bytes(key, &problem);
    if (!problem.isEmpty() && !quiet)
        std::fprintf(stderr, "velmora: %s; the built-in asset is used instead\n",
                     qPrintable(problem));
    return read;
}

QPixmap loadStagePicture(const QString &resourceName)
{
    namespace Keys = AssetBundle::Keys;
    static const QHash<QString, QString> keys {
        { QStringLiteral(":/background.jpg"), Keys::background },
        { QStringLiteral(":/background@2x.jpg"), Keys::doubled(Keys::background) },
        { QStringLiteral(":/walking-figure.jpg"), Keys::boy },
        { QStringLiteral(":/walking-figure@2x.jpg"), Keys::doubled(Keys::boy) },
        { QStringLiteral(":/waiting-figure.jpg"), Keys::girl },
        { QStringLiteral(":/waiting-figure@2x.jpg"), Keys::doubled(Keys::girl) },
    };
    QPixmap picture;
    const auto key = keys.constFind(resourceName);
    if (key != keys.constEnd()) {
        if (const auto carried = CarriedAssets::inUseBytes(*key)) {
            if (picture.loadFromData(*carried))
                return picture;
            if (!quiet)
                std::fprintf(stderr, "velmora: %s is not a picture; the built-in one is used instead\n",
                         qPrintable(AssetBundle::Keys::describe(*key)));
        }
    }
    if (QFileInfo::exists(resourceName))
        picture.load(resourceName);
    return picture;
}
