#include "escsession.h"

#include "exitcodes.h"
#include "settingsplan.h"

#include <chrono>

namespace orvesc::cli {

void NoteMessenger::beepAndShow(const std::string &text)
{
    // A box breaks lines with CR; a terminal line does not.
    m_texts << QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
}

EscSession::EscSession(const PortMap &map, const PortWrapper &wrap)
    : m_map(map),
      m_component(m_map),
      m_wrapped(wrap ? wrap(m_component) : nullptr),
      m_port(m_wrapped ? *m_wrapped : static_cast<SerialPort &>(m_component)),
      m_exchanges(m_port, m_waiter, m_messages)
{
}

EscSession::~EscSession() = default;

bool EscSession::probe(int number)
{
    return m_exchanges.probe(number).outcome == EscExchanges::Outcome::Identified;
}

int EscSession::connect(const std::vector<int> &candidates)
{
    m_model = 0;
    if (candidates.empty()) {
        m_problem = QStringLiteral("No serial port is listed: plug in the PC interface cable.");
        return NoEscFound;
    }
    std::size_t i = 0;
    while (i < candidates.size() && !probe(candidates[i]))
        ++i;
    m_target = portTarget(m_map, candidates[i < candidates.size() ? i : candidates.size() - 1]);
    const EscExchanges::Identification found = m_exchanges.identify(m_target.number);
    if (found.outcome == EscExchanges::Outcome::Identified) {
        m_model = found.code;
        return Done;
    }
    if (found.outcome == EscExchanges::Outcome::PortError) {
        m_problem = m_messages.last();
        return PortUnavailable;
    }
    m_problem = candidates.size() == 1
            ? QStringLiteral("No ESC answered on %1 (%2). Check the cable's connector "
                             "orientation at the ESC and that the ESC is powered.")
                      .arg(m_target.label, m_target.device)
            : QStringLiteral("No ESC answered on any of the %1 listed ports. Check the cable's "
                             "connector orientation at the ESC and that the ESC is powered.")
                      .arg(candidates.size());
    return NoEscFound;
}

int EscSession::readSettings(std::array<std::int16_t, 12> &escConfig)
{
    if (m_model >= 182 && m_model <= 224)
        m_exchanges.read_Config2(escConfig);
    else
        m_exchanges.read_Config(escConfig);
    if (escConfig[0] > 0)
        return Done;
    m_problem = QStringLiteral("Reading the settings failed: %1")
                        .arg(m_messages.last().isEmpty() ? QStringLiteral("the reply began with 0.")
                                                         : m_messages.last());
    return CommunicationError;
}

int EscSession::program(const std::array<std::int16_t, 10> &codes, bool pause,
                        const std::function<void(int)> &accepted)
{
    try {
        m_exchanges.prepareCommands();
    } catch (const SerialError &error) {
        m_problem = error.description();
        return PortUnavailable;
    }
    for (int k = 0; k < programmedCount(m_model); ++k) {
        const qsizetype before = m_messages.count();
        const std::int16_t reply = m_exchanges.send_Command(codes[std::size_t(k)]);
        if (reply == 1) {
            if (accepted)
                accepted(k);
            continue;
        }
        // The exchange reports time-outs and port failures itself; a quiet reply is the ESC's.
        // cppcheck-suppress knownConditionTrueFalse ; send_Command adds the message
        if (m_messages.count() > before || m_waiter.cancelled()) {
            m_problem = QStringLiteral("Command %1 of %2 (0x%3) failed: %4")
                                .arg(k + 1)
                                .arg(programmedCount(m_model))
                                .arg(codes[std::size_t(k)], 2, 16, QLatin1Char('0'))
                                .arg(m_messages.last());
            return CommunicationError;
        }
        m_problem = QStringLiteral("The ESC rejected command %1 of %2 (0x%3): it answered %4 "
                                   "instead of 1.")
                            .arg(k + 1)
                            .arg(programmedCount(m_model))
                            .arg(codes[std::size_t(k)], 2, 16, QLatin1Char('0'))
                            .arg(reply);
        return EscRejected;
    }
    if (pause)
        m_waiter.wait([] { return false; }, std::chrono::seconds(1));
    return Done;
}

} // namespace orvesc::cli
