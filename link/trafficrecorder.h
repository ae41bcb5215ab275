#pragma once

#include "serialport.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvesc {

// One thing that happened on the serial component, stamped with the monotonic clock.
struct TrafficEvent
{
    enum class Kind : std::uint8_t { Open, Close, Written, Read, Failure };
    using Clock = std::chrono::steady_clock;

    Kind kind = Kind::Open;
    Clock::time_point time;
    // The COM number the component held.
    int port = 0;
    // Written or Read: the bytes, in order.
    QByteArray bytes;
    // Failure: the error.
    std::optional<SerialError> error;
};

// Keeps the last events of a serial component for a diagnostics file, and hands each one to an
// optional sink as it happens (a live trace). Wraps the component and passes every call through
// unchanged; a failure is recorded and thrown on as it was.
class TrafficRecorder : public SerialPort
{
public:
    using Sink = std::function<void(const TrafficEvent &)>;
    static constexpr std::size_t DefaultCapacity = 4096;

    explicit TrafficRecorder(SerialPort &inner, std::size_t capacity = DefaultCapacity);

    // Called for each event right after it is recorded; an empty sink stops the calls.
    void setSink(Sink sink);

    // The recorded events, oldest first; at most capacity() of them.
    std::vector<TrafficEvent> events() const;
    std::size_t capacity() const { return m_ring.size(); }
    // Events pushed out of the ring by newer ones since the start or the last clear().
    std::size_t dropped() const { return m_dropped; }
    void clear();
    // When the recorder was made: the origin of the time stamps a trace prints.
    TrafficEvent::Clock::time_point started() const { return m_started; }

    void setCommPort(int number) override;
    int commPort() const override;
    void setSettings(const QString &settings) override;
    void setInputLen(int length) override;
    void setInputMode(int mode) override;
    void setPortOpen(bool open) override;
    bool portOpen() const override;
    void output(const QByteArray &bytes) override;
    QByteArray input() override;
    int inBufferCount() const override;

private:
    void record(TrafficEvent::Kind kind, const QByteArray &bytes = QByteArray());
    void recordFailure(const SerialError &error) const;
    void push(TrafficEvent &&event) const;

    SerialPort &m_inner;
    TrafficEvent::Clock::time_point m_started;
    // A failure in a const call (inBufferCount) is still worth keeping.
    mutable std::vector<TrafficEvent> m_ring;
    mutable std::size_t m_next = 0;
    mutable std::size_t m_count = 0;
    mutable std::size_t m_dropped = 0;
    Sink m_sink;
};

} // namespace orvesc
