// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windowplacement.h"

#include "desktop/x11window.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QLoggingCategory>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

Q_LOGGING_CATEGORY(lcWindow, "velmora.window", QtWarningMsg)

QPoint centredClientPosition(const QRect &available, QSize client, QMargins frame)
{
    const QRect outer
            = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client.grownBy(frame), available);
    return outer.topLeft() + QPoint(frame.left(), frame.top());
}

namespace {
class MinimiseGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange && window->isMinimized()) {
            qCDebug(lcWindow) << "minimised; restoring";
            QTimer::singleShot(0, window, [window] {
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->show();
                window->activateWindow();
            });
        }
        return false;
    }
};

void placeCentred(QWidget &window, QMargins frame)
{
    const QRect available = window.screen()->availableGeometry();
    // The client area's own position: Qt's move() takes the frame's, which
    // it does not know before the window is framed.
    window.setGeometry(
            QRect(centredClientPosition(available, window.size(), frame), window.size()));
}
} // namespace

void keepFromMinimising(QWidget &window)
{
    window.installEventFilter(new MinimiseGuard(&window));
}

void showCentred(QWidget &window)
{
    keepFromMinimising(window);
    if (!X11Window::isActive()) {
        // Elsewhere only the compositor places windows; the client area is
        // centred where it does not.
        placeCentred(window, QMargins());
        window.show();
        return;
    }
    window.winId();
    X11Window::setDialogHints(window);
    QMargins estimate;
    QElapsedTimer asked;
    asked.start();
    if (X11Window::estimateFrameExtents(window, &estimate))
        qCDebug(lcWindow) << "frame estimated by the window manager:" << estimate << "in"
                          << asked.elapsed() << "ms";
    else
        qCDebug(lcWindow) << "no frame estimate from the window manager after" << asked.elapsed()
                          << "ms";
    placeCentred(window, estimate);
    // Window managers that did not answer before, or answered with another
    // frame than they drew, get the window moved once it is framed.
    X11Window::onFrameExtents(window, [&window, estimate](QMargins frame) {
        qCDebug(lcWindow) << "frame drawn:" << frame;
        if (frame != estimate)
            placeCentred(window, frame);
    });
    window.show();
}

QScreen *screenUnderPointer()
{
    QScreen *under = QGuiApplication::screenAt(QCursor::pos());
    return under ? under : QGuiApplication::primaryScreen();
}

void showFullScreenOn(QWidget &window, QScreen *screen, std::function<void()> refused)
{
    keepFromMinimising(window);
    window.setScreen(screen);
    // Where no window manager acts on the request, the window is put there.
    window.setGeometry(screen->geometry());
    window.showFullScreen();
    // Window managers answer within a few frames; a slow one may be late.
    constexpr int answerMs = 1500;
    QTimer::singleShot(answerMs, &window, [&window, screen, refused = std::move(refused)] {
        // The window manager may have chosen another screen for it.
        const QList<QScreen *> screens = QGuiApplication::screens();
        const bool whole = window.isFullScreen()
                && std::any_of(screens.begin(), screens.end(), [&window](const QScreen *each) {
                       return window.geometry() == each->geometry();
                   });
        qCDebug(lcWindow) << "full screen:" << window.geometry() << "of" << screen->geometry();
        if (!whole)
            refused();
    });
}

void bringForward(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    QWidget *front = QApplication::activeModalWidget();
    for (QWidget *shown : { &window, front }) {
        if (!shown)
            continue;
        shown->raise();
        shown->activateWindow();
    }
}
