// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ownassets.h"

#include "controls/picturebox.h"
#include "editor/analysis.h"
#include "editor/editortext.h"
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
        { Keys::music, QT_TRANSLATE_NOOP("Editor", "music"), QStringLiteral("music"), Kind::Music },
        { Keys::film, QT_TRANSLATE_NOOP("Editor", "film"), QStringLiteral("film"), Kind::Film },
        { Keys::boy, QT_TRANSLATE_NOOP("Editor", "boy"), QStringLiteral("boy"), Kind::Picture },
        { Keys::girl, QT_TRANSLATE_NOOP("Editor", "girl"), QStringLiteral("girl"), Kind::Picture },
        { Keys::background, QT_TRANSLATE_NOOP("Editor", "background"), QStringLiteral("background"), Kind::Picture },
    };
    return known;
}

QString AssetSlot::name() const
{
    return EditorText::tr(untranslatedName);
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
        keys << Keys::doubled(key) << Keys::fourfold(key);
    return keys;
}

QSize AssetSlot::boxSize() const
{
    // Measured on a stage built by the show's own code.
    QWidget window;
    const Stage stage = Stage::build(&window, AssetSource());
    return (key == Keys::background ? stage.Picture1 : stage.Picture2)->content()->size();
}

QImage fillBox(const QImage &picture, const QSize &box)
{
    // In full colour first: scaling a one-bit picture keeps its bits but not
    // its two colours (black and white come out), and one of few colours or
    // of grey would be scaled without smoothing.
    const QImage full = picture.convertToFormat(picture.hasAlphaChannel()
                                                        ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
    const QImage scaled = full.scaled(box, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
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

Produced<QList<AssetBundle::Asset>> preparePicture(const AssetSlot &slot, const QString &file)
{
    QImageReader reader(file);
    reader.setAutoTransform(true); // a phone's photo stands as it was taken
    const QImage picture = reader.read();
    if (picture.isNull())
        return editorReason(EditorText::tr("%1 is no picture that can be read (%2)").arg(file, reader.errorString()));
    const QString name = QFileInfo(file).fileName();
    const QSize box = slot.boxSize();
    QList<AssetBundle::Asset> assets {
        { slot.key, name, -1, encodePicture(fillBox(picture, box)) },
        { Keys::doubled(slot.key), name, -1, encodePicture(fillBox(picture, 2 * box)) }
    };
    // For the show on a whole screen, four times as large where the picture's
    // own pixels hold that much; a smaller one is never blown up.
    const QSize fourfold = 4 * box;
    if (picture.width() >= fourfold.width() && picture.height() >= fourfold.height())
        assets.append({ Keys::fourfold(slot.key), name, -1, encodePicture(fillBox(picture, fourfold)) });
    return assets;
}
} // namespace

Produced<QList<AssetBundle::Asset>> prepareOwnAsset(const AssetSlot &slot, const QString &file)
{
    if (slot.isPicture())
        return preparePicture(slot, file);

    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return editorReason(EditorText::tr("cannot read %1: %2").arg(file, input.errorString()));
    if (input.size() > AssetBundle::maxPayloadBytes)
        return editorReason(EditorText::tr("%1 is too large: at most %2 MB in all")
                                    .arg(file)
                                    .arg(AssetBundle::maxPayloadBytes / (1024 * 1024)));
    const MediaProbe probe = MediaProbe::probe(
            file, slot.kind == AssetSlot::Kind::Film ? MediaProbe::Kind::Video : MediaProbe::Kind::Audio);
    if (!probe.playable)
        return editorReason(EditorText::tr("%1 cannot be played: %2").arg(file, probe.problem.text()));
    return QList<AssetBundle::Asset> {
        { slot.key, QFileInfo(file).fileName(), probe.durationMs, input.readAll() }
    };
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
        return EditorText::tr("built in");
    qint64 bytes = 0;
    for (const QString &key : slot.keys())
        if (const AssetBundle::Entry *part = carried.find(key))
            bytes += part->size;
    if (slot.isPicture()) {
        const QSize box = slot.boxSize();
        return EditorText::tr("%1, %2×%3 pixels, %4")
                .arg(entry->sourceName)
                .arg(box.width())
                .arg(box.height())
                .arg(byteSize(bytes));
    }
    return EditorText::tr("%1, %2 s, %3")
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
