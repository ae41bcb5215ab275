#pragma once

#include "escfailure.h"
#include "serialport.h"
#include "waiter.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace orvesc {

// The ESC exchanges over a serial component: identify, read the settings and send one command.
// Each opens the port, writes one byte, waits through the Waiter, reads and closes the port again
// on every path, and returns what went wrong as a value; none says anything to the user. Once the
// waiter is cancelled every exchange closes the port and returns Cancelled at once, without
// writing another byte.
class EscExchanges
{
public:
    struct Identification
    {
        std::int16_t code = 0;
        EscFailure failure;
        bool identified() const { return code > 0 && !failure; }
    };
    struct CommandReply
    {
        // The ESC's answer after its echo, or the first reply byte when it was not the echo; 0
        // after any other failure.
        std::int16_t reply = 0;
        EscFailure failure;
    };

    static constexpr std::chrono::milliseconds IdentifyLimit{1000};
    static constexpr std::chrono::milliseconds SettingsLimit{5000};
    static constexpr std::chrono::milliseconds ReplyByteLimit{1000};
    static constexpr char LineSettings[] = "19200,N,8,1";
    static constexpr std::uint8_t IdentifyRequest = 0x00;
    static constexpr std::uint8_t SettingsRequest = 0x02;

    EscExchanges(SerialPort &port, Waiter &waiter);

    // The identify exchange on COM<portNumber>: NotFound when no accepted model code came within
    // the second; NoPortSelected for portNumber <= 0 (the list position has no recorded port).
    Identification identify(int portNumber);

    // The settings reply, one byte per element in order of arrival: 11 bytes (read_Config) or
    // 12 (read_Config2) ending in 1, within five seconds. On any failure element 0 becomes 0;
    // elements past those received keep their values. Uses the port number and line settings
    // that the last identification left in the component.
    EscFailure read_Config(std::array<std::int16_t, 12> &escConfig);
    EscFailure read_Config2(std::array<std::int16_t, 12> &escConfig);

    // Sends one command byte. A value outside 0..255 fails before anything is written; an answer
    // other than the echo is BadReply (the byte in `reply`). Whether the answer after the echo
    // accepts the command is the caller's to judge.
    CommandReply send_Command(std::int16_t value);

    // The flush before a programming run: opens the port, drops what is waiting, closes it, and
    // sets one byte per read.
    EscFailure prepareCommands();

private:
    EscFailure readSettings(std::array<std::int16_t, 12> &escConfig, int length);
    void flushInput();
    void closeQuietly();
    EscFailure failed(EscFailure::Kind kind);
    EscFailure failed(const SerialError &error);
    bool byteWaiting() const;
    // One reply byte of a command within its second: nothing after a cancel, an empty array after
    // the second ran out.
    std::optional<QByteArray> replyByte();

    SerialPort &m_port;
    Waiter &m_waiter;
};

} // namespace orvesc
