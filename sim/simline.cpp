// The simulator's line: the pseudo-terminal, its port link, and pulling the cable.
#include "simstate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace orvesc::sim {

namespace {

std::string errnoText(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

bool setCloseOnExec(int fd)
{
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
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

} // namespace orvesc::sim
