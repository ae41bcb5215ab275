#pragma once

#include <QString>

namespace orvesc {
class PortMap;
}

namespace orvesc::cli {

class Console;

// A device's USB vendor and product ids as four hex digits, and the adapter's description; empty
// for a device that is no USB adapter. Asks the system; opens nothing.
struct UsbIds
{
    QString vendor;
    QString product;
    QString description;
};
UsbIds usbIds(const QString &device);

// `ports`: COM1..COM21 as the window lists them (links first, then the system's ports), each with
// its device and USB vendor/product where known; a port that cannot be opened says why.
int listPorts(const PortMap &map, bool json, Console &console);

} // namespace orvesc::cli
