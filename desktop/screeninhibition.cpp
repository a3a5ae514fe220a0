// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/screeninhibition.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <utility>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

Q_LOGGING_CATEGORY(lcInhibit, "velmora.inhibit", QtWarningMsg)

namespace {
const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

Display *x11Display()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}
} // namespace

ScreenInhibition::ScreenInhibition(const QDBusConnection &bus, const QString &reason)
    : m_bus(bus)
{
    if (inhibitOnBus(reason))
        m_way = Way::SessionBus;
    else if (suspendX11(true))
        m_way = Way::X11;
    qCDebug(lcInhibit) << "screen kept from blanking by" << int(m_way);
}

ScreenInhibition::~ScreenInhibition()
{
    release();
}

bool ScreenInhibition::inhibitOnBus(const QString &reason)
{
    if (!m_bus.isConnected() || !m_bus.interface()
        || !m_bus.interface()->isServiceRegistered(service).value())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Inhibit"));
    call << QStringLiteral("velmora") << reason;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    m_cookie = reply.arguments().first().toUInt();
    return true;
}

bool ScreenInhibition::suspendX11(bool suspend)
{
    Display *display = x11Display();
    int event = 0, error = 0;
    if (!display || !XScreenSaverQueryExtension(display, &event, &error))
        return false;
    XScreenSaverSuspend(display, suspend ? True : False);
    XFlush(display);
    return true;
}

void ScreenInhibition::release()
{
    switch (std::exchange(m_way, Way::Unheld)) {
    case Way::Unheld:
        return;
    case Way::SessionBus: {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("UnInhibit"));
        call << m_cookie;
        m_bus.call(call, QDBus::Block, 2000);
        return;
    }
    case Way::X11:
        suspendX11(false);
        return;
    }
}
