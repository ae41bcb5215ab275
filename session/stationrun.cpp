#include "stationrun.h"

#include "escprotocol.h"
#include "waiter.h"

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>

namespace orvesc {

namespace {

qint64 monotonicMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

} // namespace

StationRun::StationRun(EscSession &engine, Waiter &waiter, int number)
    : m_engine(engine),
      m_waiter(waiter),
      m_number(number),
      m_port(engine.portIdentity(number))
{
}

bool StationRun::portIsOurs()
{
    if (!m_port.isEmpty() && m_engine.portIdentity(m_number) == m_port && m_engine.portPresent(m_number))
        return true;
    m_engine.releasePort();
    return false;
}

void StationRun::stopNow()
{
    m_cutShort = m_programming;
    m_stopped = true;
    m_waiter.cancel();
}

// Probing once a second: a probe that waited out its own second needs no pause after it.
void StationRun::pause()
{
    const qint64 left = 1000 - std::min<qint64>(monotonicMs() - m_roundStart, 1000);
    m_waiter.wait([this] { return m_stopped; }, std::chrono::milliseconds(left));
    m_roundStart = monotonicMs();
}

// CONNECT on the cable's port: the probe that just answered was its search.
EscSession::Connection StationRun::connectHere(const Hooks &hooks)
{
    if (hooks.connect)
        return hooks.connect();
    EscSession::ConnectOptions here;
    here.searched = true;
    return m_engine.connect({m_number}, here);
}

// Waits, CONNECT by CONNECT once a second, until the ESC just handled leaves the cable: two
// silent rounds in a row are a removal (one alone may be a missed reply, and that ESC must not be
// programmed again). An ESC of another model, or one that reports other settings than the one
// handled holds, took its place without a silent round between: its connection is returned.
// What the handled ESC holds is the read-back's report, or else the first report read here.
EscSession::Connection StationRun::awaitRemoval(const Hooks &hooks, const EscSession::Connection &handled,
                                                std::optional<std::array<std::int16_t, 12>> holds)
{
    const auto codes = [&](const std::array<std::int16_t, 12> &report) { return reportedCodes(handled.model, report); };
    int silent = 0;
    while (!m_stopped && silent < 2) {
        pause();
        if (m_stopped)
            break;
        // A port that is gone or names another device is as silent as a cable without an ESC.
        EscSession::Connection now;
        if (portIsOurs())
            now = connectHere(hooks);
        else
            now.failure = EscFailure::of(EscFailure::Kind::NotFound);
        if (!now.ok()) {
            ++silent;
            continue;
        }
        silent = 0;
        if (now.model != handled.model || (holds && codes(now.report) != codes(*holds)))
            return now;
        holds = now.report;
    }
    return {};
}

void StationRun::run(const Hooks &hooks)
{
    const auto tell = [&](Step step) {
        if (hooks.step)
            hooks.step(step);
    };
    m_roundStart = monotonicMs();
    while (!m_stopped) {
        if (!portIsOurs() || !m_engine.probe(m_number)) {
            pause();
            continue;
        }
        // An ESC's CONNECT belongs to its programming: a stop lets both finish.
        m_programming = true;
        EscSession::Connection esc = connectHere(hooks);
        while (esc.identified() || m_cutShort) {
            m_programming = true;
            const std::optional<std::array<std::int16_t, 12>> holds = hooks.handle(esc);
            m_programming = false;
            if (m_cutShort)
                return;
            tell(Step::Unplug);
            m_roundStart = monotonicMs();
            esc = awaitRemoval(hooks, esc, holds);
            if (esc.identified())
                tell(Step::AnotherEsc);
        }
        m_programming = false;
        if (!m_stopped)
            tell(Step::NextEsc);
        m_roundStart = monotonicMs();
    }
}

} // namespace orvesc
