#include "escbench.h"

#include "qserialportcomponent.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orvesc;
using namespace orvesc::test;

namespace {

const char *const Boxes[9] = {"chkBrake", "chkBatt", "chkLVC", "chkLVCAction", "chkSoftStart",
                              "chkTiming", "chkFrequency", "chkReverse", "chkRPM"};

QList<int> codes(const sim::EscSettings &settings)
{
    return QList<int>(settings.begin(), settings.end());
}

// Notes every tick and untick of the programming boxes, with the time it happened.
class TickLog
{
public:
    explicit TickLog(EscBench &bench)
    {
        m_clock.start();
        for (int k = 0; k < 9; ++k) {
            QObject::connect(bench.check(k), &QCheckBox::toggled, bench.check(k), [this, k](bool on) {
                events << QLatin1String(on ? "+" : "-") + QLatin1String(Boxes[k]);
                at << m_clock.elapsed();
            });
        }
    }
    // The moving tick of a run whose first `accepted` commands were taken.
    static QStringList moving(int accepted)
    {
        QStringList expected;
        for (int k = 0; k < accepted; ++k) {
            if (k > 0)
                expected << QLatin1String("-") + QLatin1String(Boxes[k - 1]);
            expected << QLatin1String("+") + QLatin1String(Boxes[k]);
        }
        return expected;
    }
    QStringList events;
    QList<qint64> at;

private:
    QElapsedTimer m_clock;
};

} // namespace

// PROGRAM and DEFAULT: the commands on the wire, the moving tick, the outcome on the window, and
// what presses and closes during a run do.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void sendsTheListsChoicesOneCommandEach_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<int>>("traffic");
        QTest::addColumn<QList<int>>("stored");
        QTest::newRow("38: nine")
            << 38 << QList<int>{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192}
            << int(SettingList::Timing) << 2
            << QList<int>{162, 37, 54, 64, 80, 98, 113, 129, 144}
            << QList<int>{162, 37, 49, 54, 64, 80, 98, 113, 129, 144, 192};
        QTest::newRow("183: ten, the delay last")
            << 183 << QList<int>{160, 43, 48, 133, 65, 81, 98, 112, 128, 144, 192}
            << int(SettingList::ACCN) << 3
            << QList<int>{160, 43, 133, 65, 81, 98, 112, 128, 144, 195}
            << QList<int>{160, 43, 48, 133, 65, 81, 98, 112, 128, 144, 195};
        QTest::newRow("181: nine")
            << 181 << QList<int>{160, 43, 48, 56, 65, 81, 98, 112, 128, 144, 192}
            << int(SettingList::RPM) << 2
            << QList<int>{160, 43, 56, 65, 81, 98, 112, 128, 146}
            << QList<int>{160, 43, 48, 56, 65, 81, 98, 112, 128, 146, 192};
        QTest::newRow("225: nine, warn voltage")
            << 225 << QList<int>{160, 38, 48, 56, 65, 81, 98, 116, 128, 144, 192}
            << int(SettingList::Frequency) << 1
            << QList<int>{160, 38, 56, 65, 81, 98, 117, 128, 144}
            << QList<int>{160, 38, 48, 56, 65, 81, 98, 117, 128, 144, 192};
    }
    void sendsTheListsChoicesOneCommandEach()
    {
        QFETCH(int, model);
        QFETCH(QList<int>, start);
        QFETCH(int, changed);
        QFETCH(int, choice);
        QFETCH(QList<int>, traffic);
        QFETCH(QList<int>, stored);
        EscBench bench;
        sim::EscSettings settings{};
        std::copy(start.begin(), start.end(), settings.begin());
        sim::EscSimulator &esc = bench.addEsc(1, model, settings);
        bench.start();
        bench.connectAndClear();
        bench.combo(SettingList(changed))->setCurrentIndex(choice);
        const QStringList chosen = bench.listTexts();
        TickLog ticks(bench);

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(codes(esc.settings()), stored);
        QCOMPARE(ticks.events, TickLog::moving(9) << QStringLiteral("-chkRPM"));
        QVERIFY2(ticks.at.last() - ticks.at.at(ticks.at.size() - 2) >= 950, "RPM CONTROL stays ticked for the pause");
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
        QCOMPARE(bench.messages.beeps, 1);
        QVERIFY(!bench.widget<QGroupBox>("Frame4")->isEnabled());
        for (int k = 0; k < 9; ++k)
            QVERIFY(!bench.check(k)->isEnabled());
        QVERIFY(bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(bench.widget<QPushButton>("CmdReset")->isEnabled());

        // Read back, the ESC shows what the lists showed when PROGRAM was pressed.
        bench.connectAndClear();
        QCOMPARE(bench.listTexts(), chosen);
    }

    void rejectedCommandStopsTheRunQuietly()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        sim::Faults rejectFourth;
        rejectFourth.rejectCommand = 4;
        esc.setFaults(rejectFourth);

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), (QList<int>{160, 38, 56, 65}));
        QCOMPARE(bench.checkedBoxes(), QStringList{"chkLVC"});
        QVERIFY(bench.widget<QGroupBox>("Frame4")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(!bench.widget<QPushButton>("CmdReset")->isEnabled());
        QCOMPARE(bench.messages.texts, QStringList());
    }

    void lostLineIsReportedAndNothingSent()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        esc.stop();

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), QList<int>());
        QCOMPARE(bench.messages.beeps, 1);
        QCOMPARE(bench.messages.texts.size(), 1);
        QVERIFY2(bench.messages.texts.first().contains(QLatin1String("COM1")),
                 qPrintable(bench.messages.texts.first()));
        QVERIFY(bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(bench.widget<QPushButton>("CmdReset")->isEnabled());
        QVERIFY(bench.widget<QGroupBox>("Frame4")->isEnabled());
        QCOMPARE(bench.checkedBoxes(), QStringList());
        QVERIFY(!bench.port().portOpen());
    }

    void defaultShowsThenProgramsTheFactoryChoices()
    {
        EscBench bench;
        sim::EscSettings used{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        sim::EscSimulator &esc = bench.addEsc(1, 38, used);
        bench.start();
        bench.connectAndClear();
        QStringList shownWhileSending;
        bench.when(esc, 1, [&] { shownWhileSending = bench.listTexts(); });

        bench.click("CmdReset");

        QCOMPARE(shownWhileSending, (QStringList{"OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*",
                                                 "AUTO*", "8 kHz*", "OFF*", "OFF*", "Disabled"}));
        QCOMPARE(EscBench::received(esc), (QList<int>{160, 38, 56, 65, 81, 98, 112, 128, 144}));
        // The nickel cutoff is not programmed while a lithium battery is chosen.
        QCOMPARE(codes(esc.settings()), (QList<int>{160, 38, 49, 56, 65, 81, 98, 112, 128, 144, 192}));
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
    }

    void listWithoutChoiceSendsNothing_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("battery") << QStringList{"cmbBatt"}
                                 << "Nothing was sent: no choice is selected for BATTERY.";
        QTest::newRow("timing and reverse")
            << QStringList{"cmbTiming", "cmbReverse"}
            << "Nothing was sent: no choice is selected for TIMING MODE, MOTOR REVERSE.";
    }
    void listWithoutChoiceSendsNothing()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        for (const QString &name : typed) {
            QLineEdit *field = bench.widget<QComboBox>(name.toLatin1().constData())->lineEdit();
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("7S"));
        }

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), QList<int>());
        QCOMPARE(bench.messages.texts, QStringList{message});
        QCOMPARE(bench.messages.beeps, 1);
        QVERIFY(bench.widget<QPushButton>("Program")->isEnabled());
        QVERIFY(bench.widget<QPushButton>("CmdReset")->isEnabled());
    }

    void inputDuringARunIsDropped()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        sim::Faults slow;
        slow.replyDelayMs = 100;
        esc.setFaults(slow);
        const QStringList before = bench.listTexts();
        bench.when(esc, 2, [&] {
            bench.click("Program");
            bench.click("CmdReset");
            bench.click("Connect");
            QTest::keyClick(bench.combo(SettingList::Brake), Qt::Key_Down);
            QTest::keyClicks(bench.combo(SettingList::Timing)->lineEdit(), QStringLiteral("x"));
        });
        TickLog ticks(bench);

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), (QList<int>{160, 38, 56, 65, 81, 98, 112, 128, 144}));
        QCOMPARE(bench.listTexts(), before);
        QCOMPARE(ticks.events, TickLog::moving(9) << QStringLiteral("-chkRPM"));
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
    }

    void closingDuringARunEndsItAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("CLOSE") << "CLOSE";
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("window's close button") << "window";
    }
    void closingDuringARunEndsItAtOnce()
    {
        QFETCH(QString, how);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        Form1 &form = bench.start();
        bench.connectAndClear();
        sim::Faults slow;
        slow.replyDelayMs = 200;
        esc.setFaults(slow);
        bench.when(esc, 3, [&] {
            if (how == QLatin1String("CLOSE"))
                bench.click("Close");
            else if (how == QLatin1String("Exit"))
                form.findChild<QAction *>(QStringLiteral("frm_Exit"))->trigger();
            else
                form.close();
        });
        QElapsedTimer clock;
        clock.start();

        bench.click("Program");

        QVERIFY2(clock.elapsed() < 2000, "the wait under way ends at once");
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(EscBench::received(esc), (QList<int>{160, 38, 56}));
        QCOMPARE(bench.messages.texts, QStringList());
        QVERIFY(!bench.port().portOpen());
        QVERIFY(!form.isBusy());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
