#include "systemserialport.h"

#include "qserialportcomponent.h"
#include "systemportinfo.h"

#include <QSerialPortInfo>

namespace orvesc {

std::unique_ptr<SerialPort> createSystemSerialPort(const PortMap &map)
{
    return std::make_unique<QSerialPortComponent>(map);
}

QStringList PortMap::reportedSystemPorts()
{
    QStringList ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports << info.systemLocation();
    return ports;
}

std::optional<SystemPortInfo> systemPortInfo(const QString &device)
{
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        if (info.systemLocation() != device)
            continue;
        SystemPortInfo result;
        if (info.hasVendorIdentifier())
            result.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            result.productId = info.productIdentifier();
        result.manufacturer = info.manufacturer();
        result.description = info.description();
        result.serialNumber = info.serialNumber();
        return result;
    }
    return std::nullopt;
}

} // namespace orvesc
