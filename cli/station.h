#pragma once

#include <atomic>

namespace orvesc::cli {

class Console;
class JobSetup;
struct CliRequest;
struct CliSetup;

// write --station: a production loop on one cable. Waits for an ESC to answer (one probe a
// second), writes and verifies it, prints PASS or FAIL with the model and the running counts
// (the bell on FAIL), waits until that ESC stops answering, and starts over until Ctrl+C
// (SIGINT or SIGTERM, caught while the loop runs) or `stop`; then prints the summary. Returns the highest exit code of the ESCs programmed.
int runStation(const CliRequest &request, const CliSetup &setup, JobSetup &job, Console &console,
               const std::atomic<bool> *stop);

} // namespace orvesc::cli
