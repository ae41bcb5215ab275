#pragma once

#include "backupkeeper.h"
#include "portsession.h"
#include "portrunner.h"
#include "settingsapply.h"
#include "settingsplan.h"
#include "tracesink.h"

#include <QString>

#include <array>
#include <cstdint>

#include <vector>

namespace orvesc::cli {

class Console;
struct CliRequest;

// What read, write, default and verify need besides the port, prepared once before any port is
// opened, so that a bad file or a refused --set stops the run before a byte is sent.
class JobSetup
{
public:
    // Reads the file and the --set changes and checks them; an error text when they cannot be
    // used.
    QString prepare(const CliRequest &request);
    // The decorator --trace puts around each port's component, or none.
    PortSession::PortWrapper portWrapper() { return trace.portWrapper(); }

    const CliRequest *request = nullptr;
    Console *console = nullptr;
    SettingRequests requests;
    int fileModel = 0;  // the model code of the file, 0 without one
    QString fileModelName;
    TraceSink trace;
    // Where the settings an ESC reported are kept before a write.
    BackupKeeper backups;
};

PortResult readJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates);
PortResult writeJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates);
// A write on an ESC that CONNECT has found and read (the station's), its report in `reported`.
PortResult writeConnected(JobSetup &setup, PortSession &session, const std::array<std::int16_t, 12> &reported,
                          PortResult result);
PortResult verifyJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates);

// What a CONNECT came to, as the start of a port's result: the port and model, or the problem.
PortResult connectionResult(const PortSession &session, const EscSession::Connection &found);

// CONNECT and the settings read; the reported codes land in `reported`. An exit code; on
// failure `result` holds the problem.
int connectAndRead(PortSession &session, const std::vector<int> &candidates,
                   std::array<std::int16_t, 12> &reported, PortResult &result);

// The programming run of write and default on a connected ESC, then the read-back unless
// --no-verify; with --dry-run the bytes are printed and nothing is sent.
void programAndVerify(const JobSetup &setup, PortSession &session, const WritePlan &plan,
                      PortResult &result);

} // namespace orvesc::cli
