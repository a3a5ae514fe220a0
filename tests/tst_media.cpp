// The players on whatever media backend Qt brings on this machine (or on none
// at all, with QT_MEDIA_BACKEND naming one that does not exist): a short cut
// of the real film played to its end, the music stopped, and both files let go.
#include "players/mediaplayer.h"
#include "players/processsettings.h"
#include "players/qtmediabackend.h"
#include "runtime/assetsource.h"
#include "runtime/hostfiles.h"
#include "support/testfolder.h"

#include <QSignalSpy>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QWidget>
#include <QtTest>

namespace {
bool heldOpen(const QString &path)
{
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo &link : descriptors.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (link.symLinkTarget() == path)
            return true;
    return false;
}

// The first seconds of a built-in medium, cut as it is, without re-encoding.
QString cutOf(const TestFolder &folder, int resource, const QString &name, double seconds)
{
    const QString whole = folder.file(QStringLiteral("whole-") + name);
    folder.write(QStringLiteral("whole-") + name, AssetSource().resourceBytes(resource, "CUSTOM"));
    const int status = QProcess::execute(
            QStringLiteral("ffmpeg"),
            { "-v", "error", "-y", "-i", whole, "-t", QString::number(seconds), "-c", "copy",
              folder.file(name) });
    QFile::remove(whole);
    return status == 0 ? folder.file(name) : QString();
}

bool mapped(const char *library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

bool backendMissing()
{
    return QtMediaBackend::backendName() == QLatin1String("velmora-no-such-backend");
}
} // namespace

class MediaTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ProcessSettings::setBeforeApplication(ProcessSettings::Platform::Desktop);
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg is needed to cut the test media");
        qInfo("media backend: %s", qPrintable(QtMediaBackend::backendName().isEmpty()
                                                      ? QStringLiteral("Qt's default")
                                                      : QtMediaBackend::backendName()));
    }

    void theMusicIsDecodedWithoutFfmpeg()
    {
        // FFmpeg's libraries take a few hundred milliseconds to load; the
        // music must not wait for them.
        const auto loaded = mapped;
        if (QtMediaBackend::backendName() != QLatin1String("gstreamer"))
            QSKIP("the music is decoded by GStreamer only where Qt's backend for it is installed");
        if (loaded("libavcodec"))
            QSKIP("FFmpeg was loaded before this test");
        TestFolder folder;
        folder.write("Orlessa.mp3", AssetSource().resourceBytes(101, "CUSTOM"));
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        player.setURL(folder.file("Orlessa.mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(loaded("libgstmpg123"), 10000);
        QTest::qWait(200);
        QVERIFY(!loaded("libavcodec"));
        player.controls().stop();
    }

    void theMusicBringsInNoGraphicsDriver()
    {
        // A desktop's graphics and video drivers (and LLVM, which Mesa's
        // drivers compile with) cost tens of megabytes; music needs none.
        if (backendMissing())
            QSKIP("no media backend");
        TestFolder folder;
        const QString music = cutOf(folder, 101, QStringLiteral("Orlessa.mp3"), 3);
        QVERIFY(!music.isEmpty());
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        player.setURL(music);
        QTRY_VERIFY_WITH_TIMEOUT(mapped("mediaplugin"), 10000);
        QTest::qWait(500);
        for (const char *driver : { "libLLVM", "libgallium", "libvulkan_", "_drv_video.so", "libvdpau_" })
            QVERIFY2(!mapped(driver), driver);
        player.controls().stop();
    }

    void anUnplayableVideoStillEnds()
    {
        TestFolder folder;
        folder.write("Orlessa.avi", QByteArray(4096, '\x5a'));
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        QSignalSpy ended(&player, &MediaPlayer::playbackEnded);
        player.setURL(folder.file("Orlessa.avi"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 10000);
        player.setURL(folder.file("missing.avi"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 10000);
    }
    void theFilmEndsOnceAfterItsLastFrame()
    {
        TestFolder folder;
        const QString film = cutOf(folder, 102, QStringLiteral("Orlessa.avi"), 1.5);
        QVERIFY(!film.isEmpty());
        QWidget window;
        window.resize(788, 496);
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        QWidget *view = player.createView(&window);
        view->setGeometry(window.rect());
        window.show();

        QSignalSpy ended(&player, &MediaPlayer::playbackEnded);
        qint64 lastFrameEnd = -1;
        bool fileHeldAtEnd = true;
        connect(&player, &MediaPlayer::playbackEnded, this,
                [&] { fileHeldAtEnd = heldOpen(film); });
        player.setURL(film);
        auto *video = view->findChild<QVideoWidget *>();
        QCOMPARE(video != nullptr, !backendMissing());
        if (video)
            connect(video->videoSink(), &QVideoSink::videoFrameChanged, this,
                    [&](const QVideoFrame &frame) {
                        if (frame.isValid() && ended.isEmpty())
                            lastFrameEnd = std::max(lastFrameEnd, frame.endTime());
                    });

        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 20000);
        QCOMPARE(ended.at(0).at(0).toInt(), 1);
        QVERIFY2(!fileHeldAtEnd, "the film is still open when its end is reported");
        QVERIFY(QFile::remove(film));
        if (!backendMissing()) {
            QVERIFY2(video->videoSink()->videoFrame().isValid(),
                     "the last frame stays on the surface when the film has ended");
            // Frames last about 42 ms; the cut ends near 1.5 s.
            QVERIFY2(lastFrameEnd >= 1'400'000,
                     qPrintable(QStringLiteral("last frame shown ends at %1 µs").arg(lastFrameEnd)));
        }
        QTest::qWait(500);
        QCOMPARE(ended.count(), 1);
    }

    void theStoppedMusicLetsGoOfItsFile()
    {
        TestFolder folder;
        const QString music = cutOf(folder, 101, QStringLiteral("Orlessa.mp3"), 3);
        QVERIFY(!music.isEmpty());
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        player.setURL(music);
        QTest::qWait(1000);
        player.controls().stop();
        QVERIFY(!heldOpen(music));
        QVERIFY(QFile::remove(music));
    }
};

QTEST_MAIN(MediaTest)
#include "tst_media.moc"
