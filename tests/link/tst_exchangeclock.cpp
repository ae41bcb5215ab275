#include "escexchanges.h"
#include "memorysettingsview.h"
#include "scriptedesc.h"

#include <QTest>

using namespace orvesc;
using namespace orvesc::fuzz;

// The exchanges' time limits on the waiter's clock: driven on virtual time, a limit is neither
// cut short nor overrun, and a silent ESC costs a few waits, not a spin until real time runs out.
class TestExchangeClock : public QObject
{
    Q_OBJECT

private slots:
    void settingsReadHasFiveSecondsInAll_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("arrives");
        QTest::newRow("11 bytes 450 ms apart: last at 4.95 s") << 450 << 11 << true;
        QTest::newRow("11 bytes 460 ms apart: last at 5.06 s") << 460 << 11 << false;
        QTest::newRow("7 bytes, then silence") << 10 << 7 << false;
        QTest::newRow("silent ESC") << 0 << 0 << false;
    }
    void settingsReadHasFiveSecondsInAll()
    {
        QFETCH(int, gapMs);
        QFETCH(int, bytes);
        QFETCH(bool, arrives);
        Script script;
        for (int i = 1; i <= bytes; ++i)
            script.reply.push_back({i * std::chrono::milliseconds(gapMs), i == 11 ? 1 : 160});
        VirtualTime time;
        ScriptedPort port(time);
        VirtualWaiter waiter(time, port);
        RecordingMessenger messenger;
        EscExchanges exchanges(port, waiter, messenger);
        port.begin(script);
        waiter.begin(script);
        std::array<std::int16_t, 12> config{};
        exchanges.read_Config(config);

        QCOMPARE(config[0] > 0, arrives);
        QCOMPARE(messenger.texts().empty(), arrives);
        QVERIFY(!port.portOpen());
        QVERIFY2(arrives || time.now >= 5s, "the ESC did not get its five seconds");
        QVERIFY2(time.now < 6s, "the read waited on past its limit");
        QVERIFY2(waiter.waits() <= bytes + 1, "the read spun instead of waiting");
    }
};

QTEST_GUILESS_MAIN(TestExchangeClock)
#include "tst_exchangeclock.moc"
