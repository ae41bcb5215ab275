#include "escbench.h"

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int Identify = 0x00;
constexpr int ReadSettings = 0x02;
const QList<int> ConnectTraffic{Identify, Identify, ReadSettings};

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
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("lists");
        const QStringList reported{"SOFT", "2S Li", "2.9 V", "STOP MOTOR", "OFF", "SOFT",
                                   "16 kHz", "ON", "OFF*", "Disabled"};
        // The ESC sits on the port whose traffic includes the settings read.
        QTest::newRow("second of three") << QList<int>{1, 3, 5} << QList<QList<int>>{{Identify}, ConnectTraffic, {}}
                                         << 1 << Connected38 << reported;
        QTest::newRow("first of two") << QList<int>{1, 2} << QList<QList<int>>{ConnectTraffic, {}} << 0
                                      << Connected38 << reported;
        QTest::newRow("none of three") << QList<int>{1, 3, 5}
                                       << QList<QList<int>>{{Identify}, {Identify}, {Identify, Identify}} << 2
                                       << "ports \"\"" << FactoryLists;
    }
    void searchStopsAtTheAnsweringPort()
    {
        QFETCH(QList<int>, ports);
        QFETCH(QList<QList<int>>, traffic);
        QFETCH(int, selected);
        QFETCH(QString, state);
        QFETCH(QStringList, lists);
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
        QCOMPARE(bench.state(), state);
        QCOMPARE(bench.listTexts(), lists);
        if (state == Connected38) {
            QCOMPARE(bench.messages.texts, QStringList());
            // What the ESC reported lives on only in the lists; the record holds the factory codes.
            const std::array<std::int16_t, 11> factory{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};
            QVERIFY(std::equal(factory.begin(), factory.end(), form.records().EscConfig.begin()));
        } else {
            QCOMPARE(bench.messages.beeps, 1);
            QVERIFY(bench.messages.texts.value(0).startsWith(QLatin1String("Orvantis Controller Not Found!\r\r")));
        }
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

    // An ESC that reports RPM control on with the brake on; the read of its settings may fail.
    void connectShowsTheReportedSettingsOrLocksThem_data()
    {
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("state");
        // RPM control wins over the brake.
        QStringList rpmOn = FactoryLists;
        rpmOn[int(SettingList::RPM)] = QStringLiteral("ON RANGE 1");
        QTest::newRow("read") << false << "Brake Disabled  / Softstart enabled with RPM Control" << rpmOn
                              << Connected38;
        QTest::newRow("failed read") << true << "Communication Error" << QStringList() << "\"QUORL R5 3S\"";
    }
    void connectShowsTheReportedSettingsOrLocksThem()
    {
        QFETCH(bool, readFails);
        QFETCH(QString, message);
        QFETCH(QStringList, lists);
        QFETCH(QString, state);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38, sim::EscSettings{161, 38, 48, 56, 64, 80, 98, 112, 128, 145, 192});
        sim::Faults badClose;
        badClose.closingByte = 0;
        if (readFails)
            esc.setFaults(badClose);
        bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), ConnectTraffic);
        QCOMPARE(bench.messages.texts, QStringList{message});
        QCOMPARE(bench.state(), state);
        if (!readFails)
            QCOMPARE(bench.listTexts(), lists);
    }

    void secondConnectClearsTheDisplayAndDropsPressesWhileItWaits()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        bench.form->unlock_Checks();
        bench.check(4)->setChecked(true);
        EscBench::slowDown(esc, 200);
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
