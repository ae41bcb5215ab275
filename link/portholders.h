#pragma once

#include <QString>
#include <QStringList>

#include "serialport.h"

#include <vector>

namespace orvesc {

// A process that has a device open.
struct HoldingProcess
{
    qint64 pid = 0;
    // Its program name as the system lists it (ps shows the same).
    QString program;
};

// The other processes this user may look into that hold the device open, found through
// /proc/<pid>/fd; programs that take no lock file show up here too. Other users' processes stay
// hidden from a normal user. Empty where the system has no /proc.
std::vector<HoldingProcess> processesHolding(const QString &device);

// Of the services known to take serial devices (ModemManager, brltty), those running now.
QStringList runningPortServices();

// Whether brltty, the braille-display service that claims USB serial adapters, is installed.
bool brlttyInstalled();

// Why COM<n> (device) is in use when its program took no lock file: the programs holding it where
// they can be seen, else the running services that take serial devices.
SerialError portInUse(const QString &port, const QString &device);

} // namespace orvesc
