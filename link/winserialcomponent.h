#pragma once

#include "linesettings.h"
#include "portmap.h"
#include "serialport.h"

#include <QObject>

#include <qt_windows.h>

#include <atomic>
#include <memory>
#include <thread>

namespace orvesc {

// The window's serial component on the Win32 communications API: COMn is the system's \\.\COMn,
// failures say in the same words as on Linux which port failed and why. While the port is open, a
// watcher thread sleeps in an overlapped WaitCommEvent and posts readyRead to the owner's thread for
// each byte that arrives, which wakes its event loop: a waiter sleeps instead of polling.
class WinSerialComponent : public QObject, public SerialPort
{
    Q_OBJECT

public:
    explicit WinSerialComponent(PortMap portMap = PortMap(), QObject *parent = nullptr);
    ~WinSerialComponent() override;

    const PortMap &portMap() const { return m_portMap; }

    void setCommPort(int number) override;
    int commPort() const override;
    void setSettings(const QString &settings) override;
    void setInputLen(int length) override;
    void setInputMode(int mode) override;
    void setPortOpen(bool open) override;
    bool portOpen() const override;
    void output(const QByteArray &bytes) override;
    QByteArray input() override;
    int inBufferCount() const override;

    // The open port's name (COMn); empty while closed.
    QString openDevice() const;

signals:
    // Bytes have arrived.
    void readyRead();

private:
    void open();
    void close();
    void applySettings();
    void watch();
    void endWait();
    void onReceived();
    DWORD queued() const;
    void requireOpen() const;
    void lose();
    QString portLabel() const;
    [[noreturn]] void throwOpenFailure(DWORD error);

    PortMap m_portMap;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    // Ends the watcher: set by close().
    HANDLE m_stop = nullptr;
    // Set by the owner's thread each time it has taken a notice, so the watcher posts one at a time.
    HANDLE m_taken = nullptr;
    std::thread m_watcher;
    // The watcher's WaitCommEvent: its OVERLAPPED and the mask the system writes when the wait ends.
    // Never on the watcher's stack, since the system may end the wait only when the handle closes.
    struct CommWait
    {
        OVERLAPPED overlapped{};
        DWORD mask = 0;
        // Left pending by the watcher: close() waits for its end once the handle is closed.
        bool pending = false;
    };
    std::unique_ptr<CommWait> m_wait;
    mutable std::atomic<bool> m_gone{false};
    LineSettings m_settings;
    int m_commPort = 1;
    int m_inputLen = 0;
    int m_inputMode = 0;
    QString m_device;
    mutable bool m_lost = false;
};

} // namespace orvesc
