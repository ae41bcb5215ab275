#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace orvesc {

// The numbers a SerialError carries, so that callers can tell the kinds of failure apart.
namespace serialerror {
inline constexpr int CommandOutOfRange = 6;  // a setting code that does not fit in one byte
inline constexpr int InvalidValue = 380;     // a property value the component cannot take
inline constexpr int NoSuchPort = 8002;      // outside COM1..COM255, or no device has the number
inline constexpr int PortAlreadyOpen = 8005;
inline constexpr int PortInUse = 8010;       // held by another program
inline constexpr int AccessDenied = 8011;    // this user may not open the device
inline constexpr int NotSerialPort = 8013;   // the name leads to something that is not a port
inline constexpr int SetupFailed = 8015;     // the line settings could not be applied
inline constexpr int PortNotOpen = 8018;
inline constexpr int ReadFailed = 8020;
inline constexpr int WriteFailed = 8021;
inline constexpr int ConnectionLost = 8022;  // the device went away while the port was open
inline constexpr int OpenFailed = 8023;      // any other reason the system gave
inline constexpr int PortGone = 8024;        // the device a session was pinned to has vanished
} // namespace serialerror

// Which sentence tells a SerialError: the number sorts failures for callers, the cause picks the
// words (worded by the session, never here).
enum class SerialCause {
    NoNumber,        // no device has COMn
    OutOfRange,      // COMn outside what the tool can use
    NumberWhileOpen, // the number changed while the port is open
    BadLineSettings, // details: the settings text
    BadReadLength,   // details: the length
    BadReadMode,     // details: the mode
    SettingsRefused, // details: the settings, the system's reason
    AlreadyOpen,
    DeviceMissing,
    NoAccess,
    NoAccessGroup,   // details: the group that may open it
    LockFileDenied,
    InUse,           // details: program and process number of each holder (program may be empty)
    InUseByServices, // details: each running service and the units that stop it
    NotSerial,
    OpenFailed,      // details: the system's reason
    ConnectionLost,
    NotOpen,
    WriteFailed,     // details: the system's reason
    ReadFailed,      // details: the system's reason
    Gone,            // the device a session was pinned to has vanished
};

// A failure of the serial component: a number, the cause and what its words need: the port as
// they name it ("COM3" or "COM3 (/dev/ttyUSB0)") and the cause's details.
class SerialError : public std::runtime_error
{
public:
    SerialError(int number, SerialCause cause, const QString &port, const QStringList &details = {})
        : std::runtime_error("serial port failure"), m_number(number), m_cause(cause), m_port(port), m_details(details)
    {
    }
    int number() const { return m_number; }
    SerialCause cause() const { return m_cause; }
    QString port() const { return m_port; }
    QStringList details() const { return m_details; }
    QString detail(int index) const { return m_details.value(index); }

private:
    int m_number;
    SerialCause m_cause;
    QString m_port;
    QStringList m_details;
};

// The window's serial component, MSComm1: a stateful port object whose properties keep their
// values across exchanges. Failing operations throw SerialError.
class SerialPort
{
public:
    virtual ~SerialPort() = default;

    // COMn; set only while the port is closed.
    virtual void setCommPort(int number) = 0;
    virtual int commPort() const = 0;
    // Line settings such as "19200,N,8,1".
    virtual void setSettings(const QString &settings) = 0;
    // 0: a read takes everything waiting; 1: at most one byte.
    virtual void setInputLen(int length) = 0;
    // 1: byte mode.
    virtual void setInputMode(int mode) = 0;
    // Opening a missing or busy port throws; closing a closed port does nothing.
    virtual void setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    // Sends the bytes at once, in order.
    virtual void output(const QByteArray &bytes) = 0;
    // Takes bytes per InputLen; never waits; empty when nothing is waiting.
    virtual QByteArray input() = 0;
    virtual int inBufferCount() const = 0;
};

} // namespace orvesc
