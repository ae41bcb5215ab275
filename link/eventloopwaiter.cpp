#include "eventloopwaiter.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace orvesc {

std::chrono::nanoseconds EventLoopWaiter::wait(const std::function<bool()> &ready,
                                               std::chrono::milliseconds limit)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limitNs = std::chrono::nanoseconds(limit).count();

    QAbstractEventDispatcher *const dispatcher = QAbstractEventDispatcher::instance();
    QAbstractEventDispatcher *const outer = m_dispatcher.exchange(dispatcher);
    // The one timer of the wait: it only wakes the loop when the limit is reached.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    // A coarse timer a little later backs it up: Windows' precise timers are multimedia timers that
    // post their event from another thread, and under Wine that wake-up has been seen lost, which
    // would leave a wait with nothing else to wake it (PROGRAM's pause) asleep for ever.
    QTimer backstop;
    backstop.setSingleShot(true);
    backstop.setTimerType(Qt::CoarseTimer);

    struct Restore
    {
        std::atomic<QAbstractEventDispatcher *> &slot;
        QAbstractEventDispatcher *value;
        ~Restore() { slot.store(value); }
    } restore{m_dispatcher, outer};

    while (!m_cancelled.load() && !ready()) {
        const qint64 leftNs = limitNs - clock.nsecsElapsed();
        if (leftNs <= 0 || !dispatcher)
            break;
        // A timer may fire a little before the clock agrees; the next pass arms it again.
        const int leftMs = int((leftNs + 999'999) / 1'000'000);
        if (!deadline.isActive())
            deadline.start(leftMs);
        if (!backstop.isActive())
            backstop.start(leftMs + leftMs / 16 + 20);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return std::chrono::nanoseconds(clock.nsecsElapsed());
}

void EventLoopWaiter::cancel()
{
    m_cancelled.store(true);
    if (QAbstractEventDispatcher *dispatcher = m_dispatcher.load())
        dispatcher->wakeUp();
}

bool EventLoopWaiter::cancelled() const
{
    return m_cancelled.load();
}

} // namespace orvesc
