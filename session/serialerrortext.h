#pragma once

#include "portmap.h"
#include "serialport.h"

#include <QString>

namespace orvesc {

// A failure of the serial component in words a hobbyist understands: the port and the cause,
// with what to do about it.
QString serialErrorText(const SerialError &error);

// COMn's device as a port list shows it, and the link when a link names it.
QString portToolTip(const PortMap &map, int number);

// A USB adapter that appeared and vanished again at once while brltty is installed.
QString vanishingAdapterText(const QString &device);

} // namespace orvesc
