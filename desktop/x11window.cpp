// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/x11window.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace X11Window {
namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t windowOf(QWidget &window)
{
    return xcb_window_t(window.winId());
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A 32-bit property as a list of values; empty when it is not set.
QList<uint32_t> cardinals(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie
            = xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, cookie, nullptr), &std::free);
    QList<uint32_t> values;
    if (!reply || reply->format != 32)
        return values;
    const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        values.append(data[i]);
    return values;
}

QByteArray windowManagerName(xcb_connection_t *c)
{
    const QList<uint32_t> check = cardinals(c, rootOf(c), atom(c, "_NET_SUPPORTING_WM_CHECK"));
    if (check.isEmpty())
        return {};
    const auto cookie = xcb_get_property(c, 0, check[0], atom(c, "_NET_WM_NAME"),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 8)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

QMargins toLogical(QWidget &window, const QList<uint32_t> &extents)
{
    // _NET_FRAME_EXTENTS: left, right, top, bottom, in device pixels.
    const qreal ratio = window.windowHandle() ? window.windowHandle()->devicePixelRatio() : 1.0;
    auto logical = [ratio](uint32_t pixels) { return int(std::lround(pixels / ratio)); };
    return QMargins(logical(extents[0]), logical(extents[2]), logical(extents[1]),
                    logical(extents[3]));
}

// Motif window-manager hints: which functions and decorations are offered.
struct MotifHints
{
    uint32_t flags, functions, decorations;
    int32_t inputMode;
    uint32_t status;
};
constexpr uint32_t motifHasFunctions = 1, motifHasDecorations = 2;
constexpr uint32_t motifFuncMove = 4, motifFuncClose = 32;
constexpr uint32_t motifDecorBorder = 2, motifDecorTitle = 8;

class FrameExtentsWatch : public QAbstractNativeEventFilter
{
public:
    FrameExtentsWatch(QWidget &window, std::function<void(QMargins)> reported)
        : m_window(&window)
        , m_id(windowOf(window))
        , m_property(atom(connection(), "_NET_FRAME_EXTENTS"))
        , m_reported(std::move(reported))
    { }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || m_done || !m_window)
            return false;
        const auto *event = static_cast<xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window != m_id || notify->atom != m_property
            || notify->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        const QList<uint32_t> extents = cardinals(connection(), m_id, m_property);
        if (extents.size() == 4) {
            m_done = true;
            m_reported(toLogical(*m_window, extents));
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    xcb_window_t m_id;
    xcb_atom_t m_property;
    std::function<void(QMargins)> m_reported;
    bool m_done = false;
};

} // namespace

bool isActive()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && connection();
}

void setDialogHints(QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t id = windowOf(window);

    // Qt merges its own states into whatever the window has before it is mapped.
    const xcb_atom_t states[]
            = { atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER") };
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2,
                        states);

    // Qt offers resizing with every title bar; the size is fixed, and there
    // is nothing to minimise or maximise to.
    const MotifHints hints { motifHasFunctions | motifHasDecorations,
                             motifFuncMove | motifFuncClose, motifDecorBorder | motifDecorTitle, 0,
                             0 };
    const xcb_atom_t motif = atom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, 5, &hints);

    // Openbox offers minimising to every window but menus and toolbars,
    // whatever the Motif hints say; to it a toolbar is a utility window that
    // cannot be minimised or maximised.
    if (windowManagerName(c) == "Openbox") {
        const xcb_atom_t types[] = { atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                     atom(c, "_NET_WM_WINDOW_TYPE_UTILITY") };
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_WINDOW_TYPE"),
                            XCB_ATOM_ATOM, 32, 2, types);
    }
    xcb_flush(c);
}

bool estimateFrameExtents(QWidget &window, QMargins *extents)
{
    xcb_connection_t *c = connection();
    const xcb_window_t root = rootOf(c);
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!cardinals(c, root, atom(c, "_NET_SUPPORTED")).contains(request))
        return false;

    const xcb_window_t id = windowOf(window);
    const xcb_atom_t property = atom(c, "_NET_FRAME_EXTENTS");
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);

    // The answer is a property on the window; window managers that support
    // the request answer within a few milliseconds.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300) {
        const QList<uint32_t> values = cardinals(c, id, property);
        if (values.size() == 4) {
            *extents = toLogical(window, values);
            return true;
        }
        QThread::msleep(5);
    }
    return false;
}

void onFrameExtents(QWidget &window, std::function<void(QMargins)> reported)
{
    auto *watch = new FrameExtentsWatch(window, std::move(reported));
    qGuiApp->installNativeEventFilter(watch);
    QObject::connect(&window, &QObject::destroyed, qGuiApp, [watch] {
        qGuiApp->removeNativeEventFilter(watch);
        delete watch;
    });
}

} // namespace X11Window
