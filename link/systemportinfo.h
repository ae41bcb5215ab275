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

} // namespace orvesc
