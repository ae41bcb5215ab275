#pragma once

#include "clisetup.h"
#include "escsession.h"
#include "eventloopwaiter.h"
#include "portmap.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace orvesc::cli {

// One port's ESC session for the command line: the system's serial component, a waiter on the
// calling thread's event loop and the engine. Lives and is used on one thread.
class PortSession
{
public:
    // `wrap` may put a decorator (the traffic recorder) between the session and the component;
    // `holdOpen` keeps the port open between exchanges (the station).
    using PortWrapper = std::function<std::unique_ptr<SerialPort>(SerialPort &)>;
    explicit PortSession(const PortMap &map, const PortWrapper &wrap = {}, bool holdOpen = false);
    ~PortSession();

    // CONNECT over these COM numbers (in order); target() then names the port the identification
    // went to, or none when a search over several ports found no ESC.
    EscSession::Connection connect(const std::vector<int> &candidates,
                                   const EscSession::ConnectOptions &options = {});

    EscSession &engine() { return m_engine; }
    std::int16_t model() const { return m_engine.model(); }
    const PortTarget &target() const { return m_target; }
    Waiter &waiter() { return m_waiter; }

private:
    PortMap m_map;
    std::unique_ptr<SerialPort> m_component;
    std::unique_ptr<SerialPort> m_wrapped;
    EventLoopWaiter m_waiter;
    EscSession m_engine;
    PortTarget m_target;
};

// The exit code of a failure, from one table.
int exitCode(const EscFailure &failure);
// A failure in the command line's words; a port the user named by its device path is named so.
QString problemText(const EscFailure &failure, const PortTarget &target);
// The same, for a settings read that failed.
QString readProblem(const EscFailure &failure, const PortTarget &target);

} // namespace orvesc::cli
