#pragma once

#include "messenger.h"

#include <sys/resource.h>

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
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
            + usage.ru_stime.tv_usec / 1e6;
}

} // namespace orvesc::bench
