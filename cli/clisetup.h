#pragma once

#include "clioptions.h"
#include "portmap.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvesc::cli {

// Where the command line finds its ports and keeps its backups: the port-link folder, the
// system's serial ports and the window's backup folder. ORVESC_PORT_LINKS names another link
// folder, ORVESC_SYSTEM_PORTS (colon-separated, empty for none) replaces the system's list and
// ORVESC_BACKUPS another backup folder, so tests reach only their simulators and folders.
struct CliSetup
{
    QString linkFolder;
    std::optional<QStringList> systemPorts;
    QString backupFolder;

    static CliSetup fromEnvironment();

    // The map the window would build; device paths given with --port join the system's ports so
    // that they get a COM number of their own.
    PortMap portMap(const QStringList &extraDevices = {}) const;
};

// A port to work on: its COM number in the map and how the user knows it.
struct PortTarget
{
    int number = 0;
    QString label;   // "COM3"
    QString device;  // what the number names now
};

// The ports named with --port, resolved in one map; an error text for a device no number names.
struct ResolvedPorts
{
    PortMap map;
    std::vector<PortTarget> targets;
    QString error;
};
ResolvedPorts resolvePorts(const CliSetup &setup, const QList<PortArgument> &ports);

PortTarget portTarget(const PortMap &map, int number);
// How the user knows COMn: the device path given with --port that it was lent to, or "COMn".
// resolvePorts() records the paths; a run without --port forgets those of the run before.
QString portName(int number);
void forgetPortNames();

} // namespace orvesc::cli
