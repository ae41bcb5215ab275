#include "station.h"

#include "clilanguage.h"
#include "clioptions.h"
#include "console.h"
#include "exitcodes.h"
#include "escprotocol.h"
#include "interrupts.h"
#include "portcandidates.h"
#include "portrunner.h"
#include "portlist.h"
#include "portsession.h"
#include "runrecord.h"
#include "stationrun.h"
#include "systemserialport.h"
#include "writejob.h"

#include <QDir>
#include <QTimer>
#include <QJsonDocument>

#include <algorithm>

namespace orvesc::cli {

namespace {

// The station's one port: the one --port names or the only one listed, and the map that names
// it. Opens nothing; an exit code and a message when there is no such single port.
struct StationPort
{
    ResolvedPorts resolved;
    int exitCode = Done;
};

StationPort choosePort(const CliRequest &request, const CliSetup &setup, Console &console)
{
    QList<PortArgument> ports = request.ports;
    if (ports.isEmpty()) {
        // Listed as `ports` lists them, without opening one: opening may reset a board that is
        // not the ESC cable.
        const PortMap map = setup.portMap();
        QStringList listed;
        for (const auto &[number, device] : listedPorts(map)) {
            if (listed.isEmpty())
                ports = {PortArgument{number, QString(), QStringLiteral("COM%1").arg(number)}};
            listed << QStringLiteral("COM%1 (%2)").arg(number).arg(device);
        }
        if (listed.isEmpty()) {
            console.note(QStringLiteral("orvesc-cli: %1")
                                 .arg(CommandLine::tr("no serial port is listed: plug in the PC interface cable, then "
                                                      "start the station again.")));
            return {{}, NoEscFound};
        }
        if (listed.size() > 1) {
            //: %1 the number of ports (always several), %2 the ports, %3 the first of them.
            console.note(QStringLiteral("orvesc-cli: %1")
                                 .arg(CommandLine::tr("--station works on one cable, and %1 ports are listed: %2. Name "
                                                      "the cable's with --port, e.g. --port %3; nothing was sent."))
                                 .arg(listed.size())
                                 .arg(listed.join(QStringLiteral(", ")), ports.first().text));
            return {{}, UsageError};
        }
        //: %1 is the port and its device.
        console.note(CommandLine::tr("Station: on %1, the only port listed.").arg(listed.first()));
    }
    StationPort chosen{resolvePorts(setup, ports), Done};
    if (!chosen.resolved.error.isEmpty()) {
        console.note(QStringLiteral("orvesc-cli: %1").arg(chosen.resolved.error));
        chosen.exitCode = UsageError;
        return chosen;
    }
    // A port that will not open now would be waited on in silence for ever.
    const std::unique_ptr<SerialPort> component = createSystemSerialPort(chosen.resolved.map);
    if (const QString problem = openProblem(*component, chosen.resolved.targets.front().number);
        !problem.isEmpty()) {
        console.note(QStringLiteral("orvesc-cli: error %1: %2").arg(PortUnavailable).arg(problem));
        chosen.exitCode = PortUnavailable;
    }
    return chosen;
}

void printResult(const CliRequest &request, Console &console, const PortResult &result, int passed, int failed)
{
    const bool pass = result.exitCode == Done;
    const QString model = result.json.value(QStringLiteral("model")).toString();
    if (request.json) {
        QJsonObject object = result.json;
        object.insert(QStringLiteral("result"), pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
        object.insert(QStringLiteral("port"), result.port.label);
        object.insert(QStringLiteral("exit_code"), result.exitCode);
        object.insert(QStringLiteral("message"), result.message);
        console.data(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
    } else {
        // PASS and FAIL stay as they are for scripts that count them.
        //: A station's result line: %1 PASS or FAIL, %2 the ESC's number in the run, %3 its model, %4 the port;
        //: %5 and %6 the counts so far, %7 nothing or ": error N: what went wrong".
        console.data(CommandLine::tr("%1 %2  %3  %4  (passed %5, failed %6)%7\n")
                             .arg(pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"))
                             .arg(passed + failed)
                             .arg(model.isEmpty() ? QStringLiteral("-") : model, result.port.label)
                             .arg(passed)
                             .arg(failed)
                             //: %1 the exit code, %2 what went wrong.
                             .arg(pass ? QString() : CommandLine::tr(": error %1: %2").arg(result.exitCode).arg(result.summary)));
    }
    if (!pass)
        console.bell();
}

// The record's line of an ESC: the settings written are those of the command list sent.
RecordLine recordLine(const EscSession::Connection &esc, const QString &port, const PortResult &result)
{
    RecordLine line;
    line.port = port;
    line.modelCode = esc.model;
    line.modelName = result.json.value(QStringLiteral("model")).toString();
    line.pass = result.exitCode == Done;
    if (!line.pass)
        // The record is a file: English in every language, as --json.
        line.reason = result.message.isEmpty() ? result.summary : result.message;
    line.backup = result.json.value(QStringLiteral("backup")).toString();
    line.settings = writtenSettings(esc.model, result.sent);
    return line;
}

} // namespace

int runStation(const CliRequest &request, const CliSetup &setup, JobSetup &job, Console &console,
               const std::atomic<bool> *stop)
{
    // A record that cannot be kept is known before any port is opened.
    RunRecord record(request.record.isEmpty() ? RunRecord::defaultFile(setup.backupFolder) : request.record);
    if (const QString problem = record.start(); !problem.isEmpty()) {
        //: %1 says why the record cannot be written.
        console.note(CommandLine::tr("orvesc-cli: %1 Nothing was sent.").arg(problem));
        return UsageError;
    }
    const StationPort port = choosePort(request, setup, console);
    if (port.exitCode != Done)
        return port.exitCode;
    const int number = port.resolved.targets.front().number;
    const QString label = port.resolved.targets.front().label;
    //: %1 is the record file.
    console.note(CommandLine::tr("Station: the record of this run goes to %1").arg(QDir::toNativeSeparators(record.file())));
    PortSession session(port.resolved.map, job.portWrapper(), true);
    StationRun run(session.engine(), session.waiter(), number);

    const Interrupts interrupts([&](int count) {
        if (run.programming() && count == 1) {
            console.note(CommandLine::tr("Station: finishing the ESC being programmed; Ctrl+C again ends at once."));
            run.stop();
            return;
        }
        run.stopNow();
    });
    // The tests' in-process stop.
    QTimer stopWatch;
    if (stop) {
        QObject::connect(&stopWatch, &QTimer::timeout, &stopWatch, [&] {
            if (stop->load())
                run.stop();
        });
        stopWatch.start(100);
    }

    int passed = 0;
    int failed = 0;
    int worst = Done;
    StationRun::Hooks hooks;
    hooks.connect = [&] {
        EscSession::ConnectOptions here;
        here.searched = true;
        return session.connect({number}, here);
    };
    hooks.handle = [&](const EscSession::Connection &esc) -> std::optional<std::array<std::int16_t, 12>> {
        PortResult result = connectionResult(session, esc);
        if (esc.ok() && !run.cutShort())
            result = writeConnected(job, session, esc.report, std::move(result));
        if (run.cutShort()) {
            //: %1 is the port.
            console.note(CommandLine::tr("Station: %1: cut short by Ctrl+C while programming: the ESC may hold "
                                         "part of the new settings; program it again.")
                                 .arg(label));
            worst = Interrupted;
            return {};
        }
        const bool pass = result.exitCode == Done;
        if (pass)
            ++passed;
        else
            ++failed;
        worst = std::max(worst, result.exitCode);
        printResult(request, console, result, passed, failed);
        if (const QString problem = record.append(recordLine(esc, label, result)); !problem.isEmpty()) {
            //: %1 says why the record could not be written.
            console.note(CommandLine::tr("orvesc-cli: %1 The station stops.").arg(problem));
            worst = std::max(worst, int(UsageError));
            run.stop();
        }
        return result.readBack;
    };
    hooks.step = [&](StationRun::Step step) {
        switch (step) {
        case StationRun::Step::Unplug:
            console.note(CommandLine::tr("Station: unplug the ESC."));
            break;
        case StationRun::Step::AnotherEsc:
            console.note(CommandLine::tr("Station: another ESC is on the cable."));
            break;
        case StationRun::Step::NextEsc:
            console.note(CommandLine::tr("Station: plug in the next ESC."));
            break;
        }
    };
    console.note(CommandLine::tr("Station: plug in an ESC; Ctrl+C ends."));
    run.run(hooks);
    if (request.json) {
        console.data(QStringLiteral("{\"passed\":%1,\"failed\":%2}\n").arg(passed).arg(failed));
    } else {
        console.data(CommandLine::tr("Station ended: %1 passed, %2 failed\n").arg(passed).arg(failed));
    }
    return worst;
}

} // namespace orvesc::cli
