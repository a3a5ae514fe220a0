// SPDX-License-Identifier: GPL-3.0-or-later
// The section of the show's words: each field saved into the program and
// restored, refused texts kept unsaved, fields following the program, and
// the preview of each box in the buttons' language.
#include "controls/label.h"
#include "editor/boxpreview.h"
#include "editor/editorwindow.h"
#include "editor/showprogram.h"
#include "editor/stagepreview.h"
#include "editor/wordspanel.h"
#include "runtime/carriedassets.h"
#include "runtime/codepage.h"
#include "stage/buttonwords.h"
#include "support/editorfixture.h"

#include <QPushButton>
#include <QtTest>

class WordsPanelTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    // One field of the show's words edited in the window: unsaved until saved,
    // then carried by the program as the show reads it; back to its default the same way.
    void theShowsWordsAreSavedAndRestored_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("the caption") << "caption" << "Our show";
        QTest::newRow("the question, in lines") << "question" << "Will you\r\n\r\ncome? 💖";
        QTest::newRow("a box's prompt") << "plea.prompt" << "One more chance?\r\n\r\nPlease.";
        QTest::newRow("a box's title") << "vow.title" << "Promise";
        QTest::newRow("the address") << "address" << "https://example.org/thanks";
        QTest::newRow("the buttons' language") << "buttons" << "en";
    }

    void theShowsWordsAreSavedAndRestored()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        TestFolder folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
        EditorWindow window(folder.path());
        WordsPanel *panel = window.wordsPanel();
        QString Words::*const member = WordsField::byKey(key)->member;
        QPushButton *restore = panel->restoreButton(key);
        QVERIFY(!restore->isEnabled());

        panel->setValue(key, value);
        QVERIFY(window.hasUnsavedChanges());
        QVERIFY(window.isWindowModified());
        QVERIFY(restore->isEnabled());
        QCOMPARE(window.preview()->caption(), panel->words().caption);
        QCOMPARE(window.preview()->stage().Label4->Caption(), panel->words().question);
        QVERIFY(window.save());
        QVERIFY(!window.hasUnsavedChanges());
        Words expected;
        expected.*member = value;
        QCOMPARE(wordsTheShowReads(folder), expected);
        QCOMPARE(folder.read(letterFile), CodePage::toAnsi(defaultLetter()));

        restore->click();
        QCOMPARE(panel->value(key), Words().*member);
        QVERIFY(!restore->isEnabled());
        QVERIFY(window.hasUnsavedChanges());
        QVERIFY(window.save());
        QCOMPARE(wordsTheShowReads(folder), Words());
        QVERIFY(!CarriedAssets::of(folder.file(QStringLiteral("velmora"))).find(AssetBundle::Keys::words));
        // The program's own folder holds nothing new.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    }

    // Refused texts say why beside their fields and stay in the window, unsaved;
    // what else was changed is saved.
    void wordsTheShowCannotUseAreNotSaved_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("not http") << "address" << "ftp://example.org/thanks";
        QTest::newRow("a script") << "address" << "javascript:alert(1)";
        QTest::newRow("a blank in the address") << "address" << "https://exa mple.org/";
        QTest::newRow("no site") << "address" << "https:/thanks";
        QTest::newRow("a caption too long") << "caption" << QString(201, QLatin1Char('x'));
    }

    void wordsTheShowCannotUseAreNotSaved()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        TestFolder folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
        EditorWindow window(folder.path());
        QStringList reported;
        window.reportProblem = [&](const QString &text) { reported << text; };
        WordsPanel *panel = window.wordsPanel();
        panel->setValue(QStringLiteral("vow.title"), QStringLiteral("Promise"));
        panel->setValue(key, value);
        const QString why = WordsField::byKey(key)->refusal(value).text();
        QVERIFY(!why.isEmpty());
        QVERIFY2(panel->refusalShown(key).contains(why), qPrintable(panel->refusalShown(key)));

        QVERIFY(!window.save());
        QCOMPARE(reported.size(), 1);
        QVERIFY(reported.first().contains(why));
        Words expected;
        expected.vowTitle = QStringLiteral("Promise");
        QCOMPARE(wordsTheShowReads(folder), expected);
        QCOMPARE(panel->value(key), value);
        QVERIFY(window.hasUnsavedChanges());

        panel->restoreButton(key)->click();
        QVERIFY(panel->refusalShown(key).isEmpty());
        QVERIFY(window.save());
        QVERIFY(!window.hasUnsavedChanges());
    }

    // Another editor or the command line sets the words: the fields left alone
    // follow; one being edited keeps the preparer's text.
    void theWordsFollowTheProgramWhereUnchanged()
    {
        TestFolder folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
        EditorWindow window(folder.path());
        WordsPanel *panel = window.wordsPanel();
        panel->setValue(QStringLiteral("caption"), QStringLiteral("Mine"));
        Words theirs;
        theirs.caption = QStringLiteral("Theirs");
        theirs.vowTitle = QStringLiteral("Their promise");
        QVERIFY(ShowProgram(folder.path()).carryWords(theirs, QStringLiteral("theirs.txt")).ok());
        QTRY_COMPARE(panel->value(QStringLiteral("vow.title")), theirs.vowTitle);
        QCOMPARE(panel->value(QStringLiteral("caption")), QStringLiteral("Mine"));
        QCOMPARE(panel->savedWords(), theirs);
        QVERIFY(window.hasUnsavedChanges());
        QVERIFY(window.save());
        theirs.caption = QStringLiteral("Mine");
        QCOMPARE(wordsTheShowReads(folder), theirs);
    }

    // The preview is the box the show builds, its buttons in the chosen language.
    void theBoxPreviewSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("buttonsFrom"); // the language they speak
        QTest::newRow("Chinese") << "zh_CN" << 0 << "zh_CN";
        QTest::newRow("English") << "en" << 1 << "en";
        QTest::newRow("English OK") << "en" << 4 << "en";
        QTest::newRow("German") << "de" << 3 << "de";
        QTest::newRow("no translation here: Chinese, as the show") << "xx" << 2 << "zh_CN";
    }

    void theBoxPreviewSpeaksTheChosenLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, box);
        QFETCH(QString, buttonsFrom);
        Reason problem;
        const std::optional<ButtonWords> speaking = ButtonWords::forLanguage(buttonsFrom, &problem);
        if (!speaking)
            QSKIP(qPrintable(problem.text()));
        const ShowBox &shown = ShowBox::all()[box];
        const QStringList expected = shown.buttons == BoxButtons::YesNo
                ? QStringList { speaking->yes, speaking->no }
                : QStringList { speaking->ok.isEmpty() ? QStringLiteral("OK") : speaking->ok };

        TestFolder folder;
        EditorWindow window(folder.path());
        WordsPanel *panel = window.wordsPanel();
        panel->setValue(QStringLiteral("buttons"), language);
        panel->setValue(shown.titleKey(), QStringLiteral("Title ") + language);
        panel->previewBox(shown);
        const BoxPicture picture = panel->boxPreview()->picture();
        QCOMPARE(picture.title, QStringLiteral("Title ") + language);
        QStringList buttons = picture.buttons;
        QStringList sortedExpected = expected;
        buttons.sort();
        sortedExpected.sort();
        QCOMPARE(buttons, sortedExpected);
        QCOMPARE(picture.buttonsProblem.isEmpty(), language == buttonsFrom);
        QCOMPARE(picture.closable, shown.buttons == BoxButtons::Ok);
        QVERIFY(!picture.inside.isNull());

        // Other buttons, another picture.
        panel->setValue(QStringLiteral("buttons"), language == QLatin1String("en") ? "zh_CN" : "en");
        panel->previewBox(shown);
        if (panel->boxPreview()->picture().buttons != picture.buttons)
            QVERIFY(panel->boxPreview()->picture().inside.toImage() != picture.inside.toImage());
    }
};

QTEST_MAIN(WordsPanelTest)
#include "tst_wordspanel.moc"
