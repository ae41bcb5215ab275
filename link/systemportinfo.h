#pragma once

#include <QString>

#include <optional>

namespace orvesc {

// What the system tells about a serial device beyond its name: the USB adapter behind it.
struct SystemPortInfo
{
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString manufacturer;
    QString description;
    QString serialNumber;
};

// The system's description of a device (as the port map names it), or nothing where the system
// does not list it.
std::optional<SystemPortInfo> systemPortInfo(const QString &device);
// The same for a port's device as the port map gives it, a port link resolved to its device.
std::optional<SystemPortInfo> systemPortInfoOf(const QString &deviceOrLink);

// The adapter's name as people know it, from the names it gives itself ("FTDI FT232R USB UART"):
// the manufacturer unless the product starts with it, and neither where the system only repeats
// the USB ids in their place (a chip without name strings); empty when nothing is left.
QString adapterName(const SystemPortInfo &info);
// The adapter's name of a port's device where the system gives one, with `line` below it; else line.
QString withAdapterName(const QString &line, const QString &deviceOrLink);

} // namespace orvesc
