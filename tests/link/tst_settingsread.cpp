#include "escexchanges.h"
#include "eventloopwaiter.h"
#include "linkfixture.h"
#include "qserialportcomponent.h"

#include <QElapsedTimer>

using namespace orvesc;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(orvesc::sim::Faults)

namespace {

constexpr std::int16_t Untouched = 77;
// The ESC's settings: brake, battery, nickel and lithium cutoff, cutoff action, soft start,
// timing, frequency, reverse, RPM control, acceleration delay.
constexpr sim::EscSettings Stored{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};

using Config = QList<int>;

} // namespace

// The settings read: which reply bytes land in EscConfig, and what the user is told.
class TestSettingsRead : public QObject
{
    Q_OBJECT

private slots:
    void replyLandsInEscConfig_data();
    void replyLandsInEscConfig();
};

void TestSettingsRead::replyLandsInEscConfig_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("firstSetting");
    QTest::addColumn<sim::Faults>("escFaults");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<int>("length");
    QTest::addColumn<Config>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("minMs");

    const sim::Faults none;
    sim::Faults closingZero;
    closingZero.closingByte = 0;
    sim::Faults extra;
    extra.extraBytes = {9};
    sim::Faults seven;
    seven.settingsBytes = 7;
    sim::Faults drop;
    drop.dropAfterBytes = 1;

    QTest::newRow("eleven bytes") << 38 << 160 << none << 1 << 11
            << Config{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1, Untouched} << QString() << 0;
    QTest::newRow("twelve bytes") << 183 << 160 << none << 1 << 12
            << Config{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1} << QString() << 0;
    QTest::newRow("closing byte 0") << 38 << 160 << closingZero << 1 << 11
            << Config{0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, Untouched}
            << "Communication Error" << 0;
    QTest::newRow("twelve bytes for eleven") << 38 << 160 << extra << 1 << 11
            << Config{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1, Untouched} << QString() << 0;
    QTest::newRow("thirteen bytes for twelve") << 183 << 160 << extra << 1 << 12
            << Config{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1} << QString() << 0;
    // No message here; the caller sees element 0 at 0 and takes the read as failed.
    QTest::newRow("first byte 0") << 38 << 0 << none << 1 << 11
            << Config{0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1, Untouched} << QString() << 0;
    QTest::newRow("seven bytes then time-out") << 38 << 160 << seven << 1 << 11
            << Config{0, 38, 48, 56, 65, 81, 98, Untouched, Untouched, Untouched, Untouched, Untouched}
            << "Communication Error" << 5000;
    QTest::newRow("no port") << 38 << 160 << none << 9 << 11
            << Config{0, Untouched, Untouched, Untouched, Untouched, Untouched, Untouched,
                      Untouched, Untouched, Untouched, Untouched, Untouched}
            << "There is no COM9: no serial port or USB adapter has that number. Check that the "
               "adapter is plugged in."
            << 0;
    QTest::newRow("line dropped") << 38 << 160 << drop << 1 << 11
            << Config{0, Untouched, Untouched, Untouched, Untouched, Untouched, Untouched,
                      Untouched, Untouched, Untouched, Untouched, Untouched}
            << "The connection to COM1 (%1) was lost: the USB adapter may have been unplugged."
            << 0;
}

void TestSettingsRead::replyLandsInEscConfig()
{
    QFETCH(int, model);
    QFETCH(int, firstSetting);
    QFETCH(sim::Faults, escFaults);
    QFETCH(int, portNumber);
    QFETCH(int, length);
    QFETCH(Config, expected);
    QFETCH(QString, message);
    QFETCH(int, minMs);

    test::SimBench bench;
    sim::SimOptions options;
    options.modelCode = model;
    options.settings = Stored;
    (*options.settings)[0] = std::uint8_t(firstSetting);
    options.faults = escFaults;
    sim::EscSimulator &esc = bench.start(1, options);
    QSerialPortComponent port(bench.portMap());
    EventLoopWaiter waiter;
    test::MessageRecorder messages;
    EscExchanges exchanges(port, waiter, messages);

    // The number and line settings an identification leaves behind, failed or not.
    try {
        port.setCommPort(portNumber);
    } catch (const SerialError &) {
    }
    port.setSettings(QStringLiteral("19200,N,8,1"));

    std::array<std::int16_t, 12> escConfig;
    escConfig.fill(Untouched);
    QElapsedTimer clock;
    clock.start();
    if (length == 12)
        exchanges.read_Config2(escConfig);
    else
        exchanges.read_Config(escConfig);
    const double ms = clock.nsecsElapsed() / 1e6;

    QCOMPARE(Config(escConfig.begin(), escConfig.end()), expected);
    QVERIFY2(ms >= minMs && ms < minMs + 1500, qPrintable(QString::number(ms)));
    if (message.contains(QLatin1String("%1")))
        message = message.arg(QString::fromStdString(esc.devicePath()));
    QCOMPARE(messages.texts,
             message.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{message.toStdString()});
    QVERIFY(!port.portOpen());
    QCOMPARE(test::receivedValues(esc),
             portNumber == 1 ? std::vector<int>{0x02} : std::vector<int>{});
}

QTEST_GUILESS_MAIN(TestSettingsRead)
#include "tst_settingsread.moc"
