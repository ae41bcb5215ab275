// The CPU the tool uses while it sits idle for a minute: the window shown (offscreen), the port
// watcher looking for serial devices once a second and watching /dev and the link folder. The component knows no system port, so the start-up scan opens no real device.
#include "benchsupport.h"
#include "eventloopwaiter.h"
#include "form1.h"
#include "messenger.h"
#include "portmap.h"
#include "portwatcher.h"
#include "qserialportcomponent.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

using namespace orvesc;
using Clock = std::chrono::steady_clock;

namespace {

void idleMinute(benchmark::State &state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvesc-bench-idle";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);

    QTemporaryDir folder;
    PortMap portMap(folder.path(), QStringList());
    QSerialPortComponent port(portMap);
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
        QTimer::singleShot(std::chrono::seconds(seconds), &application, &QCoreApplication::quit);
        QApplication::exec();
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = bench::cpuSeconds() - cpuStart;
        state.SetIterationTime(wall);
    }
    state.counters["wall_s"] = wall;
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["cpu_pct"] = cpu / wall * 100;
    state.counters["system_ports"] = watcher ? double(watcher->systemPorts().size()) : 0;
}

} // namespace

BENCHMARK(idleMinute)->Args({60, 1})->Args({60, 2})->Args({60, 0})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
