#include "pinnedport.h"

#include <QFileInfo>

namespace orvesc {

namespace {

// Two names of one device (a link and its target) are the same device.
QString identity(const QString &device)
{
#ifdef Q_OS_WIN
    return device.toUpper();
#else
    return device.isEmpty() ? QString() : QFileInfo(device).canonicalFilePath();
#endif
}

} // namespace

PinnedPort::PinnedPort(SerialPort &inner, const PortMap &map)
    : ForwardingPort(inner), m_map(map)
{
}

bool PinnedPort::pin(int number)
{
    m_number = number;
    // The device the identification talked to, not what the number names by now.
    m_device = number == m_openedNumber ? m_openedDevice : m_map.device(number);
    m_canonical = identity(m_device);
    m_gone = false;
    return isPinned();
}

void PinnedPort::unpin()
{
    m_number = 0;
    m_device.clear();
    m_canonical.clear();
    m_gone = false;
}

int PinnedPort::currentNumber() const
{
    if (!isPinned() || m_gone)
        return 0;
    if (identity(m_map.device(m_number)) == m_canonical)
        return m_number;
    for (int number = PortMap::FirstNumber; number <= PortMap::LastNumber; ++number) {
        if (number != m_number && identity(m_map.device(number)) == m_canonical)
            return number;
    }
    return 0;
}

void PinnedPort::setPortOpen(bool open)
{
    if (open && isPinned()) {
        const int number = currentNumber();
        if (number == 0)
            throw SerialError(serialerror::PortGone, SerialCause::Gone, QStringLiteral("COM%1 (%2)").arg(m_number).arg(m_device));
        if (number != m_inner.commPort())
            m_inner.setCommPort(number);
    } else if (open) {
        // The component resolves the number the same way, with no event in between.
        m_openedNumber = m_inner.commPort();
        m_openedDevice = m_map.device(m_openedNumber);
    }
    m_inner.setPortOpen(open);
}

} // namespace orvesc
