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
    // The ESC sits on the port whose traffic includes the settings read. Reported RPM control wins
    // over the brake; after a failed read the model name stays while everything else is locked.
    void connectFindsTheEscAndShowsWhatItReports_data()
    {
        QTest::addColumn<QList<int>>("ports");
        QTest::addColumn<QList<QList<int>>>("traffic");
        QTest::addColumn<QList<int>>("settings");
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("message");
        const QList<int> changed{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        const QList<int> rpmAndBrake{161, 38, 48, 56, 64, 80, 98, 112, 128, 145, 192};
        const QStringList reported{"SOFT", "2S Li", "2.9 V", "STOP MOTOR", "OFF",
                                   "SOFT", "16 kHz", "ON",    "OFF*",       "Disabled"};
        QStringList rpmOn = FactoryLists;
        rpmOn[int(SettingList::RPM)] = QStringLiteral("ON RANGE 1");
        QTest::newRow("second of three") << QList<int>{1, 3, 5} << QList<QList<int>>{{Identify}, ConnectTraffic, {}}
            << changed << false << 1 << Connected38 << reported << QString();
        QTest::newRow("none of three") << QList<int>{1, 3, 5}
            << QList<QList<int>>{{Identify}, {Identify}, {Identify, Identify}} << changed << false << 2
            << "ports \"\"" << FactoryLists << "Orvantis Controller Not Found!\r\r";
        QTest::newRow("RPM control and brake") << QList<int>{1} << QList<QList<int>>{ConnectTraffic} << rpmAndBrake
            << false << 0 << Connected38 << rpmOn << "Brake Disabled  / Softstart enabled with RPM Control";
        QTest::newRow("failed read") << QList<int>{1} << QList<QList<int>>{ConnectTraffic} << rpmAndBrake << true << 0
            << "\"QUORL R5 3S\"" << QStringList() << "Communication Error";
    }
    void connectFindsTheEscAndShowsWhatItReports()
    {
        QFETCH(QList<int>, ports);
        QFETCH(QList<QList<int>>, traffic);
        QFETCH(QList<int>, settings);
        QFETCH(bool, readFails);
        QFETCH(int, selected);
        QFETCH(QString, state);
        QFETCH(QStringList, lists);
        QFETCH(QString, message);
        EscBench bench;
        sim::EscSettings reported{};
        std::copy(settings.begin(), settings.end(), reported.begin());
        sim::Faults badClose;
        badClose.closingByte = 0;
        std::vector<sim::EscSimulator *> escs;
        for (int i = 0; i < ports.size(); ++i) {
            escs.push_back(traffic[i] == ConnectTraffic ? &bench.addEsc(ports[i], 38, reported)
                                                        : &bench.addSilentPort(ports[i]));
            if (readFails)
                escs.back()->setFaults(badClose);
        }
        bench.start();

        bench.click("Connect");

        for (int i = 0; i < ports.size(); ++i)
            QCOMPARE(EscBench::received(*escs[i]), traffic[i]);
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->currentIndex(), selected);
        QCOMPARE(bench.state(), state);
        if (!lists.isEmpty())
            QCOMPARE(bench.listTexts(), lists);
        QCOMPARE(bench.messages.texts.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(bench.messages.texts.join('|').startsWith(message));
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
