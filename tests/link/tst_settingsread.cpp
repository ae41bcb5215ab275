#include "linkfixture.h"

using namespace orvesc;
using test::faults;

namespace {

constexpr int Untouched = 77;
// Brake, battery, nickel and lithium cutoff, cutoff action, soft start, timing, frequency,
// reverse, RPM control, acceleration delay.
constexpr sim::EscSettings Stored{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
using Config = QList<int>;

Config failedAt(int received)
{
    Config config{0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
    config = config.mid(0, std::max(received, 1));
    config[0] = 0;
    while (config.size() < 12)
        config << Untouched;
    return config;
}

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
    QTest::addColumn<QString>("message");  // %1 the device
    QTest::addColumn<int>("minMs");

    const Config eleven{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1, Untouched};
    const Config twelve{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192, 1};
    const sim::Faults extra = faults([](auto &f) { f.extraBytes = {9}; });
    QTest::newRow("eleven bytes") << 38 << 160 << sim::Faults{} << 1 << 11 << eleven << QString() << 0;
    QTest::newRow("twelve bytes") << 183 << 160 << sim::Faults{} << 1 << 12 << twelve << QString() << 0;
    QTest::newRow("twelve bytes for eleven") << 38 << 160 << extra << 1 << 11 << eleven << QString() << 0;
    QTest::newRow("thirteen bytes for twelve") << 183 << 160 << extra << 1 << 12 << twelve << QString() << 0;
    QTest::newRow("closing byte 0") << 38 << 160 << faults([](auto &f) { f.closingByte = 0; }) << 1 << 11
            << Config{0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 0, Untouched} << "Communication Error" << 0;
    // No message here: the caller sees element 0 at 0 and takes the read as failed.
    QTest::newRow("first byte 0") << 38 << 0 << sim::Faults{} << 1 << 11
            << Config{0, 38, 48, 56, 65, 81, 98, 112, 128, 144, 1, Untouched} << QString() << 0;
    QTest::newRow("seven bytes then time-out") << 38 << 160 << faults([](auto &f) { f.settingsBytes = 7; })
            << 1 << 11 << failedAt(7) << "Communication Error" << 5000;
    QTest::newRow("no port") << 38 << 160 << sim::Faults{} << 9 << 11 << failedAt(0)
            << "There is no COM9: no serial port or USB adapter has that number. Check that the adapter is plugged in." << 0;
    QTest::newRow("line dropped") << 38 << 160 << faults([](auto &f) { f.dropAfterBytes = 1; }) << 1 << 11
            << failedAt(0) << "The connection to COM1 (%1) was lost: the USB adapter may have been unplugged." << 0;
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

    sim::SimOptions options;
    options.modelCode = model;
    options.settings = Stored;
    (*options.settings)[0] = std::uint8_t(firstSetting);
    options.faults = escFaults;
    test::Rig rig(options);
    rig.prepare(portNumber);

    std::array<std::int16_t, 12> escConfig;
    escConfig.fill(Untouched);
    QElapsedTimer clock;
    clock.start();
    if (length == 12)
        rig.exchanges.read_Config2(escConfig);
    else
        rig.exchanges.read_Config(escConfig);
    const double ms = test::msSince(clock);

    QCOMPARE(Config(escConfig.begin(), escConfig.end()), expected);
    QVERIFY2(ms >= minMs && ms < minMs + 1500, qPrintable(QString::number(ms)));
    QCOMPARE(rig.messages.texts, test::shown(message.contains(QLatin1String("%1")) ? message.arg(rig.device()) : message));
    QVERIFY(!rig.port.portOpen());
    QCOMPARE(test::received(rig.esc), portNumber == 1 ? std::vector<int>{0x02} : std::vector<int>{});
}

QTEST_GUILESS_MAIN(TestSettingsRead)
#include "tst_settingsread.moc"
