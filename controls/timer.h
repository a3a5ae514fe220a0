// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class TickClock;

// A timer with an on/off switch whose ticks keep to a fixed schedule: tick k
// is due k intervals after the timer was switched on, however long the
// handlers take. A timer switched on inside another timer's tick counts from
// that tick's due time, so a chain of timers keeps the show's nominal pace.
// After a stall of more than a whole interval the schedule starts afresh.
class Timer : public QObject
{
    Q_OBJECT
public:
    // The clock must outlive the timer's last tick.
    Timer(QObject *parent, int intervalMs, TickClock &clock);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_intervalMs; }
    // A running timer's next tick moves with it, counted from the tick before.
    void setInterval(int intervalMs);
    // When the next tick is due, on the clock's scale; meaningful while enabled.
    qint64 nextDueNs() const { return m_dueNs; }

signals:
    void timeout();

private:
    void fire();
    void arm();
    qint64 followingDueNs(qint64 fromNs) const;
    qint64 intervalNs() const { return m_intervalMs * 1'000'000LL; }

    TickClock &m_clock;
    QTimer m_trigger;
    int m_intervalMs;
    bool m_enabled = false;
    qint64 m_dueNs = 0;
};
