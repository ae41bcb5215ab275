#pragma once

#include "clioptions.h"
#include "portmap.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvesc::cli {

// Where the command line finds its ports: the port-link folder and the system's serial ports.
// ORVESC_PORT_LINKS names another link folder and ORVESC_SYSTEM_PORTS (colon-separated, empty
// for none) replaces the system's list, so tests reach only their simulators.
struct PortSetup
{
    QString linkFolder;
    std::optional<QStringList> systemPorts;

    static PortSetup fromEnvironment();

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
ResolvedPorts resolvePorts(const PortSetup &setup, const QList<PortArgument> &ports);

PortTarget portTarget(const PortMap &map, int number);

} // namespace orvesc::cli
