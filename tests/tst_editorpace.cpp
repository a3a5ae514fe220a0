// SPDX-License-Identifier: GPL-3.0-or-later
// The preparer's pace on the editor's command line: read from the arguments,
// carried by the folder's program, shown by --check and --export-words, and
// refused with nothing written.
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/pacecommands.h"
#include "editor/showprogram.h"
#include "editor/wordscommands.h"
#include "stage/showpace.h"
#include "support/testfolder.h"

#include <QtTest>

namespace {
bool putProgram(const TestFolder &folder)
{
    return QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora")));
}

ShowPace paceTheShowReads(const TestFolder &folder)
{
    PaceEntry::Refusal refusal;
    Reason problem;
    return PaceEntry::carriedBy(CarriedAssets::of(folder.file(QStringLiteral("velmora"))), &refusal,
                                &problem);
}
} // namespace

class EditorPaceTest : public QObject
{
    Q_OBJECT
private slots:
    void theCommandLineTakesAPace_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("pace");
        QTest::addColumn<QString>("folder");
        QTest::newRow("two numbers and a folder")
                << QStringList { "--pace", "200", "300", "show" } << QStringList { "200", "300" } << "show";
        QTest::newRow("two numbers, no folder")
                << QStringList { "--pace", "200", "300" } << QStringList { "200", "300" } << "";
        QTest::newRow("fit and a folder") << QStringList { "--pace", "fit", "show" } << QStringList { "fit" }
                                          << "show";
        QTest::newRow("the folder first")
                << QStringList { "show", "--pace", "fit" } << QStringList { "fit" } << "show";
    }

    void theCommandLineTakesAPace()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, pace);
        QFETCH(QString, folder);
        EditorCommandLine commandLine;
        QVERIFY2(commandLine.parse(QStringList { "velmora-editor" } + arguments),
                 qPrintable(commandLine.error()));
        QCOMPARE(commandLine.pace(), pace);
        QCOMPARE(commandLine.folder(), folder);
        QVERIFY(commandLine.windowless());
    }

    void theCommandLineRefusesPaceWithAnother_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("two folders") << QStringList { "--pace", "200", "300", "a", "b" };
        QTest::newRow("fit, two folders") << QStringList { "--pace", "fit", "a", "b" };
        QTest::newRow("with --check") << QStringList { "--pace", "fit", "--check" };
        QTest::newRow("no value") << QStringList { "--pace" };
    }

    void theCommandLineRefusesPaceWithAnother()
    {
        QFETCH(QStringList, arguments);
        EditorCommandLine commandLine;
        QVERIFY(!commandLine.parse(QStringList { "velmora-editor" } + arguments));
        QVERIFY(!commandLine.error().isEmpty());
    }

    // Set, shown by --check and --export-words, and set back to the default,
    // which the program then no longer carries.
    void aPaceGoesRoundThroughTheProgram_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("shown");
        QTest::newRow("chosen") << QStringList { "200", "1200" }
                                << "pace: the letter 200 ms a character, the declaration 1200 ms";
        QTest::newRow("fitted") << QStringList { "fit" } << "pace: the letter fitted to the song";
    }

    void aPaceGoesRoundThroughTheProgram()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, shown);
        TestFolder folder;
        QVERIFY(putProgram(folder));
        const CheckReport set = setPace(values, folder.path());
        QVERIFY2(set.exitCode == CheckReport::Clean, qPrintable(set.errors));
        PaceEntry::Refusal refusal;
        QCOMPARE(paceTheShowReads(folder), *PaceEntry::fromArguments(values, &refusal));
        QVERIFY2(checkFolder(folder.path()).output.contains(shown),
                 qPrintable(checkFolder(folder.path()).output));
        const QString file = folder.file(QStringLiteral("words.txt"));
        QCOMPARE(exportWords(file, folder.path()).exitCode, int(CheckReport::Clean));
        QVERIFY(QString::fromUtf8(folder.read(QStringLiteral("words.txt"))).contains(QStringLiteral("# ") + shown));
        // Words set again from the exported file keep the pace.
        QCOMPARE(setWords(file, folder.path()).exitCode, int(CheckReport::Clean));
        QCOMPARE(paceTheShowReads(folder), *PaceEntry::fromArguments(values, &refusal));

        QCOMPARE(setPace({ "388", "500" }, folder.path()).exitCode, int(CheckReport::Clean));
        QVERIFY(!CarriedAssets::of(folder.file(QStringLiteral("velmora"))).find(AssetBundle::Keys::pace));
    }

    void aRefusedPaceWritesNothing_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too fast") << QStringList { "39", "500" } << "outside 40 to 2000 ms";
        QTest::newRow("too slow") << QStringList { "388", "2001" } << "outside 40 to 2000 ms";
        QTest::newRow("not a number") << QStringList { "quick", "500" } << "neither \"fit\"";
        QTest::newRow("one number") << QStringList { "388" } << "neither \"fit\"";
    }

    void aRefusedPaceWritesNothing()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, reason);
        TestFolder folder;
        QVERIFY(putProgram(folder));
        QCOMPARE(setPace({ "100", "100" }, folder.path()).exitCode, int(CheckReport::Clean));
        const QByteArray program = folder.read(QStringLiteral("velmora"));
        const CheckReport report = setPace(values, folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::Unreadable));
        QVERIFY2(report.errors.contains(reason), qPrintable(report.errors));
        QVERIFY(report.errors.contains(QStringLiteral("nothing is written")));
        QCOMPARE(folder.read(QStringLiteral("velmora")), program);
    }
};

QTEST_MAIN(EditorPaceTest)
#include "tst_editorpace.moc"
