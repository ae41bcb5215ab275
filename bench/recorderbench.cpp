// What the traffic recorder adds to the calls a wait makes over and over (the buffer count and
// the read of one byte), and to a write, against the same calls on the component alone.
#include "trafficrecorder.h"

#include <benchmark/benchmark.h>

using namespace orvesc;

namespace {

// A component that always has one byte waiting: the cost measured is the recorder's alone.
class MemoryPort : public SerialPort
{
public:
    void setCommPort(int number) override { m_number = number; }
    int commPort() const override { return m_number; }
    void setSettings(const QString &) override {}
    void setInputLen(int) override {}
    void setInputMode(int) override {}
    void setPortOpen(bool open) override { m_open = open; }
    bool portOpen() const override { return m_open; }
    void output(const QByteArray &bytes) override { benchmark::DoNotOptimize(bytes.size()); }
    QByteArray input() override { return m_byte; }
    int inBufferCount() const override { return 1; }

private:
    int m_number = 1;
    bool m_open = true;
    QByteArray m_byte = QByteArray(1, '\x01');
};

template <typename Make>
void pollAndRead(benchmark::State &state, Make make)
{
    MemoryPort memory;
    auto holder = make(memory);
    SerialPort &port = *holder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(port.inBufferCount());
        benchmark::DoNotOptimize(port.input());
    }
}

template <typename Make>
void writeOneByte(benchmark::State &state, Make make)
{
    MemoryPort memory;
    auto holder = make(memory);
    SerialPort &port = *holder;
    const QByteArray byte(1, '\x91');
    for (auto _ : state)
        port.output(byte);
}

// The component itself, behind the same interface, so both sides pay one virtual call.
struct Plain : SerialPort
{
    explicit Plain(SerialPort &inner) : inner(inner) {}
    void setCommPort(int number) override { inner.setCommPort(number); }
    int commPort() const override { return inner.commPort(); }
    void setSettings(const QString &settings) override { inner.setSettings(settings); }
    void setInputLen(int length) override { inner.setInputLen(length); }
    void setInputMode(int mode) override { inner.setInputMode(mode); }
    void setPortOpen(bool open) override { inner.setPortOpen(open); }
    bool portOpen() const override { return inner.portOpen(); }
    void output(const QByteArray &bytes) override { inner.output(bytes); }
    QByteArray input() override { return inner.input(); }
    int inBufferCount() const override { return inner.inBufferCount(); }
    SerialPort &inner;
};

auto plain = [](SerialPort &inner) { return std::make_unique<Plain>(inner); };
auto recorded = [](SerialPort &inner) { return std::make_unique<TrafficRecorder>(inner); };

void pollAndReadPlain(benchmark::State &state) { pollAndRead(state, plain); }
void pollAndReadRecorded(benchmark::State &state) { pollAndRead(state, recorded); }
void writePlain(benchmark::State &state) { writeOneByte(state, plain); }
void writeRecorded(benchmark::State &state) { writeOneByte(state, recorded); }

} // namespace

BENCHMARK(pollAndReadPlain);
BENCHMARK(pollAndReadRecorded);
BENCHMARK(writePlain);
BENCHMARK(writeRecorded);

BENCHMARK_MAIN();
