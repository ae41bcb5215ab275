#include "escsimulator.h"

#include "replytiming.h"

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace orvesc::sim {

namespace {

constexpr std::uint8_t IdentifyRequest = 0x00;
constexpr std::uint8_t SettingsRequest = 0x02;
constexpr std::uint8_t ClosingByte = 1;
constexpr std::uint8_t Accepted = 1;
constexpr std::uint8_t Refused = 0;

std::string errnoText(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool setCloseOnExec(int fd)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

struct EscSimulator::State
{
    explicit State(SimOptions o)
        : options(std::move(o)),
          settings(options.settings.value_or(factorySettings(options.modelCode))),
          faults(options.faults)
    {
    }

    // Fixed while the serving thread runs.
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

void EscSimulator::State::dropLine()
{
    std::lock_guard<std::mutex> lock(mutex);
    // Closing both ends makes the device vanish, as when the cable is pulled.
    closeFd(masterFd);
    closeFd(slaveFd);
    removeLink();
    dropped = true;
}

void EscSimulator::State::removeLink()
{
    if (linkPath.empty())
        return;
    // Only our own link: another simulator may have taken the name since.
    std::error_code ec;
    if (std::filesystem::read_symlink(linkPath, ec) == devicePath)
        std::filesystem::remove(linkPath, ec);
}

EscSimulator::EscSimulator(SimOptions options) : m_state(std::make_unique<State>(std::move(options))) {}

EscSimulator::~EscSimulator()
{
    stop();
}

bool EscSimulator::start(const std::string &linkFolder, int comNumber, std::string *error)
{
    State &s = *m_state;
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why;
        closeFd(s.masterFd);
        closeFd(s.slaveFd);
        closeFd(s.wakeRead);
        closeFd(s.wakeWrite);
        return false;
    };
    if (isRunning())
        return fail("the simulator is already running on " + s.linkPath);
    if (comNumber < 1)
        return fail("COM port numbers start at 1");

    s.masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (s.masterFd < 0)
        return fail(errnoText("cannot open a pseudo-terminal"));
    char name[128];
    if (::grantpt(s.masterFd) != 0 || ::unlockpt(s.masterFd) != 0
        || ::ptsname_r(s.masterFd, name, sizeof name) != 0)
        return fail(errnoText("cannot prepare the pseudo-terminal"));
    const std::string device = name;

    // Held for the simulator's lifetime so that the master never sees a hang-up between the PC's
    // opens and closes of the port.
    s.slaveFd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (s.slaveFd < 0)
        return fail(errnoText("cannot open " + device));
    termios tio{};
    if (::tcgetattr(s.slaveFd, &tio) != 0)
        return fail(errnoText("cannot read the line settings of " + device));
    // Raw and without echo: the line discipline would otherwise send the PC's bytes straight back.
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B19200);
    ::cfsetospeed(&tio, B19200);
    if (::tcsetattr(s.slaveFd, TCSANOW, &tio) != 0)
        return fail(errnoText("cannot set the line settings of " + device));

    int wake[2];
    if (::pipe(wake) != 0)
        return fail(errnoText("cannot create the wake-up pipe"));
    s.wakeRead = wake[0];
    s.wakeWrite = wake[1];
    if (!setCloseOnExec(s.masterFd) || !setCloseOnExec(s.slaveFd) || !setCloseOnExec(s.wakeRead)
        || !setCloseOnExec(s.wakeWrite) || ::fcntl(s.masterFd, F_SETFL, O_NONBLOCK) != 0)
        return fail(errnoText("cannot set up the pseudo-terminal's descriptors"));

    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(linkFolder, ec);
    if (ec)
        return fail("cannot create the folder " + linkFolder + ": " + ec.message());
    const std::string link = (fs::path(linkFolder) / ("com" + std::to_string(comNumber))).string();
    const fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status)) {
        if (!fs::is_symlink(status))
            return fail(link + " exists and is not a port link");
        if (fs::exists(link, ec))
            return fail(link + " already links to the live device " + fs::read_symlink(link, ec).string());
        fs::remove(link, ec);
    }
    fs::create_symlink(device, link, ec);
    if (ec)
        return fail("cannot create the link " + link + ": " + ec.message());

    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.devicePath = device;
        s.linkPath = link;
        s.running = true;
        s.dropped = false;
        s.bytesSinceFaults = 0;
        s.commandsSinceFaults = 0;
        s.log.clear();
    }
    s.started = std::chrono::steady_clock::now();
    s.thread = std::thread([&s] { s.serve(); });
    return true;
}

void EscSimulator::stop()
{
    State &s = *m_state;
    if (!s.thread.joinable())
        return;
    const char wake = 1;
    while (::write(s.wakeWrite, &wake, 1) < 0 && errno == EINTR) {
    }
    s.thread.join();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.removeLink();
    closeFd(s.masterFd);
    closeFd(s.slaveFd);
    closeFd(s.wakeRead);
    closeFd(s.wakeWrite);
    s.running = false;
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
