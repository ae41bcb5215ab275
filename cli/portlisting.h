#pragma once

namespace orvesc {
class PortMap;
}

namespace orvesc::cli {

class Console;

// `ports`: COM1..COM21 as the window lists them (links first, then the system's ports), each with
// its device and USB vendor/product where known; a port that cannot be opened says why.
int listPorts(const PortMap &map, bool json, Console &console);

} // namespace orvesc::cli
