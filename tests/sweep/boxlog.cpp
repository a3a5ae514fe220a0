// Preloaded into the program under test: writes the title and text of every
// message box to $VELMORA_BOX_LOG, one line each, so the sweep can tell which
// run-time error a box reports. The program sets each box's text format after
// its text, which makes that call the one place to look.
#include <QMessageBox>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

// Only the program itself is watched, not what it starts.
__attribute__((constructor)) static void forgetPreload()
{
    unsetenv("LD_PRELOAD");
}

void QMessageBox::setTextFormat(Qt::TextFormat format)
{
    using Real = void (*)(QMessageBox *, Qt::TextFormat);
    static const auto real = reinterpret_cast<Real>(
            dlvsym(RTLD_NEXT, "_ZN11QMessageBox13setTextFormatEN2Qt10TextFormatE", "Qt_6"));
    real(this, format);
    const char *logPath = std::getenv("VELMORA_BOX_LOG");
    if (!logPath)
        return;
    if (FILE *log = std::fopen(logPath, "a")) {
        QString shown = text();
        shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(log, "%s\t%s\n", qUtf8Printable(windowTitle()), qUtf8Printable(shown));
        std::fclose(log);
    }
}
