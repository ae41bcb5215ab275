#pragma once

#include <QString>
#include <QStringList>

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

// What to tell the user when COM<n> (device) is in use by a program that took no lock file: the
// program where it can be seen, else the running services that take serial devices, each with
// what to do.
QString portInUseMessage(const QString &port, const QString &device);

// The hint for a USB adapter that appeared and vanished again at once while brltty is installed.
QString vanishingAdapterMessage(const QString &device);

} // namespace orvesc
