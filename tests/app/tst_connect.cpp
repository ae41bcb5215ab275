#include "escbench.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using namespace orvesc;
using namespace orvesc::test;

namespace {

const QString NotFound = QStringLiteral(
    "Orvantis Controller Not Found!\r\r"
    "\u2022 Check the PC Cable Adapter's connector orientation at your ESC\r\r"
    "\u2022 Check Windows Device Manager to insure that device drivers for\r"
    "  your USB Adapter cable are properly loaded, and that a Serial Port\r"
    "  has been created by the USB adapter");

constexpr int Identify = 0x00;
constexpr int ReadSettings = 0x02;
const QList<int> ConnectTraffic{Identify, Identify, ReadSettings};
// Showing the settings counts as changing them, so the programming frame ends disabled.
const QString Connected38 = QStringLiteral("lamp detected esc lists program default \"QUORL R5 3S\"");

} // namespace

// CONNECT: the search over the listed ports, the identification, the settings read and what the
// window shows afterwards.
class TestConnect : public QObject
{
    Q_OBJECT

private slots:
    void searchStopsAtTheAnsweringPort_data()
    {
        QTest::addColumn<QList<int>>("ports");
        QTest::addColumn<QList<QList<int>>>("traffic");
        QTest::addColumn<int>("selected");
        // The ESC sits on the port whose traffic includes the settings read.
        QTest::newRow("second of three")
            << QList<int>{1, 3, 5} << QList<QList<int>>{{Identify}, ConnectTraffic, {}} << 1;
        QTest::newRow("first of two") << QList<int>{1, 2} << QList<QList<int>>{ConnectTraffic, {}} << 0;
    }
    void searchStopsAtTheAnsweringPort()
    {
        QFETCH(QList<int>, ports);
        QFETCH(QList<QList<int>>, traffic);
        QFETCH(int, selected);
        EscBench bench;
        std::vector<sim::EscSimulator *> escs;
        for (int i = 0; i < ports.size(); ++i) {
            escs.push_back(traffic[i] == ConnectTraffic
                               ? &bench.addEsc(ports[i], 38, sim::EscSettings{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192})
                               : &bench.addSilentPort(ports[i]));
        }
        Form1 &form = bench.start();

        bench.click("Connect");

        for (int i = 0; i < ports.size(); ++i)
            QCOMPARE(EscBench::received(*escs[i]), traffic[i]);
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->currentIndex(), selected);
        QCOMPARE(bench.state(), Connected38);
        QCOMPARE(bench.listTexts(), (QStringList{"SOFT", "2S Li", "2.9 V", "STOP MOTOR", "OFF", "SOFT",
                                                 "16 kHz", "ON", "OFF*", "Disabled"}));
        QCOMPARE(bench.messages.texts, QStringList());
        QCOMPARE(form.records().EscType, std::int16_t(38));
        // What the ESC reported lives on only in the lists; the record holds the factory codes.
        const std::array<std::int16_t, 11> factory{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
        QVERIFY(std::equal(factory.begin(), factory.end(), form.records().EscConfig.begin()));
    }

    void noEscAnywhereShowsThePortListAndTheNotFoundMessage()
    {
        EscBench bench;
        sim::EscSimulator &com1 = bench.addSilentPort(1);
        sim::EscSimulator &com3 = bench.addSilentPort(3);
        sim::EscSimulator &com5 = bench.addSilentPort(5);
        bench.start();
        const QStringList lists = bench.listTexts();

        bench.click("Connect");

        QCOMPARE(EscBench::received(com1), QList<int>{Identify});
        QCOMPARE(EscBench::received(com3), QList<int>{Identify});
        QCOMPARE(EscBench::received(com5), (QList<int>{Identify, Identify}));
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->currentIndex(), 2);
        QCOMPARE(bench.state(), QStringLiteral("ports \"\""));
        QCOMPARE(bench.messages.texts, QStringList{NotFound});
        QCOMPARE(bench.messages.beeps, 1);
        QCOMPARE(bench.listTexts(), lists);
    }

    void readsTwelveBytesOnlyFrom182To224_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("elementEleven");
        QTest::newRow("181") << 181 << 0;
        QTest::newRow("182") << 182 << 1;
        QTest::newRow("224") << 224 << 1;
        QTest::newRow("225") << 225 << 0;
    }
    void readsTwelveBytesOnlyFrom182To224()
    {
        QFETCH(int, model);
        QFETCH(int, elementEleven);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, model);
        Form1 &form = bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), ConnectTraffic);
        QVERIFY2(!bench.messages.texts.contains(QStringLiteral("Communication Error")),
                 qPrintable(bench.messages.texts.join('|')));
        QVERIFY(bench.state().startsWith(QLatin1String("lamp detected esc lists program default")));
        // Only the twelve-byte read writes element 11, and show_Type leaves it alone.
        QCOMPARE(form.records().EscConfig[11], std::int16_t(elementEleven));
    }

    void failedSettingsReadShowsTheModelWithEverythingLocked()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        sim::Faults badClose;
        badClose.closingByte = 0;
        esc.setFaults(badClose);
        bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), ConnectTraffic);
        QCOMPARE(bench.messages.texts, QStringList{"Communication Error"});
        QCOMPARE(bench.state(), QStringLiteral("\"QUORL R5 3S\""));
    }

    void reportedRpmControlWinsOverTheBrake()
    {
        EscBench bench;
        bench.addEsc(1, 38, sim::EscSettings{161, 38, 48, 56, 64, 80, 98, 112, 128, 145, 192});
        bench.start();

        bench.click("Connect");

        QCOMPARE(bench.messages.texts, QStringList{"Brake Disabled  / Softstart enabled with RPM Control"});
        QCOMPARE(bench.listTexts(), (QStringList{"OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*", "AUTO*",
                                                 "8 kHz*", "OFF*", "ON RANGE 1", "Disabled"}));
        QCOMPARE(bench.state(), Connected38);
    }

    void secondConnectClearsTheDisplayAndDropsPressesWhileItWaits()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        Form1 &form = bench.start();
        bench.connectAndClear();
        form.unlock_Checks();
        bench.check(4)->setChecked(true);
        sim::Faults slow;
        slow.replyDelayMs = 200;
        esc.setFaults(slow);
        QString during;
        bench.when(esc, 1, [&] {
            during = bench.state() + ' ' + bench.checkedBoxes().join(' ');
            for (const char *button : {"Program", "CmdReset", "Connect"})
                bench.click(button);
        });

        bench.click("Connect");

        QCOMPARE(during, QStringLiteral("lamp detected esc lists \"QUORL R5 3S\" "));
        QCOMPARE(EscBench::received(esc), ConnectTraffic);
        QCOMPARE(bench.messages.texts, QStringList());
        QCOMPARE(bench.state(), Connected38);
    }
};

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
