#include "portsession.h"

#include "clilanguage.h"
#include "exitcodes.h"
#include "failuretext.h"
#include "systemserialport.h"

namespace orvesc::cli {

namespace {

SerialPort &chosen(const std::unique_ptr<SerialPort> &wrapped, const std::unique_ptr<SerialPort> &component)
{
    return wrapped ? *wrapped : *component;
}

} // namespace

PortSession::PortSession(const PortMap &map, const PortWrapper &wrap, bool holdOpen)
    : m_map(map),
      m_component(createSystemSerialPort(m_map)),
      m_wrapped(wrap ? wrap(*m_component) : nullptr),
      m_engine(chosen(m_wrapped, m_component), m_map, m_waiter, holdOpen)
{
}

PortSession::~PortSession() = default;

EscSession::Connection PortSession::connect(const std::vector<int> &candidates,
                                            const EscSession::ConnectOptions &options)
{
    EscSession::Connection found = m_engine.connect(candidates, options);
    const bool searchWide = !found.identified() && candidates.size() > 1
            && found.failure.is(EscFailure::Kind::NotFound);
    m_target = found.position < 0 || searchWide ? PortTarget{}
                                                : portTarget(m_map, candidates[std::size_t(found.position)]);
    return found;
}

int exitCode(const EscFailure &failure)
{
    using Kind = EscFailure::Kind;
    switch (failure.kind) {
    case Kind::None:
        return Done;
    case Kind::NoPortListed:
    case Kind::NoPortSelected:
    case Kind::NotFound:
        return NoEscFound;
    case Kind::PortUnavailable:
    case Kind::PortGone:
        return PortUnavailable;
    case Kind::OutOfRange:
    case Kind::TimedOut:
    case Kind::BadReply:
    case Kind::EmptyReport:
        return CommunicationError;
    case Kind::Rejected:
        return EscRejected;
    case Kind::Cancelled:
        return Interrupted;
    }
    return CommunicationError;
}

QString problemText(const EscFailure &failure, const PortTarget &target)
{
    QString text = failureText(failure, FrontEnd::CommandLine);
    // The component names "COM3 (/dev/x)"; a device the user named by its path keeps that name
    // (beside its device where no ESC answered there).
    if (target.number > 0 && target.label != QStringLiteral("COM%1").arg(target.number)) {
        const QString named = failure.is(EscFailure::Kind::NotFound)
                ? QStringLiteral("%1 (%2)").arg(target.label, target.device)
                : target.label;
        text.replace(QStringLiteral("COM%1 (%2)").arg(target.number).arg(target.device), named);
    }
    return text;
}

QString readProblem(const EscFailure &failure, const PortTarget &target)
{
    //: %1 says what went wrong.
    return CommandLine::tr("Reading the settings failed: %1").arg(problemText(failure, target));
}

} // namespace orvesc::cli
