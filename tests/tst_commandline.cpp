// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's command line: what it understands, --check, the words set
// and exported from a file, and input that will not do, refused with a reason
// there and in the window.
#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/editorwindow.h"
#include "editor/messagefile.h"
#include "editor/showprogram.h"
#include "editor/wordscommands.h"
#include "stage/wordsfile.h"
#include "support/editorfixture.h"
#include "support/unprivileged.h"

#include <QPlainTextEdit>
#include <QtTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

    void checkingAFolderWritesNothingAndSaysHowItWent()
    {
        TestFolder folder;
        CheckReport report = checkFolder(folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::Clean));
        QVERIFY(report.output.contains(QStringLiteral("问题 120.2 秒")));
        QVERIFY(report.output.contains(QStringLiteral("orlessa.ini：缺失")));
        QVERIFY(!folder.exists(letterFile) && !folder.exists(declarationFile));

        folder.write(letterFile, "\xEF\xBB\xBF" + QString(70, QChar(0x6211)).toUtf8());
        report = checkFolder(folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::HasWarnings));
        QVERIFY(report.output.contains(
                QStringLiteral("orlessa.ini：UTF-8（带字节顺序标记），213 字节，70 个字符")));
        QVERIFY(report.output.contains(
                QRegularExpression(QStringLiteral("^orlessa.ini:1: .*右边 \\d+ 像素"),
                                   QRegularExpression::MultilineOption)));

        QCOMPARE(checkFolder(folder.file(QStringLiteral("nowhere"))).exitCode,
                 int(CheckReport::Unreadable));
        folder.mkdir(declarationFile);
        QCOMPARE(checkFolder(folder.path()).exitCode, int(CheckReport::Unreadable));
    }

    void theCommandLineRefusesWhatItDoesNotKnow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("folder");
        QTest::newRow("nothing") << QStringList() << true << false << QString();
        QTest::newRow("a folder") << QStringList { "show" } << true << false << "show";
        QTest::newRow("check a folder") << QStringList { "--check", "show" } << true << true << "show";
        QTest::newRow("a misspelt option") << QStringList { "--chek", "x" } << false << false << "";
        QTest::newRow("two folders") << QStringList { "a", "b" } << false << false << "";
        QTest::newRow("music") << QStringList { "--music", "a.mp3", "show" } << true << false << "show";
        QTest::newRow("music without a file") << QStringList { "--music" } << false << false << "";
        QTest::newRow("two assets") << QStringList { "--boy", "a", "--girl", "b" } << false << false << "";
        QTest::newRow("restore and check") << QStringList { "--restore", "--check" } << false << false << "";
    }

    void theCommandLineRefusesWhatItDoesNotKnow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, understood);
        EditorCommandLine commandLine;
        QCOMPARE(commandLine.parse(QStringList { "velmora-editor" } + arguments), understood);
        QCOMPARE(commandLine.error().isEmpty(), understood);
        if (understood) {
            QTEST(commandLine.check(), "check");
            QTEST(commandLine.folder(), "folder");
        }
    }

    // A words file with any problem is refused whole, each problem on its
    // line, and the program stays as it was.
    void wordsFilesWithProblemsAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("an unknown language alone") << QByteArray("caption = a\nbuttons = xx\n")
                                                   << QStringList { "words.txt:2: 这里没有 Qt 的“xx”译文" };
        QTest::newRow("a NUL in the language, another problem")
                << QByteArray("buttons = a\0b\nnope = x\n", 20)
                << QStringList { "words.txt:1: buttons 里有 NUL 字符", "words.txt:2: 不认识的键" };
        QTest::newRow("a path for a language") << QByteArray("buttons = ../../x\n")
                                               << QStringList { "words.txt:1: buttons 的“../../x”" };
    }
    void wordsFilesWithProblemsAreRefusedWhole()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, problems);
        TestFolder folder;
        QVERIFY(putProgramCarryingASong(folder));
        const QByteArray program = folder.read(QStringLiteral("velmora"));
        folder.write(QStringLiteral("words.txt"), file);
        // A name the checks refused is never looked up as a file.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Broken filename")));
        const CheckReport report = setWords(folder.file(QStringLiteral("words.txt")), folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::Unreadable));
        QStringList lines = report.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() == problems.size() + 1, qPrintable(report.errors));
        for (qsizetype i = 0; i < problems.size(); ++i)
            QVERIFY2(lines[i].contains(problems[i]), qPrintable(lines[i]));
        QCOMPARE(folder.read(QStringLiteral("velmora")), program);
    }

    // Words exported and set again from the file come back as they were,
    // also those whose UTF-8 bytes read as common Chinese in GBK.
    void exportedWordsComeBackAsTheyWere_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("Cyrillic that reads as GBK") << QStringLiteral("мама");
        QTest::newRow("Latin-1 apart from any word") << QStringLiteral("° ½");
        QTest::newRow("Chinese and emoji") << QStringLiteral("我们的话 💖");
    }
    void exportedWordsComeBackAsTheyWere()
    {
        QFETCH(QString, caption);
        TestFolder folder;
        QVERIFY(putProgramCarryingASong(folder));
        // Every default in Chinese set aside: its bytes would tell UTF-8.
        Words chosen;
        for (const WordsField &field : WordsField::all())
            if (field.kind == WordsField::Kind::Text)
                chosen.*field.member = QStringLiteral("a");
        chosen.caption = caption;
        const QString file = folder.file(QStringLiteral("words.txt"));
        folder.write(QStringLiteral("words.txt"), wordsFileBytes(chosen));
        QCOMPARE(setWords(file, folder.path()).exitCode, int(CheckReport::Clean));
        QCOMPARE(exportWords(file, folder.path()).exitCode, int(CheckReport::Clean));
        QCOMPARE(setWords(file, folder.path()).exitCode, int(CheckReport::Clean));
        const auto carried = ShowProgram(folder.path()).read();
        QVERIFY2(carried.ok(), qPrintable(carried.why()));
        Reason problem;
        QCOMPARE(WordsFile::carriedBy(*carried, &problem), chosen);
    }

    // What the editor's command line and window are given that will not do:
    // refused with a reason, never written over, nothing frozen.
    void badInputIsRefusedWithAReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("checkExit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder that is a file") << "folder is a file" << 2 << "不是文件夹";
        QTest::newRow("a folder without permission") << "folder closed" << 2 << "没有权限";
        QTest::newRow("a letter that is a folder") << "letter is a folder" << 2 << "这是一个文件夹";
        QTest::newRow("a letter of 100 MB") << "huge letter" << 2 << "文件太大（100.0 MB）";
        QTest::newRow("a letter behind a symbolic link") << "linked letter" << 0 << "";
    }

    void badInputIsRefusedWithAReason()
    {
        QFETCH(QString, kind);
        QFETCH(int, checkExit);
        QFETCH(QString, reason);
        TestFolder folder;
        QString opened = folder.path();
        const auto says = [&](const CheckReport &report) {
            return report.exitCode == checkExit && report.errors.contains(reason)
                    && !report.errors.contains('\n' + QStringLiteral("velmora-editor"));
        };
        if (kind == QLatin1String("folder is a file")) {
            folder.write(QStringLiteral("a file"), "x");
            opened = folder.file(QStringLiteral("a file"));
            QVERIFY(canOpenFolder(opened).why().contains(reason));
            QVERIFY(says(checkFolder(opened)));
            QVERIFY(says(restoreAssets(opened)));
            return;
        }
        if (kind == QLatin1String("folder closed")) {
            folder.letOthersLookIn();
            folder.write(letterFile, "x");
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            // As a user whom the permissions bind (root is not bound).
            const int result = runUnprivileged([&] {
                return int(canOpenFolder(opened).why().contains(reason)) + 2 * int(says(checkFolder(opened)))
                        + 4 * int(MessageFile::read(folder.file(letterFile), {}).state == MessageFile::State::Unreadable);
            });
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
            QCOMPARE(result, 7);
            return;
        }
        if (kind == QLatin1String("letter is a folder")) {
            folder.mkdir(letterFile);
        } else if (kind == QLatin1String("huge letter")) {
            QFile huge(folder.file(letterFile));
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100 << 20));
        } else {
            QDir(folder.path()).mkdir(QStringLiteral("../elsewhere"));
            const QString target = folder.file(QStringLiteral("../elsewhere/letter.txt"));
            QVERIFY(saveMessageFile(target, QStringLiteral("linked")).ok());
            QVERIFY(QFile::link(QStringLiteral("../elsewhere/letter.txt"), folder.file(letterFile)));
        }
        QVERIFY(says(checkFolder(opened)));
        const QFileInfo info(folder.file(letterFile));
        const struct { bool dir, link; qint64 size; } before { info.isDir(), info.isSymLink(), info.size() };
        EditorWindow window(opened);
        QCOMPARE(window.letterEdit()->isReadOnly(), checkExit != 0);
        QVERIFY(window.letterEdit()->placeholderText().contains(reason));
        QTest::keyClicks(window.letterEdit(), QStringLiteral("+"));
        QVERIFY(window.save());
        const QFileInfo after(folder.file(letterFile));
        QCOMPARE(after.isDir(), before.dir);
        QCOMPARE(after.size(), before.size + int(checkExit == 0));
        QCOMPARE(after.isSymLink(), before.link);
        if (after.isSymLink())
            QCOMPARE(readByTheShow(folder, letterFile), QStringLiteral("linked+"));
        if (checkExit == 0)
            return;
        // What could not be read, gone: the default text, to edit, nothing unsaved.
        QDir(folder.file(letterFile)).removeRecursively();
        QFile::remove(folder.file(letterFile));
        window.checkDisk();
        QVERIFY(!window.letterEdit()->isReadOnly());
        QCOMPARE(window.letterText(), defaultLetter());
        QVERIFY(!window.hasUnsavedChanges());
    }
};

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
