// The No road: the refusal video, the end of the video and the last plea.
#include "app/form1.h"
#include "refusal/refusal.h"
#include "runtime/hostfiles.h"
#include "runtime/qtmediabackend.h"
#include "runtime/runtimeerror.h"
#include "show/matchmaker.h"
#include "show/question.h"
#include "support/showfixture.h"
#include "support/unprivileged.h"

#include <QSignalSpy>
#include <QVideoWidget>
#include <QtTest>

namespace {
// A show with empty texts brought to the question and answered No; the
// answers to the plea's boxes come next.
struct RefusedShow : ShowFixture
{
    explicit RefusedShow(const QList<int> &pleaAnswers = {})
        : ShowFixture("", "")
    {
        host.answers = QList<int> { MessageBox::No } + pleaAnswers;
        letterTicks();
        declarationTicks();
    }
};
} // namespace

class RefusalTest : public QObject
{
    Q_OBJECT

private slots:
    // As the program does, before anything starts the media framework.
    void initTestCase() { QtMediaBackend::prepareEnvironment(); }

    void theVideoTakesTheStage()
    {
        ShowFixture show("", "");
        const QString caption = show.form.Caption();
        bool videoAbsentAtStop = false;
        QString captionAtPlay;
        show.host.onStop
                = [&](MediaRole) { videoAbsentAtStop = !show.folder.exists("Orlessa.avi"); };
        show.host.onPlay = [&](MediaRole, const QString &) { captionAtPlay = show.form.Caption(); };
        show.host.answers = { MessageBox::No };
        show.letterTicks();
        show.declarationTicks();

        QCOMPARE(show.host.log.mid(1),
                 QStringList({ "box:询问", "stop2", "play1:" + show.folder.file("Orlessa.avi") }));
        QVERIFY(videoAbsentAtStop);
        QCOMPARE(captionAtPlay, caption);
        QCOMPARE(show.form.Caption(), QStringLiteral("我一定要追到你!!!"));
        QVERIFY(show.form.Picture1->isHidden());
        QVERIFY(!show.form.WindowsMediaPlayer1View->isHidden());
        QVERIFY(show.host.videoBackend()->hasView);
        const auto *video = show.form.WindowsMediaPlayer1View->findChild<QVideoWidget *>();
        QVERIFY(video && !video->isHidden());
        QCOMPARE(video->aspectRatioMode(), Qt::KeepAspectRatio);
        QCOMPARE(show.folder.read("Orlessa.avi"), LoadResourceBytes(102, "CUSTOM"));
        QVERIFY(show.folder.exists("Orlessa.mp3"));
        QVERIFY(!show.form.Label4->isHidden());
        QCOMPARE(show.form.Picture3->Left(), 10450.0f);
        QVERIFY(!show.host.ended);
        QVERIFY(!show.form.Timer3->Enabled());
    }

    void otherNotificationsChangeNothing()
    {
        RefusedShow show;
        for (qint32 value : { 0, 2, 3, 8, -1 })
            show.notifyVideo(value);
        QVERIFY(show.folder.exists("Orlessa.mp3") && show.folder.exists("Orlessa.avi"));
        QCOMPARE(show.host.boxes.size(), 1);
        QVERIFY(!show.host.ended);
    }

    void bothFilesGoBeforeThePlea()
    {
        RefusedShow show({ 7 });
        bool goneAtPlea = false;
        show.host.onBox = [&](const FakeHost::Box &) {
            goneAtPlea = !show.folder.exists("Orlessa.mp3") && !show.folder.exists("Orlessa.avi");
        };
        show.videoEnds();
        QVERIFY(goneAtPlea);
        QCOMPARE(show.host.boxes[1].prompt, QStringLiteral("能给我一次机会吗?"));
        QCOMPARE(show.host.boxes[1].title, QStringLiteral("询问"));
        QCOMPARE(show.host.boxes[1].buttons, MessageBox::YesNo);
    }

    void pleaYesThenYesLeavesTheWindowOpen()
    {
        RefusedShow show({ 6, 6 });
        show.videoEnds();
        QCOMPARE(show.host.boxes[2].prompt,
                 QStringLiteral("我们开始约会吧!\r\n\r\n需要去感谢我们的红娘??"));
        QCOMPARE(show.host.boxes[2].title, QStringLiteral("兴奋"));
        QCOMPARE(show.host.openedAddresses.size(), 1);
        QCOMPARE(show.host.openedAddresses[0], Matchmaker::address);
        QVERIFY(!show.host.ended);
        QVERIFY(!show.form.hasEnded());
        QCOMPARE(show.form.Caption(), Refusal::vow);
        QCOMPARE(show.form.Answer.toInt(), 6);
        QCOMPARE(show.form.Answer2, qint16(6));
    }

    void pleaYesThenNoEnds()
    {
        RefusedShow show({ 6, 7 });
        show.videoEnds();
        QVERIFY(show.host.openedAddresses.isEmpty());
        QVERIFY(show.host.ended);
        QCOMPARE(show.host.exitCode, 0);
    }

    void pleaNoShowsTheVowAndEnds()
    {
        RefusedShow show({ 7 });
        show.videoEnds();
        QCOMPARE(show.host.boxes.size(), 3);
        QCOMPARE(show.host.boxes[2].prompt,
                 QStringLiteral("我一定要追到你\r\n\r\n百分之一千万要追到你"));
        QCOMPARE(show.host.boxes[2].title, QStringLiteral("奋斗"));
        QCOMPARE(show.host.boxes[2].buttons, MessageBox::OkInformation);
        QCOMPARE(show.host.log.last(), QStringLiteral("end:0"));
        QCOMPARE(show.form.Answer.toInt(), 7);
        QVERIFY(show.host.openedAddresses.isEmpty());
    }

    void theEndComesOnceAndFilesAlreadyGoneDoNotMatter()
    {
        RefusedShow show({ 6, 6 });
        QFile::remove(show.folder.file("Orlessa.mp3"));
        show.videoEnds();
        show.videoEnds();
        show.notifyVideo(1);
        QVERIFY(show.host.errors.isEmpty());
        QCOMPARE(show.host.boxes.size(), 3);
        QCOMPARE(show.host.openedAddresses.size(), 1);
    }

    void onlySixIsYesToThePlea()
    {
        for (int result : { 0, 1, 2, 8, -1 }) {
            RefusedShow show({ result });
            show.videoEnds();
            QCOMPARE(show.host.boxes.size(), 3);
            QCOMPARE(show.host.boxes[2].title, QStringLiteral("奋斗"));
            QVERIFY(show.host.openedAddresses.isEmpty());
        }
    }

    void theMusicIsDeletedBeforeTheFilm()
    {
        // Neither can be deleted: the error names the one tried first, and the
        // show ends there.
        RefusedShow show;
        show.folder.letOthersLookIn();
        const int namesTheMusic = runUnprivileged([&] {
            show.videoEnds();
            const bool named = show.host.errors.size() == 1
                    && show.host.errors[0].number == ErrorNumber::PermissionDenied
                    && show.host.errors[0].message().endsWith("/Orlessa.mp3");
            return named && show.host.ended ? 0 : 1;
        });
        QCOMPARE(namesTheMusic, 0);
        QVERIFY(show.folder.exists("Orlessa.mp3") && show.folder.exists("Orlessa.avi"));
    }

    void theMusicStoppingIsNoEnd()
    {
        FakeHost host;
        auto backend = host.createMediaBackend(MediaRole::Music);
        auto *fake = static_cast<FakeHost::Backend *>(backend.get());
        MediaPlayer player(MediaPlayer::Settings {}, std::move(backend));
        QSignalSpy ended(&player, &MediaPlayer::playbackEnded);
        player.setURL("/x.mp3");
        player.controls().stop();
        fake->finish();
        QCOMPARE(ended.count(), 0);
        player.setURL("/y.avi");
        fake->finish();
        fake->finish();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 1);
    }

    void theMusicIsDecodedWithoutFfmpeg()
    {
        // FFmpeg's libraries take a few hundred milliseconds to load; the
        // music must not wait for them.
        const auto loaded = [](const char *library) {
            QFile maps(QStringLiteral("/proc/self/maps"));
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
        };
        if (QtMediaBackend::backendName() != QLatin1String("gstreamer"))
            QSKIP("the music is decoded by GStreamer only where Qt's backend for it is installed");
        if (loaded("libavcodec"))
            QSKIP("FFmpeg was loaded before this test");
        TestFolder folder;
        folder.write("Orlessa.mp3", LoadResourceBytes(101, "CUSTOM"));
        MediaPlayer player(MediaPlayer::Settings {}, std::make_unique<QtMediaBackend>());
        player.setURL(folder.file("Orlessa.mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(loaded("libgstmpg123"), 10000);
        QTest::qWait(200);
        QVERIFY(!loaded("libavcodec"));
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
};

QTEST_MAIN(RefusalTest)
#include "tst_refusal.moc"
