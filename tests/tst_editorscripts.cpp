// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's warnings measure lines as the stage draws them: a
// right-to-left line from the stage's right margin, emoji in the colour face.
#include "editor/analysis.h"
#include "editor/stagelayout.h"

#include <QtTest>

class EditorScriptsTest : public QObject
{
    Q_OBJECT
private slots:
    void linesRunPastTheEdgeTheyGrowTowards_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("warning"); // empty: none
        const QString arabic = QStringLiteral("أحبك كثيرا يا حبيبتي ");
        const QString latin = QStringLiteral("I love you more than words can say. ");
        QTest::newRow("arabic that fits") << arabic << "";
        QTest::newRow("arabic too long") << arabic.repeated(12) << "past the stage's left edge";
        QTest::newRow("latin too long") << latin.repeated(6) << "past the stage's right edge";
        QTest::newRow("emoji that fit")
                << QStringLiteral("\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468 ").repeated(30) << "";
    }

    void linesRunPastTheEdgeTheyGrowTowards()
    {
        QFETCH(QString, line);
        QFETCH(QString, warning);
        const Analysis analysis = analyseTexts(line + QStringLiteral("\r\n"), QStringLiteral("a\r\n"),
                                               StageLayout::standard(), builtInMusicSeconds());
        QStringList edges;
        for (const Warning &found : analysis.warnings)
            if (found.message.contains(QLatin1String("edge")))
                edges << found.message;
        if (warning.isEmpty())
            QVERIFY2(edges.isEmpty(), qPrintable(edges.join(QLatin1Char('\n'))));
        else
            QVERIFY2(edges.size() == 1 && edges.first().contains(warning), qPrintable(edges.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(EditorScriptsTest)
#include "tst_editorscripts.moc"
