#include "editor/ownassets.h"

#include "controls/picturebox.h"
#include "editor/analysis.h"
#include "players/mediaprobe.h"
#include "runtime/assetsource.h"
#include "runtime/carriedassets.h"
#include "stage/stage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QWidget>

namespace Keys = AssetBundle::Keys;

const QList<AssetSlot> &AssetSlot::all()
{
    static const QList<AssetSlot> known {
        { Keys::music, QStringLiteral("音乐"), QStringLiteral("music"), Kind::Music },
        { Keys::film, QStringLiteral("短片"), QStringLiteral("film"), Kind::Film },
        { Keys::boy, QStringLiteral("男孩"), QStringLiteral("boy"), Kind::Picture },
        { Keys::girl, QStringLiteral("女孩"), QStringLiteral("girl"), Kind::Picture },
        { Keys::background, QStringLiteral("背景"), QStringLiteral("background"), Kind::Picture },
    };
    return known;
}

const AssetSlot *AssetSlot::byOption(const QString &option)
{
    for (const AssetSlot &slot : all())
        if (slot.option == option)
            return &slot;
    return nullptr;
}

QStringList AssetSlot::keys() const
{
    QStringList keys { key };
    if (isPicture())
        keys << Keys::doubled(key);
    return keys;
}

QSize AssetSlot::boxSize() const
{
    // Measured on a stage built by the show's own code.
    static const auto sizes = [] {
        QWidget window;
        const Stage stage = Stage::build(&window, AssetSource());
        return std::pair { stage.Picture1->content()->size(), stage.Picture2->content()->size() };
    }();
    return key == Keys::background ? sizes.first : sizes.second;
}

QImage fillBox(const QImage &picture, const QSize &box)
{
    const QImage scaled = picture.scaled(box, Qt::KeepAspectRatioByExpanding,
                                         Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - box.width()) / 2, (scaled.height() - box.height()) / 2,
                       box.width(), box.height());
}

namespace {
// Photos as JPEG; a picture with see-through parts keeps them as PNG.
QByteArray encodePicture(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.hasAlphaChannel())
        picture.save(&buffer, "PNG");
    else
        picture.save(&buffer, "JPEG", 92);
    return bytes;
}

QList<AssetBundle::Asset> preparePicture(const AssetSlot &slot, const QString &file,
                                         QString *problem)
{
    QImageReader reader(file);
    reader.setAutoTransform(true); // a phone's photo stands as it was taken
    const QImage picture = reader.read();
    if (picture.isNull()) {
        *problem = QStringLiteral("%1 不是能读的图片（%2）").arg(file, reader.errorString());
        return {};
    }
    const QString name = QFileInfo(file).fileName();
    return { { slot.key, name, -1, encodePicture(fillBox(picture, slot.boxSize())) },
             { Keys::doubled(slot.key), name, -1,
               encodePicture(fillBox(picture, 2 * slot.boxSize())) } };
}
} // namespace

QList<AssetBundle::Asset> prepareOwnAsset(const AssetSlot &slot, const QString &file,
                                          QString *problem)
{
    if (slot.isPicture())
        return preparePicture(slot, file, problem);

    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("读不了 %1：%2").arg(file, input.errorString());
        return {};
    }
    if (input.size() > AssetBundle::maxPayloadBytes) {
        *problem = QStringLiteral("%1 太大了：一共最多 %2 MB")
                           .arg(file)
                           .arg(AssetBundle::maxPayloadBytes / (1024 * 1024));
        return {};
    }
    const MediaProbe probe = MediaProbe::probe(
            file, slot.kind == AssetSlot::Kind::Film ? MediaProbe::Kind::Video : MediaProbe::Kind::Audio);
    if (!probe.playable) {
        *problem = QStringLiteral("%1 放不了：%2").arg(file, probe.problem);
        return {};
    }
    return { { slot.key, QFileInfo(file).fileName(), probe.durationMs, input.readAll() } };
}

namespace {
QString byteSize(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}
} // namespace

QString describeCarried(const AssetSlot &slot, const CarriedAssets &carried)
{
    const AssetBundle::Entry *entry = carried.find(slot.key);
    if (!entry)
        return QStringLiteral("内置");
    qint64 bytes = 0;
    for (const QString &key : slot.keys())
        if (const AssetBundle::Entry *part = carried.find(key))
            bytes += part->size;
    if (slot.isPicture())
        return QStringLiteral("%1，%2×%3 像素，%4")
                .arg(entry->sourceName)
                .arg(slot.boxSize().width())
                .arg(slot.boxSize().height())
                .arg(byteSize(bytes));
    return QStringLiteral("%1，%2 秒，%3")
            .arg(entry->sourceName)
            .arg(double(entry->durationMs) / 1000.0, 0, 'f', 1)
            .arg(byteSize(bytes));
}

double carriedMusicSeconds(const CarriedAssets &carried)
{
    const AssetBundle::Entry *music = carried.find(Keys::music);
    return music && music->durationMs > 0 ? double(music->durationMs) / 1000.0
                                          : builtInMusicSeconds();
}
