#pragma once

namespace orvesc::cli {

class Console;
struct CliSetup;

// `ports --watch`: the ports as `+ COM3 /dev/ttyUSB1 0403:6001` lines, then a line for each port
// that appears (+) or vanishes (-), until SIGINT or SIGTERM; with `json` one object a line. It
// follows the window's port watcher, so it opens no port and sends nothing.
int watchPorts(const CliSetup &setup, bool json, Console &console);

} // namespace orvesc::cli
