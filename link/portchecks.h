#pragma once

#include "linesettings.h"
#include "portmap.h"
#include "serialport.h"

// What every serial component checks in the values its callers set, so that the Linux and the
// Windows component refuse alike.
namespace orvesc::portchecks {

inline void numberChangesOnlyWhileClosed(bool open, int current)
{
    if (open) {
        throw SerialError(serialerror::PortAlreadyOpen, SerialCause::NumberWhileOpen, QStringLiteral("COM%1").arg(current));
    }
}

inline void numberInRange(int number)
{
    if (number < PortMap::FirstNumber || number > PortMap::LastNumber) {
        throw SerialError(serialerror::NoSuchPort, SerialCause::OutOfRange, QStringLiteral("COM%1").arg(number));
    }
}

inline LineSettings lineSettings(const QString &settings)
{
    const std::optional<LineSettings> parsed = LineSettings::parse(settings);
    if (!parsed) {
        throw SerialError(serialerror::InvalidValue, SerialCause::BadLineSettings, QString(), {settings});
    }
    return *parsed;
}

inline void inputLength(int length)
{
    if (length < 0) {
        throw SerialError(serialerror::InvalidValue, SerialCause::BadReadLength, QString(), {QString::number(length)});
    }
}

inline void inputMode(int mode)
{
    if (mode != 0 && mode != 1)
        throw SerialError(serialerror::InvalidValue, SerialCause::BadReadMode, QString(), {QString::number(mode)});
}

} // namespace orvesc::portchecks
