// The editor: its analysis of the texts, its files, its window.
#include "controls/label.h"
#include "controls/labellines.h"
#include "controls/picturebox.h"
#include "editor/analysis.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/editorwindow.h"
#include "editor/messagefile.h"
#include "editor/ownassets.h"
#include "editor/ownassetspanel.h"
#include "editor/showprogram.h"
#include "editor/stagelayout.h"
#include "editor/stagepreview.h"
#include "runtime/codepage.h"
#include "runtime/filetable.h"
#include "runtime/hostfiles.h"
#include "stage/defaulttexts.h"
#include "support/testfolder.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

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
} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
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
        EditorWindow window(folder.path());
        QStringList reported;
        window.reportProblem = [&](const QString &text) { reported << text; };
        MAKE_READ_ONLY(folder);

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
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(),
                            folder.file(QStringLiteral("velmora"))));
        QString problem;
        QVERIFY(ShowProgram(folder.path())
                        .change({ { AssetBundle::Keys::music, QStringLiteral("ours.mp3"), 6000, "x" } },
                                {}, &problem));
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
};

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
