#pragma once

#include "escexchanges.h"
#include "escrecords.h"
#include "eventloopwaiter.h"
#include "messenger.h"
#include "portmap.h"
#include "clisetup.h"
#include "qserialportcomponent.h"

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

// One port's conversation with an ESC, as the window holds it: the serial component, a waiter on
// the calling thread's event loop and the exchanges, with CONNECT, the settings read and the
// PROGRAM run sending exactly the window's bytes. Lives and is used on one thread.
class EscSession
{
public:
    // `wrap` may put a decorator (the traffic recorder) between the exchanges and the component.
    using PortWrapper = std::function<std::unique_ptr<SerialPort>(SerialPort &)>;
    explicit EscSession(const PortMap &map, const PortWrapper &wrap = {});
    ~EscSession();

    // CONNECT's search and identification over these COM numbers (in order): each is probed
    // until one answers, then identified again. Returns an exit code; on success model() holds
    // the model code and target() the port that answered.
    int connect(const std::vector<int> &candidates);
    // One silent probe of a port, as the search makes it: true when an ESC answers.
    bool probe(int number);
    // The settings read for the model (11 or 12 bytes) into `escConfig`; an exit code.
    int readSettings(std::array<std::int16_t, 12> &escConfig);
    // PROGRAM's run after get_Config: flush, then NewConfig elements 0..8 (and 9 for the models
    // that take it), stopping at the first command not answered with 1. `accepted` hears of
    // each accepted element. Ends with the window's one-second pause when `pause` is set.
    int program(const std::array<std::int16_t, 10> &codes, bool pause,
                const std::function<void(int element)> &accepted = {});

    std::int16_t model() const { return m_model; }
    const PortTarget &target() const { return m_target; }
    // What went wrong last, in words for the user.
    QString problem() const { return m_problem; }
    Waiter &waiter() { return m_waiter; }

private:
    PortMap m_map;
    QSerialPortComponent m_component;
    std::unique_ptr<SerialPort> m_wrapped;
    SerialPort &m_port;
    EventLoopWaiter m_waiter;
    NoteMessenger m_messages;
    EscExchanges m_exchanges;
    std::int16_t m_model = 0;
    PortTarget m_target;
    QString m_problem;
};

} // namespace orvesc::cli
