// SPDX-License-Identifier: GPL-3.0-or-later
// The window as created, start-up, and writing media files out.
#include "runtime/assetsource.h"
#include "runtime/hostfiles.h"
#include "show/form1.h"
#include "stage/pace.h"
#include "support/showfixture.h"

#include <QCryptographicHash>
#include <QVideoWidget>
#include <QtTest>

namespace {
const QByteArray freshLetterSha256
        = "31d953afa6c7c683ce58a6ffe77ead6c9b5818aff4a64b9dc5b1f310f44c254a";
const QByteArray freshDeclarationSha256
        = "6eaafbd0360470dbf6fb5b66ce14f0cc22318e0a323858c8c11ea9816dcf61fd";

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray music()
{
    return AssetSource().resourceBytes(101, QStringLiteral("CUSTOM"));
}
} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void theWindowAsCreated()
    {
        ShowFixture show;
        QCOMPARE(show.form.size(), QSize(789, 486));
        QCOMPARE(show.form.Picture1->geometry(), QRect(-8, -8, 801, 505));
        QCOMPARE(show.form.Picture2->Left(), 120.0f);
        QCOMPARE(show.form.Picture2->Width(), 1455.0f);
        QCOMPARE(show.form.Picture3->Left(), 10450.0f);
        QCOMPARE(show.form.Picture2->size(), QSize(97, 105));
        QVERIFY(show.form.Picture2->isHidden() && show.form.Picture3->isHidden());
        QCOMPARE(show.form.Label3->Caption(), QStringLiteral("Label3"));
        // Out of sight by position alone, yet visible and enabled.
        for (QWidget *hidden :
             { static_cast<QWidget *>(show.form.Text1), static_cast<QWidget *>(show.form.Text2),
               static_cast<QWidget *>(show.form.Text3) }) {
            QVERIFY(hidden->y() >= show.form.height());
            QVERIFY(!hidden->isHidden() && hidden->isEnabled());
        }
        QVERIFY(show.form.Label3->x() >= show.form.width());
        QCOMPARE(show.form.Text1->Text(), QString());
        QCOMPARE(show.form.Timer1->interval(), Pace::letterTickMs);
        QCOMPARE(show.form.Timer3->interval(), Pace::declarationTickMs);
        QCOMPARE(show.form.Timer4->interval(), Pace::walkTickMs);
        QVERIFY(!show.form.Timer3->Enabled() && !show.form.Timer4->Enabled());
        QCOMPARE(show.form.WindowsMediaPlayer1View->geometry(), QRect(0, 0, 788, 496));
        QCOMPARE(show.host.videoBackend()->volume, 100);
        QCOMPARE(show.host.musicBackend()->volume, 50);
        // The video widget and the media framework behind it wait for the film.
        QVERIFY(!show.host.videoBackend()->hasView);
        // The figures lie above the labels on the stage.
        const QObjectList stage = show.form.Picture1->content()->children();
        QVERIFY(stage.indexOf(show.form.Picture3) > stage.indexOf(show.form.Picture2));
        QVERIFY(stage.indexOf(show.form.Picture2) > stage.indexOf(show.form.Label1));
        QVERIFY(stage.indexOf(show.form.Picture2) > stage.indexOf(show.form.Label4));
    }

    void aFreshFolder()
    {
        ShowFixture show;
        show.load();

        QVERIFY(show.host.errors.isEmpty());
        QVERIFY(!show.host.ended);
        QCOMPARE(show.form.Caption(), QStringLiteral("Velmora  BY Tarsune"));
        QCOMPARE(show.folder.read("orlessa.ini").size(), 404);
        QCOMPARE(sha256(show.folder.read("orlessa.ini")), freshLetterSha256);
        QCOMPARE(show.folder.read("xuanyan.ini").size(), 111);
        QCOMPARE(sha256(show.folder.read("xuanyan.ini")), freshDeclarationSha256);
        QCOMPARE(show.form.LoadedText.size(), 225);
        QVERIFY(show.form.LoadedText.startsWith(QStringLiteral("我们在最青春的时候相遇")));
        QVERIFY(show.form.LoadedText.endsWith(QStringLiteral("\r\n\r\n")));
        QCOMPARE(show.form.Label3->Caption(), show.form.LoadedText);
        QCOMPARE(show.folder.read("Orlessa.mp3"), music());
        QCOMPARE(show.host.log, QStringList { "play2:" + show.folder.file("Orlessa.mp3") });
        QVERIFY(!show.form.files().isOpen(1));
    }

    void whatTheUserWroteIsKept_data()
    {
        QTest::addColumn<QByteArray>("letter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gbk") << QByteArray("\xC4\xE3\xBA\xC3\r\n") << QStringLiteral("你好\r\n");
        QTest::newRow("utf-8 with mark")
                << QByteArray("\xEF\xBB\xBF") + QStringLiteral("你好\n").toUtf8()
                << QStringLiteral("你好\n");
        QTest::newRow("html stays text") << QByteArray("<b>x</b><img src=a.png>")
                                         << QStringLiteral("<b>x</b><img src=a.png>");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void whatTheUserWroteIsKept()
    {
        QFETCH(QByteArray, letter);
        QFETCH(QString, expected);
        ShowFixture show;
        show.folder.write("orlessa.ini", letter);
        show.folder.write("xuanyan.ini", "mine");
        show.load();
        QCOMPARE(show.form.LoadedText, expected);
        QCOMPARE(show.form.Label3->Caption(), expected);
        QCOMPARE(show.folder.read("orlessa.ini"), letter);
        QCOMPARE(show.folder.read("xuanyan.ini"), QByteArray("mine"));
    }

    void onlyTheMissingFileIsWritten_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("writtenSha256");
        QTest::addColumn<int>("letterLength");
        QTest::newRow("declaration missing") << "orlessa.ini"
                                             << "xuanyan.ini" << freshDeclarationSha256 << 9;
        QTest::newRow("letter missing") << "xuanyan.ini"
                                        << "orlessa.ini" << freshLetterSha256 << 225;
    }
    void onlyTheMissingFileIsWritten()
    {
        QFETCH(QString, kept);
        QFETCH(QString, written);
        QFETCH(QByteArray, writtenSha256);
        QFETCH(int, letterLength);
        ShowFixture show;
        show.folder.write(kept, "my words!");
        show.load();
        QCOMPARE(show.folder.read(kept), QByteArray("my words!"));
        QCOMPARE(sha256(show.folder.read(written)), writtenSha256);
        QCOMPARE(show.form.LoadedText.size(), letterLength);
    }

    void aFolderNamedLikeTheLetter()
    {
        ShowFixture show;
        show.folder.mkdir("orlessa.ini");
        show.load();
        QCOMPARE(show.host.errors.size(), 1);
        QCOMPARE(show.host.errors[0].number, 75);
        QVERIFY(show.host.errors[0].message().contains(show.folder.file("orlessa.ini")));
        QVERIFY(show.host.ended);
        QCOMPARE(show.host.exitCode, 1);
        QVERIFY(show.form.hasEnded());
        // What was written before the error stays; nothing after it happened.
        QCOMPARE(sha256(show.folder.read("xuanyan.ini")), freshDeclarationSha256);
        QVERIFY(!show.folder.exists("Orlessa.mp3"));
        QVERIFY(show.host.musicBackend()->volume == 50
                && !show.host.log.contains("play2:" + show.folder.file("Orlessa.mp3")));
    }

    void aFolderNamedLikeTheDeclarationCountsAsPresent()
    {
        ShowFixture show;
        show.folder.mkdir("xuanyan.ini");
        show.load();
        QVERIFY(show.host.errors.isEmpty());
        QCOMPARE(sha256(show.folder.read("orlessa.ini")), freshLetterSha256);
    }

    void aReadOnlyFolderWithoutMessages()
    {
        ShowFixture show;
        MAKE_READ_ONLY(show.folder);
        show.load();
        QCOMPARE(show.host.errors.size(), 1);
        QCOMPARE(show.host.errors[0].number, 75);
        QVERIFY(show.host.ended);
    }

    void anOlderLongerMusicFileIsReplaced()
    {
        ShowFixture show;
        show.folder.write("Orlessa.mp3", QByteArray(music().size() + 5000, 'x'));
        show.load();
        QCOMPARE(show.folder.read("Orlessa.mp3"), music());
        // The player is handed the path whether or not the write succeeded.
        QCOMPARE(show.host.log.last(), "play2:" + show.folder.file("Orlessa.mp3"));
    }

    void aMusicFileHeldOpenKeepsItsOldBytes()
    {
        // The new file replaces the old one whole: a player still reading the
        // old one reads it to its end unchanged.
        ShowFixture show;
        TestFolder &folder = show.folder;
        folder.write("Orlessa.mp3", "older");
        QFile held(folder.file("Orlessa.mp3"));
        QVERIFY(held.open(QIODevice::ReadOnly));
        QVERIFY(show.form.SaveFileFromRes(QVariant::fromValue<qint16>(101), "CUSTOM",
                                folder.file("Orlessa.mp3")));
        QCOMPARE(held.readAll(), QByteArray("older"));
        QCOMPARE(folder.read("Orlessa.mp3"), music());
    }

    void savingResources()
    {
        ShowFixture show;
        TestFolder &folder = show.folder;
        const QVariant music101 = QVariant::fromValue<qint16>(101);
        const QString path = folder.file("Orlessa.mp3");

        QVERIFY(!show.form.SaveFileFromRes(QVariant::fromValue<qint16>(999), "CUSTOM", path));
        QVERIFY(!folder.exists("Orlessa.mp3"));

        QVERIFY(show.form.SaveFileFromRes(music101, "CUSTOM", path));
        QCOMPARE(folder.read("Orlessa.mp3"), music());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList { "Orlessa.mp3" });

        folder.write("Orlessa.mp3", "older");
        MAKE_READ_ONLY(folder, "Orlessa.mp3");
        QVERIFY(!show.form.SaveFileFromRes(music101, "CUSTOM", path));
        QCOMPARE(folder.read("Orlessa.mp3"), QByteArray("older"));

        folder.mkdir("Orlessa.avi");
        QVERIFY(!show.form.SaveFileFromRes(QVariant::fromValue<qint16>(102), "CUSTOM",
                                 folder.file("Orlessa.avi")));
        QVERIFY(QFileInfo(folder.file("Orlessa.avi")).isDir());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
