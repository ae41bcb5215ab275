#include "winserialcomponent.h"

#include "deviceloss.h"
#include "portchecks.h"
#include "portholders.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvesc {

namespace {

// The system's own words for an error, without the trailing full stop and line break.
QString systemText(DWORD error)
{
    wchar_t *buffer = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                                  | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    ::LocalFree(buffer);
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// deviceloss.h spells winerror.h's values as plain numbers, so that its reading is tested on Linux too
// (mingw-w64's winerror.h lacks ERROR_NO_SUCH_DEVICE).
static_assert(winerror::FileNotFound == ERROR_FILE_NOT_FOUND && winerror::AccessDenied == ERROR_ACCESS_DENIED
              && winerror::InvalidHandle == ERROR_INVALID_HANDLE && winerror::NotReady == ERROR_NOT_READY
              && winerror::BadCommand == ERROR_BAD_COMMAND && winerror::GenFailure == ERROR_GEN_FAILURE
              && winerror::DevNotExist == ERROR_DEV_NOT_EXIST && winerror::OperationAborted == ERROR_OPERATION_ABORTED
              && winerror::DeviceNotConnected == ERROR_DEVICE_NOT_CONNECTED
              && winerror::DeviceRemoved == ERROR_DEVICE_REMOVED);
using winerror::meansDeviceGone;

// One overlapped transfer on the port, waited for: the timeouts make reads return at once and
// bound writes, so the wait is short.
bool transfer(HANDLE handle, bool write, void *data, DWORD size, DWORD *done)
{
    OVERLAPPED overlapped{};
    overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!overlapped.hEvent)
        return false;
    BOOL ok = write ? ::WriteFile(handle, data, size, nullptr, &overlapped)
                    : ::ReadFile(handle, data, size, nullptr, &overlapped);
    if (ok || ::GetLastError() == ERROR_IO_PENDING)
        ok = ::GetOverlappedResult(handle, &overlapped, done, TRUE);
    const DWORD error = ::GetLastError();
    ::CloseHandle(overlapped.hEvent);
    ::SetLastError(error);
    return ok;
}

} // namespace

WinSerialComponent::WinSerialComponent(PortMap portMap, QObject *parent)
    : QObject(parent), m_portMap(std::move(portMap))
{
    m_stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_taken = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_wait = std::make_unique<CommWait>();
    m_wait->overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

WinSerialComponent::~WinSerialComponent()
{
    close();
    ::CloseHandle(m_stop);
    ::CloseHandle(m_taken);
    ::CloseHandle(m_wait->overlapped.hEvent);
}

QString WinSerialComponent::portLabel() const
{
    return QStringLiteral("COM%1").arg(m_commPort);
}

void WinSerialComponent::setCommPort(int number)
{
    portchecks::numberChangesOnlyWhileClosed(portOpen(), m_commPort);
    m_commPort = number;
    m_lost = false;
    portchecks::numberInRange(number);
}

int WinSerialComponent::commPort() const
{
    return m_commPort;
}

void WinSerialComponent::setSettings(const QString &settings)
{
    m_settings = portchecks::lineSettings(settings);
    if (portOpen())
        applySettings();
}

void WinSerialComponent::applySettings()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    bool applied = ::GetCommState(m_handle, &dcb);
    if (applied) {
        dcb.BaudRate = DWORD(m_settings.baudRate);
        dcb.ByteSize = BYTE(m_settings.dataBits);
        switch (m_settings.parity) {
        case 'E':
            dcb.Parity = EVENPARITY;
            break;
        case 'O':
            dcb.Parity = ODDPARITY;
            break;
        case 'M':
            dcb.Parity = MARKPARITY;
            break;
        case 'S':
            dcb.Parity = SPACEPARITY;
            break;
        default:
            dcb.Parity = NOPARITY;
        }
        dcb.StopBits = m_settings.stopBits == 2 ? TWOSTOPBITS : m_settings.stopBits == 1.5 ? ONE5STOPBITS : ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = dcb.Parity != NOPARITY;
        // No flow control; DTR and RTS up, as Qt Serial Port leaves them on Linux (the cable is powered by them).
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fNull = FALSE;
        dcb.fAbortOnError = FALSE;
        applied = ::SetCommState(m_handle, &dcb);
    }
    if (applied) {
        // Reads take what is waiting and return at once; a write may take a second at most.
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.WriteTotalTimeoutConstant = 1000;
        applied = ::SetCommTimeouts(m_handle, &timeouts);
    }
    if (!applied) {
        const QString reason = systemText(::GetLastError());
        throw SerialError(serialerror::SetupFailed, SerialCause::SettingsRefused, portLabel(),
                          {m_settings.text(), reason});
    }
}

void WinSerialComponent::setInputLen(int length)
{
    portchecks::inputLength(length);
    m_inputLen = length;
}

void WinSerialComponent::setInputMode(int mode)
{
    portchecks::inputMode(mode);
    m_inputMode = mode;
}

void WinSerialComponent::setPortOpen(bool open)
{
    if (open)
        this->open();
    else
        close();
}

bool WinSerialComponent::portOpen() const
{
    return m_handle != INVALID_HANDLE_VALUE;
}

void WinSerialComponent::open()
{
    if (portOpen())
        throw SerialError(serialerror::PortAlreadyOpen, SerialCause::AlreadyOpen, QStringLiteral("COM%1").arg(m_commPort));
    m_lost = false;
    setCommPort(m_commPort);

    const QString device = m_portMap.device(m_commPort);
    const std::wstring path = (QStringLiteral("\\\\.\\") + device).toStdWString();
    m_handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE)
        throwOpenFailure(::GetLastError());
    m_device = device;
    try {
        applySettings();
    } catch (...) {
        ::CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        throw;
    }
    // Bytes that reached the line before this open belong to no exchange of ours.
    ::PurgeComm(m_handle, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    ::SetCommMask(m_handle, EV_RXCHAR);
    ::ResetEvent(m_stop);
    ::ResetEvent(m_taken);
    m_gone = false;
    m_watcher = std::thread([this] { watch(); });
}

void WinSerialComponent::close()
{
    m_lost = false;
    if (!portOpen())
        return;
    ::SetEvent(m_stop);
    if (m_watcher.joinable())
        m_watcher.join();
    ::PurgeComm(m_handle, PURGE_RXCLEAR | PURGE_RXABORT);
    ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    endWait();
}

void WinSerialComponent::lose()
{
    close();
    m_lost = true;
}

void WinSerialComponent::throwOpenFailure(DWORD error)
{
    m_handle = INVALID_HANDLE_VALUE;
    const QString port = portLabel();
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        throw SerialError(serialerror::NoSuchPort, SerialCause::DeviceMissing, port);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        // Windows opens a port for one program at a time: a refusal means another one holds it.
        throw portInUse(port, m_portMap.device(m_commPort));
    default: {
        const QString reason = systemText(error);
        throw SerialError(serialerror::OpenFailed, SerialCause::OpenFailed, port, {reason});
    }
    }
}

void WinSerialComponent::requireOpen() const
{
    if (portOpen())
        return;
    if (m_lost) {
        throw SerialError(serialerror::ConnectionLost, SerialCause::ConnectionLost, portLabel());
    }
    throw SerialError(serialerror::PortNotOpen, SerialCause::NotOpen, QStringLiteral("COM%1").arg(m_commPort));
}

DWORD WinSerialComponent::queued() const
{
    COMSTAT status{};
    DWORD errors = 0;
    if (!::ClearCommError(m_handle, &errors, &status)) {
        if (meansDeviceGone(::GetLastError()))
            m_gone = true;
        return 0;
    }
    return status.cbInQue;
}

void WinSerialComponent::output(const QByteArray &bytes)
{
    requireOpen();
    QByteArray data = bytes;
    DWORD written = 0;
    const bool sent = transfer(m_handle, true, data.data(), DWORD(data.size()), &written);
    const DWORD error = sent ? ERROR_SUCCESS : ::GetLastError();
    if (!sent && meansDeviceGone(error))
        lose();
    requireOpen();
    if (!sent || written != DWORD(bytes.size())) {
        const QString reason = sent ? QString() : systemText(error);
        throw SerialError(serialerror::WriteFailed, SerialCause::WriteFailed, portLabel(), {reason});
    }
}

QByteArray WinSerialComponent::input()
{
    requireOpen();
    const DWORD waiting = queued();
    if (m_gone)
        lose();
    requireOpen();
    const DWORD wanted = m_inputLen == 0 ? waiting : std::min<DWORD>(waiting, DWORD(m_inputLen));
    if (wanted == 0)
        return QByteArray();
    QByteArray bytes(int(wanted), '\0');
    DWORD read = 0;
    if (!transfer(m_handle, false, bytes.data(), wanted, &read)) {
        const DWORD error = ::GetLastError();
        if (meansDeviceGone(error))
            lose();
        requireOpen();
        throw SerialError(serialerror::ReadFailed, SerialCause::ReadFailed, portLabel(), {systemText(error)});
    }
    bytes.resize(int(read));
    return bytes;
}

int WinSerialComponent::inBufferCount() const
{
    requireOpen();
    const DWORD waiting = queued();
    if (m_gone)
        const_cast<WinSerialComponent *>(this)->lose();
    requireOpen();
    return int(std::min<DWORD>(waiting, DWORD(std::numeric_limits<std::int16_t>::max())));
}

QString WinSerialComponent::openDevice() const
{
    return portOpen() ? m_device : QString();
}

} // namespace orvesc
