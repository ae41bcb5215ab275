#include "escsession.h"

#include "backupkeeper.h"
#include "escprotocol.h"
#include "heldport.h"
#include "pinnedport.h"
#include "portmap.h"
#include "waiter.h"

#include <algorithm>
#include <chrono>

namespace orvesc {

EscSession::EscSession(SerialPort &port, const PortMap &map, Waiter &waiter, bool holdOpen)
    : m_map(map),
      m_held(holdOpen ? std::make_unique<HeldPort>(port) : nullptr),
      m_pin(std::make_unique<PinnedPort>(m_held ? *m_held : port, map)),
      m_waiter(waiter),
      m_exchanges(std::make_unique<EscExchanges>(*m_pin, waiter))
{
}

EscSession::~EscSession() = default;

int EscSession::portNumber() const
{
    return m_pin->pinnedNumber();
}

QString EscSession::portDevice() const
{
    return m_pin->pinnedDevice();
}

QString EscSession::portIdentity(int number) const
{
    if (const QString link = m_map.link(number); !link.isEmpty())
        return QStringLiteral("link ") + link;
    const QString device = m_map.device(number);
    return device.isEmpty() ? QString() : QStringLiteral("device ") + device;
}

bool EscSession::portPresent(int number) const
{
    return m_map.present(number);
}

void EscSession::releasePort()
{
    if (m_held)
        static_cast<HeldPort &>(*m_held).release();
}

void EscSession::portsChanged()
{
    if (m_pin->isPinned() && m_pin->currentNumber() == 0)
        m_pin->markGone();
}

// A failure names the port it happened on: the pinned device as CONNECT found it, or the number
// the exchange used.
EscFailure EscSession::located(EscFailure failure) const
{
    if (m_pin->isPinned()) {
        failure.port = m_pin->pinnedNumber();
        failure.device = m_pin->pinnedDevice();
    } else if (failure.port > 0 && failure.device.isEmpty()) {
        failure.device = m_map.device(failure.port);
    }
    return failure;
}

bool EscSession::probe(int number)
{
    // A probe belongs to a search: until the next identification no port is the ESC's.
    m_model = 0;
    m_pin->unpin();
    return m_exchanges->identify(number).identified();
}

EscSession::Connection EscSession::connect(const std::vector<int> &candidates, const ConnectOptions &options)
{
    Connection result;
    m_model = 0;
    m_pin->unpin();
    if (candidates.empty()) {
        result.failure = EscFailure::of(EscFailure::Kind::NoPortListed);
        result.failure.unopened = options.unopened;
        return result;
    }
    std::size_t at = 0;
    if (!options.searched) {
        for (; at < candidates.size(); ++at) {
            if (options.probing)
                options.probing(at);
            if (probe(candidates[at]) || m_waiter.cancelled())
                break;
        }
        at = std::min(at, candidates.size() - 1);
    }
    result.position = int(at);
    if (m_waiter.cancelled()) {
        result.failure = EscFailure::of(EscFailure::Kind::Cancelled);
        return result;
    }

    const EscExchanges::Identification found = m_exchanges->identify(candidates[at]);
    if (!found.identified()) {
        result.failure = located(found.failure);
        result.failure.searched = int(candidates.size());
        result.failure.unopened = options.unopened;
        return result;
    }
    if (!m_pin->pin(candidates[at])) {
        // The device behind the number could not be told: no later exchange may go unpinned.
        result.failure = located(EscFailure::of(EscFailure::Kind::PortGone));
        result.failure.port = candidates[at];
        return result;
    }
    m_model = found.code;
    result.model = found.code;

    if (!options.read)
        return result;
    result.failure = readInto(result.report);
    if (!result.failure && options.backUp)
        result.backup = backUp(result.report);
    return result;
}

EscFailure EscSession::readInto(std::array<std::int16_t, 12> &codes)
{
    const EscFailure failure = settingsReplyLength(m_model) == 12 ? m_exchanges->read_Config2(codes)
                                                                  : m_exchanges->read_Config(codes);
    return failure ? located(failure) : failure;
}

EscSession::Report EscSession::read()
{
    Report result;
    result.failure = readInto(result.codes);
    return result;
}

BackupOutcome EscSession::backUp(const std::array<std::int16_t, 12> &report)
{
    return m_keeper && m_model > 0 ? m_keeper->keep(m_model, report) : BackupOutcome();
}

EscSession::Programming EscSession::program(const std::array<std::int16_t, 10> &newConfig,
                                            const ProgramOptions &options)
{
    Programming result;
    result.count = programmedCommandCount(m_model);
    if (const EscFailure flushed = m_exchanges->prepareCommands()) {
        result.failure = located(flushed);
        return result;
    }
    for (int k = 0; k < result.count; ++k) {
        const std::int16_t code = newConfig[std::size_t(k)];
        const EscExchanges::CommandReply answer = m_exchanges->send_Command(code);
        EscFailure failure = answer.failure;
        // A 1 that came instead of the echo is no acceptance: the ESC broke the protocol.
        if (!failure && answer.reply != 1) {
            failure = EscFailure::of(EscFailure::Kind::Rejected);
            failure.reply = answer.reply;
        }
        if (failure) {
            result.failure = located(failure);
            if (!failure.is(EscFailure::Kind::Cancelled)) {
                result.failure.element = k;
                result.failure.sent = code;
            }
            return result;
        }
        if (options.accepted)
            options.accepted(k);
    }
    m_waiter.wait([] { return false; }, std::chrono::seconds(1));
    if (m_waiter.cancelled()) {
        result.failure = EscFailure::of(EscFailure::Kind::Cancelled);
        return result;
    }
    result.programmed = true;
    if (options.stored)
        options.stored();
    if (!options.readBack)
        return result;
    // A record of its own: what CONNECT reported stays as it was.
    result.failure = readInto(result.readBack);
    if (!result.failure)
        result.differences = compareSettings(m_model, newConfig, result.readBack);
    return result;
}

EscSession::Comparison EscSession::compare(const std::array<std::int16_t, 10> &expected)
{
    Comparison result;
    result.failure = readInto(result.report);
    if (!result.failure)
        result.differences = compareSettings(m_model, expected, result.report);
    return result;
}

} // namespace orvesc
