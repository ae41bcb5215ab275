#include "station.h"

#include "clioptions.h"
#include "console.h"
#include "exitcodes.h"
#include "portrunner.h"
#include "writejob.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <algorithm>
#include <chrono>
#include <csignal>

namespace orvesc::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void interrupt(int)
{
    interrupted.store(true);
}

// Ctrl+C (and a polite kill) end the loop after the ESC under way, with the summary; the
// handlers the process had come back afterwards.
class InterruptHandlers
{
public:
    InterruptHandlers()
        : m_int(std::signal(SIGINT, interrupt)), m_term(std::signal(SIGTERM, interrupt))
    {
        interrupted.store(false);
    }
    ~InterruptHandlers()
    {
        std::signal(SIGINT, m_int);
        std::signal(SIGTERM, m_term);
    }
    InterruptHandlers(const InterruptHandlers &) = delete;
    InterruptHandlers &operator=(const InterruptHandlers &) = delete;

private:
    void (*m_int)(int);
    void (*m_term)(int);
};

} // namespace

int runStation(const CliRequest &request, const CliSetup &setup, JobSetup &job, Console &console,
               const std::atomic<bool> *stop)
{
    const InterruptHandlers handlers;
    const auto stopped = [stop] { return interrupted.load() || (stop && stop->load()); };
    PortMap map = setup.followingPortMap();
    std::vector<int> named;
    if (!request.ports.isEmpty()) {
        ResolvedPorts resolved = resolvePorts(setup, request.ports);
        if (!resolved.error.isEmpty()) {
            console.note(QStringLiteral("orvesc-cli: %1").arg(resolved.error));
            return UsageError;
        }
        map = resolved.map;
        named.push_back(resolved.targets.front().number);
    }
    PortSession session(map, job.portWrapper());
    // Probing once a second: a probe that waited out its own second needs no pause after it.
    QElapsedTimer round;
    const auto pause = [&] {
        const auto left = std::chrono::milliseconds(1000 - std::min<qint64>(round.elapsed(), 1000));
        session.waiter().wait(stopped, left);
        round.start();
    };
    round.start();

    int passed = 0;
    int failed = 0;
    int worst = Done;
    console.note(QStringLiteral("Station: plug in an ESC; Ctrl+C ends."));
    while (!stopped()) {
        // Ports come and go with the cable, so the list is taken afresh on every round.
        const std::vector<int> candidates = named.empty() ? listedPorts(map) : named;
        int answered = 0;
        for (const int number : candidates) {
            if (session.probe(number)) {
                answered = number;
                break;
            }
        }
        if (answered == 0) {
            pause();
            continue;
        }
        const PortResult result = writeJob(job, session, {answered});
        const bool pass = result.exitCode == Done;
        if (pass)
            ++passed;
        else
            ++failed;
        worst = std::max(worst, result.exitCode);
        const QString model = result.json.value(QStringLiteral("model")).toString();
        if (request.json) {
            QJsonObject object = result.json;
            object.insert(QStringLiteral("result"), pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
            object.insert(QStringLiteral("port"), result.port.label);
            object.insert(QStringLiteral("exit_code"), result.exitCode);
            object.insert(QStringLiteral("message"), result.summary);
            console.data(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
        } else {
            console.data(QStringLiteral("%1 %2  %3  %4  (passed %5, failed %6)%7\n")
                                 .arg(pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"))
                                 .arg(passed + failed)
                                 .arg(model.isEmpty() ? QStringLiteral("-") : model, result.port.label)
                                 .arg(passed)
                                 .arg(failed)
                                 .arg(pass ? QString() : QStringLiteral(": error %1: %2").arg(result.exitCode).arg(result.summary)));
        }
        if (!pass)
            console.bell();
        console.note(QStringLiteral("Station: unplug the ESC."));
        while (!stopped() && session.probe(answered))
            pause();
        if (!stopped())
            console.note(QStringLiteral("Station: plug in the next ESC."));
        round.start();
    }
    if (request.json) {
        console.data(QStringLiteral("{\"passed\":%1,\"failed\":%2}\n").arg(passed).arg(failed));
    } else {
        console.data(QStringLiteral("Station ended: %1 passed, %2 failed\n").arg(passed).arg(failed));
    }
    return worst;
}

} // namespace orvesc::cli
