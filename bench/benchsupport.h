#pragma once

#include "messenger.h"

#ifdef _WIN32
#include <qt_windows.h>
#else
#include <sys/resource.h>
#endif

#include <cstdint>
#include <string>

namespace orvesc::bench {

// Takes every message without showing it: a benchmark has no one to read it.
class SilentMessenger : public Messenger
{
public:
    void beepAndShow(const std::string &) override {}
};

// CPU time this process has used so far, user and system.
inline double cpuSeconds()
{
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME &t) {
        return double((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
#else
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
            + usage.ru_stime.tv_usec / 1e6;
#endif
}

} // namespace orvesc::bench
