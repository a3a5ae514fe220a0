// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's window: it opens on the letter, follows typing on its stage,
// saves, asks before closing, and starts a rehearsal from the folder.
#include "controls/label.h"
#include "controls/picturebox.h"
#include "editor/editorprompts.h"
#include "editor/editorwindow.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/stagepreview.h"
#include "runtime/codepage.h"
#include "support/editorfixture.h"

#include <QPlainTextEdit>
#include <QtTest>

class EditorWindowTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    void theWindowOpensOnTheLetterAndFollowsTyping()
    {
        TestFolder folder(QStringLiteral("我们的表白"));
        folder.write(letterFile, CodePage::toAnsi(QStringLiteral("第一行\r\n第二行\r\n")));
        EditorWindow window(folder.path());
        QVERIFY(window.windowTitle().contains(QStringLiteral("编辑器")));
        QVERIFY(window.windowTitle().contains(QStringLiteral("我们的表白")));
        QCOMPARE(window.focusWidget(), window.letterEdit());
        QCOMPARE(window.letterEdit()->textCursor().position(),
                 window.letterEdit()->document()->characterCount() - 1);
        QCOMPARE(window.letterText(), QStringLiteral("第一行\r\n第二行\r\n"));
        QCOMPARE(window.declarationText(), defaultDeclaration());
        QVERIFY(!window.hasUnsavedChanges());

        const Stage &stage = window.preview()->stage();
        QVERIFY(stage.Picture2->isVisibleTo(window.preview()));
        QVERIFY(stage.Picture3->isVisibleTo(window.preview()));
        QCOMPARE(stage.Picture2->Left(), 8118.0f);
        QCOMPARE(stage.Label2->Caption(), defaultDeclaration());

        QTest::keyClicks(window.letterEdit(), QStringLiteral("ok"));
        QTest::keyClick(window.letterEdit(), Qt::Key_Return);
        QCOMPARE(stage.Label1->Caption(), QStringLiteral("第一行\r\n第二行\r\nok\r\n"));
        QVERIFY(window.hasUnsavedChanges());

        QVERIFY(window.save());
        QCOMPARE(folder.read(letterFile),
                 CodePage::toAnsi(QStringLiteral("第一行\r\n第二行\r\nok\r\n")));
        QCOMPARE(folder.read(declarationFile), CodePage::toAnsi(defaultDeclaration()));
        QVERIFY(!window.hasUnsavedChanges());
        QVERIFY(window.statusText().contains(QStringLiteral("GBK")));

        // Half a character cannot be saved: left out, and the window says so.
        window.letterEdit()->insertPlainText(QString(QChar(0xD83D)));
        QVERIFY(window.save());
        QVERIFY(window.statusText().contains(QStringLiteral("1 个残缺的字符")));
        QCOMPARE(readByTheShow(folder, letterFile), QStringLiteral("第一行\r\n第二行\r\nok\r\n"));
    }

    void breakingLinesInTheWindowIsOneUndoStep()
    {
        TestFolder folder;
        const QString letter = QString(120, QChar(0x7231)) + QStringLiteral("\r\n");
        folder.write(letterFile, CodePage::toAnsi(letter));
        EditorWindow window(folder.path());
        QSignalSpy analysed(&window, &EditorWindow::analysed);
        window.breakLongLines();
        QVERIFY(window.letterText().count(QStringLiteral("\r\n")) >= 3);
        QVERIFY(analysed.wait(1000));
        QVERIFY(!anyWarning(window.analysis(), letterFile, QStringLiteral("右边")));
        window.letterEdit()->undo();
        QCOMPARE(window.letterText(), letter);
    }

    void aFailedSaveLosesNothing()
    {
        TestFolder folder;
        const QByteArray before = CodePage::toAnsi(QStringLiteral("原来的信\r\n"));
        folder.write(letterFile, before);
        QVERIFY(putProgramCarryingASong(folder));
        const QByteArray program = folder.read(QStringLiteral("velmora"));
        EditorWindow window(folder.path());
        QStringList reported;
        window.reportProblem = [&](const QString &text) { reported << text; };
        window.ownAssets()->reportProblem = [&](const QString &text) { reported << text; };
        MAKE_READ_ONLY(folder);

        // Made read-only while the editor is open: the program stays as it was.
        QVERIFY(!window.ownAssets()->restore(*AssetSlot::byOption(QStringLiteral("music"))));
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.takeFirst().contains(QStringLiteral("原来的程序没有动")), "");
        QCOMPARE(folder.read(QStringLiteral("velmora")), program);
        QVERIFY(window.ownAssets()
                        ->describedLine(*AssetSlot::byOption(QStringLiteral("music")))
                        .startsWith(QStringLiteral("ours.mp3")));

        QTest::keyClicks(window.letterEdit(), QStringLiteral(" and more"));
        QVERIFY(!window.save());
        QCOMPARE(reported.size(), 1);
        QVERIFY(reported[0].contains(letterFile));
        QVERIFY(window.letterText().endsWith(QStringLiteral(" and more")));
        QVERIFY(window.hasUnsavedChanges());
        QCOMPARE(folder.read(letterFile), before);
        QVERIFY(!folder.exists(declarationFile));

        // Closing still asks, and a save that fails again keeps the window open.
        int asked = 0;
        window.askAboutUnsavedChanges = [&] {
            ++asked;
            return EditorPrompts::UnsavedChoice::Save;
        };
        window.show();
        QVERIFY(!window.close());
        QCOMPARE(asked, 1);
        QVERIFY(window.isVisible());

        int started = 0;
        window.startShow = [&](const QString &, const QString &) { return ++started, true; };
        window.rehearse();
        QCOMPARE(started, 0);
    }

    void aFileThatCannotBeReadIsNeverWrittenOver()
    {
        TestFolder folder;
        folder.mkdir(declarationFile);
        EditorWindow window(folder.path());
        QVERIFY(window.declarationEdit()->isReadOnly());
        QVERIFY(window.save());
        QVERIFY(QFileInfo(folder.file(declarationFile)).isDir());
        QCOMPARE(folder.read(letterFile), CodePage::toAnsi(defaultLetter()));
    }

    void closingAsksOnlyWhenSomethingIsUnsaved()
    {
        TestFolder folder;
        EditorWindow window(folder.path());
        int asked = 0;
        EditorPrompts::UnsavedChoice answer = EditorPrompts::UnsavedChoice::Cancel;
        window.askAboutUnsavedChanges = [&] { return ++asked, answer; };
        window.show();
        QTest::keyClicks(window.declarationEdit(), QStringLiteral("!"));
        QVERIFY(!window.close());
        QCOMPARE(asked, 1);
        answer = EditorPrompts::UnsavedChoice::Discard;
        QVERIFY(window.close());
        QVERIFY(!folder.exists(letterFile));

        EditorWindow clean(folder.path());
        clean.askAboutUnsavedChanges = [&] { return ++asked, answer; };
        clean.show();
        QVERIFY(clean.close());
        QCOMPARE(asked, 2);
    }

    void rehearsingSavesThenStartsTheShowFromTheFolder()
    {
        TestFolder folder;
        folder.write(QStringLiteral("velmora"), "#!/bin/sh\n");
        QFile::setPermissions(folder.file(QStringLiteral("velmora")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
        EditorWindow window(folder.path());
        QString program, where;
        window.startShow = [&](const QString &p, const QString &f) {
            program = p;
            where = f;
            return true;
        };
        window.rehearse();
        QCOMPARE(program, folder.file(QStringLiteral("velmora")));
        QCOMPARE(where, folder.path());
        QCOMPARE(folder.read(letterFile), CodePage::toAnsi(defaultLetter()));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "tst_editorwindow.moc"
