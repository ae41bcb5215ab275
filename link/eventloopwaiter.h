#pragma once

#include "waiter.h"

#include <atomic>

class QAbstractEventDispatcher;

namespace orvesc {

// Waits by sleeping in the event loop of the calling thread: the window keeps repainting, a
// received byte (a socket notifier) or the single deadline timer wakes it, and the predicate is
// checked after every wake, so a byte is seen even where Qt holds back readyRead (a wait nested
// inside a readyRead handler or a modal loop). Time runs on a monotonic clock.
class EventLoopWaiter : public Waiter
{
public:
    // Exceptions thrown by ready() leave the wait and reach the caller.
    std::chrono::nanoseconds wait(const std::function<bool()> &ready,
                                  std::chrono::milliseconds limit) override;
    // May be called from any thread.
    void cancel() override;
    bool cancelled() const override;

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<QAbstractEventDispatcher *> m_dispatcher{nullptr};
};

} // namespace orvesc
