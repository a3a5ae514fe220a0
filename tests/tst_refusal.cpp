// The No road: the refusal video, the end of the video and the last plea.
#include "runtime/assetsource.h"
#include "runtime/hostfiles.h"
#include "runtime/runtimeerror.h"
#include "show/form1.h"
#include "show/matchmaker.h"
#include "show/question.h"
#include "stage/words.h"
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
    explicit RefusedShow(const QList<BoxAnswer> &pleaAnswers = {})
        : ShowFixture("", "")
    {
        host.answers = QList<BoxAnswer> { BoxAnswer::No } + pleaAnswers;
        letterTicks();
        declarationTicks();
    }
};
} // namespace

class RefusalTest : public QObject
{
    Q_OBJECT

private slots:
    void theVideoTakesTheStage()
    {
        ShowFixture show("", "");
        const QString caption = show.form.Caption();
        bool videoAbsentAtStop = false;
        QString captionAtPlay;
        show.host.onStop
                = [&](MediaRole) { videoAbsentAtStop = !show.folder.exists("Orlessa.avi"); };
        show.host.onPlay = [&](MediaRole, const QString &) { captionAtPlay = show.form.Caption(); };
        show.host.answers = { BoxAnswer::No };
        show.letterTicks();
        show.declarationTicks();

        QCOMPARE(show.host.log.mid(1),
                 QStringList({ "box:询问", "stop2", "play1:" + show.folder.file("Orlessa.avi") }));
        QVERIFY(videoAbsentAtStop);
        QCOMPARE(captionAtPlay, caption);
        QCOMPARE(show.form.Caption(), Words().filmCaption);
        QVERIFY(show.form.Picture1->isHidden());
        QVERIFY(!show.form.WindowsMediaPlayer1View->isHidden());
        QVERIFY(show.host.videoBackend()->hasView);
        const auto *video = show.form.WindowsMediaPlayer1View->findChild<QVideoWidget *>();
        QVERIFY(video && !video->isHidden());
        QCOMPARE(video->aspectRatioMode(), Qt::KeepAspectRatio);
        QCOMPARE(show.folder.read("Orlessa.avi"), AssetSource().resourceBytes(102, "CUSTOM"));
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
        RefusedShow show({ BoxAnswer::No });
        bool goneAtPlea = false;
        show.host.onBox = [&](const FakeHost::Box &) {
            goneAtPlea = !show.folder.exists("Orlessa.mp3") && !show.folder.exists("Orlessa.avi");
        };
        show.videoEnds();
        QVERIFY(goneAtPlea);
        QCOMPARE(show.host.boxes[1].prompt, Words().pleaPrompt);
        QCOMPARE(show.host.boxes[1].title, Words().pleaTitle);
        QCOMPARE(show.host.boxes[1].buttons, BoxButtons::YesNo);
    }

    void pleaYesThenYesLeavesTheWindowOpen()
    {
        RefusedShow show({ BoxAnswer::Yes, BoxAnswer::Yes });
        show.videoEnds();
        QCOMPARE(show.host.boxes[2].prompt, Words().pleaMatchmakerPrompt);
        QCOMPARE(show.host.boxes[2].title, Words().pleaMatchmakerTitle);
        QCOMPARE(show.host.openedAddresses.size(), 1);
        QCOMPARE(show.host.openedAddresses[0], Matchmaker::address);
        QVERIFY(!show.host.ended);
        QVERIFY(!show.form.hasEnded());
        QCOMPARE(show.form.Caption(), Words().filmCaption);
        QCOMPARE(show.form.Answer.toInt(), BoxResult::yes);
        QCOMPARE(show.form.Answer2, qint16(BoxResult::yes));
    }

    void pleaYesThenNoEnds()
    {
        RefusedShow show({ BoxAnswer::Yes, BoxAnswer::No });
        show.videoEnds();
        QVERIFY(show.host.openedAddresses.isEmpty());
        QVERIFY(show.host.ended);
        QCOMPARE(show.host.exitCode, 0);
    }

    void pleaNoShowsTheVowAndEnds()
    {
        RefusedShow show({ BoxAnswer::No });
        show.videoEnds();
        QCOMPARE(show.host.boxes.size(), 3);
        QCOMPARE(show.host.boxes[2].prompt, Words().vowPrompt);
        QCOMPARE(show.host.boxes[2].title, Words().vowTitle);
        QCOMPARE(show.host.boxes[2].buttons, BoxButtons::Ok);
        QCOMPARE(show.host.log.last(), QStringLiteral("end:0"));
        QCOMPARE(show.form.Answer.toInt(), BoxResult::no);
        QVERIFY(show.host.openedAddresses.isEmpty());
    }

    void theEndComesOnceAndFilesAlreadyGoneDoNotMatter()
    {
        RefusedShow show({ BoxAnswer::Yes, BoxAnswer::Yes });
        QFile::remove(show.folder.file("Orlessa.mp3"));
        show.videoEnds();
        show.videoEnds();
        show.notifyVideo(1);
        QVERIFY(show.host.errors.isEmpty());
        QCOMPARE(show.host.boxes.size(), 3);
        QCOMPARE(show.host.openedAddresses.size(), 1);
    }

    void onlyYesIsYesToThePlea()
    {
        for (BoxAnswer result : { BoxAnswer::Ok, BoxAnswer::No }) {
            RefusedShow show({ result });
            show.videoEnds();
            QCOMPARE(show.host.boxes.size(), 3);
            QCOMPARE(show.host.boxes[2].title, Words().vowTitle);
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
};

QTEST_MAIN(RefusalTest)
#include "tst_refusal.moc"
