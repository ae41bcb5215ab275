#include "systemserialport.h"

#include "qserialportcomponent.h"

namespace orvesc {

std::unique_ptr<SerialPort> createSystemSerialPort(const PortMap &map)
{
    return std::make_unique<QSerialPortComponent>(map);
}

} // namespace orvesc
