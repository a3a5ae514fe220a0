// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's analysis of the texts on the stage as the show lays it out:
// when each part comes, and what a preparer is warned of, line by line.
#include "controls/label.h"
#include "controls/labellines.h"
#include "controls/twips.h"
#include "editor/analysis.h"
#include "editor/boxpreview.h"
#include "editor/editorwindow.h"
#include "editor/stagelayout.h"
#include "editor/wordspanel.h"
#include "stage/stage.h"
#include "stage/words.h"
#include "support/editorfixture.h"

#include <QListWidget>
#include <QScreen>
#include <QtTest>

namespace {
QString lines(int count, const QString &line)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << line;
    return all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
} // namespace

class AnalysisTest : public QObject
{
    Q_OBJECT

    EditorFixture m_editor;

private slots:
    void initTestCase() { m_editor.setUp(); }

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

    // The question beside the girl as its label draws it: centred lines growing
    // to the right from the label's corner, a line every 12 pixels.
    void aQuestionOutOfSightIsWarnedOf_data()
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

    void aQuestionOutOfSightIsWarnedOf()
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
    void boxesLargerThanTheScreenAreWarnedOf_data()
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

    void boxesLargerThanTheScreenAreWarnedOf()
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
};

QTEST_MAIN(AnalysisTest)
#include "tst_analysis.moc"
