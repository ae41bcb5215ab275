#pragma once

#include "linesettings.h"
#include "portmap.h"
#include "serialport.h"

// What every serial component checks in the values its callers set, and the words it fails in, so
// that the Linux and the Windows component refuse alike.
namespace orvesc::portchecks {

inline void numberChangesOnlyWhileClosed(bool open, int current)
{
    if (open) {
        throw SerialError(serialerror::PortAlreadyOpen,
                          QStringLiteral("COM%1 is open: the port number can only change while the port is closed.")
                                  .arg(current));
    }
}

inline void numberInRange(int number)
{
    if (number < PortMap::FirstNumber || number > PortMap::LastNumber) {
        throw SerialError(serialerror::NoSuchPort,
                          QStringLiteral("COM%1 is not a port number this tool can use: the numbers run from "
                                         "COM%2 to COM%3.")
                                  .arg(number)
                                  .arg(PortMap::FirstNumber)
                                  .arg(PortMap::LastNumber));
    }
}

inline LineSettings lineSettings(const QString &settings)
{
    const std::optional<LineSettings> parsed = LineSettings::parse(settings);
    if (!parsed) {
        throw SerialError(serialerror::InvalidValue,
                          QStringLiteral("\"%1\" is not a line setting the serial port can take (it should read "
                                         "like 19200,N,8,1).")
                                  .arg(settings));
    }
    return *parsed;
}

inline void inputLength(int length)
{
    if (length < 0) {
        throw SerialError(serialerror::InvalidValue,
                          QStringLiteral("%1 is not a read length (0 reads everything waiting).").arg(length));
    }
}

inline void inputMode(int mode)
{
    if (mode != 0 && mode != 1)
        throw SerialError(serialerror::InvalidValue, QStringLiteral("%1 is not a read mode (0 text, 1 bytes).").arg(mode));
}

} // namespace orvesc::portchecks
