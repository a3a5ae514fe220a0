// SPDX-License-Identifier: GPL-3.0-or-later
// How the show is presented, carried in its program like its words: set by
// the editor's command line and by a words file, named by --check, and kept
// by every road that keeps the words.
#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/ownassets.h"
#include "editor/showprogram.h"
#include "editor/wordscommands.h"
#include "editor/wordspanel.h"
#include "runtime/assetsource.h"
#include "runtime/carriedassets.h"
#include "controls/picturebox.h"
#include "stage/stage.h"
#include "stage/wordsfile.h"
#include "support/testfolder.h"

#include <QImage>
#include <QPushButton>
#include <QtTest>

namespace {
QString presentationTheShowReads(const QString &program)
{
    Reason problem;
    const Words words = WordsFile::carriedBy(CarriedAssets::of(program), &problem);
    return problem.isEmpty() ? words.presentation : QStringLiteral("unreadable: ") + problem.untranslated();
}

// An entry such as a later program might carry.
bool carryRawWords(const TestFolder &folder, const QByteArray &entry)
{
    return ShowProgram(folder.path())
            .change({ { AssetBundle::Keys::words, QStringLiteral("later"), -1, entry } })
            .ok();
}
} // namespace

class PresentationTest : public QObject
{
    Q_OBJECT
private slots:
    // Each row: the steps taken on a folder holding a copy of this program,
    // then what the show presents and what --check says of it.
    //   screen, window, projector: velmora-editor --presentation VALUE
    //   words:TEXT  a words file set with --words;  export: --export-words
    //   and --words again;  restore: --restore;  upgrade: the launcher's
    //   carry-over into a new program, read from then on;  caption: a words
    //   file that changes the caption alone;  later: a later program's entry
    void roads_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("presented");
        QTest::addColumn<QString>("checkSays");
        QTest::addColumn<int>("lastExit");
        const int refused = CheckReport::Unreadable;
        const auto row = [&](const char *name, const QStringList &steps, const char *presented,
                             const char *check, int exit = CheckReport::Clean) {
            QTest::newRow(name) << steps << presented << check << exit;
        };
        row("as built", {}, "window", "presentation: in its window");
        row("on the whole screen", { "screen" }, "screen", "presentation: on the whole screen");
        row("and back to the window", { "screen", "window" }, "window", "in its window");
        row("a words file", { "words:presentation = screen\n" }, "screen", "on the whole screen");
        row("exported and set again", { "screen", "export" }, "screen", "on the whole screen");
        row("other words kept beside it", { "caption", "screen" }, "screen", "on the whole screen");
        row("a words file without it keeps the default", { "screen", "caption" }, "window",
            "in its window");
        row("restored", { "screen", "restore" }, "window", "in its window");
        row("the launcher's upgrade", { "screen", "upgrade" }, "screen", "on the whole screen");
        row("a value refused, the program untouched", { "screen", "projector" }, "screen",
            "on the whole screen", refused);
        row("a words file refused", { "words:presentation = both\n" }, "window", "in its window",
            refused);
        row("a later program's presentation", { "later" }, "window",
            "in its window (the presentation \"projector\" is not one this program knows");
        row("exported from a later program", { "later", "export" }, "window", "in its window");
    }
    void roads()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, presented);
        QFETCH(QString, checkSays);
        QFETCH(int, lastExit);
        TestFolder folder;
        TestFolder upgraded(QStringLiteral("upgraded"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
        QString program = folder.file(QStringLiteral("velmora"));
        QString dir = folder.path();
        const QString wordsFile = folder.file(QStringLiteral("words.txt"));
        int exit = CheckReport::Clean;
        for (const QString &step : std::as_const(steps)) {
            CheckReport report;
            if (step == QLatin1String("screen") || step == QLatin1String("window")
                || step == QLatin1String("projector")) {
                report = setPresentation(step, dir);
            } else if (step.startsWith(QLatin1String("words:"))) {
                folder.write(QStringLiteral("words.txt"), step.mid(6).toUtf8());
                report = setWords(wordsFile, dir);
            } else if (step == QLatin1String("caption")) {
                folder.write(QStringLiteral("words.txt"), "caption = Ours\n");
                report = setWords(wordsFile, dir);
            } else if (step == QLatin1String("export")) {
                report = exportWords(wordsFile, dir);
                QCOMPARE(report.exitCode, int(CheckReport::Clean));
                report = setWords(wordsFile, dir);
            } else if (step == QLatin1String("restore")) {
                report = restoreAssets(dir);
            } else if (step == QLatin1String("upgrade")) {
                const QString newer = upgraded.file(QStringLiteral("velmora"));
                QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), newer));
                report = carryOver(program, newer);
                program = newer;
                dir = upgraded.path();
            } else if (step == QLatin1String("later")) {
                QVERIFY(carryRawWords(folder, "velmora-words 1\ncaption = Ours\npresentation = projector\n"));
                continue;
            }
            exit = report.exitCode;
            QVERIFY2(exit == CheckReport::Clean || step == steps.last(), qPrintable(report.errors));
        }
        QCOMPARE(exit, lastExit);
        QCOMPARE(presentationTheShowReads(program), presented);
        const CheckReport check = checkFolder(dir);
        QVERIFY2(check.output.contains(checkSays), qPrintable(check.output));
    }

    // The command line takes --presentation alone, with a folder or without.
    void theCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("presentation");
        QTest::newRow("screen, a folder") << QStringList { "--presentation", "screen", "/tmp/x" } << true << "screen";
        QTest::newRow("window") << QStringList { "--presentation=window" } << true << "window";
        QTest::newRow("empty, refused later") << QStringList { "--presentation", "" } << true << "";
        QTest::newRow("with --check") << QStringList { "--presentation", "screen", "--check" } << false << "";
        QTest::newRow("with --words") << QStringList { "--words", "f", "--presentation", "screen" } << false << "";
        QTest::newRow("no value") << QStringList { "--presentation" } << false << "";
    }
    void theCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, taken);
        QFETCH(QString, presentation);
        EditorCommandLine line;
        QCOMPARE(line.parse(QStringList { "velmora-editor" } + arguments), taken);
        if (!taken)
            return;
        QVERIFY(line.windowless());
        QVERIFY(line.presentationAsked());
        QCOMPARE(line.presentation(), presentation);
    }

    // The editor's words panel shows the presentation carried, and saves the
    // one chosen there with the words.
    void theWordsPanelChoosesIt()
    {
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QCOMPARE(setPresentation(QStringLiteral("screen"), folder.path()).exitCode, int(CheckReport::Clean));
        WordsPanel panel;
        panel.follow(CarriedAssets::of(program));
        QCOMPARE(panel.value(QStringLiteral("presentation")), QStringLiteral("screen"));
        QVERIFY(!panel.hasUnsavedChanges());
        panel.setValue(QStringLiteral("presentation"), QStringLiteral("window"));
        QVERIFY(panel.hasUnsavedChanges());
        QCOMPARE(panel.wordsToSave().presentation, QStringLiteral("window"));
        panel.restoreButton(QStringLiteral("presentation"))->click();
        QCOMPARE(panel.value(QStringLiteral("presentation")), QStringLiteral("window"));
        panel.setValue(QStringLiteral("presentation"), QStringLiteral("screen"));
        QVERIFY(!panel.hasUnsavedChanges());
    }

    // A preparer's picture is carried four times as large too where its own
    // pixels hold that much, and drawn from those on a whole screen; one
    // given anew without them takes the old ones away.
    void ownPicturesFourTimesAsLarge_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<bool>("fourfold");
        QTest::newRow("a large photo") << QSize(3600, 2200) << true;
        QTest::newRow("just four times the stage") << QSize(3188, 2004) << true;
        QTest::newRow("smaller: never blown up") << QSize(2000, 1300) << false;
    }
    void ownPicturesFourTimesAsLarge()
    {
        QFETCH(QSize, photo);
        QFETCH(bool, fourfold);
        TestFolder folder;
        const QString program = folder.file(QStringLiteral("velmora"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        const AssetSlot &background = *AssetSlot::byOption(QStringLiteral("background"));
        const auto put = [&](QSize size, QColor colour) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(colour);
            QVERIFY(picture.save(folder.file(QStringLiteral("photo.png"))));
            QCOMPARE(replaceAsset(background, folder.file(QStringLiteral("photo.png")), folder.path()).exitCode,
                     int(CheckReport::Clean));
        };
        put(QSize(3600, 2200), Qt::blue); // carried four times as large
        put(photo, Qt::red);
        const CarriedAssets carried = CarriedAssets::of(program);
        QCOMPARE(carried.find(AssetBundle::Keys::fourfold(AssetBundle::Keys::background)) != nullptr, fourfold);

        // On a whole screen of 1920 × 1080 the stage shows the red one alone.
        QWidget window;
        const Stage stage = Stage::build(&window, AssetSource(carried, true));
        stage.setScale(Stage::fitIn({ 1920, 1080 }).scale);
        const QImage drawn = stage.Picture1->content()->grab().toImage();
        const QColor middle = drawn.pixel(drawn.width() / 2, drawn.height() / 2);
        QVERIFY2(middle.red() > 245 && middle.blue() < 10, qPrintable(middle.name()));

        QCOMPARE(restoreAssets(folder.path()).exitCode, int(CheckReport::Clean));
        QVERIFY(CarriedAssets::of(program).entries().isEmpty());
    }

    void anEmptyValueIsRefusedNotTakenForAnotherCommand()
    {
        TestFolder folder;
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.file(QStringLiteral("velmora"))));
        const CheckReport report = setPresentation(QString(), folder.path());
        QCOMPARE(report.exitCode, int(CheckReport::Unreadable));
        QVERIFY2(report.errors.contains(QLatin1String("neither")), qPrintable(report.errors));
    }
};

QTEST_MAIN(PresentationTest)
#include "tst_presentation.moc"
