// SPDX-License-Identifier: GPL-3.0-or-later
// What others do to the folder while the editor is open: the letter and the
// program changed elsewhere, found by the folder's watch or before a save;
// another editor started on the same folder.
#include "desktop/singleshow.h"
#include "editor/editorprompts.h"
#include "editor/editorwindow.h"
#include "editor/messagefile.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/showprogram.h"
#include "support/editorfixture.h"

#include <QPlainTextEdit>
#include <QtTest>

#include <sys/stat.h>

namespace {
// Writes `bytes` over the file in place, then puts its times back as they
// were: the same size, the same times, other bytes.
bool writeKeepingSizeAndTimes(const QString &path, const QByteArray &bytes)
{
    struct stat before {};
    QFile file(path);
    if (::stat(QFile::encodeName(path).constData(), &before) != 0 || before.st_size != bytes.size()
        || !file.open(QIODevice::ReadWrite) || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    const timespec times[2] { before.st_atim, before.st_mtim };
    struct stat after {};
    return ::futimens(file.handle(), times) == 0 && ::fstat(file.handle(), &after) == 0
            && after.st_size == before.st_size && after.st_mtim.tv_sec == before.st_mtim.tv_sec
            && after.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
}
} // namespace

class DiskStateTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    // Changes made elsewhere while the window is open, found by the watcher or
    // by the look before a save. Another editor saves as editors do: a new
    // file renamed into place; a letter may also be deleted, or written over
    // in place with its size and times put back (as `touch -r` puts them).
    void changesElsewhereAreFollowed_data()
    {
        using Choice = EditorPrompts::DiskChoice;
        QTest::addColumn<bool>("typed"); // unsaved changes in the window
        QTest::addColumn<QString>("elsewhere"); // "saved", "deleted" or "touched back"
        QTest::addColumn<bool>("byWatcher"); // else found when saving
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("windowAfter"); // the letter in the window after the change
        QTest::addColumn<QString>("fileAfterSave");
        QTest::addColumn<QString>("status");
        const QString saved = QStringLiteral("saved"), deleted = QStringLiteral("deleted");
        QTest::newRow("nothing unsaved: reloaded") << false << saved << true << -1 << "theirs"
                                                   << "theirs" << "在别处被改动了，已重新读入";
        QTest::newRow("nothing unsaved, found when saving")
                << false << saved << false << -1 << "theirs" << "theirs" << "已重新读入";
        QTest::newRow("unsaved: reload") << true << saved << true << int(Choice::Reload) << "theirs"
                                         << "theirs" << "窗口里的修改放弃了";
        QTest::newRow("unsaved: keep mine") << true << saved << true << int(Choice::KeepMine)
                                            << "mine" << "mine" << "保存时会写过它";
        QTest::newRow("unsaved: keep mine, found when saving")
                << true << saved << false << int(Choice::KeepMine) << "mine" << "mine" << "已保存";
        QTest::newRow("unsaved: save mine as") << true << saved << true << int(Choice::SaveMineAs)
                                               << "theirs" << "theirs" << "另存为";
        QTest::newRow("deleted") << false << deleted << true << -1 << "ours" << "ours" << "被删除了";
        QTest::newRow("deleted with unsaved changes")
                << true << deleted << false << -1 << "mine" << "mine" << "已保存";
        QTest::newRow("the same size and times, other bytes")
                << false << "touched back" << true << -1 << "OURS" << "OURS" << "在别处被改动了，已重新读入";
    }

    void changesElsewhereAreFollowed()
    {
        QFETCH(bool, typed);
        QFETCH(QString, elsewhere);
        QFETCH(bool, byWatcher);
        QFETCH(int, choice);
        QFETCH(QString, windowAfter);
        QFETCH(QString, fileAfterSave);
        QFETCH(QString, status);
        TestFolder folder;
        folder.write(letterFile, "ours");
        EditorWindow window(folder.path());
        QStringList asked;
        const QString otherName = folder.file(QStringLiteral("mine.ini"));
        window.askAboutChangeOnDisk = [&](const QString &file) {
            asked << file;
            return EditorPrompts::DiskChoice(choice);
        };
        window.chooseOtherName = [&](const QString &suggested) {
            return suggested.contains(QStringLiteral("orlessa（我的）.ini")) ? otherName : QString();
        };
        if (typed) {
            window.letterEdit()->selectAll();
            QTest::keyClicks(window.letterEdit(), QStringLiteral("mine"));
        }
        if (elsewhere == QLatin1String("deleted"))
            QVERIFY(QFile::remove(folder.file(letterFile)));
        else if (elsewhere == QLatin1String("saved"))
            QVERIFY(saveMessageFile(folder.file(letterFile), QStringLiteral("theirs")).ok());
        else
            QVERIFY(writeKeepingSizeAndTimes(folder.file(letterFile), "OURS"));

        if (byWatcher) {
            QTRY_VERIFY(window.statusText().contains(status));
            QCOMPARE(window.letterText(), windowAfter);
            QVERIFY(window.save());
        } else {
            QVERIFY(window.save());
            QVERIFY2(window.statusText().contains(status), qPrintable(window.statusText()));
            QCOMPARE(window.letterText(), windowAfter);
        }
        QCOMPARE(asked, choice < 0 ? QStringList() : QStringList { letterFile });
        QCOMPARE(folder.read(letterFile), fileAfterSave.toLatin1());
        QCOMPARE(QFileInfo::exists(otherName), choice == int(EditorPrompts::DiskChoice::SaveMineAs));
        if (QFileInfo::exists(otherName))
            QCOMPARE(folder.read(QStringLiteral("mine.ini")), QByteArray("mine"));
        QVERIFY(!window.hasUnsavedChanges());
        // The window's own save is not taken for a change made elsewhere.
        QTest::qWait(300);
        QCOMPARE(asked.size(), choice < 0 ? 0 : 1);
    }

    // Another editor or a command-line run gives the program a song: the section lists it.
    void theProgramChangedElsewhereIsListed()
    {
        TestFolder folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(),
                            folder.file(QStringLiteral("velmora"))));
        EditorWindow window(folder.path());
        const AssetSlot &music = *AssetSlot::byOption(QStringLiteral("music"));
        QCOMPARE(window.ownAssets()->describedLine(music), QStringLiteral("内置的音乐"));
        const QList<AssetBundle::Asset> theirs {
            { AssetBundle::Keys::music, QStringLiteral("theirs.mp3"), 7000, QByteArrayLiteral("x") }
        };
        QVERIFY(ShowProgram(folder.path()).change(theirs).ok());
        QTRY_VERIFY(window.ownAssets()->describedLine(music).startsWith(QStringLiteral("theirs.mp3")));
        QCOMPARE(window.analysis().times.musicEnds, 7.0);
        QVERIFY(window.statusText().contains(QStringLiteral("velmora")));
    }

    // One editor per folder, beside one show per folder.
    void oneEditorPerFolder()
    {
        TestFolder folder, other;
        SingleShow first(folder.path(), QStringLiteral("velmora-editor"));
        QCOMPARE(first.claimOrCallForward(), SingleShow::Start::First);
        QSignalSpy called(&first, &SingleShow::forwardRequested);
        SingleShow second(folder.path(), QStringLiteral("velmora-editor"));
        QCOMPARE(second.claimOrCallForward(), SingleShow::Start::AnotherRuns);
        QVERIFY(called.wait(2000));
        SingleShow show(folder.path());
        QCOMPARE(show.claimOrCallForward(), SingleShow::Start::First);
        SingleShow elsewhere(other.path(), QStringLiteral("velmora-editor"));
        QCOMPARE(elsewhere.claimOrCallForward(), SingleShow::Start::First);
    }
};

QTEST_MAIN(DiskStateTest)
#include "tst_diskstate.moc"
