// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/timer.h"

#include "controls/tickclock.h"

#include <algorithm>
#include <utility>

Timer::Timer(QObject *parent, int intervalMs, TickClock &clock)
    : QObject(parent)
    , m_clock(clock)
    , m_intervalMs(intervalMs)
{
    m_trigger.setSingleShot(true);
    m_trigger.setTimerType(Qt::PreciseTimer);
    connect(&m_trigger, &QTimer::timeout, this, &Timer::fire);
}

void Timer::setEnabled(bool on)
{
    if (on == m_enabled)
        return; // switching a running timer on again keeps its schedule
    m_enabled = on;
    if (!on) {
        m_trigger.stop();
        return;
    }
    const qint64 tickDue = m_clock.currentTickDueNs();
    m_dueNs = followingDueNs(tickDue >= 0 ? tickDue : m_clock.nowNs());
    arm();
}

void Timer::setInterval(int intervalMs)
{
    const int before = std::exchange(m_intervalMs, intervalMs);
    if (!m_enabled || before == intervalMs)
        return;
    m_dueNs += (intervalMs - before) * 1'000'000LL;
    arm();
}

// The tick after one due at `fromNs`; when that moment has already passed,
// the timer stalled for more than an interval and starts afresh from now
// rather than firing a burst of ticks to catch up.
qint64 Timer::followingDueNs(qint64 fromNs) const
{
    const qint64 now = m_clock.nowNs();
    const qint64 next = fromNs + intervalNs();
    return next < now ? now + intervalNs() : next;
}

void Timer::arm()
{
    const qint64 waitNs = std::max<qint64>(0, m_dueNs - m_clock.nowNs());
    m_trigger.start(int((waitNs + 999'999) / 1'000'000));
}

void Timer::fire()
{
    const qint64 due = m_dueNs;
    m_dueNs = followingDueNs(due);
    const qint64 outerTickDueNs = m_clock.enterTick(due);
    emit timeout();
    m_clock.leaveTick(outerTickDueNs);
    if (m_enabled && !m_trigger.isActive())
        arm();
}
