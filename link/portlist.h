#pragma once

#include "portmap.h"
#include "serialport.h"

#include <QString>

#include <vector>

namespace orvesc {

// The ports this tool lists, searches and watches: COM1 to COM21.
constexpr int FirstListedPort = 1;
constexpr int LastListedPort = 21;

struct ListedPort
{
    int number = 0;
    QString device;
};

// The one list of ports every part of the tool works from: COM1..COM21 whose device is there now
// (PortMap::present), in ascending order, found without opening any of them.
std::vector<ListedPort> listedPorts(const PortMap &map);

// Every number the map names opened and closed again one by one: those that open, and why the
// listed ones that would not did not (busy, not permitted), so that a search that finds no ESC
// can name them.
struct PortScan
{
    std::vector<int> usable;
    std::vector<SerialError> refused;
};
PortScan scanPorts(SerialPort &component, const PortMap &map);

} // namespace orvesc
