#pragma once

#include <chrono>
#include <functional>

namespace orvesc {

// Waits for the ESC while the window stays alive: every exchange's wait and the pause after
// programming go through one of these.
class Waiter
{
public:
    virtual ~Waiter() = default;

    // Pumps the window's events until ready() holds, the limit has passed on a monotonic clock,
    // or the waiter is cancelled. Returns the time elapsed since the call began.
    virtual std::chrono::nanoseconds wait(const std::function<bool()> &ready,
                                          std::chrono::milliseconds limit) = 0;

    // Ends the wait under way at once and makes every later wait return at once: the window is
    // closing and no exchange may go on.
    virtual void cancel() = 0;
    virtual bool cancelled() const = 0;
};

} // namespace orvesc
