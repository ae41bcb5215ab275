#pragma once

// The concrete serial component of this system, for tests and benchmarks that listen to its signals.
// Front ends take theirs from createSystemSerialPort() and see only the SerialPort interface.
#ifdef _WIN32
#include "winserialcomponent.h"
#else
#include "qserialportcomponent.h"
#endif

namespace orvesc {

#ifdef _WIN32
using SystemSerialComponent = WinSerialComponent;
#else
using SystemSerialComponent = QSerialPortComponent;
#endif

} // namespace orvesc
