#include "replytiming.h"

namespace orvesc::sim {

std::vector<Delivery> replyDeliveries(std::size_t bytes, std::chrono::steady_clock::time_point now, bool paced,
                                      std::chrono::milliseconds latencyTimer,
                                      std::chrono::steady_clock::time_point ticksFrom)
{
    std::vector<Delivery> deliveries;
    for (std::size_t i = 0; i < bytes; ++i) {
        std::chrono::steady_clock::time_point at = now;
        if (paced)
            at += std::chrono::duration_cast<std::chrono::steady_clock::duration>(ByteTime * (i + 1));
        if (latencyTimer.count() > 0 && at > ticksFrom) {
            const auto ticks = (at - ticksFrom + latencyTimer - std::chrono::nanoseconds(1)) / latencyTimer;
            at = ticksFrom + std::chrono::duration_cast<std::chrono::steady_clock::duration>(ticks * latencyTimer);
        }
        if (!deliveries.empty() && deliveries.back().at == at)
            ++deliveries.back().count;
        else
            deliveries.push_back(Delivery{at, 1});
    }
    return deliveries;
}

} // namespace orvesc::sim
