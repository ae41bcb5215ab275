#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

namespace orvesc::sim {

// One write of a reply to the pseudo-terminal: the next `count` bytes, at `at`.
struct Delivery
{
    std::chrono::steady_clock::time_point at;
    std::size_t count = 0;
};

// When the PC receives a reply of `bytes` bytes that is ready to go at `now`. Paced, each byte
// arrives one byte time (19200 baud) after the one before; otherwise all at once. With a latency
// timer, the adapter holds what reached it until the timer's next tick (every latencyTimer since
// `ticksFrom`, as an FTDI chip's timer runs), then hands all of it over at once.
std::vector<Delivery> replyDeliveries(std::size_t bytes, std::chrono::steady_clock::time_point now, bool paced,
                                      std::chrono::milliseconds latencyTimer,
                                      std::chrono::steady_clock::time_point ticksFrom);

// One byte is 10 bits (start, 8 data, stop) at 19200 baud.
inline constexpr std::chrono::nanoseconds ByteTime{10 * 1000000000LL / 19200};

} // namespace orvesc::sim
