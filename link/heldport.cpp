#include "heldport.h"

namespace orvesc {

namespace {

// Runs a call on the line; a failure closes the port for real first, so that the next open
// finds the device anew.
template<typename Call>
auto closingOnFailure(SerialPort &inner, Call call)
{
    try {
        return call();
    } catch (const SerialError &) {
        try {
            inner.setPortOpen(false);
        } catch (const SerialError &) {
        }
        throw;
    }
}

} // namespace

HeldPort::HeldPort(SerialPort &inner, std::unique_ptr<SerialPort> owned)
    : ForwardingPort(inner), m_owned(std::move(owned))
{
}

HeldPort::~HeldPort()
{
    try {
        m_inner.setPortOpen(false);
    } catch (const SerialError &) {
    }
}

void HeldPort::release()
{
    m_open = false;
    try {
        m_inner.setPortOpen(false);
    } catch (const SerialError &) {
    }
}

void HeldPort::setCommPort(int number)
{
    if (m_open) {
        throw SerialError(serialerror::PortAlreadyOpen, SerialCause::AlreadyOpen,
                          QStringLiteral("COM%1").arg(m_inner.commPort()));
    }
    if (m_inner.portOpen() && number == m_inner.commPort())
        return;
    m_inner.setPortOpen(false);
    m_inner.setCommPort(number);
}

void HeldPort::setPortOpen(bool open)
{
    if (!open) {
        m_open = false;
        return;
    }
    if (m_open) {
        throw SerialError(serialerror::PortAlreadyOpen, SerialCause::AlreadyOpen,
                          QStringLiteral("COM%1").arg(m_inner.commPort()));
    }
    if (m_inner.portOpen()) {
        // What came while no exchange had the port open belongs to none, as after a real open.
        try {
            closingOnFailure(m_inner, [this] {
                while (m_inner.inBufferCount() > 0)
                    m_inner.input();
                return 0;
            });
        } catch (const SerialError &) {
        }
    }
    if (!m_inner.portOpen())
        m_inner.setPortOpen(true);
    m_open = true;
}

bool HeldPort::portOpen() const
{
    return m_open;
}

void HeldPort::requireOpen() const
{
    if (!m_open)
        throw SerialError(serialerror::PortNotOpen, SerialCause::NotOpen, QStringLiteral("COM%1").arg(m_inner.commPort()));
}

void HeldPort::output(const QByteArray &bytes)
{
    requireOpen();
    closingOnFailure(m_inner, [&] {
        m_inner.output(bytes);
        return 0;
    });
}

QByteArray HeldPort::input()
{
    requireOpen();
    return closingOnFailure(m_inner, [this] { return m_inner.input(); });
}

int HeldPort::inBufferCount() const
{
    requireOpen();
    return closingOnFailure(m_inner, [this] { return m_inner.inBufferCount(); });
}

} // namespace orvesc
