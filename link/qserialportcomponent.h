#pragma once

#include "linesettings.h"
#include "portmap.h"
#include "serialport.h"

#include <QObject>

#include <functional>
#include <memory>

class QSerialPort;

namespace orvesc {

// The window's serial component on Qt Serial Port: COM numbers resolve through a PortMap, and
// every failure says in plain words which port failed and why (missing, held by another
// program, or not permitted to this user, with the group that grants it).
class QSerialPortComponent : public QObject, public SerialPort
{
    Q_OBJECT

public:
    // What access(2) says about reading and writing a device: 0, or the errno that forbids it.
    using AccessCheck = std::function<int(const QString &device)>;

    explicit QSerialPortComponent(PortMap portMap = PortMap(), QObject *parent = nullptr);
    ~QSerialPortComponent() override;

    const PortMap &portMap() const { return m_portMap; }
    // Tests run as root, where access(2) never refuses; they inject a refusal here.
    void setAccessCheck(AccessCheck check);

    // Stores the number even when it fails (outside 1..255, or no device has it), so that a
    // following open fails the same way. Throws while the port is open.
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

    // The resolved device of the open port (its canonical path); empty while closed.
    QString openDevice() const;

signals:
    // Bytes have arrived (Qt does not raise this again while a handler of it runs).
    void readyRead();

private:
    void open();
    void close();
    void applySettings();
    void onPortError(int error);
    void pullWaitingBytes() const;
    void requireOpen() const;
    QString portLabel() const;
    [[noreturn]] void throwOpenFailure(const QString &device, int error, const QString &systemText);

    PortMap m_portMap;
    std::unique_ptr<QSerialPort> m_port;
    AccessCheck m_accessCheck;
    LineSettings m_settings;
    int m_commPort = 1;
    int m_inputLen = 0;
    int m_inputMode = 0;
    // The device the port has open, or had open when the connection was lost.
    QString m_device;
    bool m_lost = false;
};

} // namespace orvesc
