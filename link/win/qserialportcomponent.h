#pragma once

// Stands in for the Qt Serial Port component on Windows until every front end takes its component
// from createSystemSerialPort(); remove it then.
#include "winserialcomponent.h"

namespace orvesc {

using QSerialPortComponent = WinSerialComponent;

} // namespace orvesc
