#include "escsession.h"

#include "backupkeeper.h"
#include "escprotocol.h"
#include "messenger.h"
#include "waiter.h"

#include <algorithm>
#include <chrono>

namespace orvesc {

EscSession::EscSession(SerialPort &port, const PortMap &map, Waiter &waiter, Messenger &messenger)
    : m_pin(port, map), m_waiter(waiter), m_exchanges(m_pin, waiter, messenger)
{
}

void EscSession::beginConnect()
{
    m_model = 0;
    m_pin.unpin();
}

EscSession::Identification EscSession::probe(int number)
{
    // A probe belongs to a search: until the next identification no port is the ESC's.
    beginConnect();
    return m_exchanges.probe(number);
}

EscSession::Identification EscSession::identify(int number)
{
    m_model = 0;
    m_pin.unpin();
    const Identification found = m_exchanges.identify(number);
    if (found.outcome == EscExchanges::Outcome::Identified && m_pin.pin(number))
        m_model = found.code;
    return found;
}

int EscSession::search(std::size_t count, const std::function<bool(std::size_t)> &probeAt)
{
    std::size_t i = 0;
    for (; i < count; ++i) {
        if (probeAt(i) || m_waiter.cancelled())
            break;
    }
    return count == 0 ? -1 : int(std::min(i, count - 1));
}

EscSession::Identification EscSession::connect(const std::vector<int> &candidates,
                                               const std::function<void(std::size_t)> &probing)
{
    beginConnect();
    const int at = search(candidates.size(), [&](std::size_t i) {
        if (probing)
            probing(i);
        return probe(candidates[i]).outcome == EscExchanges::Outcome::Identified;
    });
    if (at < 0)
        return Identification{0, EscExchanges::Outcome::NotFound};
    if (m_waiter.cancelled())
        return Identification{0, EscExchanges::Outcome::Cancelled};
    return identify(candidates[std::size_t(at)]);
}

bool EscSession::readSettings(std::array<std::int16_t, 12> &escConfig)
{
    if (settingsReplyLength(m_model) == 12)
        m_exchanges.read_Config2(escConfig);
    else
        m_exchanges.read_Config(escConfig);
    return escConfig[0] > 0;
}

EscSession::ProgramResult EscSession::program(const std::array<std::int16_t, 10> &newConfig,
                                              const std::function<void(int)> &accepted)
{
    ProgramResult result;
    result.count = programmedCommandCount(m_model);
    try {
        m_exchanges.prepareCommands();
    } catch (const SerialError &error) {
        result.outcome = ProgramResult::Outcome::Failed;
        if (!m_waiter.cancelled())
            m_exchanges.reportFailure(error);
        return result;
    }
    for (int k = 0; k < result.count; ++k) {
        const std::int16_t reply = m_exchanges.send_Command(newConfig[std::size_t(k)]);
        if (m_waiter.cancelled()) {
            result.outcome = ProgramResult::Outcome::Cancelled;
            return result;
        }
        // A 1 that came instead of the echo is no acceptance: the ESC broke the protocol.
        if (reply != 1 || m_exchanges.lastFailure() != EscExchanges::Failure::None) {
            result.failedElement = k;
            result.reply = reply;
            result.outcome = m_exchanges.lastFailure() == EscExchanges::Failure::None
                    ? ProgramResult::Outcome::Rejected
                    : ProgramResult::Outcome::Failed;
            return result;
        }
        if (accepted)
            accepted(k);
    }
    m_waiter.wait([] { return false; }, std::chrono::seconds(1));
    if (m_waiter.cancelled())
        result.outcome = ProgramResult::Outcome::Cancelled;
    return result;
}

std::optional<std::vector<SettingDifference>>
EscSession::readBack(const std::array<std::int16_t, 10> &expected, std::array<std::int16_t, 12> *report)
{
    // A record of its own: the caller's EscConfig keeps what CONNECT left in it.
    std::array<std::int16_t, 12> reported{};
    const bool read = readSettings(reported);
    if (report)
        *report = reported;
    if (!read)
        return std::nullopt;
    return compareSettings(m_model, expected, reported);
}

BackupOutcome EscSession::backUp(const std::array<std::int16_t, 12> &report)
{
    return m_keeper ? m_keeper->keep(m_model, report) : BackupOutcome();
}

} // namespace orvesc
