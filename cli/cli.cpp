#include "cli.h"

#include "clilanguage.h"
#include "clioptions.h"
#include "completion.h"
#include "console.h"
#include "exitcodes.h"
#include "portlisting.h"
#include "portwatch.h"
#include "portrunner.h"
#include "clisetup.h"
#include "settingsplan.h"
#include "station.h"
#include "writejob.h"

namespace orvesc::cli {

namespace {

PortResult identifyJob(PortSession &session, const std::vector<int> &candidates)
{
    PortResult result;
    EscSession::ConnectOptions identifyOnly;
    identifyOnly.read = false;
    const EscSession::Connection found = session.connect(candidates, identifyOnly);
    result.exitCode = exitCode(found.failure);
    if (found.failure) {
        result.setSummary([&] { return problemText(found.failure, session.target()); });
        return result;
    }
    result.port = session.target();
    const QString name = QString::fromStdString(modelName(session.model()));
    //: %1 is the ESC's model name.
    result.setSummary([&] { return CommandLine::tr("%1 found").arg(name); });
    result.data = QStringLiteral("%1\t%2\t%3\t%4\n")
                          .arg(result.port.label, result.port.device)
                          .arg(session.model())
                          .arg(name);
    result.json.insert(QStringLiteral("model_code"), session.model());
    result.json.insert(QStringLiteral("model"), name);
    return result;
}

} // namespace

int runCli(const QStringList &arguments, const CliSetup &setup, Console &console,
           const std::atomic<bool> *stop)
{
    // The completion scripts' hidden command: never shown in help, never an error.
    if (arguments.value(1) == QLatin1String("__complete")) {
        const QStringList candidates = completionCandidates(arguments.mid(2), setup.portMap());
        console.data(candidates.isEmpty() ? QString() : candidates.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        return Done;
    }
    const ParseOutcome parsed = parseCommandLine(arguments);
    if (!parsed.request) {
        if (parsed.exitCode == Done)
            console.data(parsed.text);
        else
            console.note(parsed.text.trimmed());
        return parsed.exitCode;
    }
    const CliRequest &request = *parsed.request;
    if (request.command == CliRequest::Command::Ports && request.watch)
        return watchPorts(setup, request.json, console);
    if (request.command == CliRequest::Command::Ports)
        return listPorts(setup.portMap(), request.json, console);

    JobSetup jobSetup;
    jobSetup.console = &console;
    jobSetup.backups.setFolder(setup.backupFolder);
    if (const QString problem = jobSetup.prepare(request); !problem.isEmpty()) {
        console.note(QStringLiteral("orvesc-cli: %1").arg(problem));
        return UsageError;
    }
    PortRunner runner(request, setup, console);
    runner.setPortWrapper(jobSetup.portWrapper());
    if (request.station)
        return runStation(request, setup, jobSetup, console, stop);

    switch (request.command) {
    case CliRequest::Command::Identify:
        return runner.run(identifyJob);
    case CliRequest::Command::Read:
        runner.setSingleDocument(!request.manyPorts());
        return runner.run([&](PortSession &session, const std::vector<int> &candidates) {
            return readJob(jobSetup, session, candidates);
        });
    case CliRequest::Command::Verify:
        return runner.run([&](PortSession &session, const std::vector<int> &candidates) {
            return verifyJob(jobSetup, session, candidates);
        });
    case CliRequest::Command::Write:
    case CliRequest::Command::Default:
        return runner.run([&](PortSession &session, const std::vector<int> &candidates) {
            return writeJob(jobSetup, session, candidates);
        });
    case CliRequest::Command::Ports:
        break;
    }
    return Done;
}

} // namespace orvesc::cli
