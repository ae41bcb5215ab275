#pragma once

#include <QString>

namespace orvesc {
class PortMap;
}

namespace orvesc::cli {

class Console;

// A device's USB vendor and product ids as four hex digits, and the adapter's description (the
// product's name), manufacturer and name as people know it; empty for a device that is no USB
// adapter. Asks the system; opens nothing.
struct UsbIds
{
    QString vendor;
    QString product;
    QString description;
    QString manufacturer;
    QString name;
};
UsbIds usbIds(const QString &device);

// `ports`: COM1..COM21 as the window lists them (links first, then the system's ports), each with
// its device, USB vendor/product and adapter name where known, and a slow latency timer; a port
// that cannot be opened says why.
int listPorts(const PortMap &map, bool json, Console &console);

} // namespace orvesc::cli
