#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvesc::sim {

// What the simulated ESC does wrong, so that the PC side's failure paths can be exercised.
// Every field at its default means a well-behaved ESC. The counts (rejectCommand, ignoreCommand,
// dropAfterBytes)
// run from start() or from the last setFaults().
struct Faults
{
    // Receive and log everything, answer nothing.
    bool silent = false;
    // Answer the identify request with this byte instead of the model code.
    std::optional<std::uint8_t> identifyByte;
    // Wait this long before each reply (identify, settings, echo of a command).
    int replyDelayMs = 0;
    // Send only the first N bytes of the settings reply.
    std::optional<int> settingsBytes;
    // Close the settings reply with this byte instead of 1.
    std::optional<std::uint8_t> closingByte;
    // k >= 1: answer 0 to the k-th command byte received (counting from 1) and do not store it.
    int rejectCommand = 0;
    // k >= 1: answer 1 to the k-th command byte received but keep the old value, an ESC that
    // claims success and stores nothing.
    int ignoreCommand = 0;
    // Sent after every reply (for example a second model code, or a 13th settings byte).
    std::vector<std::uint8_t> extraBytes;
    // n >= 1: after the n-th received byte, answer nothing and drop the line: the pseudo-terminal
    // is closed, its device and the port link vanish.
    int dropAfterBytes = 0;
    // Commands: echo the byte but never answer it.
    bool echoWithoutAnswer = false;
    // Commands: answer without echoing the byte first.
    bool answerWithoutEcho = false;
};

// Settings codes as the ESC keeps them: EscConfig elements 0 to 10 (brake, battery, nickel cutoff,
// lithium cutoff, cutoff action, soft start, timing, frequency or warn voltage, reverse, RPM
// control, acceleration delay).
using EscSettings = std::array<std::uint8_t, 11>;

// One byte the PC sent, with the time it was read from the line.
struct ReceivedByte
{
    std::uint8_t value = 0;
    std::chrono::steady_clock::time_point at;
};

// How a simulated ESC starts.
struct SimOptions
{
    // The model code it reports (any byte; unnamed codes get battery 38 and frequency 112).
    int modelCode = 38;
    // Start settings; the model's factory codes when not given.
    std::optional<EscSettings> settings;
    Faults faults;
    // Write the replies at the real line rate (10 bits per byte at 19200 baud) instead of at once.
    bool lineRatePacing = false;
    // Above 0: hand replies over only on the ticks of a timer of this many milliseconds, as a USB
    // adapter with a latency timer (FTDI's: 16 ms unless set lower) holds what it received.
    int latencyTimerMs = 0;
    // Called on the serving thread for every byte received, after it is logged.
    std::function<void(const ReceivedByte &)> onReceived;
};


// The settings a model starts with: its factory codes, with battery 38 and frequency 112 for a
// code the model table does not name.
EscSettings factorySettings(int modelCode);

// Whether the ESC of a model stores a command byte (a setting code that belongs to that model).
bool acceptsCommand(int modelCode, std::uint8_t code);

// The EscSettings element a command code sets, or -1 when the code names no setting.
int settingIndex(int modelCode, std::uint8_t code);

// Length of the settings reply of a model: 12 bytes for 182 to 224, 11 for all others.
int settingsReplyLength(int modelCode);

// A simulated ESC on a pseudo-terminal: serves the ESC's side of the serial protocol on its own
// thread and links the terminal's device as com<N> in a port-link folder, so the program and the
// tests talk to it exactly as to a real cable.
class EscSimulator
{
public:
    explicit EscSimulator(SimOptions options = {});
    ~EscSimulator();
    EscSimulator(const EscSimulator &) = delete;
    EscSimulator &operator=(const EscSimulator &) = delete;

    // Opens the pseudo-terminal, links its device as <linkFolder>/com<comNumber> (creating the
    // folder, replacing a stale link) and starts serving. On failure returns false and, when
    // error is given, says why there.
    bool start(const std::string &linkFolder, int comNumber, std::string *error = nullptr);
    // Stops serving, closes the pseudo-terminal and removes the link. Harmless when not running.
    void stop();
    bool isRunning() const;
    // True once the line was dropped by Faults::dropAfterBytes.
    bool lineDropped() const;

    // The pseudo-terminal's device (/dev/pts/N) and the link to it; empty before start().
    std::string devicePath() const;
    std::string linkPath() const;

    int modelCode() const;
    // Another ESC on the same cable: the adapter and its device stay, the model and settings are
    // the new ESC's (its factory settings when not given).
    void replaceEsc(int modelCode, std::optional<EscSettings> settings = std::nullopt);
    // The settings the ESC keeps now (changed by accepted commands).
    EscSettings settings() const;

    // Faults may change while the simulator runs; they apply from the next byte received.
    void setFaults(const Faults &faults);
    Faults faults() const;

    // Every byte received since start() or clearLog(), in order.
    std::vector<ReceivedByte> receivedBytes() const;
    void clearLog();
    // Waits until at least count bytes are in the log; false after the timeout.
    bool waitForReceived(std::size_t count, std::chrono::milliseconds timeout) const;
    // Number of command bytes received since start() or the last setFaults() (the count that
    // Faults::rejectCommand refers to).
    int commandsReceived() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace orvesc::sim
