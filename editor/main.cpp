#include "desktop/singleshow.h"
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
#include "players/qtmediabackend.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>

#include <cstdio>

namespace {
// The check's output is read like a compiler's: Qt's own notes stay out of it.
void keepOnlyFatalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void bringForward(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    for (QWidget *shown : { &window, QApplication::activeModalWidget() }) {
        if (!shown)
            continue;
        shown->raise();
        shown->activateWindow();
    }
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
    // Media are probed with the show's own player, set up as the show sets it up.
    QtMediaBackend::prepareEnvironment();
    // The check measures with the stage's fonts but needs no display, and
    // neither do the usage and the changes to the program's own assets.
    if (windowless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyFatalMessages);
    }

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

    if (commandLine.windowless()) {
        const CheckReport report = commandLine.check() ? checkFolder(folder)
                : commandLine.restore()                ? restoreAssets(folder)
                : !commandLine.carryOverFrom().isEmpty()
                ? carryOver(commandLine.carryOverFrom(), folder)
                : !commandLine.exportWordsFile().isEmpty()
                ? exportWords(commandLine.exportWordsFile(), folder)
                : !commandLine.wordsFile().isEmpty() ? setWords(commandLine.wordsFile(), folder)
                : !commandLine.pace().isEmpty()      ? setPace(commandLine.pace(), folder)
                : !commandLine.typefaceChoice().isEmpty()
                ? setTypeface(commandLine.typefaceText(), commandLine.typefaceChoice(), folder)
                : replaceAsset(*commandLine.assetSlot(), commandLine.assetFile(), folder);
        std::fputs(report.output.toUtf8().constData(), stdout);
        std::fputs(report.errors.toUtf8().constData(), stderr);
        return report.exitCode;
    }

    if (const QString problem = whyFolderCannotBeOpened(folder); !problem.isEmpty()) {
        EditorPrompts::reportProblem(nullptr, EditorText::tr("The editor cannot open: %1.").arg(problem));
        return CheckReport::Unreadable;
    }
    // Two editors on one folder would each write over the other's work: a
    // second start brings the first window forward instead. The command-line
    // runs above write in one step and need no window, so they run beside it.
    SingleShow single(folder, QStringLiteral("velmora-editor"));
    switch (single.claimOrCallForward()) {
    case SingleShow::Start::First:
        break;
    case SingleShow::Start::AnotherRuns:
        return EXIT_SUCCESS;
    case SingleShow::Start::Unreachable:
        EditorPrompts::reportProblem(
                nullptr, EditorText::tr("Another Velmora editor has the folder %1 open but does not answer.")
                                 .arg(QDir::toNativeSeparators(folder)));
        return EXIT_FAILURE;
    }
    removeLeftoverTemporaryFiles(folder);
    EditorWindow window(folder);
    QObject::connect(&single, &SingleShow::forwardRequested, &window,
                     [&window] { bringForward(window); });
    // Small screens (1280 × 800, say) get the whole window, title bar included.
    const QSize room = window.screen()->availableGeometry().size() - QSize(0, 32);
    window.resize(window.sizeHint().boundedTo(room).expandedTo(window.minimumSizeHint()));
    window.show();
    window.offerRecovery();
    return app.exec();
}
