#pragma once

// An ESC on a cable in memory that answers at once, and a waiter whose limits pass at once: whole
// operations of the session run in microseconds, with no port and no real time.

#include "escsimulator.h"
#include "serialport.h"
#include "waiter.h"

#include <deque>
#include <optional>
#include <vector>

namespace orvesc::test {

class MemoryEsc : public SerialPort
{
public:
    int model = 38;
    sim::EscSettings settings = sim::factorySettings(38);
    sim::Faults faults;
    // Takes every command byte (a model code the model table does not name).
    bool acceptsEvery = false;
    // Opening fails with this error number.
    std::optional<int> openFails;
    std::vector<std::uint8_t> written;

    void setCommPort(int number) override { m_number = number; }
    int commPort() const override { return m_number; }
    void setSettings(const QString &) override {}
    void setInputLen(int length) override { m_inputLen = length; }
    void setInputMode(int) override {}
    bool portOpen() const override { return m_open; }
    void setPortOpen(bool open) override
    {
        if (open && openFails)
            throw SerialError(*openFails, SerialCause::InUse, QStringLiteral("COM%1").arg(m_number));
        m_open = open;
        if (!open)
            m_buffer.clear();
    }
    void output(const QByteArray &bytes) override
    {
        for (const char c : bytes)
            answer(std::uint8_t(c));
    }
    QByteArray input() override
    {
        QByteArray bytes;
        while (!m_buffer.empty() && (m_inputLen != 1 || bytes.isEmpty())) {
            bytes.append(char(m_buffer.front()));
            m_buffer.pop_front();
        }
        return bytes;
    }
    int inBufferCount() const override { return int(m_buffer.size()); }

private:
    void answer(std::uint8_t byte)
    {
        written.push_back(byte);
        if (faults.silent)
            return;
        if (byte == 0x00) {
            m_buffer.push_back(faults.identifyByte.value_or(std::uint8_t(model)));
        } else if (byte == 0x02) {
            const int length = sim::settingsReplyLength(model);
            for (int i = 0; i + 1 < length && i < faults.settingsBytes.value_or(length); ++i)
                m_buffer.push_back(settings[std::size_t(i)]);
            if (faults.settingsBytes.value_or(length) >= length)
                m_buffer.push_back(faults.closingByte.value_or(1));
        } else {
            const int element = sim::settingIndex(model, byte);
            const bool accepted = (element >= 0 || acceptsEvery) && ++m_commands != faults.rejectCommand;
            if (accepted && element >= 0 && m_commands != faults.ignoreCommand)
                settings[std::size_t(element)] = byte;
            if (!faults.answerWithoutEcho)
                m_buffer.push_back(byte);
            if (!faults.echoWithoutAnswer)
                m_buffer.push_back(accepted ? 1 : 0);
        }
    }

    int m_number = 0;
    int m_inputLen = 0;
    int m_commands = 0;
    bool m_open = false;
    std::deque<std::uint8_t> m_buffer;
};

// Every limit passes at once; a cancel may be set to strike at the n-th wait.
class InstantWaiter : public Waiter
{
public:
    int cancelAtWait = -1;

    std::chrono::nanoseconds wait(const std::function<bool()> &ready, std::chrono::milliseconds limit) override
    {
        if (m_waits++ == cancelAtWait)
            m_cancelled = true;
        return m_cancelled || ready() ? std::chrono::nanoseconds(0) : std::chrono::nanoseconds(limit);
    }
    void cancel() override { m_cancelled = true; }
    bool cancelled() const override { return m_cancelled; }

private:
    int m_waits = 0;
    bool m_cancelled = false;
};

} // namespace orvesc::test
