#pragma once

#include "escsession.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace orvesc {

class Waiter;

// The programming station's loop on one port, shared by the command line's station and the
// window's run of several ESCs: waits for an ESC (one probe a second), hands it to the front end
// to be programmed, then waits until it leaves. Never opens another port. It words nothing: the
// front end hears each step through the hooks and says what it likes.
class StationRun
{
public:
    enum class Step {
        Unplug,      // an ESC was handled: it may be unplugged
        AnotherEsc,  // another ESC took its place without a silent round between
        NextEsc,     // it has left: the next may be plugged in
    };
    struct Hooks
    {
        // Programs the ESC that CONNECT just found (or failed to read); returns what that ESC
        // holds now where known (the read-back), by which it is told from the next.
        std::function<std::optional<std::array<std::int16_t, 12>>(const EscSession::Connection &esc)> handle;
        std::function<void(Step step)> step;
        // CONNECT on the run's port; by default the engine's, after the probe that answered.
        std::function<EscSession::Connection()> connect;
    };

    // The engine must hold its port open (a station polls it all day); engine and waiter must
    // outlive the run.
    StationRun(EscSession &engine, Waiter &waiter, int number);

    // Until stop() or stopNow(); returns at once after an ESC cut short.
    void run(const Hooks &hooks);

    // Ends the run once the ESC being programmed (if any) is done.
    void stop() { m_stopped = true; }
    // Ends the run at once, cutting short the ESC being programmed; the waiter stays cancelled.
    void stopNow();

    bool stopped() const { return m_stopped; }
    bool programming() const { return m_programming; }
    // stopNow() came while an ESC was being programmed: it may hold part of the new settings.
    bool cutShort() const { return m_cutShort; }

private:
    // Whether the run's number still names the port it started on, which is there: otherwise the
    // port is let go and nothing is sent.
    bool portIsOurs();
    EscSession::Connection connectHere(const Hooks &hooks);
    void pause();
    EscSession::Connection awaitRemoval(const Hooks &hooks, const EscSession::Connection &handled,
                                        std::optional<std::array<std::int16_t, 12>> holds);

    EscSession &m_engine;
    Waiter &m_waiter;
    int m_number;
    QString m_port;  // the port's identity when the run began
    bool m_stopped = false;
    bool m_programming = false;
    bool m_cutShort = false;
    qint64 m_roundStart = 0;
};

} // namespace orvesc
