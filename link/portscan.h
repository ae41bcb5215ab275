#pragma once

#include "serialport.h"

#include <vector>

namespace orvesc {

constexpr int FirstScannedPort = 1;
constexpr int LastScannedPort = 21;

// The numbers from 1 to 21 that the component can set and open, in ascending order. Each port
// is opened and closed again; a failure leaves the number out. Ports that exist but could not be
// opened (busy, not permitted) go to `refused` with the component's description, so that a search
// that finds no ESC can name them.
std::vector<int> scanPorts(SerialPort &port, std::vector<SerialError> *refused = nullptr);

} // namespace orvesc
