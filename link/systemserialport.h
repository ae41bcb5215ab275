#pragma once

#include "portmap.h"
#include "serialport.h"

#include <memory>

namespace orvesc {

// The serial component of this system: Qt Serial Port's on Linux, the Win32 communications API's on Windows.
std::unique_ptr<SerialPort> createSystemSerialPort(const PortMap &map);

} // namespace orvesc
