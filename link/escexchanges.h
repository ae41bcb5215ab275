#pragma once

#include "messenger.h"
#include "serialport.h"
#include "waiter.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace orvesc {

// The ESC exchanges of the main window over its serial component: identify, read the settings
// and send one command. Each opens the port, writes one byte, waits through the Waiter, reads
// and closes the port again on every path. Messages go through the Messenger; once the waiter
// is cancelled (the window is closing) every exchange closes the port and returns its failure
// value at once, without a message and without writing another byte.
class EscExchanges
{
public:
    enum class Outcome { Identified, NotFound, PortError, Cancelled };
    struct Identification
    {
        std::int16_t code = 0;
        Outcome outcome = Outcome::PortError;
    };

    static constexpr std::chrono::milliseconds IdentifyLimit{1000};
    static constexpr std::chrono::milliseconds SettingsLimit{5000};
    static constexpr std::chrono::milliseconds ReplyByteLimit{1000};
    static constexpr char LineSettings[] = "19200,N,8,1";
    static constexpr std::uint8_t IdentifyRequest = 0x00;
    static constexpr std::uint8_t SettingsRequest = 0x02;

    EscExchanges(SerialPort &port, Waiter &waiter, Messenger &messenger);

    // The identify exchange on COM<portNumber>. NotFound: no accepted model code within the
    // second (the window then hides its lamp). PortError: the component failed, or portNumber
    // <= 0 (the list position has no recorded port). probe() is silent (Chk_ESC); identify()
    // beeps and shows the not-found message or the failure's description (ini_COM).
    Identification probe(int portNumber);
    Identification identify(int portNumber);

    // The settings reply, one byte per element in order of arrival: 11 bytes (read_Config) or
    // 12 (read_Config2) ending in 1, within five seconds. On any failure element 0 becomes 0;
    // elements past those received keep their values. Uses the port number and line settings
    // that the last identification left in the component.
    void read_Config(std::array<std::int16_t, 12> &escConfig);
    void read_Config2(std::array<std::int16_t, 12> &escConfig);

    // Sends one command byte and returns the ESC's answer after its echo, or the first reply
    // byte when it is not the echo, or 0 after a time-out ("Communication Error") or a failure
    // (its description). A value outside 0..255 fails before anything is written.
    std::int16_t send_Command(std::int16_t value);

    // Why the last exchange failed, for callers that tell the cases apart (the command line's exit
    // codes): no reply in time, a reply that breaks the protocol (a command answered by something
    // other than its echo, a settings reply not ending in 1), a failure of the serial component
    // (lastErrorNumber() holds its SerialError number), or a cancel.
    enum class Failure { None, TimedOut, BadReply, Serial, Cancelled };
    Failure lastFailure() const { return m_failure; }
    int lastErrorNumber() const { return m_errorNumber; }

    // Shows a failure of the component as every exchange does, for a caller that met it outside
    // an exchange (the flush before a programming run).
    void reportFailure(const SerialError &error) { show(error); }

    // The flush before a programming run: opens the port, drops what is waiting, closes it, and
    // sets one byte per read. A failure throws SerialError; the port is closed first.
    void prepareCommands();

    // A note added to what identify() says when no ESC answered or no port was selected (the
    // ports that a search could not open); empty for none.
    void setNotFoundNote(const std::string &note) { m_notFoundNote = note; }

    // The texts this class shows.
    static std::string notFoundMessage();
    static std::string communicationError();
    static std::string noPortMessage();

private:
    Identification identifyOn(int portNumber, bool report);
    void readSettings(std::array<std::int16_t, 12> &escConfig, int length);
    void flushInput();
    void closeQuietly();
    void show(const std::string &text);
    std::string withNote() const;
    void show(const SerialError &error);
    bool byteWaiting() const;
    // One reply byte of a command within its second: nothing after a cancel, an empty array after
    // the second ran out.
    std::optional<QByteArray> replyByte();

    SerialPort &m_port;
    Waiter &m_waiter;
    Messenger &m_messenger;
    std::string m_notFoundNote;
    Failure m_failure = Failure::None;
    int m_errorNumber = 0;
};

} // namespace orvesc
