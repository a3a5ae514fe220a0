// SPDX-License-Identifier: GPL-3.0-or-later
// The deadline timer on a clock the test sets: its schedule across late
// handlers, stalls, handovers and ticks delivered inside a message box.
#include "controls/tickclock.h"
#include "controls/timer.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {
constexpr qint64 ms = 1'000'000;

qint64 fakeNowNs = 0;
TickClock fakeClock([] { return fakeNowNs; });

// Waits (in real time, a few milliseconds) for the timer's next tick, with
// the clock set to `atNs` by the time it is handled.
bool tickAt(Timer &timer, qint64 atNs)
{
    fakeNowNs = atNs;
    QSignalSpy ticked(&timer, &Timer::timeout);
    return ticked.wait(2000);
}

// Stands in for a modal message box: an event loop of its own that runs until
// `until` has ticked.
bool waitInBoxUntil(Timer &until)
{
    QEventLoop box;
    bool ticked = false;
    QObject::connect(&until, &Timer::timeout, &box, [&] {
        ticked = true;
        box.quit();
    });
    QTimer::singleShot(2000, &box, &QEventLoop::quit);
    box.exec();
    return ticked;
}

// Runs `handler` once, inside the timer's next tick.
void onNextTick(Timer &timer, std::function<void()> handler)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&timer, &Timer::timeout, [connection, handler] {
        QObject::disconnect(*connection);
        handler();
    });
}
} // namespace

class TimerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fakeNowNs = 0;
        fakeClock = TickClock([] { return fakeNowNs; });
    }

    void lateTicksKeepTheSchedule()
    {
        Timer timer(nullptr, 10, fakeClock);
        timer.setEnabled(true);
        QCOMPARE(timer.nextDueNs(), 10 * ms);

        // A handler that runs late does not push the next tick back, and a
        // typewriter switching its running timer on again changes nothing.
        onNextTick(timer, [&] { timer.setEnabled(true); });
        QVERIFY(tickAt(timer, 13 * ms));
        QCOMPARE(timer.nextDueNs(), 20 * ms);

        // Late by most of an interval is still no stall.
        QVERIFY(tickAt(timer, 29 * ms));
        QCOMPARE(timer.nextDueNs(), 30 * ms);
        QVERIFY(tickAt(timer, 36 * ms));
        QCOMPARE(timer.nextDueNs(), 40 * ms);
    }

    // A pace chosen once the timer runs moves its next tick, counted from the
    // one before; a timer switched off keeps the interval for its start.
    void aNewIntervalCountsFromTheTickBefore()
    {
        Timer timer(nullptr, 10, fakeClock);
        timer.setEnabled(true);
        timer.setInterval(25);
        QCOMPARE(timer.nextDueNs(), 25 * ms);
        QVERIFY(tickAt(timer, 25 * ms));
        QCOMPARE(timer.nextDueNs(), 50 * ms);
        timer.setEnabled(false);
        timer.setInterval(40);
        fakeNowNs = 60 * ms;
        timer.setEnabled(true);
        QCOMPARE(timer.nextDueNs(), 100 * ms);
    }

    void aStallOfMoreThanAnIntervalStartsAfresh()
    {
        Timer timer(nullptr, 10, fakeClock);
        timer.setEnabled(true);
        QVERIFY(tickAt(timer, 35 * ms));
        QCOMPARE(timer.nextDueNs(), 45 * ms);
        QVERIFY(tickAt(timer, 45 * ms));
        QCOMPARE(timer.nextDueNs(), 55 * ms);
    }

    void aTimerSwitchedOnInATickCountsFromItsDueTime()
    {
        Timer letter(nullptr, 10, fakeClock), declaration(nullptr, 50, fakeClock),
                walk(nullptr, 20, fakeClock);
        letter.setEnabled(true);
        onNextTick(letter, [&] {
            letter.setEnabled(false);
            declaration.setEnabled(true);
            walk.setEnabled(true);
        });
        QVERIFY(tickAt(letter, 14 * ms));
        QCOMPARE(declaration.nextDueNs(), 60 * ms);
        QCOMPARE(walk.nextDueNs(), 30 * ms);

        // Outside any tick a timer counts from now.
        fakeNowNs = 100 * ms;
        letter.setEnabled(true);
        QCOMPARE(letter.nextDueNs(), 110 * ms);
    }

    void aHandoverAfterALongHandlerStartsAfresh()
    {
        Timer first(nullptr, 10, fakeClock), second(nullptr, 20, fakeClock);
        first.setEnabled(true);
        onNextTick(first, [&] {
            first.setEnabled(false);
            fakeNowNs = 75 * ms; // the handler took most of a minute, say
            second.setEnabled(true);
        });
        QVERIFY(tickAt(first, 10 * ms));
        QCOMPARE(second.nextDueNs(), 95 * ms);
    }

    void timersSwitchedOnWhileABoxIsOpenInATick()
    {
        Timer asking(nullptr, 10, fakeClock), walk(nullptr, 30, fakeClock);
        Timer fromNested(nullptr, 50, fakeClock), afterBox(nullptr, 50, fakeClock);
        asking.setEnabled(true);
        bool walkTickedInBox = false;
        onNextTick(walk, [&] {
            // A tick delivered while the box is open counts from its own due time.
            fromNested.setEnabled(true);
        });
        onNextTick(asking, [&] {
            asking.setEnabled(false);
            walk.setEnabled(true); // due at 40
            fakeNowNs = 42 * ms;
            walkTickedInBox = waitInBoxUntil(walk);
            // The box is answered; the asking tick is still the one handled.
            afterBox.setEnabled(true);
        });
        QVERIFY(tickAt(asking, 12 * ms));
        QVERIFY(walkTickedInBox);
        QCOMPARE(walk.nextDueNs(), 70 * ms);
        QCOMPARE(fromNested.nextDueNs(), 90 * ms);
        QCOMPARE(afterBox.nextDueNs(), 60 * ms);

        // And once every tick is over, a timer counts from now again.
        fakeNowNs = 200 * ms;
        Timer later(nullptr, 10, fakeClock);
        later.setEnabled(true);
        QCOMPARE(later.nextDueNs(), 210 * ms);
    }
};

QTEST_GUILESS_MAIN(TimerTest)
#include "tst_timer.moc"
