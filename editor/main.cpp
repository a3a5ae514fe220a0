#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/commandline.h"
#include "editor/editorwindow.h"
#include "players/qtmediabackend.h"
#include "runtime/chineseinterface.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include <cstdio>

namespace {
// The check's output is read like a compiler's: Qt's own notes stay out of it.
void keepOnlyFatalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    EditorCommandLine commandLine;
    if (!commandLine.parse(arguments)) {
        std::fprintf(stderr, "velmora-editor: %s\n%s\n", qPrintable(commandLine.error()),
                     "用 velmora-editor --help 看用法。");
        return CheckReport::Unreadable;
    }
    // Media are probed with the show's own player, set up as the show sets it up.
    QtMediaBackend::prepareEnvironment();
    // The check measures with the stage's fonts but needs no display, and
    // neither do the usage and the changes to the program's own assets.
    if (commandLine.windowless()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyFatalMessages);
    }

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
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
                : replaceAsset(*commandLine.assetSlot(), commandLine.assetFile(), folder);
        std::fputs(report.output.toUtf8().constData(), stdout);
        std::fputs(report.errors.toUtf8().constData(), stderr);
        return report.exitCode;
    }

    useChineseInterface(app);
    if (!QFileInfo(folder).isDir()) {
        EditorPrompts::reportProblem(nullptr,
                                     QStringLiteral("文件夹 %1 不存在，编辑器没有可以打开的文件。")
                                             .arg(QDir::toNativeSeparators(folder)));
        return CheckReport::Unreadable;
    }
    EditorWindow window(folder);
    // Small screens (1280 × 800, say) get the whole window, title bar included.
    const QSize room = window.screen()->availableGeometry().size() - QSize(0, 32);
    window.resize(window.sizeHint().boundedTo(room).expandedTo(window.minimumSizeHint()));
    window.show();
    return app.exec();
}
