// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>

// Keeps the screen from blanking or locking for as long as it is held: by
// the desktop's own org.freedesktop.ScreenSaver on the session bus where one
// answers, else by suspending the X server's screen saver. Released when
// dropped; should the process be killed, the bus drops it with the
// connection and the X server with the client.
class ScreenInhibition
{
public:
    enum class Way { Unheld, SessionBus, X11 };

    // `bus` is the session bus, or a test's own.
    explicit ScreenInhibition(const QDBusConnection &bus, const QString &reason);
    ~ScreenInhibition();
    ScreenInhibition(const ScreenInhibition &) = delete;
    ScreenInhibition &operator=(const ScreenInhibition &) = delete;

    Way way() const { return m_way; }
    // Lets the screen blank again; held no longer.
    void release();

private:
    bool inhibitOnBus(const QString &reason);
    bool suspendX11(bool suspend);

    QDBusConnection m_bus;
    Way m_way = Way::Unheld;
    uint m_cookie = 0;
};
