#pragma once

#include "linesettings.h"
#include "portmap.h"
#include "serialport.h"

#include <QObject>
#include <QTimer>
#include <QWinEventNotifier>

#include <qt_windows.h>

namespace orvesc {

// The window's serial component on the Win32 communications API: COMn is the system's \\.\COMn,
// failures say in the same words as on Linux which port failed and why. A received byte wakes the
// thread's event loop through an overlapped WaitCommEvent, so a waiter sleeps instead of polling.
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
    void armWait();
    void onCommEvent();
    DWORD queued() const;
    void requireOpen() const;
    void lose();
    QString portLabel() const;
    [[noreturn]] void throwOpenFailure(DWORD error);

    PortMap m_portMap;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    OVERLAPPED m_waitOverlapped{};
    DWORD m_eventMask = 0;
    bool m_waitPending = false;
    QWinEventNotifier m_notifier;
    // Only where the system cannot wait for a byte (WaitCommEvent refused): a coarse look instead.
    QTimer m_fallbackPoll;
    LineSettings m_settings;
    int m_commPort = 1;
    int m_inputLen = 0;
    int m_inputMode = 0;
    QString m_device;
    mutable bool m_lost = false;
};

} // namespace orvesc
