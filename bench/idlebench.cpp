// The CPU the tool uses while it sits idle for a minute: the window shown (offscreen), the port
// watcher looking for serial devices once a second and watching /dev and the link folder. The component knows no system port, so the start-up scan opens no real device.
// Then the same minute of `orvesc-cli ports --watch`, which runs that watcher without a window.
#include "benchsupport.h"
#include "clisetup.h"
#include "console.h"
#include "eventloopwaiter.h"
#include "form1.h"
#include "messenger.h"
#include "portmap.h"
#include "portwatch.h"
#include "portwatcher.h"
#include "systemserialcomponent.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <optional>

using namespace orvesc;
using Clock = std::chrono::steady_clock;

namespace {

QApplication &application()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvesc-bench-idle";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

void report(benchmark::State &state, double cpu, double wall)
{
    state.counters["wall_s"] = wall;
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["cpu_pct"] = cpu / wall * 100;
}

void idleMinute(benchmark::State &state)
{
    QApplication &app = application();

    QTemporaryDir folder;
    PortMap portMap(folder.path(), QStringList());
    SystemSerialComponent port(portMap);
    EventLoopWaiter waiter;
    bench::SilentMessenger messenger;
    Form1 window(port, portMap, waiter, messenger);
    // Second argument: 1 the watcher as the tool runs it, 2 asking Qt Serial Port on every look,
    // 0 no watcher at all.
    std::optional<PortWatcher> watcher;
    if (state.range(1) != 0) {
        watcher.emplace(folder.path(), state.range(1) == 1 ? PortWatcher::systemPortSource()
                                                           : PortWatcher::SystemPortSource(PortMap::reportedSystemPorts));
        watcher->watchAlso(QStringLiteral("/dev"));
        window.followPorts(*watcher);
    }
    window.show();

    const int seconds = int(state.range(0));
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = bench::cpuSeconds();
        const auto start = Clock::now();
        QTimer::singleShot(std::chrono::seconds(seconds), &app, &QCoreApplication::quit);
        QApplication::exec();
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = bench::cpuSeconds() - cpuStart;
        state.SetIterationTime(wall);
    }
    report(state, cpu, wall);
    state.counters["system_ports"] = watcher ? double(watcher->systemPorts().size()) : 0;
}

// ports --watch with the system's own port source, as a user runs it; Ctrl+C ends it.
void watchMinute(benchmark::State &state)
{
    application();
    QTemporaryDir folder;
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    cli::Console console(out, err);
    const cli::CliSetup setup{folder.path(), std::nullopt, folder.path()};
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        // From a second in, so that the start-up's look at the ports (as for the window) is not counted.
        double cpuStart = 0;
        auto start = Clock::now();
        QTimer::singleShot(std::chrono::seconds(1), [&] {
            cpuStart = bench::cpuSeconds();
            start = Clock::now();
        });
        QTimer::singleShot(std::chrono::seconds(1 + state.range(0)), [] { std::raise(SIGINT); });
        cli::watchPorts(setup, false, console);
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = bench::cpuSeconds() - cpuStart;
        state.SetIterationTime(wall);
    }
    report(state, cpu, wall);
}

} // namespace

BENCHMARK(idleMinute)->Args({60, 1})->Args({60, 2})->Args({60, 0})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(watchMinute)->Arg(60)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
