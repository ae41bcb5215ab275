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
#include "systemserialport.h"
#include "writejob.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <algorithm>
#include <chrono>

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

// Waits, CONNECT by CONNECT once a second, until the ESC just handled leaves the cable: two
// silent rounds in a row are a removal (one alone may be a missed reply, and that ESC must not be
// programmed again). An ESC of another model, or one that reports other settings than the one
// handled holds, took its place without a silent round between: its connection is returned.
// What the handled ESC holds is the read-back's report, or else the first report read here.
template<typename Stopped, typename Pause, typename Connect>
EscSession::Connection awaitRemoval(const EscSession::Connection &handled,
                                    std::optional<std::array<std::int16_t, 12>> holds, const Stopped &stopped,
                                    const Pause &pause, const Connect &connectHere)
{
    const auto codes = [&](const std::array<std::int16_t, 12> &report) { return reportedCodes(handled.model, report); };
    int silent = 0;
    while (!stopped() && silent < 2) {
        pause();
        if (stopped())
            break;
        EscSession::Connection now = connectHere();
        if (!now.ok()) {
            ++silent;
            continue;
        }
        silent = 0;
        if (now.model != handled.model || (holds && codes(now.report) != codes(*holds)))
            return now;
        holds = now.report;
    }
    return {};
}

} // namespace

int runStation(const CliRequest &request, const CliSetup &setup, JobSetup &job, Console &console,
               const std::atomic<bool> *stop)
{
    const StationPort port = choosePort(request, setup, console);
    if (port.exitCode != Done)
        return port.exitCode;
    const int number = port.resolved.targets.front().number;
    PortSession session(port.resolved.map, job.portWrapper(), true);

    bool programming = false;
    bool cutShort = false;
    const Interrupts interrupts([&](int count) {
        if (programming && count == 1) {
            console.note(CommandLine::tr("Station: finishing the ESC being programmed; Ctrl+C again ends at once."));
            return;
        }
        cutShort = programming;
        session.waiter().cancel();
    });
    const auto stopped = [&] { return interrupts.count() > 0 || (stop && stop->load()); };
    // Probing once a second: a probe that waited out its own second needs no pause after it.
    QElapsedTimer round;
    const auto pause = [&] {
        const auto left = std::chrono::milliseconds(1000 - std::min<qint64>(round.elapsed(), 1000));
        session.waiter().wait(stopped, left);
        round.start();
    };
    round.start();
    // CONNECT on the cable's port: the probe that just answered was its search.
    const auto connectHere = [&] {
        EscSession::ConnectOptions here;
        here.searched = true;
        return session.connect({number}, here);
    };

    int passed = 0;
    int failed = 0;
    int worst = Done;
    console.note(CommandLine::tr("Station: plug in an ESC; Ctrl+C ends."));
    while (!stopped()) {
        if (!session.engine().probe(number)) {
            pause();
            continue;
        }
        // An ESC's CONNECT belongs to its programming: a first Ctrl+C lets both finish.
        programming = true;
        EscSession::Connection esc = connectHere();
        while (esc.identified() || cutShort) {
            programming = true;
            PortResult result = connectionResult(session, esc);
            if (esc.ok() && !cutShort)
                result = writeConnected(job, session, esc.report, std::move(result));
            programming = false;
            if (cutShort) {
                //: %1 is the port.
                console.note(CommandLine::tr("Station: %1: cut short by Ctrl+C while programming: the ESC may hold "
                                             "part of the new settings; program it again.")
                                     .arg(port.resolved.targets.front().label));
                worst = Interrupted;
                break;
            }
            const bool pass = result.exitCode == Done;
            if (pass)
                ++passed;
            else
                ++failed;
            worst = std::max(worst, result.exitCode);
            printResult(request, console, result, passed, failed);
            console.note(CommandLine::tr("Station: unplug the ESC."));
            round.start();
            esc = awaitRemoval(esc, result.readBack, stopped, pause, connectHere);
            if (esc.identified())
                console.note(CommandLine::tr("Station: another ESC is on the cable."));
        }
        programming = false;
        if (cutShort)
            break;
        if (!stopped())
            console.note(CommandLine::tr("Station: plug in the next ESC."));
        round.start();
    }
    if (request.json) {
        console.data(QStringLiteral("{\"passed\":%1,\"failed\":%2}\n").arg(passed).arg(failed));
    } else {
        console.data(CommandLine::tr("Station ended: %1 passed, %2 failed\n").arg(passed).arg(failed));
    }
    return worst;
}

} // namespace orvesc::cli
