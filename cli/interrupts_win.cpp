#include "interrupts.h"

#include <QTimer>

#include <atomic>
#include <csignal>

namespace orvesc::cli {

namespace {

std::atomic<int> pressed{0};

// Windows runs the handler on a thread of its own and has no pipe a notifier could watch: the
// handler counts, and a timer on the event loop hears the count.
extern "C" void interrupted(int signal)
{
    pressed.fetch_add(1);
    // Windows resets a handler once it has run.
    std::signal(signal, interrupted);
}

} // namespace

Interrupts::Interrupts(std::function<void(int)> heard) : m_heard(std::move(heard))
{
    pressed.store(0);
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this] {
        while (m_count < pressed.load())
            m_heard(++m_count);
    });
    timer->start(100);
    m_listener = std::move(timer);
    m_int = std::signal(SIGINT, interrupted);
    m_term = std::signal(SIGTERM, interrupted);
}

Interrupts::~Interrupts()
{
    std::signal(SIGINT, m_int);
    std::signal(SIGTERM, m_term);
    m_listener.reset();
}

} // namespace orvesc::cli
