#pragma once

#include "clisetup.h"
#include "escsession.h"
#include "eventloopwaiter.h"
#include "messenger.h"
#include "portmap.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orvesc::cli {

// Keeps what the exchanges would show in a box, for the result line.
class NoteMessenger : public Messenger
{
public:
    void beepAndShow(const std::string &text) override;
    qsizetype count() const { return m_texts.size(); }
    QString last() const { return m_texts.isEmpty() ? QString() : m_texts.last(); }

private:
    QStringList m_texts;
};

// One port's ESC session for the command line: the system's serial component, a waiter on the
// calling thread's event loop and the shared ESC session, whose outcomes it turns into exit codes
// and one-line problems. Lives and is used on one thread.
class PortSession
{
public:
    // `wrap` may put a decorator (the traffic recorder) between the session and the component.
    using PortWrapper = std::function<std::unique_ptr<SerialPort>(SerialPort &)>;
    explicit PortSession(const PortMap &map, const PortWrapper &wrap = {});
    ~PortSession();

    // CONNECT's search and identification over these COM numbers (in order). Returns an exit
    // code; on success model() holds the model code and target() the port that answered, which
    // the session keeps for the rest of the job.
    int connect(const std::vector<int> &candidates);
    // One silent probe of a port, as the search makes it: true when an ESC answers.
    bool probe(int number);
    // The settings read for the model into `escConfig`; an exit code.
    int readSettings(std::array<std::int16_t, 12> &escConfig);
    // PROGRAM's run (see EscSession::program); an exit code. A rejection leaves the problem to
    // the caller, which knows what each command means: rejected() tells it which.
    int program(const std::array<std::int16_t, 10> &codes,
                const std::function<void(int element)> &accepted = {});
    const EscSession::ProgramResult &lastProgram() const { return m_lastProgram; }

    EscSession &engine() { return m_engine; }
    std::int16_t model() const { return m_engine.model(); }
    const PortTarget &target() const { return m_target; }
    // What went wrong last, in words for the user.
    QString problem() const { return m_problem; }
    Waiter &waiter() { return m_waiter; }

private:
    // The exit code of the last exchange's failure.
    int failureCode() const;

    PortMap m_map;
    std::unique_ptr<SerialPort> m_component;
    std::unique_ptr<SerialPort> m_wrapped;
    EventLoopWaiter m_waiter;
    NoteMessenger m_messages;
    EscSession m_engine;
    PortTarget m_target;
    QString m_problem;
    EscSession::ProgramResult m_lastProgram;
};

} // namespace orvesc::cli
