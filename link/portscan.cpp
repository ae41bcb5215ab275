#include "portscan.h"

namespace orvesc {

std::vector<int> scanPorts(SerialPort &port, std::vector<SerialError> *refused)
{
    std::vector<int> found;
    for (int number = FirstScannedPort; number <= LastScannedPort; ++number) {
        bool usable = true;
        try {
            port.setCommPort(number);
        } catch (const SerialError &) {
            usable = false;
        }
        // After a refused number the component may still hold the previous one: opening that
        // would only touch a port that is not being scanned.
        if (usable) {
            try {
                port.setPortOpen(true);
            } catch (const SerialError &error) {
                usable = false;
                if (refused && error.number() != serialerror::NoSuchPort)
                    refused->push_back(error);
            }
        }
        if (usable)
            found.push_back(number);
        try {
            port.setPortOpen(false);
        } catch (const SerialError &) {
        }
    }
    return found;
}

} // namespace orvesc
