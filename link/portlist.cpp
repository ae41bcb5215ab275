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
    // Opening is what tells: every number the map names is tried (on Windows the system's list may
    // lag a driver's port), and a failure counts only for a port that is there.
    PortScan scan;
    for (int number = FirstListedPort; number <= LastListedPort; ++number) {
        if (map.device(number).isEmpty())
            continue;
        try {
            component.setCommPort(number);
            component.setPortOpen(true);
            scan.usable.push_back(number);
        } catch (const SerialError &error) {
            if (error.number() != serialerror::NoSuchPort && map.present(number))
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
