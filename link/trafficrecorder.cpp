#include "trafficrecorder.h"

#include <algorithm>

namespace orvesc {

TrafficRecorder::TrafficRecorder(SerialPort &inner, std::size_t capacity)
    : m_inner(inner), m_started(TrafficEvent::Clock::now()), m_ring(std::max<std::size_t>(capacity, 1))
{
}

void TrafficRecorder::setSink(Sink sink)
{
    m_sink = std::move(sink);
}

std::vector<TrafficEvent> TrafficRecorder::events() const
{
    std::vector<TrafficEvent> ordered;
    ordered.reserve(m_count);
    const std::size_t first = (m_next + m_ring.size() - m_count) % m_ring.size();
    for (std::size_t i = 0; i < m_count; ++i)
        ordered.push_back(m_ring[(first + i) % m_ring.size()]);
    return ordered;
}

void TrafficRecorder::clear()
{
    std::fill(m_ring.begin(), m_ring.end(), TrafficEvent());
    m_next = 0;
    m_count = 0;
    m_dropped = 0;
}

void TrafficRecorder::push(TrafficEvent &&event) const
{
    TrafficEvent &slot = m_ring[m_next];
    slot = std::move(event);
    m_next = (m_next + 1) % m_ring.size();
    if (m_count < m_ring.size())
        ++m_count;
    else
        ++m_dropped;
    if (m_sink)
        m_sink(slot);
}

void TrafficRecorder::record(TrafficEvent::Kind kind, const QByteArray &bytes)
{
    TrafficEvent event;
    event.kind = kind;
    event.time = TrafficEvent::Clock::now();
    event.port = m_inner.commPort();
    event.bytes = bytes;
    push(std::move(event));
}

void TrafficRecorder::recordFailure(const SerialError &error) const
{
    TrafficEvent event;
    event.kind = TrafficEvent::Kind::Failure;
    event.time = TrafficEvent::Clock::now();
    event.port = m_inner.commPort();
    event.error = error;
    push(std::move(event));
}

void TrafficRecorder::setCommPort(int number)
{
    try {
        m_inner.setCommPort(number);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

int TrafficRecorder::commPort() const
{
    return m_inner.commPort();
}

void TrafficRecorder::setSettings(const QString &settings)
{
    try {
        m_inner.setSettings(settings);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

void TrafficRecorder::setInputLen(int length)
{
    try {
        m_inner.setInputLen(length);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

void TrafficRecorder::setInputMode(int mode)
{
    try {
        m_inner.setInputMode(mode);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

void TrafficRecorder::setPortOpen(bool open)
{
    // Closing a closed port does nothing, and the exchanges do it on every path: only real
    // closes are worth a line.
    const bool wasOpen = !open && m_inner.portOpen();
    try {
        m_inner.setPortOpen(open);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
    if (open)
        record(TrafficEvent::Kind::Open);
    else if (wasOpen)
        record(TrafficEvent::Kind::Close);
}

bool TrafficRecorder::portOpen() const
{
    return m_inner.portOpen();
}

void TrafficRecorder::output(const QByteArray &bytes)
{
    try {
        m_inner.output(bytes);
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
    record(TrafficEvent::Kind::Written, bytes);
}

QByteArray TrafficRecorder::input()
{
    try {
        QByteArray bytes = m_inner.input();
        if (!bytes.isEmpty())
            record(TrafficEvent::Kind::Read, bytes);
        return bytes;
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

int TrafficRecorder::inBufferCount() const
{
    try {
        return m_inner.inBufferCount();
    } catch (const SerialError &error) {
        recordFailure(error);
        throw;
    }
}

} // namespace orvesc
