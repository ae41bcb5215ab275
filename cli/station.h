#pragma once

#include <atomic>

namespace orvesc::cli {

class Console;
class JobSetup;
struct CliRequest;
struct CliSetup;

// write --station: a production loop on one cable, the port --port names or, without it, the only
// port listed; no other port is ever opened. Waits for an ESC to answer (one probe a second),
// writes and verifies it, prints PASS or FAIL with the model and the running counts (the bell on
// FAIL), waits until that ESC stops answering, and starts over until Ctrl+C (SIGINT or SIGTERM) or
// `stop`; then prints the summary. The first Ctrl+C lets the ESC being programmed finish, a second
// cuts it short. Returns the highest exit code of the ESCs programmed, 130 when one was cut short.
int runStation(const CliRequest &request, const CliSetup &setup, JobSetup &job, Console &console,
               const std::atomic<bool> *stop);

} // namespace orvesc::cli
