#include "portlist.h"

namespace orvesc {

std::vector<ListedPort> listedPorts(const PortMap &map)
{
    std::vector<ListedPort> ports;
    for (int number = FirstListedPort; number <= LastListedPort; ++number) {
        if (map.present(number))
            ports.push_back({number, map.device(number)});
    }
    return ports;
}

PortScan scanPorts(SerialPort &component, const PortMap &map)
{
    PortScan scan;
    for (const ListedPort &port : listedPorts(map)) {
        try {
            component.setCommPort(port.number);
            component.setPortOpen(true);
            scan.usable.push_back(port.number);
        } catch (const SerialError &error) {
            // Gone between the look and the open: no port to name.
            if (error.number() != serialerror::NoSuchPort)
                scan.refused.push_back(error);
        }
        try {
            component.setPortOpen(false);
        } catch (const SerialError &) {
        }
    }
    return scan;
}

} // namespace orvesc
