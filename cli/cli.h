#pragma once

#include <QStringList>

#include <atomic>

namespace orvesc::cli {

class Console;
struct CliSetup;

// The whole command line: parses the arguments (program name first), runs the command on the
// ports of `setup`, writes to `console` and returns the exit code. `stop` ends a station run
// (Ctrl+C).
int runCli(const QStringList &arguments, const CliSetup &setup, Console &console,
           const std::atomic<bool> *stop = nullptr);

} // namespace orvesc::cli
