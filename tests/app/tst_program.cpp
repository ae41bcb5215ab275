#include "escbench.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>

using namespace orvesc;
using namespace orvesc::test;

namespace {

using ListEntry = QPair<int, int>;
const QList<int> Factory38{160, 38, 56, 65, 81, 98, 112, 128, 144};
const QString Connected38 = QStringLiteral("lamp detected esc lists program default \"QUORL R5 3S\"");

QList<int> stored(const sim::EscSimulator &esc)
{
    const sim::EscSettings settings = esc.settings();
    return QList<int>(settings.begin(), settings.end());
}

// Every tick and untick of the programming boxes, with the time it happened.
struct TickLog
{
    explicit TickLog(EscBench &bench)
    {
        clock.start();
        for (int k = 0; k < 9; ++k) {
            QObject::connect(bench.check(k), &QCheckBox::toggled, bench.check(k), [this, k](bool on) {
                events << (on ? "+" : "-") + QLatin1String(CheckNames[k]);
                at << clock.elapsed();
            });
        }
    }
    QStringList events;
    QList<qint64> at;
    QElapsedTimer clock;
};

// The tick moving down the nine boxes, the last one cleared after the pause.
const QStringList FullRun{"+chkBrake", "-chkBrake", "+chkBatt", "-chkBatt", "+chkLVC", "-chkLVC",
                          "+chkLVCAction", "-chkLVCAction", "+chkSoftStart", "-chkSoftStart", "+chkTiming",
                          "-chkTiming", "+chkFrequency", "-chkFrequency", "+chkReverse", "-chkReverse",
                          "+chkRPM", "-chkRPM"};

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
        QTest::addColumn<ListEntry>("userChoice");
        QTest::addColumn<QList<int>>("traffic");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("38: nine") << 38 << QList<int>{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192}
            << qMakePair(int(SettingList::Timing), 2) << QList<int>{162, 37, 54, 64, 80, 98, 113, 129, 144}
            << QList<int>{162, 37, 49, 54, 64, 80, 98, 113, 129, 144, 192};
        QTest::newRow("183: ten") << 183 << QList<int>{160, 43, 48, 133, 65, 81, 98, 112, 128, 144, 192}
            << qMakePair(int(SettingList::ACCN), 3) << QList<int>{160, 43, 133, 65, 81, 98, 112, 128, 144, 195}
            << QList<int>{160, 43, 48, 133, 65, 81, 98, 112, 128, 144, 195};
        QTest::newRow("181: nine") << 181 << QList<int>{160, 43, 48, 56, 65, 81, 98, 112, 128, 144, 192}
            << qMakePair(int(SettingList::RPM), 2) << QList<int>{160, 43, 56, 65, 81, 98, 112, 128, 146}
            << QList<int>{160, 43, 48, 56, 65, 81, 98, 112, 128, 146, 192};
        QTest::newRow("225: nine") << 225 << QList<int>{160, 38, 48, 56, 65, 81, 98, 116, 128, 144, 192}
            << qMakePair(int(SettingList::Frequency), 1) << QList<int>{160, 38, 56, 65, 81, 98, 117, 128, 144}
            << QList<int>{160, 38, 48, 56, 65, 81, 98, 117, 128, 144, 192};
    }
    void sendsTheListsChoicesOneCommandEach()
    {
        QFETCH(int, model);
        QFETCH(QList<int>, start);
        QFETCH(ListEntry, userChoice);
        QFETCH(QList<int>, traffic);
        QFETCH(QList<int>, after);
        EscBench bench;
        sim::EscSettings settings{};
        std::copy(start.begin(), start.end(), settings.begin());
        sim::EscSimulator &esc = bench.addEsc(1, model, settings);
        bench.start();
        bench.connectAndClear();
        bench.combo(SettingList(userChoice.first))->setCurrentIndex(userChoice.second);
        const QStringList chosen = bench.listTexts();
        TickLog ticks(bench);

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(stored(esc), after);
        QCOMPARE(ticks.events, FullRun);
        QVERIFY2(ticks.at.last() - ticks.at.at(ticks.at.size() - 2) >= 950, "the pause keeps the last tick");
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
        QCOMPARE(bench.messages.beeps, 1);
        QCOMPARE(bench.state().section(QStringLiteral(" \""), 0, 0),
                 QStringLiteral("lamp detected esc lists program default"));
        // Read back, the ESC shows what the lists showed.
        bench.connectAndClear();
        QCOMPARE(bench.listTexts(), chosen);
    }

    // Typing "Ni" over the battery is a battery change: the cutoff list becomes the nickel one before
    // PROGRAM collects it, so the cutoff goes out as a nickel code, not a lithium index read as one.
    void typedBatteryGoesOutWithItsOwnCutoff()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        QLineEdit *field = bench.combo(SettingList::Batt)->lineEdit();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("Ni"));
        QCOMPARE(bench.combo(SettingList::LVC)->currentText(), QStringLiteral("0.8 V"));

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), (QList<int>{160, 32, 50, 65, 81, 98, 112, 128, 144}));
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
    }

    void runThatCannotFinishSaysWhyOrStopsQuietly_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QList<int>>("traffic");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        const QString stillReady = QStringLiteral("lamp detected esc boxes lists program default \"QUORL R5 3S\"");
        QTest::newRow("fourth command rejected") << "reject" << Factory38.mid(0, 4) << QStringList{"chkLVC"}
            << "lamp detected esc boxes lists \"QUORL R5 3S\"" << QString();
        QTest::newRow("line lost") << "unplug" << QList<int>() << QStringList() << stillReady << "COM1";
        QTest::newRow("battery without choice") << "cmbBatt" << QList<int>() << QStringList() << stillReady
            << "Nothing was sent: no choice is selected for BATTERY.";
        QTest::newRow("two lists without choice") << "cmbTiming cmbReverse" << QList<int>() << QStringList()
            << stillReady << "Nothing was sent: no choice is selected for TIMING MODE, MOTOR REVERSE.";
    }
    void runThatCannotFinishSaysWhyOrStopsQuietly()
    {
        QFETCH(QString, trouble);
        QFETCH(QList<int>, traffic);
        QFETCH(QStringList, ticked);
        QFETCH(QString, state);
        QFETCH(QString, message);
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38);
        bench.start();
        bench.connectAndClear();
        sim::Faults rejectFourth;
        rejectFourth.rejectCommand = 4;
        if (trouble == QLatin1String("reject"))
            esc.setFaults(rejectFourth);
        else if (trouble == QLatin1String("unplug"))
            esc.stop();
        else {
            for (const QString &name : trouble.split(' ')) {
                QLineEdit *field = bench.widget<QComboBox>(qPrintable(name))->lineEdit();
                field->selectAll();
                QTest::keyClicks(field, QStringLiteral("7S"));
            }
        }

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(bench.checkedBoxes(), ticked);
        QCOMPARE(bench.state(), state);
        QCOMPARE(bench.messages.beeps, message.isEmpty() ? 0 : 1);
        QVERIFY2(bench.messages.texts.join('|').contains(message), qPrintable(bench.messages.texts.join('|')));
        QVERIFY(!bench.port.portOpen());
    }

    void defaultShowsThenProgramsTheFactoryChoices()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.addEsc(1, 38, sim::EscSettings{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192});
        bench.start();
        bench.connectAndClear();
        QStringList shownWhileSending;
        bench.when(esc, 1, [&] { shownWhileSending = bench.listTexts(); });

        bench.click("CmdReset");

        QCOMPARE(shownWhileSending, (QStringList{"OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*", "AUTO*",
                                                 "8 kHz*", "OFF*", "OFF*", "Disabled"}));
        QCOMPARE(EscBench::received(esc), Factory38);
        // The nickel cutoff is not programmed while a lithium battery is chosen.
        QCOMPARE(stored(esc), (QList<int>{160, 38, 49, 56, 65, 81, 98, 112, 128, 144, 192}));
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
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
        const QStringList lists = bench.listTexts();
        bench.when(esc, 2, [&] {
            for (const char *button : {"Program", "CmdReset", "Connect"})
                bench.click(button);
            QTest::keyClick(bench.combo(SettingList::Brake), Qt::Key_Down);
            QTest::keyClicks(bench.combo(SettingList::Timing)->lineEdit(), QStringLiteral("x"));
        });
        TickLog ticks(bench);

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), Factory38);
        QCOMPARE(bench.listTexts(), lists);
        QCOMPARE(ticks.events, FullRun);
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
    }

    void closingDuringARunEndsItAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("CLOSE") << "CLOSE";
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("window") << "window";
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
        QCOMPARE(EscBench::received(esc), Factory38.mid(0, 3));
        QCOMPARE(bench.messages.texts, QStringList());
        QVERIFY(!bench.port.portOpen());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
