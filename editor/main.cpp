#include "editor/assetcommands.h"
#include "editor/checkreport.h"
#include "editor/ownassets.h"
#include "runtime/qtmediabackend.h"
#include "editor/editorwindow.h"
#include "runtime/chineseinterface.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include <cstdio>

namespace {
struct Arguments
{
    bool check = false;
    bool restore = false;
    const AssetSlot *slot = nullptr; // --music FILE, --film FILE, ...
    QString assetFile;
    QString folder;

    bool needsNoDisplay() const { return check || restore || slot; }
};

Arguments parseArguments(int argc, char *argv[])
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--check"))
            arguments.check = true;
        else if (argument == QLatin1String("--restore"))
            arguments.restore = true;
        else if (const AssetSlot *slot = argument.startsWith(QLatin1String("--"))
                         ? AssetSlot::byOption(argument.mid(2))
                         : nullptr;
                 slot && i + 1 < argc) {
            arguments.slot = slot;
            arguments.assetFile = QString::fromLocal8Bit(argv[++i]);
        }
        else if (arguments.folder.isEmpty())
            arguments.folder = argument;
    }
    return arguments;
}

// The check's output is read like a compiler's: Qt's own notes stay out of it.
void keepOnlyFatalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    const Arguments arguments = parseArguments(argc, argv);
    // The check measures with the stage's fonts but needs no display.
    QtMediaBackend::prepareEnvironment();
    if (arguments.needsNoDisplay()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyFatalMessages);
    }

    QApplication app(argc, argv);
    const QString folder = arguments.folder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                      : arguments.folder;

    if (arguments.needsNoDisplay()) {
        const CheckReport report = arguments.check ? checkFolder(folder)
                : arguments.restore               ? restoreAssets(folder)
                                                  : replaceAsset(*arguments.slot, arguments.assetFile, folder);
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
