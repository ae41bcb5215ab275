#include "portsession.h"

#include "exitcodes.h"
#include "systemserialport.h"
#include "writereport.h"

namespace orvesc::cli {

namespace {

SerialPort &chosen(const std::unique_ptr<SerialPort> &wrapped, const std::unique_ptr<SerialPort> &component)
{
    return wrapped ? *wrapped : *component;
}

} // namespace

void NoteMessenger::beepAndShow(const std::string &text)
{
    // A box breaks lines with CR; a terminal line does not.
    m_texts << QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
}

PortSession::PortSession(const PortMap &map, const PortWrapper &wrap)
    : m_map(map),
      m_component(createSystemSerialPort(m_map)),
      m_wrapped(wrap ? wrap(*m_component) : nullptr),
      m_engine(chosen(m_wrapped, m_component), m_map, m_waiter, m_messages)
{
    m_engine.pinnedPort().setGoneAdvice(QStringLiteral("plug the cable in again and run the command again."));
}

PortSession::~PortSession() = default;

bool PortSession::probe(int number)
{
    return m_engine.probe(number).outcome == EscExchanges::Outcome::Identified;
}

int PortSession::failureCode() const
{
    switch (m_engine.exchanges().lastFailure()) {
    case EscExchanges::Failure::Serial:
        return m_engine.exchanges().lastErrorNumber() == serialerror::CommandOutOfRange
                ? CommunicationError
                : PortUnavailable;
    case EscExchanges::Failure::None:
        return EscRejected;
    default:
        return CommunicationError;
    }
}

int PortSession::connect(const std::vector<int> &candidates)
{
    if (candidates.empty()) {
        m_problem = QStringLiteral("No serial port is listed: plug in the PC interface cable.");
        return NoEscFound;
    }
    // The identification ends the search on the port probed last.
    std::size_t at = 0;
    const EscSession::Identification found = m_engine.connect(candidates, [&at](std::size_t i) { at = i; });
    m_target = portTarget(m_map, candidates[at]);
    if (found.outcome == EscExchanges::Outcome::Identified)
        return Done;
    if (found.outcome == EscExchanges::Outcome::PortError) {
        // The port's own message says "COM3 (/dev/x)"; a device named by path keeps its name.
        m_problem = m_messages.last();
        if (m_target.label != QStringLiteral("COM%1").arg(m_target.number))
            m_problem.replace(QStringLiteral("COM%1 (%2)").arg(m_target.number).arg(m_target.device), m_target.label);
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

int PortSession::readSettings(std::array<std::int16_t, 12> &escConfig)
{
    if (m_engine.readSettings(escConfig))
        return Done;
    m_problem = QStringLiteral("Reading the settings failed: %1")
                        .arg(m_messages.last().isEmpty() ? QStringLiteral("the reply began with 0x00.")
                                                         : m_messages.last());
    return failureCode();
}

int PortSession::program(const std::array<std::int16_t, 10> &codes, const std::function<void(int)> &accepted)
{
    const qsizetype before = m_messages.count();
    m_lastProgram = m_engine.program(codes, accepted);
    const EscSession::ProgramResult &run = m_lastProgram;
    if (run.done())
        return Done;
    if (run.failedElement < 0) {
        // cppcheck-suppress knownConditionTrueFalse ; the session's exchanges add the message
        m_problem = m_messages.count() > before ? m_messages.last() : QStringLiteral("The run was cut short.");
        return PortUnavailable;
    }
    const QString code = hexByte(codes[std::size_t(run.failedElement)]);
    if (run.outcome == EscSession::ProgramResult::Outcome::Rejected) {
        m_problem = QStringLiteral("The ESC rejected command %1 of %2 (%3): it answered %4 instead of 0x01.")
                            .arg(run.failedElement + 1)
                            .arg(run.count)
                            .arg(code, hexByte(run.reply));
        return EscRejected;
    }
    // cppcheck-suppress knownConditionTrueFalse ; the session's exchanges add the message
    m_problem = QStringLiteral("Command %1 of %2 (%3) failed: %4")
                        .arg(run.failedElement + 1)
                        .arg(run.count)
                        .arg(code, m_messages.count() > before ? m_messages.last()
                                                               : QStringLiteral("the run was cut short."));
    return failureCode();
}

} // namespace orvesc::cli
