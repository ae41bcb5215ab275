#pragma once

#include <functional>
#include <memory>

class QObject;

namespace orvesc::cli {

// Ctrl+C (SIGINT) and a polite kill (SIGTERM) while a run lasts, heard on the event loop of the
// thread that made this object (a waiter's wait pumps it): the handler only writes a byte to a
// pipe, as a signal handler may do little more. One at a time; the process's own handlers come
// back when it goes.
class Interrupts
{
public:
    // `heard` gets 1 for the first interrupt, 2 for the second...
    explicit Interrupts(std::function<void(int count)> heard);
    ~Interrupts();
    Interrupts(const Interrupts &) = delete;
    Interrupts &operator=(const Interrupts &) = delete;

    int count() const { return m_count; }

private:
    std::function<void(int)> m_heard;
    // What hears the handler on the event loop: a notifier on a pipe, or on Windows a timer.
    std::unique_ptr<QObject> m_listener;
    int m_count = 0;
    void (*m_int)(int) = nullptr;
    void (*m_term)(int) = nullptr;
};

} // namespace orvesc::cli
