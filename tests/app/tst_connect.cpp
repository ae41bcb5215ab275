#include "escbench.h"

#include "lamp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

// A model 38 that is not at its factory settings.
const sim::EscSettings Model38Used{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
const QStringList Model38UsedShown{"SOFT", "2S Li", "2.9 V", "STOP MOTOR", "OFF", "SOFT", "16 kHz",
                                   "ON", "OFF*", "Disabled"};
const std::array<std::int16_t, 11> Model38Factory{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192};

bool connectedState(EscBench &bench)
{
    bool lists = true;
    for (int i = 0; i < SettingListCount; ++i)
        lists = lists && bench.combo(SettingList(i))->isEnabled();
    return lists && bench.widget<Lamp>("chkDetected")->isVisible()
           && bench.widget<QLabel>("LblDetected")->isEnabled()
           && bench.widget<QPushButton>("Program")->isEnabled()
           && bench.widget<QPushButton>("CmdReset")->isEnabled();
}

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
        QTest::addColumn<int>("escPort");
        QTest::addColumn<QList<QList<int>>>("traffic");
        QTest::addColumn<int>("selected");
        QTest::newRow("second of three") << QList<int>{1, 3, 5} << 3
                                         << QList<QList<int>>{{Identify},
                                                              {Identify, Identify, ReadSettings},
                                                              {}}
                                         << 1;
        QTest::newRow("first of two") << QList<int>{1, 2} << 1
                                      << QList<QList<int>>{{Identify, Identify, ReadSettings}, {}}
                                      << 0;
    }
    void searchStopsAtTheAnsweringPort()
    {
        QFETCH(QList<int>, ports);
        QFETCH(int, escPort);
        QFETCH(QList<QList<int>>, traffic);
        QFETCH(int, selected);
        EscBench bench;
        std::vector<sim::EscSimulator *> escs;
        for (int com : ports)
            escs.push_back(com == escPort ? &bench.addEsc(com, 38, Model38Used) : &bench.addSilentPort(com));
        Form1 &form = bench.start();

        bench.click("Connect");

        for (int i = 0; i < ports.size(); ++i)
            QCOMPARE(EscBench::received(*escs[i]), traffic[i]);
        auto *portList = bench.widget<QComboBox>("cmbCOM");
        QVERIFY(portList->isHidden());
        QCOMPARE(portList->currentIndex(), selected);
        QVERIFY(connectedState(bench));
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
        QCOMPARE(bench.listTexts(), Model38UsedShown);
        // Showing the settings counts as changing them: the programming display is cleared.
        QVERIFY(!bench.widget<QGroupBox>("Frame4")->isEnabled());
        QCOMPARE(bench.messages.texts, QStringList());
        QCOMPARE(form.records().EscType, std::int16_t(38));
        // What the ESC reported lives on only in the lists; the record holds the factory codes.
        for (int i = 0; i < 11; ++i)
            QCOMPARE(form.records().EscConfig[i], Model38Factory[i]);
    }

    void noEscOnAnyPortShowsThePortListAndTheNotFoundMessage()
    {
        EscBench bench;
        sim::EscSimulator &com1 = bench.addSilentPort(1);
        sim::EscSimulator &com3 = bench.addSilentPort(3);
        sim::EscSimulator &com5 = bench.addSilentPort(5);
        Form1 &form = bench.start();
        const QStringList listsBefore = bench.listTexts();

        bench.click("Connect");

        QCOMPARE(EscBench::received(com1), QList<int>{Identify});
        QCOMPARE(EscBench::received(com3), QList<int>{Identify});
        QCOMPARE(EscBench::received(com5), (QList<int>{Identify, Identify}));
        auto *portList = bench.widget<QComboBox>("cmbCOM");
        QVERIFY(portList->isVisible());
        QCOMPARE(portList->currentIndex(), 2);
        QCOMPARE(bench.messages.texts, QStringList{NotFound});
        QCOMPARE(bench.messages.beeps, 1);
        QVERIFY(!bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("CmdReset")->isEnabled());
        QVERIFY(bench.widget<Lamp>("chkDetected")->isHidden());
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QString());
        QCOMPARE(bench.listTexts(), listsBefore);
        QVERIFY(!bench.combo(SettingList::Brake)->isEnabled());
        QCOMPARE(form.records().EscType, std::int16_t(0));
    }

    void readsTwelveBytesOnlyFrom182To224_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("closingByteAtEleven");
        QTest::newRow("181 reads eleven") << 181 << 0;
        QTest::newRow("182 reads twelve") << 182 << 1;
        QTest::newRow("224 reads twelve") << 224 << 1;
        QTest::newRow("225 reads eleven") << 225 << 0;
    }
    void readsTwelveBytesOnlyFrom182To224()
    {
        QFETCH(int, model);
        QFETCH(int, closingByteAtEleven);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, model);
        Form1 &form = bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), (QList<int>{Identify, Identify, ReadSettings}));
        QVERIFY2(!bench.messages.texts.contains(QStringLiteral("Communication Error")),
                 qPrintable(bench.messages.texts.join('|')));
        QVERIFY(bench.widget<Lamp>("chkDetected")->isVisible());
        QVERIFY(bench.widget<QPushButton>("Program")->isEnabled());
        // Element 11 is written only by the twelve-byte read, and show_Type leaves it alone.
        QCOMPARE(form.records().EscConfig[11], std::int16_t(closingByteAtEleven));
    }

    void secondConnectClearsTheDisplayAndSearchesAgain()
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
        bool programDuring = true;
        bool defaultDuring = true;
        QStringList ticksDuring{"?"};
        bench.when(esc, 1, [&] {
            programDuring = bench.widget<QPushButton>("Program")->isEnabled();
            defaultDuring = bench.widget<QPushButton>("CmdReset")->isEnabled();
            ticksDuring = bench.checkedBoxes();
        });
        bench.click("Connect");

        QVERIFY(!programDuring);
        QVERIFY(!defaultDuring);
        QCOMPARE(ticksDuring, QStringList());
        QCOMPARE(EscBench::received(esc), (QList<int>{Identify, Identify, ReadSettings}));
        QVERIFY(connectedState(bench));
        QCOMPARE(bench.messages.texts, QStringList());
    }

    void failedSettingsReadShowsTheModelWithEverythingLocked()
    {
        EscBench bench;
        sim::Faults badClose;
        badClose.closingByte = 0;
        sim::EscSimulator &esc = bench.addEsc(1, 38, std::nullopt, badClose);
        bench.start();

        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), (QList<int>{Identify, Identify, ReadSettings}));
        QCOMPARE(bench.messages.texts, QStringList{"Communication Error"});
        QCOMPARE(bench.widget<QLabel>("LESCType")->text(), QStringLiteral("QUORL R5 3S"));
        for (int i = 0; i < SettingListCount; ++i)
            QVERIFY(!bench.combo(SettingList(i))->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("CmdReset")->isEnabled());
        QVERIFY(bench.widget<Lamp>("chkDetected")->isHidden());
        QVERIFY(!bench.widget<QGroupBox>("Frame3")->isEnabled());
        QVERIFY(bench.widget<QComboBox>("cmbCOM")->isHidden());
    }

    void reportedRpmControlWinsOverTheBrake()
    {
        EscBench bench;
        sim::EscSettings settings{161, 38, 48, 56, 64, 80, 98, 112, 128, 145, 192};
        bench.addEsc(1, 38, settings);
        bench.start();

        bench.click("Connect");

        QCOMPARE(bench.messages.texts,
                 QStringList{"Brake Disabled  / Softstart enabled with RPM Control"});
        QCOMPARE(bench.combo(SettingList::Brake)->currentText(), QStringLiteral("OFF*"));
        QCOMPARE(bench.combo(SettingList::SoftStart)->currentText(), QStringLiteral("ON*"));
        QCOMPARE(bench.combo(SettingList::LVCAction)->currentText(), QStringLiteral("REDUCE POWER*"));
        QCOMPARE(bench.combo(SettingList::RPM)->currentText(), QStringLiteral("ON RANGE 1"));
        QVERIFY(connectedState(bench));
    }

    void pressesDuringAConnectWaitAreDropped()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();

        sim::Faults slow;
        slow.replyDelayMs = 200;
        esc.setFaults(slow);
        bench.when(esc, 1, [&] {
            bench.click("Program");
            bench.click("CmdReset");
            bench.click("Connect");
        });
        bench.click("Connect");

        QCOMPARE(EscBench::received(esc), (QList<int>{Identify, Identify, ReadSettings}));
        QCOMPARE(bench.messages.texts, QStringList());
        QVERIFY(connectedState(bench));
    }
};

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
