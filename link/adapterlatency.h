#pragma once

#include <QString>

#include <optional>

class QSettings;

namespace orvesc {

// USB-serial chips hold received bytes until their latency timer runs out (FTDI's: 16 ms unless
// set lower), so each one-byte reply of the ESC can wait that long in the adapter.

// Asks the driver behind an open port to hand bytes over at once (ASYNC_LOW_LATENCY; ftdi_sio then
// sets its chip's timer to 1 ms). A driver or pseudo-terminal that refuses is left as it is.
void requestLowLatency(int fd);

// The latency timer of the USB adapter behind a device (a path or port link; on Windows COMn), in
// milliseconds, where the system tells it: on Linux the ftdi_sio driver's latency_timer under
// sysfsDevices, on Windows the FTDI driver's setting in the registry. Nothing for other adapters.
std::optional<int> adapterLatencyMs(const QString &device,
                                    const QString &sysfsDevices = QStringLiteral("/sys/bus/usb-serial/devices"));

// The FTDI driver's LatencyTimer for a COM port, from its registry tree FTDIBUS (the device\instance
// whose "Device Parameters" hold that PortName). Reads only: changing it needs administrator rights.
std::optional<int> ftdiRegistryLatencyMs(QSettings &ftdibus, const QString &portName);

} // namespace orvesc
