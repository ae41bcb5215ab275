#pragma once

// An ESC and its cable in memory on a virtual clock: any reply, delay or failure, with no port or real time.

#include "fuzzcheck.h"
#include "serialport.h"
#include "waiter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace orvesc::fuzz {

using namespace std::chrono_literals;
using Clock = std::chrono::nanoseconds;

// Far more waits than any exchange needs: more means the exchange spins.
constexpr int MaxWaitsPerExchange = 1000;

enum class Fault { None, Open, Write, LineDrop, Close };

// One exchange's ESC and cable: the fault strikes after faultAt opens, looks at the receive side or
// waits; junk waits when the port first opens; each reply byte arrives at its time after the write.
struct Script
{
    Fault fault = Fault::None;
    int faultAt = 0;
    std::vector<std::uint8_t> junk;
    std::vector<std::pair<Clock, std::uint8_t>> reply;
};

// The virtual time shared by the port and the waiter.
struct VirtualTime
{
    Clock now{0};
};

// A serial component playing the script back as the ESC's bytes and noting what the exchange did.
class ScriptedPort : public SerialPort
{
public:
    struct Arrival
    {
        Clock time;
        std::uint8_t value;
    };

    explicit ScriptedPort(VirtualTime &time) : m_time(time) {}

    void begin(const Script &script)
    {
        m_script = script;
        m_opens = m_looks = 0;
        m_written.clear();
        m_taken.clear();
        m_writeTime.reset();
    }

    void setCommPort(int number) override
    {
        if (m_open)
            throw SerialError(serialerror::PortAlreadyOpen, SerialCause::OpenFailed, QStringLiteral("COM is open"));
        m_commPort = number;
    }
    int commPort() const override { return m_commPort; }
    void setSettings(const QString &) override {}
    void setInputLen(int length) override { m_inputLen = length; }
    void setInputMode(int) override {}
    bool portOpen() const override { return m_open; }

    void setPortOpen(bool open) override
    {
        if (!open) {
            m_open = m_lineDropped = false;
            m_buffer.clear();
            m_pending.clear();
            return;
        }
        if (m_open)
            throw SerialError(serialerror::PortAlreadyOpen, SerialCause::OpenFailed, QStringLiteral("already open"));
        if (++m_opens > m_script.faultAt && m_script.fault == Fault::Open)
            throw SerialError(serialerror::PortInUse, SerialCause::OpenFailed, QStringLiteral("held by another program"));
        m_open = true;
        for (const std::uint8_t value : m_opens == 1 ? m_script.junk : std::vector<std::uint8_t>())
            m_buffer.push_back({ m_time.now, value });
    }

    void output(const QByteArray &bytes) override
    {
        requireLine();
        if (m_script.fault == Fault::Write)
            throw SerialError(serialerror::WriteFailed, SerialCause::OpenFailed, QStringLiteral("write failed"));
        m_written.insert(m_written.end(), bytes.begin(), bytes.end());
        m_writeTime = m_time.now;
        for (const auto &[delay, value] : m_script.reply)
            m_pending.push_back({ m_time.now + delay, value });
    }

    QByteArray input() override
    {
        look();
        QByteArray bytes;
        while (!m_buffer.empty() && (m_inputLen != 1 || bytes.isEmpty())) {
            bytes.append(static_cast<char>(m_buffer.front().value));
            if (m_writeTime)
                m_taken.push_back(m_buffer.front());
            m_buffer.pop_front();
        }
        return bytes;
    }

    int inBufferCount() const override
    {
        const_cast<ScriptedPort *>(this)->look();
        return static_cast<int>(m_buffer.size());
    }

    // Moves the bytes due by now from the line into the receive buffer.
    void deliver()
    {
        for (; m_open && !m_pending.empty() && m_pending.front().time <= m_time.now; m_pending.pop_front())
            m_buffer.push_back(m_pending.front());
    }
    std::optional<Clock> nextArrival() const
    {
        return m_open && !m_pending.empty() ? std::optional<Clock>(m_pending.front().time) : std::nullopt;
    }

    const std::vector<std::uint8_t> &written() const { return m_written; }
    // The bytes the exchange took after its write, with their arrival times.
    const std::vector<Arrival> &taken() const { return m_taken; }
    std::optional<Clock> writeTime() const { return m_writeTime; }

private:
    void requireLine() const
    {
        if (!m_open)
            throw SerialError(serialerror::PortNotOpen, SerialCause::OpenFailed, QStringLiteral("not open"));
        if (m_lineDropped)
            throw SerialError(serialerror::ConnectionLost, SerialCause::OpenFailed, QStringLiteral("line lost"));
    }
    void look()
    {
        requireLine();
        m_lineDropped = m_script.fault == Fault::LineDrop && ++m_looks > m_script.faultAt;
        requireLine();
        deliver();
    }

    VirtualTime &m_time;
    Script m_script;
    int m_commPort = 1;
    int m_inputLen = 0;
    bool m_open = false;
    bool m_lineDropped = false;
    int m_opens = 0;
    int m_looks = 0;
    std::deque<Arrival> m_buffer;
    std::deque<Arrival> m_pending;
    std::vector<std::uint8_t> m_written;
    std::vector<Arrival> m_taken;
    std::optional<Clock> m_writeTime;
};

// A waiter on the virtual clock: time jumps to the next byte's arrival or to the limit.
class VirtualWaiter : public Waiter
{
public:
    VirtualWaiter(VirtualTime &time, ScriptedPort &port) : m_time(time), m_port(port) {}

    void begin(const Script &script)
    {
        m_waits = 0;
        m_closeAt = script.fault == Fault::Close ? script.faultAt : -1;
    }

    Clock wait(const std::function<bool()> &ready, std::chrono::milliseconds limit) override
    {
        ++m_waits;
        FUZZ_CHECK(m_waits <= MaxWaitsPerExchange, "an exchange waited %d times", m_waits);
        FUZZ_CHECK(limit.count() > 0, "a wait with limit %lld ms", static_cast<long long>(limit.count()));
        const Clock start = m_time.now;
        if (m_cancelled)
            return Clock{0};
        if (m_waits - 1 == m_closeAt) { // the window closes halfway through this wait
            m_time.now = start + limit / 2;
            cancel();
            return m_time.now - start;
        }
        for (;;) {
            m_port.deliver();
            if (ready())
                return m_time.now - start;
            const std::optional<Clock> next = m_port.nextArrival();
            if (!next || *next > start + limit) {
                m_time.now = start + limit;
                m_port.deliver();
                return limit;
            }
            m_time.now = std::max(m_time.now, *next);
        }
    }

    int waits() const { return m_waits; }
    void cancel() override { m_cancelled = true; }
    bool cancelled() const override { return m_cancelled; }

private:
    VirtualTime &m_time;
    ScriptedPort &m_port;
    bool m_cancelled = false;
    int m_waits = 0;
    int m_closeAt = -1;
};

} // namespace orvesc::fuzz
