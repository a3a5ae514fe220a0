// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>

// The time the window's timers keep, in nanoseconds on a steady clock, and
// the due time of the tick being handled. The timers of one window share one
// clock, so that a timer switched on inside another's tick counts from that
// tick's due time.
class TickClock
{
public:
    using Now = std::function<qint64()>;

    // Tests give a clock of their own.
    explicit TickClock(Now now = steadyNowNs);

    qint64 nowNs() const { return m_now(); }

    // The due time of the tick being handled, or -1 outside every tick. A tick
    // can be delivered inside another (while its handler waits in a message
    // box); leaving it puts back what entering it found.
    qint64 currentTickDueNs() const { return m_currentTickDueNs; }
    qint64 enterTick(qint64 dueNs);
    void leaveTick(qint64 outerDueNs) { m_currentTickDueNs = outerDueNs; }

    static qint64 steadyNowNs();

private:
    Now m_now;
    qint64 m_currentTickDueNs = -1;
};
