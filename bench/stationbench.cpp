// The CPU `orvesc-cli write --station` uses over a minute of waiting for an ESC: the cable's port
// there and nothing answering, so the station probes its one port once a second. A silent
// simulator in this process stands in for the cable; its own thread is counted in cpu_pct and
// left out of station_pct (the thread the station runs on).
#include "benchsupport.h"
#include "cli.h"
#include "clisetup.h"
#include "console.h"
#include "escsimulator.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>

using namespace orvesc;
using Clock = std::chrono::steady_clock;

namespace {

double threadCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
            + usage.ru_stime.tv_usec / 1e6;
}

void stationMinute(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "orvesc-bench-station";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    QTemporaryDir folder;
    sim::SimOptions options;
    options.faults.silent = true;
    sim::EscSimulator esc(options);
    esc.start(folder.path().toStdString(), 1);
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    cli::Console console(out, err);
    const cli::CliSetup setup{folder.path(), QStringList(), folder.path()};
    const QStringList arguments{QStringLiteral("orvesc-cli"), QStringLiteral("write"), QStringLiteral("--station"),
                                QStringLiteral("--set"), QStringLiteral("brake=on")};
    double cpu = 0;
    double station = 0;
    double wall = 0;
    for (auto _ : state) {
        // From a second in, so that the start (the port check, the first probe) is not counted.
        double cpuStart = 0;
        double stationStart = 0;
        auto start = Clock::now();
        QTimer::singleShot(std::chrono::seconds(1), [&] {
            cpuStart = bench::cpuSeconds();
            stationStart = threadCpuSeconds();
            start = Clock::now();
        });
        QTimer::singleShot(std::chrono::seconds(1 + state.range(0)), [] { std::raise(SIGINT); });
        cli::runCli(arguments, setup, console);
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = bench::cpuSeconds() - cpuStart;
        station = threadCpuSeconds() - stationStart;
        state.SetIterationTime(wall);
    }
    state.counters["wall_s"] = wall;
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["cpu_pct"] = cpu / wall * 100;
    state.counters["station_pct"] = station / wall * 100;
    state.counters["probes"] = double(esc.receivedBytes().size());
}

} // namespace

BENCHMARK(stationMinute)->Arg(60)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
