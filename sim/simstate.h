#pragma once

// The simulator's state, shared by its serving (escsimulator.cpp) and its line (simline.cpp).

#include "escsimulator.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvesc::sim {

// Closes a descriptor that is open and marks it closed.
void closeFd(int &fd);

struct EscSimulator::State
{
    explicit State(SimOptions o)
        : options(std::move(o)),
          settings(options.settings.value_or(factorySettings(options.modelCode))),
          faults(options.faults)
    {
    }

    // Fixed while the serving thread runs, but for the model code, which replaceEsc() changes
    // under the mutex.
    SimOptions options;
    int masterFd = -1;
    int slaveFd = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    std::thread thread;
    // The latency timer's ticks count from here.
    std::chrono::steady_clock::time_point started;

    mutable std::mutex mutex;
    mutable std::condition_variable received;
    EscSettings settings;
    Faults faults;
    std::vector<ReceivedByte> log;
    int bytesSinceFaults = 0;
    int commandsSinceFaults = 0;
    bool running = false;
    bool dropped = false;
    std::string devicePath;
    std::string linkPath;

    void serve();
    // False when the line was dropped or a stop was asked for.
    bool handle(std::uint8_t byte);
    std::vector<std::uint8_t> settingsReply(const Faults &f);
    // Sleeps, unless a stop is asked for first; false then.
    bool pause(std::chrono::nanoseconds duration);
    bool writeAll(const std::vector<std::uint8_t> &bytes);
    void dropLine();
    void removeLink();
};

} // namespace orvesc::sim
