#include "escbench.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int ReadSettings = 0x02;
const char *const Taken = "Quorl ESC programmed";
const char *const Same = "The ESC holds the settings shown.";

// An ESC of model holding start, text typed over one list (none: DEFAULT is pressed), the bytes sent.
struct Send
{
    int model;
    QList<int> start;
    const char *list;
    QString typed;
    QList<int> traffic;
};

// A PROGRAM run that trouble stops, and where it leaves the ESC, the boxes and the window.
struct Stop
{
    QString trouble, state, message;
    QList<int> traffic;
    QStringList ticked;
};

// Every tick and untick of the programming boxes, with the time it happened.
struct TickLog
{
    explicit TickLog(EscBench &bench)
    {
        clock.start();
        for (const char *name : CheckNames) {
            QObject::connect(bench.widget<QCheckBox>(name), &QCheckBox::toggled, bench.form.get(),
                             [this, name](bool on) {
                                 events << (on ? "+" : "-") + QLatin1String(name);
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

Q_DECLARE_METATYPE(Send)
Q_DECLARE_METATYPE(Stop)

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
    // ones, and "Ni" typed over the battery must send a nickel cutoff code. Compare then finds them.
    void sendsTheShownChoicesOneCommandEach_data()
    {
        QTest::addColumn<Send>("send");
        const QList<int> changed38{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        QTest::newRow("38: nine") << Send{38, changed38, "cmbTiming", "AUTO*", {162, 37, 54, 64, 80, 98, 113, 129, 144}};
        QTest::newRow("38: DEFAULT") << Send{38, changed38, nullptr, "", Factory38};
        QTest::newRow("38: Ni battery") << Send{38, {160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192}, "cmbBatt", "Ni",
                                                {160, 32, 50, 65, 81, 98, 112, 128, 144}};
        QTest::newRow("182: ten") << Send{182, {160, 43, 48, 56, 65, 81, 98, 116, 128, 144, 192}, "cmbRPM",
                                          "ON RANGE 2", {160, 43, 56, 65, 81, 98, 116, 128, 146, 192}};
        QTest::newRow("181: nine") << Send{181, {160, 43, 48, 56, 65, 81, 98, 112, 128, 144, 192}, "cmbRPM",
                                           "ON RANGE 2", {160, 43, 56, 65, 81, 98, 112, 128, 146}};
        QTest::newRow("225: nine") << Send{225, {160, 38, 48, 56, 65, 81, 98, 116, 128, 144, 192}, "cmbFrequency",
                                           "AC +0.3", {160, 38, 56, 65, 81, 98, 117, 128, 144}};
    }
    void sendsTheShownChoicesOneCommandEach()
    {
        QFETCH(Send, send);
        EscBench bench;
        sim::EscSettings settings{};
        std::copy(send.start.begin(), send.start.end(), settings.begin());
        sim::EscSimulator &esc = bench.connectedEsc(send.model, settings);
        if (send.list)
            EscBench::typeOver(bench.widget<QComboBox>(send.list), send.typed);
        const QStringList chosen = send.list ? bench.listTexts() : FactoryLists;
        QStringList shownWhileSending;
        bench.when(esc, 1, [&] { shownWhileSending = bench.listTexts(); });
        TickLog ticks(bench);

        bench.click(send.list ? "Program" : "CmdReset");

        QCOMPARE(shownWhileSending, chosen);
        QCOMPARE(EscBench::received(esc), send.traffic);
        QCOMPARE(ticks.events, fullRun());
        QVERIFY2(ticks.at.last() - ticks.at.at(ticks.at.size() - 2) >= 950, "the pause keeps the last tick");
        QVERIFY(bench.state().startsWith(QLatin1String("lamp detected esc lists program default \"")));
        bench.trigger("mnuCompare");
        QCOMPARE(bench.messages.texts, (QStringList{Taken, Same}));
        bench.connectAndClear();
        QCOMPARE(bench.listTexts(), chosen);
    }

    void runThatCannotFinishSaysWhyOrStopsQuietly_data()
    {
        QTest::addColumn<Stop>("stop");
        const QString ready = QStringLiteral("lamp detected esc boxes lists program default \"QUORL R5 3S\"");
        QTest::newRow("fourth command rejected") << Stop{"reject", "lamp detected esc boxes lists \"QUORL R5 3S\"", "",
                                                         Factory38.mid(0, 4), {"chkLVC"}};
        QTest::newRow("line lost") << Stop{"unplug", ready, "COM1", {}, {}};
        QTest::newRow("two lists without choice") << Stop{"cmbTiming cmbReverse", ready,
            "Nothing was sent: no choice is selected for TIMING MODE, MOTOR REVERSE.", {}, {}};
    }
    void runThatCannotFinishSaysWhyOrStopsQuietly()
    {
        QFETCH(Stop, stop);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        if (stop.trouble == QLatin1String("reject"))
            esc.setFaults(faults([](sim::Faults &f) { f.rejectCommand = 4; }));
        else if (stop.trouble == QLatin1String("unplug"))
            esc.stop();
        else {
            for (const QString &name : stop.trouble.split(' '))
                EscBench::typeOver(bench.widget<QComboBox>(qPrintable(name)), QStringLiteral("7S"));
        }

        bench.click("Program");

        QCOMPARE(EscBench::received(esc), stop.traffic);
        QCOMPARE(bench.checkedBoxes(), stop.ticked);
        QCOMPARE(bench.state(), stop.state);
        QCOMPARE(bench.messages.texts.size(), stop.message.isEmpty() ? 0 : 1);
        QVERIFY2(bench.messages.texts.join('|').contains(stop.message), qPrintable(bench.messages.texts.join('|')));
        QVERIFY(!bench.port.portOpen());
    }

    // Input during a run is dropped; any way of closing the window ends the wait of PROGRAM or Compare
    // at once.
    void runIgnoresInputAndEndsAtOnceOnClosing_data()
    {
        QTest::addColumn<QString>("during");
        QTest::addColumn<QList<int>>("traffic");
        QTest::newRow("buttons and lists") << "input" << Factory38;
        QTest::newRow("CLOSE") << "CLOSE" << Factory38.mid(0, 3);
        QTest::newRow("Exit") << "Exit" << Factory38.mid(0, 3);
        QTest::newRow("window") << "window" << Factory38.mid(0, 3);
        QTest::newRow("window, Compare") << "window" << QList<int>{ReadSettings};
    }
    void runIgnoresInputAndEndsAtOnceOnClosing()
    {
        QFETCH(QString, during);
        QFETCH(QList<int>, traffic);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        EscBench::slowDown(esc, 200);
        const QStringList lists = bench.listTexts();
        const bool compare = traffic.constFirst() == ReadSettings;
        bench.when(esc, compare ? 1 : 3, [&] {
            if (during == QLatin1String("CLOSE"))
                bench.click("Close");
            else if (during == QLatin1String("Exit"))
                bench.trigger("frm_Exit");
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

        if (compare)
            bench.trigger("mnuCompare");
        else
            bench.click("Program");

        const bool finished = traffic.size() == 9;
        QCOMPARE(ticks.clock.elapsed() >= 2000, finished);
        QTRY_COMPARE(bench.form->isVisible(), finished);
        QCOMPARE(EscBench::received(esc), traffic);
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
        esc.setFaults(faults([&fault](sim::Faults &f) {
            f.ignoreCommand = fault == QLatin1String("ignore") ? 1 : 0;
            f.settingsBytes = fault == QLatin1String("short") ? std::optional<int>(5) : std::nullopt;
        }));
        const QStringList lists = bench.listTexts();

        if (run.startsWith(QLatin1String("compare")))
            bench.trigger("mnuCompare");
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

    // Remembered between runs; Compare waits for PROGRAM to be enabled.
    void verifyIsRememberedAndCompareFollowsProgram()
    {
        EscBench first;
        first.start();
        QVERIFY(!first.widget<QAction>("mnuCompare")->isEnabled());
        first.widget<QAction>("mnuVerify")->setChecked(true);
        EscBench second;
        second.start();
        QVERIFY(second.widget<QAction>("mnuVerify")->isChecked());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
