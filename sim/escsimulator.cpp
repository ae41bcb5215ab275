#include "escsimulator.h"

#include "replytiming.h"
#include "simstate.h"

#include <cerrno>
#include <mutex>

#include <poll.h>
#include <unistd.h>

namespace orvesc::sim {

namespace {

constexpr std::uint8_t IdentifyRequest = 0x00;
constexpr std::uint8_t SettingsRequest = 0x02;
constexpr std::uint8_t ClosingByte = 1;
constexpr std::uint8_t Accepted = 1;
constexpr std::uint8_t Refused = 0;

} // namespace

void EscSimulator::State::serve()
{
    std::uint8_t buffer[256];
    for (;;) {
        pollfd fds[2] = { { masterFd, POLLIN, 0 }, { wakeRead, POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(masterFd, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                if (!handle(buffer[i]))
                    return;
            }
        } else if (fds[0].revents) {
            // The slave end we hold keeps hang-ups away; anything else here would make poll() spin.
            if (!pause(std::chrono::milliseconds(10)))
                return;
        }
    }
}

bool EscSimulator::State::handle(std::uint8_t byte)
{
    const ReceivedByte entry{ byte, std::chrono::steady_clock::now() };
    Faults f;
    bool drop = false;
    std::vector<std::uint8_t> reply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        log.push_back(entry);
        f = faults;
        ++bytesSinceFaults;
        drop = f.dropAfterBytes > 0 && bytesSinceFaults >= f.dropAfterBytes;
        if (!drop && byte == IdentifyRequest) {
            reply.push_back(f.identifyByte.value_or(static_cast<std::uint8_t>(options.modelCode)));
        } else if (!drop && byte == SettingsRequest) {
            reply = settingsReply(f);
        } else if (!drop) {
            const int number = ++commandsSinceFaults;
            const int element = settingIndex(options.modelCode, byte);
            const bool accepted = element >= 0 && number != f.rejectCommand;
            if (accepted && !f.silent && number != f.ignoreCommand)
                settings[element] = byte;
            if (!f.answerWithoutEcho)
                reply.push_back(byte);
            if (!f.echoWithoutAnswer)
                reply.push_back(accepted ? Accepted : Refused);
        }
        if (!reply.empty())
            reply.insert(reply.end(), f.extraBytes.begin(), f.extraBytes.end());
    }
    received.notify_all();
    if (options.onReceived)
        options.onReceived(entry);

    if (drop) {
        dropLine();
        return false;
    }
    if (f.silent)
        return true;
    if (f.replyDelayMs > 0 && !pause(std::chrono::milliseconds(f.replyDelayMs)))
        return false;
    return writeAll(reply);
}

std::vector<std::uint8_t> EscSimulator::State::settingsReply(const Faults &f)
{
    const int length = settingsReplyLength(options.modelCode);
    std::vector<std::uint8_t> reply(settings.begin(), settings.begin() + (length - 1));
    reply.push_back(f.closingByte.value_or(ClosingByte));
    if (f.settingsBytes && *f.settingsBytes >= 0 && *f.settingsBytes < length)
        reply.resize(static_cast<std::size_t>(*f.settingsBytes));
    return reply;
}

bool EscSimulator::State::pause(std::chrono::nanoseconds duration)
{
    const auto until = std::chrono::steady_clock::now() + duration;
    for (;;) {
        const auto left = until - std::chrono::steady_clock::now();
        pollfd wake{ wakeRead, POLLIN, 0 };
        if (left < std::chrono::milliseconds(1)) {
            // Pacing gaps are shorter than poll()'s resolution; a stop waits at most this long.
            if (left > std::chrono::nanoseconds::zero())
                std::this_thread::sleep_for(left);
            return ::poll(&wake, 1, 0) == 0;
        }
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left);
        const int r = ::poll(&wake, 1, static_cast<int>(ms.count()));
        if (r > 0 || (r < 0 && errno != EINTR))
            return false;
    }
}

bool EscSimulator::State::writeAll(const std::vector<std::uint8_t> &bytes)
{
    std::size_t done = 0;
    const auto deliveries = replyDeliveries(bytes.size(), std::chrono::steady_clock::now(), options.lineRatePacing,
                                            std::chrono::milliseconds(options.latencyTimerMs), started);
    for (const Delivery &delivery : deliveries) {
        if (!pause(delivery.at - std::chrono::steady_clock::now()))
            return false;
        const std::size_t end = done + delivery.count;
        while (done < end) {
            const ssize_t n = ::write(masterFd, bytes.data() + done, end - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            // The terminal's buffer is full: wait for room, or for a stop.
            pollfd fds[2] = { { masterFd, POLLOUT, 0 }, { wakeRead, POLLIN, 0 } };
            if (::poll(fds, 2, -1) < 0 && errno != EINTR)
                return false;
            if (fds[1].revents)
                return false;
        }
    }
    return true;
}

EscSimulator::EscSimulator(SimOptions options) : m_state(std::make_unique<State>(std::move(options))) {}

EscSimulator::~EscSimulator()
{
    stop();
}

bool EscSimulator::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->running;
}

bool EscSimulator::lineDropped() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->dropped;
}

std::string EscSimulator::devicePath() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->devicePath;
}

std::string EscSimulator::linkPath() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->linkPath;
}

int EscSimulator::modelCode() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->options.modelCode;
}

void EscSimulator::replaceEsc(int modelCode, std::optional<EscSettings> settings)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->options.modelCode = modelCode;
    m_state->settings = settings.value_or(factorySettings(modelCode));
}

EscSettings EscSimulator::settings() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->settings;
}

void EscSimulator::setFaults(const Faults &faults)
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->faults = faults;
    m_state->bytesSinceFaults = 0;
    m_state->commandsSinceFaults = 0;
}

Faults EscSimulator::faults() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->faults;
}

std::vector<ReceivedByte> EscSimulator::receivedBytes() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->log;
}

void EscSimulator::clearLog()
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->log.clear();
}

bool EscSimulator::waitForReceived(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    return m_state->received.wait_for(lock, timeout, [&] { return m_state->log.size() >= count; });
}

int EscSimulator::commandsReceived() const
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->commandsSinceFaults;
}

} // namespace orvesc::sim
