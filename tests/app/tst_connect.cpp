#include "escbench.h"

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int Identify = 0x00;
constexpr int ReadSettings = 0x02;
const QList<int> ConnectTraffic{Identify, Identify, ReadSettings};

// ESCs on ports, answering where their traffic holds the settings read; what CONNECT leaves.
struct Search
{
    QList<int> ports;
    QList<QList<int>> traffic;
    bool readFails;
    int selected;
    QString state, message;
    QStringList lists;
};

} // namespace

Q_DECLARE_METATYPE(Search)

// CONNECT: the search over the listed ports, the identification, the settings read and what the
// window shows afterwards.
class TestConnect : public QObject
{
    Q_OBJECT

private slots:
    // The ESC sits on the port whose traffic includes the settings read; after a failed read the model
    // name stays while everything else is locked.
    void connectFindsTheEscAndShowsWhatItReports_data()
    {
        QTest::addColumn<Search>("search");
        const QStringList reported{"SOFT", "2S Li", "2.9 V", "STOP MOTOR", "OFF",
                                   "SOFT", "16 kHz", "ON",    "OFF*",       "Disabled"};
        QTest::newRow("second of three") << Search{{1, 3, 5}, {{Identify}, ConnectTraffic, {}}, false, 1,
                                                   Connected38, {}, reported};
        QTest::newRow("none of three") << Search{{1, 3, 5}, {{Identify}, {Identify}, {Identify, Identify}}, false,
                                                 2, "ports \"\"", "Orvantis Controller Not Found!\r\r",
                                                 FactoryLists};
        QTest::newRow("failed read") << Search{{1}, {ConnectTraffic}, true, 0, "\"QUORL R5 3S\"",
                                               "Communication Error", {}};
    }
    void connectFindsTheEscAndShowsWhatItReports()
    {
        QFETCH(Search, search);
        EscBench bench;
        const sim::EscSettings reported{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        sim::Faults answer;
        if (search.readFails)
            answer.closingByte = 0;
        std::vector<sim::EscSimulator *> escs;
        for (int i = 0; i < search.ports.size(); ++i)
            escs.push_back(&bench.sims.addEsc(search.ports[i], 38, search.traffic[i] == ConnectTraffic ? answer : Silent,
                                              reported));
        bench.start();

        bench.click("Connect");

        for (int i = 0; i < search.ports.size(); ++i)
            QCOMPARE(EscBench::received(*escs[i]), search.traffic[i]);
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->currentIndex(), search.selected);
        QCOMPARE(bench.state(), search.state);
        if (!search.lists.isEmpty())
            QCOMPARE(bench.listTexts(), search.lists);
        QCOMPARE(bench.messages.texts.size(), search.message.isEmpty() ? 0 : 1);
        QVERIFY(bench.messages.texts.join('|').startsWith(search.message));
    }

    // Only the twelve-byte read writes element 11, and show_Type leaves it alone.
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
        sim::EscSimulator &esc = bench.sims.addEsc(1, model);
        bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), ConnectTraffic);
        QVERIFY(bench.state().startsWith(QLatin1String("lamp detected esc lists program default")));
        QCOMPARE(bench.form->records().EscConfig[11], std::int16_t(elementEleven));
    }

    void secondConnectClearsTheDisplayAndDropsPressesWhileItWaits()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        bench.form->unlock_Checks();
        bench.widget<QCheckBox>("chkSoftStart")->setChecked(true);
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
