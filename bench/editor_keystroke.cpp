// How soon the editor's stage preview follows a keystroke, for a letter of
// 2,000 characters, typed at its end and in its middle: the key goes in, the preview takes the
// text, the pending analysis runs and the window is painted. Printed beside one frame (16 ms).
#include "editor/editorwindow.h"
#include "players/processsettings.h"
#include "runtime/codepage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>

namespace {
QString longLetter(int length)
{
    const QString line
            = QStringLiteral("我们在最青春的时候相遇 那年的风很轻 阳光很暖 你笑得干净明亮\r\n");
    QString letter;
    while (letter.size() + line.size() <= length)
        letter += line;
    return letter + QString(length - letter.size() - 2, QChar(0x7231)) + QStringLiteral("\r\n");
}

void typeOne(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

struct Figures
{
    double median;
    double worst;
};

Figures measure(EditorWindow &window, int keystrokes)
{
    QList<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < keystrokes; ++i) {
        clock.start();
        // A writer ends a line before it runs off the stage.
        if (i % 40 == 39)
            typeOne(window.letterEdit(), Qt::Key_Return, QStringLiteral("\r"));
        else
            typeOne(window.letterEdit(), 0, QStringLiteral("爱"));
        // The coalesced analysis, then the frame: the window paints what changed.
        QCoreApplication::processEvents();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.last() };
}
} // namespace

int main(int argc, char *argv[])
{
    ProcessSettings::setBeforeApplication(ProcessSettings::Platform::Offscreen);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile letter(folder.filePath(QStringLiteral("orlessa.ini")));
    if (!letter.open(QIODevice::WriteOnly))
        return 1;
    letter.write(CodePage::toAnsi(longLetter(2000)));
    letter.close();

    EditorWindow window(folder.path());
    window.show();
    QCoreApplication::processEvents();
    const int keystrokes = 200;

    window.letterEdit()->moveCursor(QTextCursor::End);
    const Figures atEnd = measure(window, keystrokes);

    QTextCursor middle(window.letterEdit()->document()->findBlockByNumber(10));
    window.letterEdit()->setTextCursor(middle);
    const Figures inMiddle = measure(window, keystrokes);

    std::printf("editor keystroke, 2000-character letter, typing at the end:    median %.2f ms, "
                "worst %.2f ms (target < 16 ms)\n",
                atEnd.median, atEnd.worst);
    std::printf("editor keystroke, 2000-character letter, typing in the middle: median %.2f ms, "
                "worst %.2f ms (target < 16 ms)\n",
                inMiddle.median, inMiddle.worst);
    return 0;
}
