#pragma once

#include "portsession.h"
#include "clisetup.h"
#include "portcandidates.h"

#include "settingsplan.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvesc::cli {

class Console;
struct CliRequest;

// What one port's job came to.
struct PortResult
{
    PortTarget port;
    int exitCode = 0;
    // The result line's text after the port's name ("done: ..." or the problem), in the user's
    // language; `message` is the same in English, for --json.
    QString summary;
    QString message;
    // Data for stdout in text mode, printed whole when the port is done.
    QString data;
    // The port's object in --json mode (port, device, exit_code and message are added).
    QJsonObject json;
    // read: the settings document, as a file holds it.
    QByteArray document;
    // --all: no ESC answered here, so the port is left out.
    bool noEsc = false;
    // An ESC identified itself here (it may have failed later); a port that would not open did not.
    bool escFound = false;
    // What the read-back after a write found on the ESC.
    std::optional<std::array<std::int16_t, 12>> readBack;
    // The commands a write sent (or began to send), for the station's record.
    std::vector<PlannedCommand> sent;

    // Sets summary and message from the same words, said once in each language.
    void setSummary(const std::function<QString()> &words);
};

// The work done on each port, on that port's own thread; `candidates` are the COM numbers the
// session's CONNECT searches.
using PortJob = std::function<PortResult(PortSession &session, const std::vector<int> &candidates)>;

// Runs `job` on the requested ports: each --port, or every listed port that answers (--all), each
// in its own thread with its own event loop, serial component and waiter; or, with neither, one
// CONNECT search over the listed ports. One port's failure never stops another; Ctrl+C cancels
// every port's waits at once. Prints each port's data and result line in port order once all are
// done (or, with --json, one array) and returns the highest exit code.
class PortRunner
{
public:
    PortRunner(const CliRequest &request, const CliSetup &setup, Console &console);

    void setPortWrapper(PortSession::PortWrapper wrapper) { m_wrapper = std::move(wrapper); }
    // With --json and one ESC, print the job's settings document alone instead of the array,
    // so that `read --json` writes what `read -o` saves.
    void setSingleDocument(bool single) { m_singleDocument = single; }
    // With --json the job's objects go out as one array; otherwise single documents go out as
    // the job's data.
    int run(const PortJob &job);

private:
    // The job on each work list in a thread of its own; a result cut short by Ctrl+C says so.
    std::vector<PortResult> runThreads(const PortJob &job, const PortMap &map,
                                       const std::vector<std::vector<int>> &workLists);
    // --all's closing line: how many ESCs answered, and the ports where none did; the exit code
    // it adds (--expect, or no ESC at all).
    int summarizeAll(const std::vector<PortResult> &results, const PortCandidates &listed);

    const CliRequest &m_request;
    const CliSetup &m_setup;
    Console &m_console;
    PortSession::PortWrapper m_wrapper;
    bool m_singleDocument = false;
};

} // namespace orvesc::cli
