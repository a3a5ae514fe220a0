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

class DiskStateTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    // Changes made elsewhere while the window is open, found by the watcher or
    // by the look before a save.
    void changesElsewhereAreFollowed_data()
    {
        using Choice = EditorPrompts::DiskChoice;
        QTest::addColumn<bool>("typed"); // unsaved changes in the window
        QTest::addColumn<bool>("deleted"); // the other change deletes the letter
        QTest::addColumn<bool>("byWatcher"); // else found when saving
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("windowAfter"); // the letter in the window after the change
        QTest::addColumn<QString>("fileAfterSave");
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing unsaved: reloaded") << false << false << true << -1 << "theirs"
                                                   << "theirs" << "在别处被改动了，已重新读入";
        QTest::newRow("nothing unsaved, found when saving")
                << false << false << false << -1 << "theirs" << "theirs" << "已重新读入";
        QTest::newRow("unsaved: reload") << true << false << true << int(Choice::Reload) << "theirs"
                                         << "theirs" << "窗口里的修改放弃了";
        QTest::newRow("unsaved: keep mine") << true << false << true << int(Choice::KeepMine)
                                            << "mine" << "mine" << "保存时会写过它";
        QTest::newRow("unsaved: keep mine, found when saving")
                << true << false << false << int(Choice::KeepMine) << "mine" << "mine" << "已保存";
        QTest::newRow("unsaved: save mine as") << true << false << true << int(Choice::SaveMineAs)
                                               << "theirs" << "theirs" << "另存为";
        QTest::newRow("deleted") << false << true << true << -1 << "ours" << "ours" << "被删除了";
        QTest::newRow("deleted with unsaved changes")
                << true << true << false << -1 << "mine" << "mine" << "已保存";
    }

    void changesElsewhereAreFollowed()
    {
        QFETCH(bool, typed);
        QFETCH(bool, deleted);
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
        // Another editor saves as editors do: a new file renamed into place.
        if (deleted)
            QVERIFY(QFile::remove(folder.file(letterFile)));
        else
            QVERIFY(saveMessageFile(folder.file(letterFile), QStringLiteral("theirs")).ok);

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
        QString problem;
        QVERIFY(ShowProgram(folder.path()).change(theirs, {}, &problem));
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
