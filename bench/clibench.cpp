// Wall time of orvesc-cli's write on one and on eight simulated ESCs at the line rate, and their
// ratio: the ports run in threads of their own, so eight should take little longer than one.
#include "cli.h"
#include "clisetup.h"
#include "console.h"
#include "escsimulator.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

using namespace orvesc;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int EscDelayMs = 2;  // the ESC's thinking time before each reply, as in the link bench

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "orvesc-bench-cli";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// Paced simulators linked as COM1..COM8 in a folder of their own, no system port; a latency timer
// above 0 plays adapters that hand bytes over on its ticks.
struct Escs
{
    explicit Escs(int count = 8, int latencyTimerMs = 0)
    {
        ensureApplication();
        for (int com = 1; com <= count; ++com) {
            sim::SimOptions options;
            options.lineRatePacing = true;
            options.latencyTimerMs = latencyTimerMs;
            options.faults.replyDelayMs = EscDelayMs;
            sims.push_back(std::make_unique<sim::EscSimulator>(options));
            sims.back()->start(folder.path().toStdString(), com);
        }
    }

    // One write of the brake to the first `count` ESCs; milliseconds, or a negative exit code.
    double writeMs(int count, bool verify, const char *brake)
    {
        QStringList arguments{QStringLiteral("orvesc-cli"), QStringLiteral("write"), QStringLiteral("--set"),
                              QStringLiteral("brake=%1").arg(QLatin1String(brake))};
        for (int com = 1; com <= count; ++com)
            arguments << QStringLiteral("--port") << QStringLiteral("COM%1").arg(com);
        if (!verify)
            arguments << QStringLiteral("--no-verify");
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(out, err);
        const auto start = Clock::now();
        const int exitCode = cli::runCli(arguments, cli::CliSetup{folder.path(), QStringList(), QString()}, console);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        return exitCode == 0 ? ms : -exitCode;
    }

    QTemporaryDir folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> sims;
};

void writeOneAndEight(benchmark::State &state, bool verify)
{
    Escs escs;
    double one = 0;
    double eight = 0;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        const char *brake = on ? "on" : "off";
        const double oneMs = escs.writeMs(1, verify, brake);
        const double eightMs = escs.writeMs(8, verify, brake);
        if (oneMs < 0 || eightMs < 0) {
            state.SkipWithError("a write failed");
            return;
        }
        one += oneMs;
        eight += eightMs;
        state.SetIterationTime(eightMs / 1000.0);
    }
    const auto n = double(state.iterations());
    state.counters["one_ms"] = one / n;
    state.counters["eight_ms"] = eight / n;
    state.counters["ratio"] = eight / one;
}

void writeVerified(benchmark::State &state)
{
    writeOneAndEight(state, true);
}

void writeNotVerified(benchmark::State &state)
{
    writeOneAndEight(state, false);
}

// One verified write on one ESC behind an adapter with the given latency timer (0: none).
void writeOne(benchmark::State &state)
{
    Escs escs(1, int(state.range(0)));
    double total = 0;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        const double ms = escs.writeMs(1, true, on ? "on" : "off");
        if (ms < 0) {
            state.SkipWithError("a write failed");
            return;
        }
        total += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["one_ms"] = total / double(state.iterations());
}

} // namespace

BENCHMARK(writeOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6)->ArgName("latency_timer")->Arg(0)->Arg(16);
BENCHMARK(writeVerified)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(writeNotVerified)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();
