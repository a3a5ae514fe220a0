// SPDX-License-Identifier: GPL-3.0-or-later
// The preparer's own music, film and pictures: each picture made to fill its
// box in its own colours, and the stage and the timeline following the section.
#include "controls/picturebox.h"
#include "editor/editorwindow.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/stagepreview.h"
#include "support/editorfixture.h"

#include <QPainter>
#include <QtTest>

namespace {
const QColor rose(204, 34, 51);
const QColor sky(40, 90, 220);

QImage solid(QSize size, QImage::Format format, const QColor &colour)
{
    QImage image(size, format);
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
        QList<QRgb> table(format == QImage::Format_Mono ? 2 : 16, qRgb(0, 0, 0));
        table[1] = colour.rgb();
        image.setColorTable(table);
        image.fill(1);
    } else {
        image.fill(colour);
    }
    return image;
}

bool near(const QColor &seen, const QColor &wanted)
{
    return std::abs(seen.red() - wanted.red()) < 16 && std::abs(seen.green() - wanted.green()) < 16
            && std::abs(seen.blue() - wanted.blue()) < 16;
}
} // namespace

class OwnAssetsTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    void picturesFillTheirBoxExactly_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::newRow("wide") << QSize(400, 100);
        QTest::newRow("tall") << QSize(100, 400);
        QTest::newRow("tiny") << QSize(15, 12);
        QTest::newRow("the box itself") << QSize(97, 105);
    }
    void picturesFillTheirBoxExactly()
    {
        QFETCH(QSize, picture);
        // Red with a green middle, which must stay in the middle.
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QRect middle(QPoint(0, 0), picture / 5 + QSize(1, 1));
        image.setPixelColor(picture.width() / 2, picture.height() / 2, Qt::green);
        for (int y = 0; y < middle.height(); ++y)
            for (int x = 0; x < middle.width(); ++x)
                image.setPixelColor((picture.width() - middle.width()) / 2 + x,
                                    (picture.height() - middle.height()) / 2 + y, Qt::green);
        for (const AssetSlot &slot : AssetSlot::all()) {
            if (!slot.isPicture())
                continue;
            for (const int scale : { 1, 2 }) {
                const QImage filled = fillBox(image, scale * slot.boxSize());
                QCOMPARE(filled.size(), scale * slot.boxSize());
                QCOMPARE(filled.pixelColor(filled.width() / 2, filled.height() / 2).green(), 255);
            }
        }
        QCOMPARE(AssetSlot::byOption(QStringLiteral("boy"))->boxSize(), QSize(97, 105));
        QCOMPARE(AssetSlot::byOption(QStringLiteral("background"))->boxSize(), QSize(797, 501));
    }

    // Every kind of picture comes to the stage in its own colours, scaled to its box.
    void everyPictureKeepsItsColours_data()
    {
        QTest::addColumn<QImage>("picture"); // saved by Qt as PNG
        QTest::addColumn<QStringList>("convert"); // else made by ImageMagick with these arguments
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        const QSize size(40, 30);
        const QStringList qt;
        QTest::newRow("one-bit") << solid(size, QImage::Format_Mono, rose) << qt << "png" << rose << rose;
        QTest::newRow("one-bit, made smaller")
                << solid(QSize(300, 400), QImage::Format_Mono, rose) << qt << "png" << rose << rose;
        QTest::newRow("one-bit, black and white")
                << solid(size, QImage::Format_Mono, Qt::white) << qt << "png" << QColor(Qt::white)
                << QColor(Qt::white);
        QTest::newRow("grey") << solid(size, QImage::Format_Grayscale8, QColor(128, 128, 128)) << qt
                              << "png" << QColor(128, 128, 128) << QColor(128, 128, 128);
        QTest::newRow("16-bit") << solid(size, QImage::Format_RGBX64, sky) << qt << "png" << sky << sky;
        QTest::newRow("16-bit grey") << solid(size, QImage::Format_Grayscale16, QColor(60, 60, 60)) << qt
                                     << "png" << QColor(60, 60, 60) << QColor(60, 60, 60);
        QTest::newRow("palette") << solid(size, QImage::Format_Indexed8, sky) << qt << "png" << sky << sky;
        QImage seeThrough = solid(size, QImage::Format_ARGB32, rose);
        seeThrough.setPixelColor(0, 0, Qt::transparent);
        QTest::newRow("alpha") << seeThrough << qt << "png" << rose << rose;
        const QString roseName = rose.name(), skyName = sky.name();
        QTest::newRow("cmyk jpeg") << QImage()
                                   << QStringList { "-size", "40x30", "xc:" + roseName, "-colorspace", "CMYK" }
                                   << "jpg" << rose << rose;
        QTest::newRow("animated gif, its first frame")
                << QImage()
                << QStringList { "-delay", "20", "-size", "40x30", "xc:" + roseName, "xc:" + skyName, "-loop", "0" }
                << "gif" << rose << rose;
        // Taken lying on its side: rose on the left, sky on the right, to be
        // turned a quarter clockwise (rose on top).
        QImage sideways = solid(QSize(60, 40), QImage::Format_RGB32, sky);
        QPainter(&sideways).fillRect(0, 0, 30, 40, rose);
        QTest::newRow("exif rotation") << sideways << qt << "jpg" << rose << sky;
        QTest::newRow("one-bit by imagemagick")
                << QImage() << QStringList { "-size", "300x400", "xc:" + roseName } << "png" << rose << rose;
    }

    void everyPictureKeepsItsColours()
    {
        QFETCH(QImage, picture);
        QFETCH(QStringList, convert);
        QFETCH(QString, suffix);
        QFETCH(QColor, top);
        QFETCH(QColor, bottom);
        TestFolder folder;
        const QString file = folder.file(QStringLiteral("picture.") + suffix);
        if (convert.isEmpty() && suffix == QLatin1String("jpg")) {
            // Saved with the orientation a phone writes for a picture taken on its side.
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "JPEG", 95));
            const QByteArray exif = QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0"
                                               "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0",
                                               32);
            const int length = int(exif.size()) + 2;
            jpeg.insert(2, QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + exif);
            folder.write(QFileInfo(file).fileName(), jpeg);
        } else if (convert.isEmpty()) {
            QVERIFY(picture.save(file));
        } else {
            const QString imageMagick = QStandardPaths::findExecutable(QStringLiteral("convert"));
            if (imageMagick.isEmpty())
                QSKIP("ImageMagick makes this picture: scripts/ensure-packages test installs it");
            QCOMPARE(QProcess::execute(imageMagick, convert << file), 0);
        }
        const AssetSlot &boy = *AssetSlot::byOption(QStringLiteral("boy"));
        const auto prepared = prepareOwnAsset(boy, file);
        QVERIFY2(prepared.ok(), qPrintable(prepared.why()));
        const QList<AssetBundle::Asset> &assets = *prepared;
        QCOMPARE(assets.size(), 2);
        for (const int scale : { 1, 2 }) {
            // Drawn as the stage draws it.
            QPixmap pixmap;
            QVERIFY(pixmap.loadFromData(assets[scale - 1].bytes));
            QCOMPARE(pixmap.size(), scale * boy.boxSize());
            QImage stage(pixmap.size(), QImage::Format_RGB32);
            stage.fill(Qt::green);
            QPainter(&stage).drawPixmap(0, 0, pixmap);
            const int x = stage.width() / 2;
            const QColor seenTop = stage.pixelColor(x, stage.height() / 8);
            const QColor seenBottom = stage.pixelColor(x, stage.height() * 7 / 8);
            QVERIFY2(near(seenTop, top) && near(seenBottom, bottom),
                     qPrintable(QStringLiteral("%1x: %2 above, %3 below").arg(scale).arg(seenTop.name(), seenBottom.name())));
        }
    }

    // The section follows the program, and the stage and the timeline follow the section.
    void theStageAndTheTimelineFollowTheProgramsOwnAssets()
    {
        TestFolder folder;
        QVERIFY(putProgramCarryingASong(folder));
        EditorWindow window(folder.path());
        OwnAssetsPanel *panel = window.ownAssets();
        QStringList reported;
        panel->reportProblem = [&](const QString &text) { reported << text; };
        const AssetSlot &music = *AssetSlot::byOption(QStringLiteral("music"));
        const AssetSlot &boy = *AssetSlot::byOption(QStringLiteral("boy"));
        QCOMPARE(window.analysis().times.musicEnds, 6.0);
        QVERIFY(panel->describedLine(music).startsWith(QStringLiteral("ours.mp3，6.0 秒")));

        QVERIFY(panel->restore(music));
        QCOMPARE(window.analysis().times.musicEnds, builtInMusicSeconds());
        QCOMPARE(panel->describedLine(music), QStringLiteral("内置的音乐"));

        QImage photo(300, 400, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        const QString photoFile = folder.file(QStringLiteral("boy.png"));
        QVERIFY(photo.save(photoFile));
        QVERIFY(panel->replace(boy, photoFile));
        const QImage figure = window.preview()->stage().Picture2->grab().toImage();
        const QColor middle = figure.pixelColor(figure.width() / 2, figure.height() / 2);
        QVERIFY(middle.blue() > 240 && middle.red() < 16 && middle.green() < 16); // a JPEG's blue
        QVERIFY(!panel->replace(boy, folder.file(QStringLiteral("velmora"))));
        QCOMPARE(reported.size(), 1);
    }
};

QTEST_MAIN(OwnAssetsTest)
#include "tst_ownassets.moc"
