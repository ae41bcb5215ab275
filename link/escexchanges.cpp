#include "escexchanges.h"

#include "escprotocol.h"

namespace orvesc {

namespace {

std::uint8_t firstByte(const QByteArray &bytes)
{
    return static_cast<std::uint8_t>(bytes.at(0));
}

} // namespace

EscExchanges::EscExchanges(SerialPort &port, Waiter &waiter)
    : m_port(port), m_waiter(waiter)
{
}

void EscExchanges::closeQuietly()
{
    try {
        m_port.setPortOpen(false);
    } catch (const SerialError &) {
        // Closing only fails where the port is gone already.
    }
}

// Every failure closes the port first: no port stays open while the user reads why.
EscFailure EscExchanges::failed(EscFailure::Kind kind)
{
    closeQuietly();
    EscFailure failure = EscFailure::of(m_waiter.cancelled() ? EscFailure::Kind::Cancelled : kind);
    failure.port = m_port.commPort();
    return failure;
}

EscFailure EscExchanges::failed(const SerialError &error)
{
    closeQuietly();
    EscFailure failure = m_waiter.cancelled() ? EscFailure::of(EscFailure::Kind::Cancelled)
                                              : EscFailure::fromSerial(error);
    failure.port = m_port.commPort();
    return failure;
}

bool EscExchanges::byteWaiting() const
{
    return m_port.inBufferCount() >= 1;
}

EscFailure EscExchanges::prepareCommands()
{
    if (m_waiter.cancelled())
        return failed(EscFailure::Kind::Cancelled);
    try {
        m_port.setPortOpen(true);
        m_port.input();
        m_port.setPortOpen(false);
        m_port.setInputLen(1);
        m_port.setInputMode(1);
    } catch (const SerialError &error) {
        return failed(error);
    }
    return {};
}

void EscExchanges::flushInput()
{
    m_port.setInputLen(0);
    m_port.setInputMode(1);
    m_port.setPortOpen(true);
    m_port.input();
    m_port.setPortOpen(false);
}

EscExchanges::Identification EscExchanges::identify(int portNumber)
{
    if (m_waiter.cancelled())
        return {0, failed(EscFailure::Kind::Cancelled)};
    if (portNumber <= 0)
        return {0, failed(EscFailure::Kind::NoPortSelected)};
    try {
        m_port.setCommPort(portNumber);
        m_port.setSettings(QString::fromLatin1(LineSettings));
        flushInput();
        m_port.setInputLen(1);
        m_port.setInputMode(1);
        m_port.setPortOpen(true);
        m_port.output(QByteArray(1, char(IdentifyRequest)));
        const auto elapsed = m_waiter.wait([this] { return byteWaiting(); }, IdentifyLimit);
        if (m_waiter.cancelled())
            return {0, failed(EscFailure::Kind::Cancelled)};
        const QByteArray reply = m_port.input();
        const int code = !reply.isEmpty() && isAcceptedModelCode(firstByte(reply))
                ? firstByte(reply)
                : 0;
        // A good code that came only as the second ran out still counts as no answer.
        if (elapsed >= IdentifyLimit || code == 0)
            return {0, failed(EscFailure::Kind::NotFound)};
        closeQuietly();
        return {std::int16_t(code), {}};
    } catch (const SerialError &error) {
        return {0, failed(error)};
    }
}

EscFailure EscExchanges::read_Config(std::array<std::int16_t, 12> &escConfig)
{
    return readSettings(escConfig, 11);
}

EscFailure EscExchanges::read_Config2(std::array<std::int16_t, 12> &escConfig)
{
    return readSettings(escConfig, 12);
}

EscFailure EscExchanges::readSettings(std::array<std::int16_t, 12> &escConfig, int length)
{
    const auto fail = [&](auto why) {
        escConfig[0] = 0;
        return failed(why);
    };
    if (m_waiter.cancelled())
        return fail(EscFailure::Kind::Cancelled);
    try {
        flushInput();
        m_port.setInputLen(1);
        m_port.setInputMode(1);
        m_port.setPortOpen(true);
        m_port.output(QByteArray(1, char(SettingsRequest)));

        // One limit for the whole reply, one byte taken per pass, measured on the waiter's clock
        // like every other limit of the exchanges.
        std::chrono::nanoseconds elapsed{0};
        int stored = 0;
        while (elapsed < SettingsLimit && stored < length) {
            elapsed += m_waiter.wait([this] { return byteWaiting(); },
                                     std::chrono::ceil<std::chrono::milliseconds>(SettingsLimit
                                                                                  - elapsed));
            if (m_waiter.cancelled())
                return fail(EscFailure::Kind::Cancelled);
            if (m_port.inBufferCount() > 0) {
                const QByteArray byte = m_port.input();
                if (!byte.isEmpty())
                    escConfig[std::size_t(stored++)] = firstByte(byte);
            }
        }
        if (elapsed >= SettingsLimit)
            return fail(EscFailure::Kind::TimedOut);
        if (escConfig[std::size_t(length - 1)] != 1)
            return fail(EscFailure::Kind::BadReply);
        closeQuietly();
        if (escConfig[0] == 0)
            return failed(EscFailure::Kind::EmptyReport);
        return {};
    } catch (const SerialError &error) {
        return fail(error);
    }
}

std::optional<QByteArray> EscExchanges::replyByte()
{
    const auto elapsed = m_waiter.wait([this] { return byteWaiting(); }, ReplyByteLimit);
    if (m_waiter.cancelled())
        return std::nullopt;
    QByteArray byte = m_port.input();
    if (elapsed >= ReplyByteLimit)
        byte.clear();
    return byte;
}

EscExchanges::CommandReply EscExchanges::send_Command(std::int16_t value)
{
    if (m_waiter.cancelled())
        return {0, failed(EscFailure::Kind::Cancelled)};
    if (value < 0 || value > 255) {
        EscFailure failure = failed(EscFailure::Kind::OutOfRange);
        failure.sent = value;
        return {0, failure};
    }
    try {
        const auto command = std::uint8_t(value);
        m_port.setPortOpen(true);
        m_port.output(QByteArray(1, char(command)));

        const std::optional<QByteArray> echo = replyByte();
        if (!echo)
            return {0, failed(EscFailure::Kind::Cancelled)};
        if (echo->isEmpty())
            return {0, failed(EscFailure::Kind::TimedOut)};
        if (firstByte(*echo) != command) {
            EscFailure failure = failed(EscFailure::Kind::BadReply);
            failure.reply = firstByte(*echo);
            return {std::int16_t(firstByte(*echo)), failure};
        }
        const std::optional<QByteArray> answer = replyByte();
        if (!answer)
            return {0, failed(EscFailure::Kind::Cancelled)};
        if (answer->isEmpty())
            return {0, failed(EscFailure::Kind::TimedOut)};
        closeQuietly();
        return {std::int16_t(firstByte(*answer)), {}};
    } catch (const SerialError &error) {
        return {0, failed(error)};
    }
}

} // namespace orvesc
