#include "escexchanges.h"

#include "escprotocol.h"

namespace orvesc {

namespace {

constexpr char CR = '\r';
constexpr char Bullet[] = "\xE2\x80\xA2";  // U+2022 in UTF-8

std::uint8_t firstByte(const QByteArray &bytes)
{
    return static_cast<std::uint8_t>(bytes.at(0));
}

} // namespace

EscExchanges::EscExchanges(SerialPort &port, Waiter &waiter, Messenger &messenger)
    : m_port(port), m_waiter(waiter), m_messenger(messenger)
{
}

std::string EscExchanges::notFoundMessage()
{
    std::string text;
    text += "Orvantis Controller Not Found!";
    text += CR;
    text += CR;
    text += Bullet;
    text += " Check the PC Cable Adapter's connector orientation at your ESC";
    text += CR;
    text += CR;
    text += Bullet;
    text += " Check Windows Device Manager to insure that device drivers for";
    text += CR;
    text += "  your USB Adapter cable are properly loaded, and that a Serial Port";
    text += CR;
    text += "  has been created by the USB adapter";
    return text;
}

std::string EscExchanges::communicationError()
{
    return "Communication Error";
}

std::string EscExchanges::noPortMessage()
{
    return "No COM port is selected: the port list is empty, or the selected entry has no port "
           "number (only the first ten listed ports can be used).";
}

std::string EscExchanges::withNote() const
{
    return m_notFoundNote.empty() ? std::string() : std::string(2, CR) + m_notFoundNote;
}

void EscExchanges::show(const std::string &text)
{
    m_messenger.beepAndShow(text);
}

void EscExchanges::show(const SerialError &error)
{
    m_failure = Failure::Serial;
    m_errorNumber = error.number();
    m_messenger.beepAndShow(error.description().toStdString());
}

void EscExchanges::closeQuietly()
{
    try {
        m_port.setPortOpen(false);
    } catch (const SerialError &) {
        // Closing only fails where the port is gone already.
    }
}

bool EscExchanges::byteWaiting() const
{
    return m_port.inBufferCount() >= 1;
}

void EscExchanges::prepareCommands()
{
    try {
        m_port.setPortOpen(true);
        m_port.input();
        m_port.setPortOpen(false);
        m_port.setInputLen(1);
        m_port.setInputMode(1);
    } catch (const SerialError &) {
        closeQuietly();
        throw;
    }
}

void EscExchanges::flushInput()
{
    m_port.setInputLen(0);
    m_port.setInputMode(1);
    m_port.setPortOpen(true);
    m_port.input();
    m_port.setPortOpen(false);
}

EscExchanges::Identification EscExchanges::probe(int portNumber)
{
    return identifyOn(portNumber, false);
}

EscExchanges::Identification EscExchanges::identify(int portNumber)
{
    return identifyOn(portNumber, true);
}

EscExchanges::Identification EscExchanges::identifyOn(int portNumber, bool report)
{
    // Every failure closes the port before its message: no port stays open under a modal box.
    m_failure = Failure::None;
    m_errorNumber = 0;
    const auto cancelled = [this] {
        closeQuietly();
        m_failure = Failure::Cancelled;
        return Identification{0, Outcome::Cancelled};
    };
    if (m_waiter.cancelled())
        return cancelled();
    try {
        if (portNumber <= 0)
            throw SerialError(serialerror::NoSuchPort, QString::fromStdString(noPortMessage() + withNote()));
        m_port.setCommPort(portNumber);
        m_port.setSettings(QString::fromLatin1(LineSettings));
        flushInput();
        m_port.setInputLen(1);
        m_port.setInputMode(1);
        m_port.setPortOpen(true);
        m_port.output(QByteArray(1, char(IdentifyRequest)));
        const auto elapsed = m_waiter.wait([this] { return byteWaiting(); }, IdentifyLimit);
        if (m_waiter.cancelled())
            return cancelled();
        const QByteArray reply = m_port.input();
        const int code = !reply.isEmpty() && isAcceptedModelCode(firstByte(reply))
                ? firstByte(reply)
                : 0;
        closeQuietly();
        // A good code that came only as the second ran out still counts as no answer.
        if (elapsed >= IdentifyLimit || code == 0) {
            if (report)
                show(notFoundMessage() + withNote());
            return Identification{0, Outcome::NotFound};
        }
        return Identification{std::int16_t(code), Outcome::Identified};
    } catch (const SerialError &error) {
        closeQuietly();
        m_failure = Failure::Serial;
        m_errorNumber = error.number();
        if (report && !m_waiter.cancelled())
            show(error);
        return Identification{0, Outcome::PortError};
    }
}

void EscExchanges::read_Config(std::array<std::int16_t, 12> &escConfig)
{
    readSettings(escConfig, 11);
}

void EscExchanges::read_Config2(std::array<std::int16_t, 12> &escConfig)
{
    readSettings(escConfig, 12);
}

void EscExchanges::readSettings(std::array<std::int16_t, 12> &escConfig, int length)
{
    m_failure = Failure::None;
    m_errorNumber = 0;
    const auto fail = [&] {
        closeQuietly();
        escConfig[0] = 0;
        if (m_waiter.cancelled())
            m_failure = Failure::Cancelled;
    };
    if (m_waiter.cancelled())
        return fail();
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
                return fail();
            if (m_port.inBufferCount() > 0) {
                const QByteArray byte = m_port.input();
                if (!byte.isEmpty())
                    escConfig[std::size_t(stored++)] = firstByte(byte);
            }
        }
        if (elapsed >= SettingsLimit || escConfig[std::size_t(length - 1)] != 1) {
            fail();
            m_failure = elapsed >= SettingsLimit ? Failure::TimedOut : Failure::BadReply;
            show(communicationError());
            return;
        }
        closeQuietly();
    } catch (const SerialError &error) {
        fail();
        m_failure = Failure::Serial;
        m_errorNumber = error.number();
        if (!m_waiter.cancelled())
            show(error);
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

std::int16_t EscExchanges::send_Command(std::int16_t value)
{
    m_failure = Failure::None;
    m_errorNumber = 0;
    if (m_waiter.cancelled()) {
        closeQuietly();
        m_failure = Failure::Cancelled;
        return 0;
    }
    const auto timedOut = [this] {
        closeQuietly();
        m_failure = Failure::TimedOut;
        show(communicationError());
        return std::int16_t(0);
    };
    try {
        if (value < 0 || value > 255) {
            throw SerialError(serialerror::CommandOutOfRange,
                              QStringLiteral("The setting code %1 cannot be sent: a command is "
                                             "one byte, 0 to 255. Nothing was sent to the ESC.")
                                      .arg(value));
        }
        const auto command = std::uint8_t(value);
        m_port.setPortOpen(true);
        m_port.output(QByteArray(1, char(command)));

        const std::optional<QByteArray> echo = replyByte();
        if (!echo) {
            closeQuietly();
            m_failure = Failure::Cancelled;
            return 0;
        }
        if (echo->isEmpty())
            return timedOut();
        if (firstByte(*echo) != command) {
            closeQuietly();
            m_failure = Failure::BadReply;
            return firstByte(*echo);
        }

        const std::optional<QByteArray> answer = replyByte();
        if (!answer) {
            closeQuietly();
            m_failure = Failure::Cancelled;
            return 0;
        }
        if (answer->isEmpty())
            return timedOut();
        closeQuietly();
        return firstByte(*answer);
    } catch (const SerialError &error) {
        closeQuietly();
        m_failure = Failure::Serial;
        m_errorNumber = error.number();
        if (!m_waiter.cancelled())
            show(error);
        return 0;
    }
}

} // namespace orvesc
