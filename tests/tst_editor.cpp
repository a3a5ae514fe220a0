// The editor: its analysis of the texts, its files, its window.
#include "controls/label.h"
#include "controls/labellines.h"
#include "controls/picturebox.h"
#include "desktop/singleshow.h"
#include "editor/analysis.h"
#include "editor/boxpreview.h"
#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/editorlanguage.h"
#include "editor/editortext.h"
#include "editor/editorwindow.h"
#include "editor/leftovers.h"
#include "editor/messagefile.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/recoverycopy.h"
#include "editor/showprogram.h"
#include "editor/stagelayout.h"
#include "editor/stagepreview.h"
#include "editor/wordscommands.h"
#include "editor/wordspanel.h"
#include "runtime/codepage.h"
#include "runtime/filetable.h"
#include "runtime/hostfiles.h"
#include "stage/buttonwords.h"
#include "stage/defaulttexts.h"
#include "stage/wordsfile.h"
#include "support/testfolder.h"
#include "support/unprivileged.h"

#include <QCryptographicHash>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <ctime>

namespace {
const QString letterFile = QStringLiteral("orlessa.ini");
const QString declarationFile = QStringLiteral("xuanyan.ini");

QString defaultLetter()
{
    return textWrittenForMissingFile(DefaultTexts::letter());
}
QString defaultDeclaration()
{
    return textWrittenForMissingFile(DefaultTexts::declaration());
}

QStringList warningsOf(const Analysis &analysis)
{
    QStringList lines;
    for (const Warning &warning : analysis.warnings)
        lines << warning.toString();
    return lines;
}

bool anyWarning(const Analysis &analysis, const QString &prefix, const QString &says)
{
    return std::any_of(analysis.warnings.begin(), analysis.warnings.end(), [&](const Warning &w) {
        return w.toString().startsWith(prefix) && w.message.contains(says);
    });
}

QString lines(int count, const QString &line)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << line;
    return all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// What the show itself reads from a message file: the whole file, through
// the host's file table.
QString readByTheShow(const TestFolder &folder, const QString &fileName)
{
    FileTable files;
    files.openForBinary(programPath(folder.path(), fileName), 1);
    QString text(files.fileLength(1), QLatin1Char(' '));
    files.readText(1, text);
    return text;
}
// A copy of this test program in the folder, carrying a song of its own.
bool putProgramCarryingASong(const TestFolder &folder)
{
    QString problem;
    return QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora")))
            && ShowProgram(folder.path())
                       .change({ { AssetBundle::Keys::music, QStringLiteral("ours.mp3"), 6000, "x" } },
                               {}, &problem);
}

// The show's words as the show reads them from the folder's program.
Words wordsTheShowReads(const TestFolder &folder)
{
    QString problem;
    const Words words = WordsFile::carriedBy(
            CarriedAssets::of(folder.file(QStringLiteral("velmora"))), &problem);
    return problem.isEmpty() ? words : Words { QStringLiteral("unreadable: ") + problem };
}
} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_state; // the user's state folder, where recovery copies go

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", m_state.path().toLocal8Bit());
        // What these tests read is the editor's Chinese.
        EditorLanguage::install(*qobject_cast<QApplication *>(QCoreApplication::instance()),
                                EditorLanguage::chinese);
        QCOMPARE(EditorText::tr("Velmora Editor"), QStringLiteral("Velmora 编辑器"));
    }

    void theEditorSpeaksChineseForAnyChineseLocale_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("spoken");
        const QString zh = EditorLanguage::chinese, en = EditorLanguage::english;
        QTest::newRow("mainland") << QStringList { "zh-CN", "zh" } << zh;
        QTest::newRow("taiwan") << QStringList { "zh-Hant-TW" } << zh;
        QTest::newRow("hong kong, underscored") << QStringList { "zh_HK" } << zh;
        QTest::newRow("english") << QStringList { "en-GB", "en" } << en;
        QTest::newRow("german, then chinese") << QStringList { "de-DE", "zh-CN" } << zh;
        QTest::newRow("english before chinese") << QStringList { "en-US", "zh-CN" } << en;
        QTest::newRow("french alone") << QStringList { "fr-FR" } << en;
        QTest::newRow("the C locale") << QStringList { "C" } << en;
        QTest::newRow("nothing") << QStringList {} << en;
    }
    void theEditorSpeaksChineseForAnyChineseLocale()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, spoken);
        QCOMPARE(EditorLanguage::choose(desktop), spoken);
    }

    void theDefaultTextsFitAndTheQuestionComesAt120Seconds()
    {
        const StageLayout &layout = StageLayout::standard();
        QCOMPARE(layout.walkTicks, 258);
        const int stageOffset = layout.waitingFigure.x() - twipsToPixels(10450);
        QCOMPARE(layout.walkingFigure.x(), twipsToPixels(8118) + stageOffset);

        const Analysis analysis = analyseTexts(defaultLetter(), defaultDeclaration(), layout, builtInMusicSeconds());
        QCOMPARE(defaultLetter().size(), 225);
        QCOMPARE(defaultDeclaration().size(), 64);
        QCOMPARE(formatSeconds(analysis.times.letterTyped), QStringLiteral("87.7 秒"));
        QCOMPARE(formatSeconds(analysis.times.walkEnds), QStringLiteral("113.5 秒"));
        QCOMPARE(formatSeconds(analysis.times.question), QStringLiteral("120.2 秒"));
        QCOMPARE(formatSeconds(analysis.times.musicEnds), QStringLiteral("161.0 秒"));
        QVERIFY2(analysis.warnings.isEmpty(), qPrintable(warningsOf(analysis).join('\n')));
    }

    void warningsNameTheFileAndTheLine_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("declaration");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("says");

        const QString wide = QString(70, QChar(0x6211)); // 我
        QTest::newRow("letter past the right edge")
                << QStringLiteral("短\r\n\r\n") + wide + QStringLiteral("\r\n")
                << defaultDeclaration() << "orlessa.ini:3:"
                << "右边";
        QTest::newRow("declaration past the right edge")
                << defaultLetter() << wide << "xuanyan.ini:1:"
                << "右边";
        QTest::newRow("letter into the declaration's place")
                << lines(27, QStringLiteral("一行")) << defaultDeclaration() << "orlessa.ini:26:"
                << "宣言的位置";
        QTest::newRow("letter below the stage")
                << lines(36, QStringLiteral("一行")) << defaultDeclaration() << "orlessa.ini:36:"
                << "底边之下";
        QTest::newRow("declaration under the figures")
                << defaultLetter() << lines(2, QString(60, QChar(0x8A00))) << "xuanyan.ini:2:"
                << "挡住";
        QTest::newRow("declaration below the stage")
                << defaultLetter() << lines(10, QStringLiteral("宣言")) << "xuanyan.ini:10:"
                << "底边";
        QTest::newRow("a character no font draws") << QStringLiteral("好\r\n坏\U0010FFFD\r\n")
                                                   << defaultDeclaration() << "orlessa.ini:2:"
                                                   << "U+10FFFD";
        QTest::newRow("music ends while the letter is typed")
                << lines(120, QStringLiteral("很长很长的信")) << defaultDeclaration()
                << "orlessa.ini:52:"
                << "音乐";
        QTest::newRow("music ends while the declaration is typed")
                << defaultLetter() << lines(40, QStringLiteral("宣言")) << "xuanyan.ini:37:"
                << "音乐";
        QTest::newRow("question before the walk ends")
                << defaultLetter() << QStringLiteral("我爱你\r\n") << "xuanyan.ini:2:"
                << "走到";
    }

    void warningsNameTheFileAndTheLine()
    {
        QFETCH(QString, letter);
        QFETCH(QString, declaration);
        QFETCH(QString, where);
        QFETCH(QString, says);
        const Analysis analysis = analyseTexts(letter, declaration, StageLayout::standard(), builtInMusicSeconds());
        QVERIFY2(anyWarning(analysis, where, says), qPrintable(warningsOf(analysis).join('\n')));
    }

    void labelsFollowEditsAnywhereInTheText()
    {
        // Edits keep the widths of the lines they leave alone; the size must
        // still be what a fresh label measures.
        QWidget parent;
        Label edited(&parent, 0, 0);
        edited.setTextFont(Stage::letterFont(), Stage::textLinePitch);
        const QString wide = QString(40, QChar(0x5BBD));
        const QStringList captions {
            QStringLiteral("一"),
            QStringLiteral("一二\r\n三"),
            QStringLiteral("一二\r\n") + wide + QStringLiteral("\r\n三"),
            QStringLiteral("一二\r\n") + wide + QStringLiteral("\r\n三四"),
            QStringLiteral("一二\r\n短\r\n三四"), // the widest line shrinks in the middle
            QStringLiteral("一二\r\n三四"), // a line goes
            QStringLiteral("零一二\r\n三四\r\n"),
            QString(),
        };
        for (const QString &caption : captions) {
            edited.setCaption(caption);
            Label fresh(&parent, 0, 0);
            fresh.setTextFont(Stage::letterFont(), Stage::textLinePitch);
            fresh.setCaption(caption);
            QCOMPARE(edited.lines(), fresh.lines());
            QCOMPARE(edited.size(), fresh.size());
            QCOMPARE(edited.Width(), fresh.Width());
        }
    }

    void breakingLongLinesKeepsEveryCharacter()
    {
        const StageLayout &layout = StageLayout::standard();
        const QString longLine = QString(150, QChar(0x7231)) + QStringLiteral("\U0001F600end");
        const QString letter = QStringLiteral("开头\r\n") + longLine + QStringLiteral("\r\n结尾");
        const QString broken = breakLongLines(letter, layout.letterOrigin.x(), layout.area.width(),
                                              layout.letterFont);
        QVERIFY(splitLabelLines(broken).size() >= 5);
        QCOMPARE(QString(broken).remove(QStringLiteral("\r\n")),
                 QString(letter).remove(QStringLiteral("\r\n")));
        QVERIFY(!broken.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));
        const Analysis analysis = analyseTexts(broken, defaultDeclaration(), layout, builtInMusicSeconds());
        QVERIFY2(!anyWarning(analysis, QString(), QStringLiteral("右边")),
                 qPrintable(warningsOf(analysis).join('\n')));
    }

    void readsEachEncodingTheShowReads()
    {
        TestFolder folder;
        const QString text = QStringLiteral("我喜欢你\r\n");
        QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        const struct
        {
            QByteArray bytes;
            CodePage::FileEncoding encoding;
        } cases[] = {
            { CodePage::toAnsi(text), CodePage::FileEncoding::Gbk },
            { "\xEF\xBB\xBF" + text.toUtf8(), CodePage::FileEncoding::Utf8WithMark },
            { le, CodePage::FileEncoding::Utf16LEWithMark },
            { be, CodePage::FileEncoding::Utf16BEWithMark },
        };
        for (const auto &c : cases) {
            folder.write(letterFile, c.bytes);
            const MessageFile file
                    = MessageFile::read(folder.file(letterFile), QStringLiteral("x"));
            QCOMPARE(file.state, MessageFile::State::Read);
            QCOMPARE(file.encoding, c.encoding);
            QCOMPARE(file.text, text);
            QCOMPARE(file.byteCount, c.bytes.size());
        }
        const MessageFile missing
                = MessageFile::read(folder.file(declarationFile), DefaultTexts::declaration());
        QCOMPARE(missing.state, MessageFile::State::Missing);
        QCOMPARE(missing.text, defaultDeclaration());
        folder.mkdir(QStringLiteral("folder.ini"));
        QCOMPARE(MessageFile::read(folder.file(QStringLiteral("folder.ini")), {}).state,
                 MessageFile::State::Unreadable);
    }

    void savedFilesComeBackThroughTheShowsReader()
    {
        TestFolder folder;
        const QString chinese = QStringLiteral("我喜欢你\r\n\r\n真的\r\n");
        SaveResult saved = saveMessageFile(folder.file(letterFile), chinese);
        QVERIFY(saved.ok);
        QCOMPARE(saved.encoding, SavedEncoding::Gbk);
        QCOMPARE(folder.read(letterFile), CodePage::toAnsi(chinese));
        QCOMPARE(readByTheShow(folder, letterFile), chinese);

        const QString emoji = QStringLiteral("我喜欢你\U0001F496\r\n");
        saved = saveMessageFile(folder.file(letterFile), emoji);
        QVERIFY(saved.ok);
        QCOMPARE(saved.encoding, SavedEncoding::Utf8WithMark);
        QCOMPARE(folder.read(letterFile), "\xEF\xBB\xBF" + emoji.toUtf8());
        QCOMPARE(readByTheShow(folder, letterFile), emoji);

        // GBK bytes that open like a UTF-8 mark would be misread: UTF-8 it is.
        const QString lookalike = CodePage::fromAnsi("\xEF\xBB\xBF\xA1");
        QCOMPARE(CodePage::toAnsi(lookalike), QByteArray("\xEF\xBB\xBF\xA1"));
        QCOMPARE(encodeMessageText(lookalike).encoding, SavedEncoding::Utf8WithMark);
        QVERIFY(saveMessageFile(folder.file(letterFile), lookalike).ok);
        QCOMPARE(readByTheShow(folder, letterFile), lookalike);
    }

    void savingKeepsEveryCharacterTheStageShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<int>("leftOut");
        const QChar mark(QChar::ByteOrderMark);
        const QString thanks = QStringLiteral("谢谢");
        QTest::newRow("gbk that is valid utf-8") << thanks << thanks << 0;
        QTest::newRow("gbk that reads as a latin word in utf-8")
                << QStringLiteral("茅a") << QStringLiteral("茅a") << 0;
        QTest::newRow("cyrillic") << QStringLiteral("лл") << QStringLiteral("лл") << 0;
        QTest::newRow("a mark as the first character")
                << mark + QStringLiteral("爱") << mark + QStringLiteral("爱") << 0;
        QTest::newRow("nul and emoji")
                << QStringLiteral("a\0b\U0001F496") << QStringLiteral("a\0b\U0001F496") << 0;
        QTest::newRow("lone surrogates")
                << QStringLiteral("我") + QChar(0xD800) + QStringLiteral("爱") + QChar(0xDC00)
                << QStringLiteral("我爱") << 2;
        QTest::newRow("a pair cut in two by a line break")
                << QStringLiteral("\U0001F496").left(1) + QStringLiteral("\r\n")
                << QStringLiteral("\r\n") << 1;
    }

    void savingKeepsEveryCharacterTheStageShows()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        QFETCH(int, leftOut);
        TestFolder folder;
        const SaveResult saved = saveMessageFile(folder.file(letterFile), text);
        QVERIFY(saved.ok);
        QCOMPARE(saved.leftOut, leftOut);
        QCOMPARE(readByTheShow(folder, letterFile), readBack);
        QCOMPARE(MessageFile::read(folder.file(letterFile), {}).text, readBack);
    }

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

    // A stand-in for the show's program: this test carries the show's mark.
    void theProgramIsRewrittenWholeOrNotAtAll()
    {
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ExeOwner | QFileDevice::ExeGroup;
        QFile::setPermissions(program, permissions);
        const QDateTime stamp = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(program);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(stamp, QFileDevice::FileModificationTime);
        }
        const QByteArray original = folder.read(QStringLiteral("velmora"));
        const QByteArray song = QByteArray("our song").repeated(1000);

        ShowProgram show(folder.path());
        QString problem;
        QVERIFY2(show.change({ { AssetBundle::Keys::music, QStringLiteral("a.mp3"), 6000, song } },
                             {}, &problem),
                 qPrintable(problem));
        QCOMPARE(show.read(&problem)->bytes(AssetBundle::Keys::music), song);
        QCOMPARE(carriedMusicSeconds(*show.read(&problem)), 6.0);
        QCOMPARE(QFileInfo(program).permissions() & 0x7077, permissions);
        QCOMPARE(QFileInfo(program).lastModified().toSecsSinceEpoch(), stamp.toSecsSinceEpoch());

        const QByteArray carrying = folder.read(QStringLiteral("velmora"));
        MAKE_READ_ONLY(folder);
        QVERIFY(!show.change({}, { AssetBundle::Keys::music }, &problem));
        QVERIFY2(problem.contains(QStringLiteral("写不进")), qPrintable(problem));
        QCOMPARE(folder.read(QStringLiteral("velmora")), carrying);
    }

    void theProgramComesBackWhole()
    {
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const QByteArray original = folder.read(QStringLiteral("velmora"));
        ShowProgram show(folder.path());
        QString problem;
        QVERIFY(show.change({ { AssetBundle::Keys::film, {}, 3000, "film" } }, {}, &problem));
        QVERIFY(show.change({}, { AssetBundle::Keys::film }, &problem));
        QCOMPARE(folder.read(QStringLiteral("velmora")), original);

        // A damaged tail goes with the next change.
        folder.write(QStringLiteral("velmora"), original + "VMASSETS and then garbage");
        QVERIFY(!show.read(&problem)->problem().isEmpty());
        QVERIFY(show.change({ { AssetBundle::Keys::film, {}, 3000, "film" } }, {}, &problem));
        QVERIFY(show.read(&problem)->problem().isEmpty());
        QCOMPARE(show.read(&problem)->bytes(AssetBundle::Keys::film), QByteArray("film"));

        folder.write(QStringLiteral("velmora"), "#!/bin/sh\n");
        QVERIFY(!show.change({}, {}, &problem));
        QVERIFY(problem.contains(QStringLiteral("不是 Velmora 的放映程序")));
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
        QString problem;
        const auto carried = ShowProgram(folder.path()).read(&problem);
        QVERIFY2(carried, qPrintable(problem));
        QCOMPARE(WordsFile::carriedBy(*carried, &problem), chosen);
    }

    void badInputIsRefusedWithAReason_data();
    void badInputIsRefusedWithAReason();
    void everyPictureKeepsItsColours_data();
    void everyPictureKeepsItsColours();
    void aKillDuringTheRewriteLeavesTheOldOrTheNewProgram();
    void aFullDiskKeepsTheOldFiles();
    void changesElsewhereAreFollowed_data();
    void changesElsewhereAreFollowed();
    void theProgramChangedElsewhereIsListed();
    void oneEditorPerFolder();
    void unsavedTextsAreKeptAsideUntilSaved_data();
    void unsavedTextsAreKeptAsideUntilSaved();
    void unsavedWordsAreKeptAsideToo();
    void anEarlierEditorsCopyIsStillRead();
    void theShowsWordsAreSavedAndRestored_data();
    void theShowsWordsAreSavedAndRestored();
    void wordsTheShowCannotUseAreNotSaved_data();
    void wordsTheShowCannotUseAreNotSaved();
    void theWordsFollowTheProgramWhereUnchanged();
    void aQuestionOutOfSightIsWarnedOf_data();
    void aQuestionOutOfSightIsWarnedOf();
    void boxesLargerThanTheScreenAreWarnedOf_data();
    void boxesLargerThanTheScreenAreWarnedOf();
    void theBoxPreviewSpeaksTheChosenLanguage_data();
    void theBoxPreviewSpeaksTheChosenLanguage();
};


// Changes made elsewhere while the window is open, found by the watcher or
// by the look before a save.
void EditorTest::changesElsewhereAreFollowed_data()
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

void EditorTest::changesElsewhereAreFollowed()
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
void EditorTest::theProgramChangedElsewhereIsListed()
{
    TestFolder folder;
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(),
                        folder.file(QStringLiteral("velmora"))));
    EditorWindow window(folder.path());
    const AssetSlot &music = *AssetSlot::byOption(QStringLiteral("music"));
    QCOMPARE(window.ownAssets()->describedLine(music), QStringLiteral("内置的音乐"));
    QString problem;
    QVERIFY(ShowProgram(folder.path())
                    .change({ { AssetBundle::Keys::music, QStringLiteral("theirs.mp3"), 7000, "x" } },
                            {}, &problem));
    QTRY_VERIFY(window.ownAssets()->describedLine(music).startsWith(QStringLiteral("theirs.mp3")));
    QCOMPARE(window.analysis().times.musicEnds, 7.0);
    QVERIFY(window.statusText().contains(QStringLiteral("velmora")));
}

// One editor per folder, beside one show per folder.
void EditorTest::oneEditorPerFolder()
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

void EditorTest::unsavedTextsAreKeptAsideUntilSaved_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("restored") << true;
    QTest::newRow("discarded") << false;
}

void EditorTest::unsavedTextsAreKeptAsideUntilSaved()
{
    QFETCH(bool, restore);
    TestFolder folder;
    QTemporaryDir state;
    folder.write(letterFile, "saved");
    QString copyPath;
    {
        EditorWindow killed(folder.path(), state.path());
        QVERIFY(!killed.offerRecovery());
        QTest::keyClicks(killed.letterEdit(), QStringLiteral(" and typed"));
        QTest::keyClicks(killed.declarationEdit(), QStringLiteral("!"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(killed.recoveryCopyPath()),
                                 EditorWindow::recoveryIntervalMs * 3);
        copyPath = killed.recoveryCopyPath();
        // Ended without closing, as a killed editor ends.
    }
    QVERIFY(copyPath.startsWith(state.path()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { letterFile });

    EditorWindow next(folder.path(), state.path());
    int asked = 0;
    next.askAboutRecovery = [&](const QDateTime &written) {
        ++asked;
        return written.secsTo(QDateTime::currentDateTime()) < 60 && restore;
    };
    QCOMPARE(next.offerRecovery(), restore);
    QCOMPARE(asked, 1);
    QCOMPARE(next.letterText(), restore ? QStringLiteral("saved and typed") : QStringLiteral("saved"));
    QCOMPARE(next.declarationText(), restore ? '!' + defaultDeclaration() : defaultDeclaration());
    QCOMPARE(next.hasUnsavedChanges(), restore);
    QCOMPARE(QFileInfo::exists(copyPath), restore);
    QCOMPARE(folder.read(letterFile), QByteArray("saved"));
    if (restore) {
        QVERIFY(next.save());
        QVERIFY(!QFileInfo::exists(copyPath));
        QCOMPARE(folder.read(letterFile), QByteArray("saved and typed"));
    }
    // Nothing left to offer.
    EditorWindow third(folder.path(), state.path());
    third.askAboutRecovery = [&](const QDateTime &) { return ++asked, true; };
    QVERIFY(!third.offerRecovery());
    QCOMPARE(asked, 1);
}

namespace {
// A copy of this test, which carries the show's mark, standing in for the program.
QByteArray copyOfTheProgram(const TestFolder &folder)
{
    const QString program = folder.file(QStringLiteral("velmora"));
    QFile::remove(program);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program))
        return {};
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
    return folder.read(QStringLiteral("velmora"));
}

QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QStringList filesIn(const TestFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}
} // namespace

void EditorTest::unsavedWordsAreKeptAsideToo()
{
    TestFolder folder;
    QTemporaryDir state;
    QVERIFY(!copyOfTheProgram(folder).isEmpty());
    const QString refused = QStringLiteral("file:///etc/passwd");
    {
        EditorWindow killed(folder.path(), state.path());
        QVERIFY(!killed.offerRecovery());
        killed.wordsPanel()->setValue(QStringLiteral("caption"), QStringLiteral("Walk with me"));
        killed.wordsPanel()->setValue(QStringLiteral("address"), refused);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(killed.recoveryCopyPath()),
                                 EditorWindow::recoveryIntervalMs * 3);
    }
    EditorWindow next(folder.path(), state.path());
    next.askAboutRecovery = [](const QDateTime &) { return true; };
    QVERIFY(next.offerRecovery());
    QCOMPARE(next.wordsPanel()->value(QStringLiteral("caption")), QStringLiteral("Walk with me"));
    // Even what the show would refuse comes back, to be mended rather than retyped.
    QCOMPARE(next.wordsPanel()->value(QStringLiteral("address")), refused);
    QCOMPARE(next.letterText(), defaultLetter());
    QVERIFY(next.hasUnsavedChanges());
}

void EditorTest::anEarlierEditorsCopyIsStillRead()
{
    TestFolder folder;
    QTemporaryDir state;
    const RecoveryCopy copy(folder.path(), state.path());
    QDir().mkpath(state.path());
    QFile file(copy.path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_4);
    out.writeRawData("VELMORA-RECOVERY", 16);
    out << quint32(1) << QFileInfo(folder.path()).canonicalFilePath() << QDateTime::currentDateTimeUtc()
        << QStringLiteral("kept") << QStringLiteral("aside");
    file.close();
    const auto read = copy.read();
    QVERIFY(read);
    QCOMPARE(read->letter, QStringLiteral("kept"));
    QCOMPARE(read->declaration, QStringLiteral("aside"));
    QVERIFY(read->words.isEmpty());
}

// Killed at any moment of the rewrite, the program is the old one or the new
// one, byte for byte; what a kill leaves behind goes at the next start.
void EditorTest::aKillDuringTheRewriteLeavesTheOldOrTheNewProgram()
{
    // In memory where it can be: a kill waits for the disk to take what the
    // rewrite had written, and fifty of them would take a minute.
    const QByteArray temporary = qgetenv("TMPDIR");
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    TestFolder folder;
    qputenv("TMPDIR", temporary);
    if (temporary.isNull())
        qunsetenv("TMPDIR");
    const QByteArray bare = copyOfTheProgram(folder);
    QVERIFY(!bare.isEmpty());
    const QList<AssetBundle::Asset> song { { AssetBundle::Keys::music, QStringLiteral("a.mp3"), 9000,
                                             QByteArray(1 << 20, 'm') } };
    // Each kill interrupts a step from one of these to the other.
    const auto rewrite = [&](bool carrying) {
        QString problem;
        return carrying ? ShowProgram(folder.path()).change(song, {}, &problem)
                        : ShowProgram(folder.path()).change({}, { AssetBundle::Keys::music }, &problem);
    };
    const auto inChild = [&](bool carrying) {
        const pid_t child = fork();
        if (child == 0)
            _exit(rewrite(carrying) ? 0 : 1);
        return child;
    };
    QElapsedTimer timer;
    timer.start();
    QVERIFY(rewrite(true));
    const qint64 rewriteNs = std::max<qint64>(timer.nsecsElapsed(), 1000000);
    const QByteArray carrying = checksum(folder.read(QStringLiteral("velmora")));
    QVERIFY(rewrite(false));
    QCOMPARE(folder.read(QStringLiteral("velmora")), bare);
    const QByteArray states[] = { checksum(bare), carrying };

    QRandomGenerator random(25);
    int whole = 0, killedMidway = 0;
    const int kills = 50;
    QByteArray after = states[0];
    for (int i = 0; i < kills; ++i) {
        const pid_t child = inChild(after == states[0]);
        QVERIFY(child > 0);
        // Anywhere from the start to a little past the end of the rewrite.
        const qint64 delayNs = qint64(random.bounded(1.3) * double(rewriteNs));
        const timespec pause { time_t(delayNs / 1000000000), long(delayNs % 1000000000) };
        nanosleep(&pause, nullptr);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        killedMidway += WIFSIGNALED(status);
        after = checksum(folder.read(QStringLiteral("velmora")));
        whole += after == states[0] || after == states[1];
        removeLeftoverTemporaryFiles(folder.path());
        QCOMPARE(filesIn(folder), QStringList { QStringLiteral("velmora") });
    }
    qInfo("%d of %d kills left the old or the new program whole (%d of them killed mid-way; "
          "a rewrite takes %.0f ms)", whole, kills, killedMidway, double(rewriteNs) / 1e6);
    QCOMPARE(whole, kills);
    QVERIFY(killedMidway > kills / 2);

    // Where the file system cannot hold a file without a name, the temporary
    // file has a name of the save's own making; names someone chose stay.
    for (const char *name : { "velmora.Xy3kQ9", "orlessa.ini.a8Bc0d", "velmora.backup",
                              "velmora.BACKUP", "velmora.Backup", "velmora.old", "xuanyan.ini.draft1" })
        folder.write(QString::fromLatin1(name), "x");
    QStringList removed = removeLeftoverTemporaryFiles(folder.path());
    removed.sort();
    QCOMPARE(removed, QStringList({ "orlessa.ini.a8Bc0d", "velmora.Xy3kQ9" }));
    QStringList kept = filesIn(folder);
    kept.sort();
    QCOMPARE(kept, QStringList({ "velmora", "velmora.BACKUP", "velmora.Backup", "velmora.backup",
                                 "velmora.old", "xuanyan.ini.draft1" }));
}

// A disk that fills up: each write says why in one line and leaves the old file whole.
void EditorTest::aFullDiskKeepsTheOldFiles()
{
    if (geteuid() != 0 || !qEnvironmentVariableIsSet("VELMORA_TEST_MOUNTS"))
        QSKIP("a small file system takes a mount as root: this case runs in ctest -L mounts");
    TestFolder folder;
    const qint64 programSize = QFileInfo(QCoreApplication::applicationFilePath()).size();
    const QString size = QString::number(programSize + (512 << 10));
    QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                               { "-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder.path() }),
             0);
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), { folder.path() });
    });
    const QByteArray program = copyOfTheProgram(folder);
    QVERIFY(!program.isEmpty());
    folder.write(letterFile, "old letter");

    QString problem;
    QVERIFY(!ShowProgram(folder.path())
                     .change({ { AssetBundle::Keys::film, {}, 3000, QByteArray(1 << 20, 'f') } },
                             {}, &problem));
    QVERIFY2(!problem.contains('\n') && problem.contains(QStringLiteral("磁盘空间不够"))
                     && problem.contains(QStringLiteral("原来的程序没有动")),
             qPrintable(problem));
    qInfo("a full disk: %s", qPrintable(problem));
    QCOMPARE(folder.read(QStringLiteral("velmora")), program);

    // The last bytes go to a file of no importance; a letter no longer fits.
    QFile filler(folder.file(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'z')) == 4096 && filler.flush()) { }
    filler.close();
    const SaveResult saved = saveMessageFile(folder.file(letterFile), QString(20000, QChar(0x4FE1)));
    QVERIFY(!saved.ok);
    QVERIFY2(saved.error.contains(QStringLiteral("磁盘可能满了")), qPrintable(saved.error));
    QCOMPARE(folder.read(letterFile), QByteArray("old letter"));
    QCOMPARE(filesIn(folder), QStringList({ "filler", letterFile, "velmora" }));
}

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

// Every kind of picture comes to the stage in its own colours, scaled to its box.
void EditorTest::everyPictureKeepsItsColours_data()
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

void EditorTest::everyPictureKeepsItsColours()
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
    QString problem;
    const QList<AssetBundle::Asset> assets = prepareOwnAsset(boy, file, &problem);
    QVERIFY2(assets.size() == 2, qPrintable(problem));
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

// What the editor's command line and window are given that will not do:
// refused with a reason, never written over, nothing frozen.
void EditorTest::badInputIsRefusedWithAReason_data()
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

void EditorTest::badInputIsRefusedWithAReason()
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
        QVERIFY(whyFolderCannotBeOpened(opened).contains(reason));
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
            return int(whyFolderCannotBeOpened(opened).contains(reason)) + 2 * int(says(checkFolder(opened)))
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
        QVERIFY(saveMessageFile(target, QStringLiteral("linked")).ok);
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

// One field of the show's words edited in the window: unsaved until saved,
// then carried by the program as the show reads it; back to its default the same way.
void EditorTest::theShowsWordsAreSavedAndRestored_data()
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

void EditorTest::theShowsWordsAreSavedAndRestored()
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
void EditorTest::wordsTheShowCannotUseAreNotSaved_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("not http") << "address" << "ftp://example.org/thanks";
    QTest::newRow("a script") << "address" << "javascript:alert(1)";
    QTest::newRow("a blank in the address") << "address" << "https://exa mple.org/";
    QTest::newRow("no site") << "address" << "https:/thanks";
    QTest::newRow("a caption too long") << "caption" << QString(201, QLatin1Char('x'));
}

void EditorTest::wordsTheShowCannotUseAreNotSaved()
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
    const QString why = WordsField::byKey(key)->refusal(value);
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
void EditorTest::theWordsFollowTheProgramWhereUnchanged()
{
    TestFolder folder;
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
    EditorWindow window(folder.path());
    WordsPanel *panel = window.wordsPanel();
    panel->setValue(QStringLiteral("caption"), QStringLiteral("Mine"));
    Words theirs;
    theirs.caption = QStringLiteral("Theirs");
    theirs.vowTitle = QStringLiteral("Their promise");
    QString problem;
    QVERIFY(ShowProgram(folder.path()).carryWords(theirs, QStringLiteral("theirs.txt"), &problem));
    QTRY_COMPARE(panel->value(QStringLiteral("vow.title")), theirs.vowTitle);
    QCOMPARE(panel->value(QStringLiteral("caption")), QStringLiteral("Mine"));
    QCOMPARE(panel->savedWords(), theirs);
    QVERIFY(window.hasUnsavedChanges());
    QVERIFY(window.save());
    theirs.caption = QStringLiteral("Mine");
    QCOMPARE(wordsTheShowReads(folder), theirs);
}

// The question beside the girl as its label draws it: centred lines growing
// to the right from the label's corner, a line every 12 pixels.
void EditorTest::aQuestionOutOfSightIsWarnedOf_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("where"); // empty: no warning
    QTest::addColumn<QString>("says");
    QTest::newRow("the show's own") << Words().question << "" << "";
    QTest::newRow("past the right edge")
            << QStringLiteral("你\r\n") + QString(14, QChar(0x6211)) << "question:2:" << "右边";
    QTest::newRow("cut by the bottom edge") << lines(8, QStringLiteral("问")) << "question:8:" << "切掉";
    QTest::newRow("below the bottom edge") << lines(9, QStringLiteral("问")) << "question:9:" << "底边之下";
    // The short first line is centred under the long one: behind the girl.
    QTest::newRow("a short line centred behind the girl")
            << QStringLiteral("你\r\n") + QString(8, QChar(0x6211)) << "question:1:" << "一半以上被人物挡住";
}

void EditorTest::aQuestionOutOfSightIsWarnedOf()
{
    QFETCH(QString, question);
    QFETCH(QString, where);
    QFETCH(QString, says);
    const Analysis analysis = analyseTexts(defaultLetter(), defaultDeclaration(), StageLayout::standard(),
                                           builtInMusicSeconds(), question);
    if (where.isEmpty())
        QVERIFY2(analysis.warnings.isEmpty(), qPrintable(warningsOf(analysis).join('\n')));
    else
        QVERIFY2(anyWarning(analysis, where, says), qPrintable(warningsOf(analysis).join('\n')));
}

// Each box is laid out as the show lays it out, then measured against the screen.
void EditorTest::boxesLargerThanTheScreenAreWarnedOf_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("where"); // empty: no warning
    QTest::addColumn<QString>("says");
    QTest::newRow("the show's own words") << "caption" << Words().caption << QSize(1024, 600) << ""
                                          << "";
    QTest::newRow("a prompt of many lines")
            << "vow.prompt" << lines(80, QStringLiteral("我一定要追到你")) << QSize(1024, 600)
            << "vow.prompt: " << "还高";
    QTest::newRow("a long prompt on a narrow screen")
            << "question.prompt" << QString(60, QChar(0x613F)) << QSize(320, 600)
            << "question.prompt: " << "还宽";
    QTest::newRow("a long title on a narrow screen")
            << "plea.matchmaker.title" << QString(80, QLatin1Char('W')) << QSize(320, 600)
            << "plea.matchmaker.prompt: " << "还宽";
}

void EditorTest::boxesLargerThanTheScreenAreWarnedOf()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QSize, screen);
    QFETCH(QString, where);
    QFETCH(QString, says);
    Words words;
    words.*WordsField::byKey(key)->member = value;
    Analysis boxes;
    boxes.warnings = boxWarnings(words, screen);
    if (where.isEmpty())
        QVERIFY2(boxes.warnings.isEmpty(), qPrintable(warningsOf(boxes).join('\n')));
    else
        QVERIFY2(anyWarning(boxes, where, says), qPrintable(warningsOf(boxes).join('\n')));

    // In the window, against the screen it is on.
    TestFolder folder;
    EditorWindow window(folder.path());
    window.wordsPanel()->setValue(key, value);
    window.show();
    const QSize available = window.screen()->availableGeometry().size();
    const QList<Warning> expected = boxWarnings(words, available);
    QTRY_COMPARE(warningsOf(window.analysis()), warningsOf(Analysis { {}, expected }));
    for (const Warning &warning : expected)
        QVERIFY(!window.warningList()->findItems(warning.toString(), Qt::MatchExactly).isEmpty());
}

// The preview is the box the show builds, its buttons in the chosen language.
void EditorTest::theBoxPreviewSpeaksTheChosenLanguage_data()
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

void EditorTest::theBoxPreviewSpeaksTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, box);
    QFETCH(QString, buttonsFrom);
    QString problem;
    const std::optional<ButtonWords> speaking = ButtonWords::forLanguage(buttonsFrom, &problem);
    if (!speaking)
        QSKIP(qPrintable(problem));
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

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
