#pragma once

namespace orvesc::cli {

// The exit codes of orvesc-cli, all non-negative; with several ports the highest one wins.
enum ExitCode : int {
    Done = 0,
    UsageError = 1,          // bad command line, bad file, or a combination the rules refuse
    NoEscFound = 2,
    PortUnavailable = 3,     // missing, busy or not permitted
    CommunicationError = 4,  // time-out or a bad reply
    EscRejected = 5,         // the ESC answered a command with something other than 1
    ReadBackDiffers = 6,
    Interrupted = 130,       // Ctrl+C cut the run short, as a shell reports a death by SIGINT
};

} // namespace orvesc::cli
