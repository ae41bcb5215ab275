#pragma once

#include "serialport.h"

namespace orvesc {

// A serial component that passes every call on to another one: the base of decorators that
// change one or two calls and leave the rest alone.
class ForwardingPort : public SerialPort
{
public:
    explicit ForwardingPort(SerialPort &inner) : m_inner(inner) {}

    void setCommPort(int number) override { m_inner.setCommPort(number); }
    int commPort() const override { return m_inner.commPort(); }
    void setSettings(const QString &settings) override { m_inner.setSettings(settings); }
    void setInputLen(int length) override { m_inner.setInputLen(length); }
    void setInputMode(int mode) override { m_inner.setInputMode(mode); }
    void setPortOpen(bool open) override { m_inner.setPortOpen(open); }
    bool portOpen() const override { return m_inner.portOpen(); }
    void output(const QByteArray &bytes) override { m_inner.output(bytes); }
    QByteArray input() override { return m_inner.input(); }
    int inBufferCount() const override { return m_inner.inBufferCount(); }

protected:
    SerialPort &m_inner;
};

} // namespace orvesc
