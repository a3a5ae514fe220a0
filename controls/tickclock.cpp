// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/tickclock.h"

#include <QElapsedTimer>

#include <utility>

TickClock::TickClock(Now now)
    : m_now(std::move(now))
{ }

qint64 TickClock::enterTick(qint64 dueNs)
{
    return std::exchange(m_currentTickDueNs, dueNs);
}

qint64 TickClock::steadyNowNs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
}
