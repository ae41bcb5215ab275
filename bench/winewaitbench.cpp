// The Windows build's five-second time-out wait under Wine: a settings read from a silent simulated
// ESC through the mapped COM1, and the CPU the process spent on it. Google Benchmark has no mingw
// build in Debian, so this prints one line in the style of orvesc-bench-link's timeOutWaitCpu.
#include "benchsupport.h"
#include "escexchanges.h"
#include "escsimulator.h"
#include "eventloopwaiter.h"
#include "systemserialport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

using namespace orvesc;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    sim::SimOptions options;
    options.faults.silent = true;
    sim::EscSimulator esc(options);
    QTemporaryDir folder;
    std::string error;
    if (!esc.start(folder.path().toStdString(), 1, &error)) {
        std::fprintf(stderr, "no simulator: %s\n", error.c_str());
        return 1;
    }
    const std::unique_ptr<SerialPort> port = createSystemSerialPort(PortMap(folder.path(), {}));
    EventLoopWaiter waiter;
    EscExchanges exchanges(*port, waiter);
    std::array<std::int16_t, 12> escConfig{};

    const double cpuStart = bench::cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    exchanges.read_Config(escConfig);
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = bench::cpuSeconds() - cpuStart;
    std::printf("timeOutWaitCpu (Wine) wall_s=%.2f cpu_ms=%.2f cpu_pct=%.3f\n", wall, cpu * 1000, cpu / wall * 100);
    return 0;
}
