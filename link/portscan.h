#pragma once

#include "serialport.h"

#include <vector>

namespace orvesc {

constexpr int FirstScannedPort = 1;
constexpr int LastScannedPort = 21;

// The numbers from 1 to 21 that the component can set and open, in ascending order. Each port
// is opened and closed again; a failure leaves the number out and is never shown.
std::vector<int> scanPorts(SerialPort &port);

} // namespace orvesc
