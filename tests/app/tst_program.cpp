#include "escbench.h"

#include <QElapsedTimer>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// The list typed into and the text typed; list -1 stands for pressing DEFAULT instead.
using TypedChoice = QPair<int, QString>;
TypedChoice typing(SettingList which, const char *text)
{
    return {int(which), QString::fromLatin1(text)};
}
const QList<int> Factory38{160, 38, 56, 65, 81, 98, 112, 128, 144};

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
QStringList fullRun()
{
    QStringList run;
    for (const char *name : CheckNames)
        run << '+' + QLatin1String(name) << '-' + QLatin1String(name);
    return run;
}

} // namespace

// PROGRAM and DEFAULT: the commands on the wire, the moving tick, the outcome on the window, and
// what presses and closes during a run do.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    // PROGRAM sends what the lists show; DEFAULT shows the factory choices, then
    // sends them. A choice is typed, as typing that names an entry must count like picking it; typing
    // "Ni" over the battery makes the cutoff list the nickel one before PROGRAM collects it, so the
    // cutoff goes out as a nickel code, not a lithium index read as one.
    void sendsTheShownChoicesOneCommandEach_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<TypedChoice>("typed");
        QTest::addColumn<QList<int>>("traffic");
        const QList<int> changed38{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        QTest::newRow("38: nine") << 38 << changed38 << typing(SettingList::Timing, "AUTO*")
                                  << QList<int>{162, 37, 54, 64, 80, 98, 113, 129, 144};
        QTest::newRow("38: DEFAULT") << 38 << changed38 << TypedChoice(-1, QString()) << Factory38;
        QTest::newRow("38: Ni battery") << 38 << QList<int>{160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192}
            << typing(SettingList::Batt, "Ni") << QList<int>{160, 32, 50, 65, 81, 98, 112, 128, 144};
        QTest::newRow("183: ten") << 183 << QList<int>{160, 43, 48, 133, 65, 81, 98, 112, 128, 144, 192}
            << typing(SettingList::ACCN, "LEVEL4*") << QList<int>{160, 43, 133, 65, 81, 98, 112, 128, 144, 195};
        QTest::newRow("181: nine") << 181 << QList<int>{160, 43, 48, 56, 65, 81, 98, 112, 128, 144, 192}
            << typing(SettingList::RPM, "ON RANGE 2") << QList<int>{160, 43, 56, 65, 81, 98, 112, 128, 146};
        QTest::newRow("225: nine") << 225 << QList<int>{160, 38, 48, 56, 65, 81, 98, 116, 128, 144, 192}
            << typing(SettingList::Frequency, "AC +0.3") << QList<int>{160, 38, 56, 65, 81, 98, 117, 128, 144};
    }
    void sendsTheShownChoicesOneCommandEach()
    {
        QFETCH(int, model);
        QFETCH(QList<int>, start);
        QFETCH(TypedChoice, typed);
        QFETCH(QList<int>, traffic);
        EscBench bench;
        sim::EscSettings settings{};
        std::copy(start.begin(), start.end(), settings.begin());
        sim::EscSimulator &esc = bench.connectedEsc(model, settings);
        const bool reset = typed.first < 0;
        if (!reset)
            EscBench::typeOver(bench.combo(SettingList(typed.first)), typed.second);
        const QStringList chosen = reset ? FactoryLists : bench.listTexts();
        QStringList shownWhileSending;
        bench.when(esc, 1, [&] { shownWhileSending = bench.listTexts(); });
        TickLog ticks(bench);

        bench.click(reset ? "CmdReset" : "Program");

        QCOMPARE(shownWhileSending, chosen);
        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(ticks.events, fullRun());
        QVERIFY2(ticks.at.last() - ticks.at.at(ticks.at.size() - 2) >= 950, "the pause keeps the last tick");
        QCOMPARE(bench.messages.texts, QStringList{"Quorl ESC programmed"});
        QVERIFY(bench.state().startsWith(QLatin1String("lamp detected esc lists program default \"")));
        // Read back, the ESC shows what the lists showed.
        bench.connectAndClear();
        QCOMPARE(bench.listTexts(), chosen);
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
        sim::EscSimulator &esc = bench.connectedEsc();
        sim::Faults rejectFourth;
        rejectFourth.rejectCommand = 4;
        if (trouble == QLatin1String("reject"))
            esc.setFaults(rejectFourth);
        else if (trouble == QLatin1String("unplug"))
            esc.stop();
        else {
            for (const QString &name : trouble.split(' '))
                EscBench::typeOver(bench.widget<QComboBox>(qPrintable(name)), QStringLiteral("7S"));
        }

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(bench.checkedBoxes(), ticked);
        QCOMPARE(bench.state(), state);
        QCOMPARE(bench.messages.beeps, message.isEmpty() ? 0 : 1);
        QVERIFY2(bench.messages.texts.join('|').contains(message), qPrintable(bench.messages.texts.join('|')));
        QVERIFY(!bench.port.portOpen());
    }

    // Input during a run is dropped; closing the window in any way ends the wait under way at once.
    void runIgnoresInputAndEndsAtOnceOnClosing_data()
    {
        QTest::addColumn<QString>("during");
        QTest::addColumn<int>("sent");
        QTest::newRow("buttons and lists") << "input" << 9;
        QTest::newRow("CLOSE") << "CLOSE" << 3;
        QTest::newRow("Exit") << "Exit" << 3;
        QTest::newRow("window") << "window" << 3;
    }
    void runIgnoresInputAndEndsAtOnceOnClosing()
    {
        QFETCH(QString, during);
        QFETCH(int, sent);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        EscBench::slowDown(esc, 200);
        const QStringList lists = bench.listTexts();
        bench.when(esc, 3, [&] {
            if (during == QLatin1String("CLOSE"))
                bench.click("Close");
            else if (during == QLatin1String("Exit"))
                bench.exit();
            else if (during == QLatin1String("window"))
                bench.form->close();
            else {
                // Pressed by the user, and pressed by the program past the window's input filter.
                for (const char *button : {"Program", "CmdReset", "Connect"}) {
                    bench.click(button);
                    bench.widget<QPushButton>(button)->click();
                }
                QTest::keyClick(bench.combo(SettingList::Brake), Qt::Key_Down);
                QTest::keyClicks(bench.combo(SettingList::Timing)->lineEdit(), QStringLiteral("x"));
            }
        });
        TickLog ticks(bench);

        bench.click("Program");

        const bool finished = sent == 9;
        QCOMPARE(ticks.clock.elapsed() >= 2000, finished);
        QTRY_COMPARE(bench.form->isVisible(), finished);
        QCOMPARE(EscBench::received(esc), Factory38.mid(0, sent));
        QCOMPARE(bench.listTexts(), lists);
        if (finished)
            QCOMPARE(ticks.events, fullRun());
        QCOMPARE(bench.messages.texts, finished ? QStringList{"Quorl ESC programmed"} : QStringList());
        QVERIFY(!bench.port.portOpen());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
