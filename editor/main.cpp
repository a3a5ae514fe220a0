// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/singleshow.h"
#include "desktop/windowplacement.h"
#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/editorlanguage.h"
#include "editor/editortext.h"
#include "editor/editorwindow.h"
#include "editor/leftovers.h"
#include "editor/pacecommands.h"
#include "editor/typefacecommands.h"
#include "editor/wordscommands.h"
#include "players/processsettings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>

#include <cstdio>
#include <optional>

namespace {
// The check's output is read like a compiler's: Qt's own notes stay out of it.
void keepOnlyFatalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

namespace {
CheckReport runWindowless(const EditorCommandLine &commandLine, const QString &folder)
{
    if (commandLine.check())
        return checkFolder(folder);
    if (commandLine.restore())
        return restoreAssets(folder);
    if (!commandLine.carryOverFrom().isEmpty())
        return carryOver(commandLine.carryOverFrom(), folder);
    // Asked for with an empty value too: refused as that command's input.
    if (commandLine.exportWordsAsked())
        return exportWords(commandLine.exportWordsFile(), folder);
    if (commandLine.wordsAsked())
        return setWords(commandLine.wordsFile(), folder);
    if (commandLine.presentationAsked())
        return setPresentation(commandLine.presentation(), folder);
    if (!commandLine.pace().isEmpty())
        return setPace(commandLine.pace(), folder);
    if (!commandLine.typefaceChoice().isEmpty())
        return setTypeface(commandLine.typefaceText(), commandLine.typefaceChoice(), folder);
    return replaceAsset(*commandLine.assetSlot(), commandLine.assetFile(), folder);
}

// Two editors on one folder would each write over the other's work: a second
// start brings the first window forward instead. The command-line runs write
// in one step and need no window, so they run beside it. The exit code when
// this start goes no further.
std::optional<int> claimFolder(SingleShow &single, const QString &folder)
{
    switch (single.claimOrCallForward()) {
    case SingleShow::Start::First:
        return std::nullopt;
    case SingleShow::Start::AnotherRuns:
        return EXIT_SUCCESS;
    case SingleShow::Start::Unguarded:
        std::fprintf(stderr, "velmora-editor: %s\n",
                     qPrintable(EditorText::tr("%1; a second editor on this folder is not kept out")
                                        .arg(single.unguarded().text())));
        return std::nullopt;
    case SingleShow::Start::Unreachable:
        EditorPrompts::reportProblem(
                nullptr, EditorText::tr("Another Velmora editor has the folder %1 open but does not answer.")
                                 .arg(QDir::toNativeSeparators(folder)));
        return EXIT_FAILURE;
    }
    return EXIT_FAILURE;
}

int openWindow(const QString &folder)
{
    if (const Outcome opens = canOpenFolder(folder); !opens.ok()) {
        EditorPrompts::reportProblem(nullptr, EditorText::tr("The editor cannot open: %1.").arg(opens.why()));
        return CheckReport::Unreadable;
    }
    SingleShow single(folder, QStringLiteral("velmora-editor"));
    if (const std::optional<int> ended = claimFolder(single, folder))
        return *ended;
    removeLeftoverTemporaryFiles(folder);
    EditorWindow window(folder);
    QObject::connect(&single, &SingleShow::forwardRequested, &window,
                     [&window] { bringForward(window); });
    // Small screens (1280 × 800, say) get the whole window, title bar included.
    const QSize room = window.screen()->availableGeometry().size() - QSize(0, 32);
    window.resize(window.sizeHint().boundedTo(room).expandedTo(window.minimumSizeHint()));
    window.show();
    window.offerRecovery();
    return QApplication::exec();
}
} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Whether a window is wanted decides the platform, chosen before the
    // application exists; a command line that cannot be read needs none.
    const bool windowless = [&arguments] {
        EditorCommandLine first;
        return !first.parse(arguments) || first.windowless();
    }();
    // Media are probed with the show's own player, set up as the show sets it
    // up. The check measures with the stage's fonts but needs no display, and
    // neither do the usage and the changes to the program's own assets.
    ProcessSettings::setBeforeApplication(windowless ? ProcessSettings::Platform::Offscreen
                                                     : ProcessSettings::Platform::Desktop);
    if (windowless)
        qInstallMessageHandler(keepOnlyFatalMessages);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    EditorLanguage::install(app, EditorLanguage::choose(QLocale::system().uiLanguages()));
    // Read again now that the translation is in: the usage and the errors speak it.
    EditorCommandLine commandLine;
    if (!commandLine.parse(arguments)) {
        std::fprintf(stderr, "velmora-editor: %s\n%s\n", qPrintable(commandLine.error()),
                     qPrintable(EditorText::tr("velmora-editor --help shows the usage.")));
        return CheckReport::Unreadable;
    }
    if (commandLine.helpAsked())
        commandLine.showHelp();
    if (commandLine.versionAsked())
        commandLine.showVersion();
    const QString folder = commandLine.folder().isEmpty() ? QCoreApplication::applicationDirPath()
                                                          : commandLine.folder();
    if (!commandLine.windowless())
        return openWindow(folder);
    const CheckReport report = runWindowless(commandLine, folder);
    std::fputs(report.output.toUtf8().constData(), stdout);
    std::fputs(report.errors.toUtf8().constData(), stderr);
    return report.exitCode;
}
