// Runs the ESC exchanges on a virtual clock against an ESC scripted by the fuzz input; after each exchange
// the port must be closed, only its own request sent, and the result one the exchange can give.
// Input per exchange: kind % 5 (identify twice over, read_Config, read_Config2, send_Command); operand
// (identify: signed port byte; send_Command: big-endian int16); fault (low 3 bits 4..7: the k-th open fails,
// the write fails, the line drops at the k-th look, the window closes in the k-th wait; k = fault >> 3);
// junk count % 4 and bytes; reply count % 16, then per byte its delay after the last in 8 ms steps and its value.

#include "escexchanges.h"
#include "memorysettingsview.h"
#include "scriptedesc.h"

#include <array>
#include <cstddef>
#include <cstdint>

using namespace orvesc;
using namespace orvesc::fuzz;

namespace {

constexpr int MaxExchanges = 64;

Script readScript(ByteReader &input)
{
    Script script;
    const int fault = input.next();
    script.faultAt = fault >> 3;
    script.fault = (fault & 7) >= 4 ? static_cast<Fault>((fault & 7) - 3) : Fault::None;
    for (int n = input.next() % 4; n > 0; --n)
        script.junk.push_back(input.next());
    Clock at{0};
    for (int n = input.next() % 16; n > 0; --n) {
        at += std::chrono::milliseconds(8 * input.next());
        script.reply.push_back({ at, input.next() });
    }
    return script;
}

class Bench
{
public:
    void run(ByteReader &input)
    {
        for (int i = 0; i < MaxExchanges && !input.atEnd(); ++i) {
            const int kind = input.next() % 5;
            int operand = kind <= 1 ? static_cast<std::int8_t>(input.next()) : 0; // ports 0 and below too
            if (kind == 4) {
                const int high = input.next();
                operand = static_cast<std::int16_t>((high << 8) | input.next());
            }
            const Script script = readScript(input);
            const bool cancelledBefore = m_waiter.cancelled();
            m_port.begin(script);
            m_waiter.begin(script);
            m_failure = {};

            if (kind <= 1)
                identification(operand, script);
            else if (kind <= 3)
                settingsRead(kind == 2 ? 11 : 12, script);
            else
                command(static_cast<std::int16_t>(operand));

            const std::size_t written = m_port.written().size();
            FUZZ_CHECK(!m_port.portOpen(), "exchange %d left the port open", kind);
            FUZZ_CHECK(written <= 1, "exchange %d wrote %zu bytes", kind, written);
            FUZZ_CHECK(!cancelledBefore || written == 0, "exchange %d wrote after the window closed", kind);
            FUZZ_CHECK(!m_waiter.cancelled() || m_failure.is(EscFailure::Kind::Cancelled),
                       "failure %d after the window closed", static_cast<int>(m_failure.kind));
        }
    }

private:
    bool failedQuietly() const { return m_waiter.cancelled(); }
    bool reported() const { return bool(m_failure) && !failedQuietly(); }
    void checkRequest(int request) const
    {
        FUZZ_CHECK(m_port.written().empty() || m_port.written()[0] == request, "wrote %d, not %d",
                   m_port.written()[0], request);
    }

    // Whether the first n reply bytes all arrive before the limit, with nothing in the way.
    static bool replyInTime(const Script &script, std::size_t n, Clock limit)
    {
        return script.fault == Fault::None && script.reply.size() >= n && script.reply[n - 1].first < limit;
    }

    void identification(int portNumber, const Script &script)
    {
        const auto found = m_exchanges.identify(portNumber);
        m_failure = found.failure;
        const int code = found.code;
        const auto &taken = m_port.taken();
        FUZZ_CHECK(code == 0 || acceptedModel(code), "identified model code %d", code);
        FUZZ_CHECK(found.identified() == (code != 0), "failure %d with code %d", static_cast<int>(m_failure.kind), code);
        checkRequest(EscExchanges::IdentifyRequest);
        if (code != 0)
            FUZZ_CHECK(!m_failure && !taken.empty() && taken[0].value == code
                           && taken[0].time - *m_port.writeTime() < EscExchanges::IdentifyLimit,
                       "model code %d is not the reply in time, or a failure came", code);
        else
            FUZZ_CHECK(bool(m_failure), "identify failed without a failure");
        if (portNumber > 0 && !failedQuietly() && replyInTime(script, 1, EscExchanges::IdentifyLimit)
            && acceptedModel(script.reply[0].second))
            FUZZ_CHECK(code == script.reply[0].second, "a good reply %d in time was refused", script.reply[0].second);
    }

    void settingsRead(std::size_t length, const Script &script)
    {
        constexpr std::int16_t Untouched = 777;
        std::array<std::int16_t, 12> config{};
        config.fill(Untouched);
        m_failure = length == 11 ? m_exchanges.read_Config(config) : m_exchanges.read_Config2(config);

        checkRequest(EscExchanges::SettingsRequest);
        const auto &taken = m_port.taken();
        FUZZ_CHECK(taken.size() <= length, "the read took %zu bytes", taken.size());
        const bool failed = reported() || failedQuietly();
        FUZZ_CHECK(!failed || config[0] == 0, "a failed read left element 0 at %d", config[0]);
        FUZZ_CHECK(failed
                       || (taken.size() == length && config[length - 1] == 1
                           && taken.back().time - *m_port.writeTime() < EscExchanges::SettingsLimit),
                   "a read of %zu bytes, closing %d, passed", taken.size(), config[length - 1]);
        for (std::size_t k = failed ? 1 : 0; k < config.size(); ++k) {
            const int expected = k < taken.size() ? taken[k].value : Untouched;
            FUZZ_CHECK(config[k] == expected, "element %zu is %d, not %d", k, config[k], expected);
        }
        if (!failedQuietly() && replyInTime(script, length, EscExchanges::SettingsLimit)
            && script.reply[length - 1].second == 1)
            FUZZ_CHECK(!failed || (m_failure.is(EscFailure::Kind::EmptyReport) && config[0] == 0),
                       "a complete reply in time was refused");
    }

    void command(std::int16_t value)
    {
        m_port.setInputLen(1); // as PROGRAM sets up, whatever the last exchange left
        m_port.setInputMode(1);
        const auto reply = m_exchanges.send_Command(value);
        m_failure = reply.failure;
        const std::int16_t answer = reply.reply;
        const auto &taken = m_port.taken();
        if (value < 0 || value > 255) {
            FUZZ_CHECK(m_port.written().empty() && answer == 0, "command %d was sent, answer %d", value, answer);
            return;
        }
        checkRequest(value);
        FUZZ_CHECK(taken.size() <= 2, "the command took %zu bytes", taken.size());
        if ((reported() || failedQuietly()) && !m_failure.is(EscFailure::Kind::BadReply)) {
            FUZZ_CHECK(answer == 0, "a failed command answered %d", answer);
            return;
        }
        // The answer is the byte after the echo, or the first byte when it is not the echo.
        const bool echoed = !taken.empty() && taken[0].value == value;
        FUZZ_CHECK(taken.size() == (echoed ? 2u : 1u) && answer == taken.back().value,
                   "command %d answered %d after %zu bytes", value, answer, taken.size());
    }

    VirtualTime m_time;
    ScriptedPort m_port{ m_time };
    VirtualWaiter m_waiter{ m_time, m_port };
    EscFailure m_failure;
    EscExchanges m_exchanges{ m_port, m_waiter };
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ByteReader input(data, size);
    Bench().run(input);
    return 0;
}
