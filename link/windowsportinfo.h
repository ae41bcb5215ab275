#pragma once

#include "systemportinfo.h"

#include <QString>

// What Windows tells about a COM port's adapter, put together from plain strings, so that the reading
// is tested on every system.
namespace orvesc::windowsport {

// The port's name in a device as the callers pass it: "COM3", "\\.\COM3" or a path ending in COM3.
QString comName(const QString &device);

// A port's SetupAPI entry: the friendly name Device Manager shows (its " (COM3)" dropped, as the caller
// names the port itself), the manufacturer, and the vendor and product ids of a USB hardware id
// (USB\VID_0403&PID_6001&REV_0600, or FTDIBUS\COMPORT&VID_0403&PID_6001 of FTDI's own bus driver).
SystemPortInfo fromSetupApi(const QString &port, const QString &friendlyName, const QString &manufacturer,
                            const QString &hardwareId);

} // namespace orvesc::windowsport
