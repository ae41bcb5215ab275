#include "interrupts.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace orvesc::cli {

namespace {

int interruptPipe[2] = {-1, -1};

extern "C" void interrupted(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(interruptPipe[1], &byte, 1);
}

} // namespace

Interrupts::Interrupts(std::function<void(int)> heard) : m_heard(std::move(heard))
{
    if (::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        interruptPipe[0] = interruptPipe[1] = -1;
    auto notifier = std::make_unique<QSocketNotifier>(interruptPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] {
        char bytes[8];
        // Two quick presses may arrive as one read; each is heard.
        for (ssize_t n; (n = ::read(interruptPipe[0], bytes, sizeof bytes)) > 0;) {
            for (ssize_t i = 0; i < n; ++i)
                m_heard(++m_count);
        }
    });
    m_listener = std::move(notifier);
    m_int = std::signal(SIGINT, interrupted);
    m_term = std::signal(SIGTERM, interrupted);
}

Interrupts::~Interrupts()
{
    std::signal(SIGINT, m_int);
    std::signal(SIGTERM, m_term);
    m_listener.reset();
    ::close(interruptPipe[0]);
    ::close(interruptPipe[1]);
    interruptPipe[0] = interruptPipe[1] = -1;
}

} // namespace orvesc::cli
