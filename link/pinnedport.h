#pragma once

#include "forwardingport.h"
#include "portmap.h"

#include <QString>

namespace orvesc {

// Keeps a session's exchanges on the device where CONNECT found the ESC. While pinned, every open
// first sets the COM number that names that device now, so a port scan that left the component
// on another number, a renumbering after an adapter came or went, or a rescan never sends a byte
// elsewhere; when no number names the device any more the open fails, saying so, and nothing is
// sent (PortGone, which the caller words). Every other call passes through unchanged.
class PinnedPort : public ForwardingPort
{
public:
    PinnedPort(SerialPort &inner, const PortMap &map);

    // Pins the device that the last open reached on COM<number> (what the number names now where
    // it was not opened unpinned); false (and unpinned) where there is none.
    bool pin(int number);
    void unpin();
    bool isPinned() const { return !m_canonical.isEmpty(); }
    // The number and device as they were when pinned, for messages.
    int pinnedNumber() const { return m_number; }
    QString pinnedDevice() const { return m_device; }
    // The device is known to have vanished (the port watcher saw it go): even if a device of the
    // same name appears again, it may be another adapter, so the pin stays broken until the next
    // pin().
    void markGone() { m_gone = isPinned(); }
    // The COM number that names the pinned device now, or 0 when it is gone.
    int currentNumber() const;

    void setPortOpen(bool open) override;

private:
    const PortMap &m_map;
    int m_number = 0;
    QString m_device;
    QString m_canonical;
    bool m_gone = false;
    // What the last open while unpinned reached.
    int m_openedNumber = 0;
    QString m_openedDevice;
};

} // namespace orvesc
