#include "escbench.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int ReadSettings = 0x02;
const char *const Taken = "Quorl ESC programmed";

// The list typed into and the text typed; list -1 stands for pressing DEFAULT instead.
using TypedChoice = QPair<int, QString>;
TypedChoice typing(SettingList which, const char *text)
{
    return {int(which), QString::fromLatin1(text)};
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
QStringList fullRun()
{
    QStringList run;
    for (const char *name : CheckNames)
        run << '+' + QLatin1String(name) << '-' + QLatin1String(name);
    return run;
}

} // namespace

// PROGRAM and DEFAULT: the commands on the wire, the moving tick, the outcome, input and closing during a
// run; Compare with ESC and Verify after PROGRAM reading the settings back.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("verifyAfterProgram"));
    }

    // PROGRAM sends what the lists show, DEFAULT the factory choices; typed choices count like picked
    // ones, and "Ni" typed over the battery must send a nickel cutoff code.
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
        QTest::newRow("182: ten") << 182 << QList<int>{160, 43, 48, 56, 65, 81, 98, 116, 128, 144, 192}
            << typing(SettingList::RPM, "ON RANGE 2") << QList<int>{160, 43, 56, 65, 81, 98, 116, 128, 146, 192};
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
        QCOMPARE(bench.messages.texts, QStringList{Taken});
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

    // Input during a run is dropped; any way of closing the window ends the wait at once.
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
        QCOMPARE(bench.messages.texts, finished ? QStringList{Taken} : QStringList());
        QVERIFY(!bench.port.portOpen());
    }

    // Compare reads once and changes no list; verifying PROGRAM ends with the same read and catches an
    // ESC that answers 1 but keeps its old brake.
    void readBackShowsWhatTheEscHolds_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<int>>("traffic");
        QTest::addColumn<QString>("message");
        const QList<int> sent{161, 38, 56, 65, 81, 98, 112, 128, 144};
        QTest::newRow("compare, same") << "compare" << "" << QList<int>{ReadSettings}
                                       << "The ESC holds the settings shown.";
        QTest::newRow("compare, brake changed") << "compare brake" << "" << QList<int>{ReadSettings}
                                                << "BRAKE: the ESC has OFF*, the list shows ON";
        QTest::newRow("compare, read fails") << "compare" << "short" << QList<int>{ReadSettings}
                                             << "Communication Error";
        QTest::newRow("verify, all taken") << "verify brake" << "" << sent + QList<int>{ReadSettings} << Taken;
        QTest::newRow("verify, brake ignored")
            << "verify brake" << "ignore" << sent + QList<int>{ReadSettings}
            << "The ESC accepted every command, but reading its settings back shows differences:\r"
               "BRAKE: the ESC has OFF*, the list shows ON";
        QTest::newRow("verify off") << "program brake" << "ignore" << sent << Taken;
        QTest::newRow("verify, DEFAULT") << "verify default" << "" << Factory38 + QList<int>{ReadSettings} << Taken;
    }
    void readBackShowsWhatTheEscHolds()
    {
        QFETCH(QString, run);
        QFETCH(QString, fault);
        QFETCH(QList<int>, traffic);
        QFETCH(QString, message);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        if (run.contains(QLatin1String("brake")))
            EscBench::typeOver(bench.combo(SettingList::Brake), QStringLiteral("ON"));
        bench.widget<QAction>("mnuVerify")->setChecked(run.startsWith(QLatin1String("verify")));
        sim::Faults faults;
        faults.ignoreCommand = fault == QLatin1String("ignore") ? 1 : 0;
        faults.settingsBytes = fault == QLatin1String("short") ? std::optional<int>(5) : std::nullopt;
        esc.setFaults(faults);
        const QStringList lists = bench.listTexts();

        if (run.startsWith(QLatin1String("compare")))
            bench.widget<QAction>("mnuCompare")->trigger();
        else
            bench.click(run.endsWith(QLatin1String("default")) ? "CmdReset" : "Program");

        QCOMPARE(EscBench::received(esc), traffic);
        QCOMPARE(bench.messages.texts, QStringList{message});
        if (!run.endsWith(QLatin1String("default")))
            QCOMPARE(bench.listTexts(), lists);
        // PROGRAM and DEFAULT stay ready for another try.
        QVERIFY(bench.widget("Program")->isEnabled());
        QVERIFY(!bench.port.portOpen());
    }

    // Off by default, remembered between runs; Compare waits for PROGRAM to be enabled.
    void verifyIsRememberedAndCompareFollowsProgram()
    {
        EscBench first;
        first.start();
        QVERIFY(!first.widget<QAction>("mnuVerify")->isChecked());
        QVERIFY(!first.widget<QAction>("mnuCompare")->isEnabled());
        first.widget<QAction>("mnuVerify")->setChecked(true);
        EscBench second;
        second.connectedEsc();
        QVERIFY(second.widget<QAction>("mnuVerify")->isChecked());
        QVERIFY(second.widget<QAction>("mnuCompare")->isEnabled());
    }

    void closingDuringCompareEndsIt()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        EscBench::slowDown(esc, 500);
        bench.when(esc, 1, [&] {
            bench.widget<QPushButton>("Program")->click();
            bench.form->close();
        });
        bench.widget<QAction>("mnuCompare")->trigger();
        QTRY_VERIFY(!bench.form->isVisible());
        QCOMPARE(EscBench::received(esc), QList<int>{ReadSettings});
        QCOMPARE(bench.messages.texts, QStringList());
        QVERIFY(!bench.port.portOpen());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
