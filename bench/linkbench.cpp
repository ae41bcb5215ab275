// Wall time of the ESC exchanges next to the time the line itself needs, the CPU spent while a
// wait runs out, and how soon a wait wakes after a byte arrives.
#include "benchsupport.h"
#include "escexchanges.h"
#include "escsimulator.h"
#include "eventloopwaiter.h"
#include "systemserialcomponent.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace orvesc;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double ByteMs = 10.0 / 19200.0 * 1000.0;  // one byte at 19200 baud, 8N1
constexpr int EscDelayMs = 2;                        // the ESC's thinking time before each reply

// The waits sleep in an event loop, which needs an application object.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "orvesc-bench-link";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// One paced simulator on COM1 and the exchanges over the real component; latencyTimerMs > 0 plays
// an adapter that hands bytes over on its latency timer's ticks.
struct Bench
{
    explicit Bench(int model, sim::Faults faults = {}, int latencyTimerMs = 0)
    {
        ensureApplication();
        sim::SimOptions options;
        options.modelCode = model;
        options.lineRatePacing = true;
        options.latencyTimerMs = latencyTimerMs;
        options.faults = faults;
        esc = std::make_unique<sim::EscSimulator>(options);
        esc->start(folder.path().toStdString(), 1);
        port.setCommPort(1);
        port.setSettings(QStringLiteral("19200,N,8,1"));
        port.setInputLen(1);
        port.setInputMode(1);
    }

    QTemporaryDir folder;
    std::unique_ptr<sim::EscSimulator> esc;
    SystemSerialComponent port{PortMap(folder.path(), {})};
    EventLoopWaiter waiter;
    EscExchanges exchanges{port, waiter};
};

void reportAgainstFloor(benchmark::State &state, double wallMs, int iterations, int bytes,
                        int replies)
{
    const double floorMs = bytes * ByteMs + replies * EscDelayMs;
    state.counters["wall_ms"] = wallMs / iterations;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = wallMs / iterations / floorMs;
}

template<typename Exchange>
void timeExchange(benchmark::State &state, Exchange exchange, int bytes, int replies)
{
    double wallMs = 0;
    int iterations = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        exchange();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        state.SetIterationTime(ms / 1000);
        wallMs += ms;
        ++iterations;
    }
    reportAgainstFloor(state, wallMs, iterations, bytes, replies);
}

void identify(benchmark::State &state)
{
    sim::Faults faults;
    faults.replyDelayMs = EscDelayMs;
    Bench bench(183, faults, int(state.range(0)));
    // Request and model code.
    timeExchange(state, [&] { benchmark::DoNotOptimize(bench.exchanges.identify(1)); }, 2, 1);
}

void readTwelveBytes(benchmark::State &state)
{
    sim::Faults faults;
    faults.replyDelayMs = EscDelayMs;
    Bench bench(183, faults, int(state.range(0)));
    std::array<std::int16_t, 12> escConfig{};
    // Request and twelve settings bytes.
    timeExchange(state, [&] { bench.exchanges.read_Config2(escConfig); }, 13, 1);
}

void tenCommands(benchmark::State &state)
{
    sim::Faults faults;
    faults.replyDelayMs = EscDelayMs;
    Bench bench(183, faults, int(state.range(0)));
    const std::int16_t codes[10] = {160, 38, 48, 134, 65, 81, 98, 116, 128, 144};
    // Each: command, echo, answer.
    timeExchange(state, [&] {
        for (std::int16_t code : codes)
            benchmark::DoNotOptimize(bench.exchanges.send_Command(code));
    }, 30, 10);
}

// A settings read from an ESC that never answers: five seconds of waiting.
void timeOutWaitCpu(benchmark::State &state)
{
    sim::Faults faults;
    faults.silent = true;
    Bench bench(38, faults);
    std::array<std::int16_t, 12> escConfig{};
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = bench::cpuSeconds();
        const auto start = Clock::now();
        bench.exchanges.read_Config(escConfig);
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = bench::cpuSeconds() - cpuStart;
        state.SetIterationTime(wall);
    }
    state.counters["wall_s"] = wall;
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["cpu_pct"] = cpu / wall * 100;
}

// From the simulator writing the reply (the request's arrival plus its delay) to the wait's end.
void wakeLatency(benchmark::State &state)
{
    constexpr int DelayMs = 20;
    ensureApplication();
    sim::Faults faults;
    faults.replyDelayMs = DelayMs;
    sim::SimOptions options;
    options.faults = faults;
    QTemporaryDir folder;
    sim::EscSimulator esc(options);
    esc.start(folder.path().toStdString(), 1);
    SystemSerialComponent port(PortMap(folder.path(), {}));
    EventLoopWaiter waiter;
    port.setCommPort(1);
    port.setInputLen(1);
    port.setPortOpen(true);
    std::vector<double> latencies;
    for (auto _ : state) {
        esc.clearLog();
        port.output(QByteArray(1, '\0'));
        waiter.wait([&] { return port.inBufferCount() >= 1; }, 1000ms);
        const auto woke = Clock::now();
        port.input();
        const auto sent = esc.receivedBytes().front().at + std::chrono::milliseconds(DelayMs);
        latencies.push_back(std::chrono::duration<double, std::milli>(woke - sent).count());
        state.SetIterationTime(std::chrono::duration<double>(woke - sent).count());
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["max_ms"] = latencies.back();
}

} // namespace

BENCHMARK(identify)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->ArgName("latency_timer")->Arg(0)->Arg(1)->Arg(16);
BENCHMARK(readTwelveBytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->ArgName("latency_timer")->Arg(0)->Arg(1)->Arg(16);
BENCHMARK(tenCommands)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->ArgName("latency_timer")->Arg(0)->Arg(1)->Arg(16);
BENCHMARK(timeOutWaitCpu)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(wakeLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

BENCHMARK_MAIN();
