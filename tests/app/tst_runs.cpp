#include "escbench.h"
#include "settingslocation.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int Identify = 0x00;
constexpr int ReadSettings = 0x02;
const QList<int> ConnectTraffic{Identify, Identify, ReadSettings};
const char *const Taken = "Quorl ESC programmed";

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

// A Compare or PROGRAM run (with Verify on or off), the ESC's fault, what it sends and shows.
struct ReadBack
{
    QString run;
    sim::Faults fault;
    QString message;
    QList<int> traffic;
};

} // namespace

Q_DECLARE_METATYPE(Search)
Q_DECLARE_METATYPE(Send)
Q_DECLARE_METATYPE(Stop)
Q_DECLARE_METATYPE(ReadBack)

// The runs that talk to the ESC: CONNECT's search, identification and settings read; the commands of
// PROGRAM and DEFAULT, the moving tick, input and closing during a run; Compare and Verify reading back.
class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The choices' place as the program has it (Windows keeps none without an organisation).
        settleSettingsLocation();
    }
    void init()
    {
        QSettings().remove(QStringLiteral("verifyAfterProgram"));
    }

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
        for (int i = 0; i < search.ports.size(); ++i)
            bench.sims.addEsc(search.ports[i], 38, search.traffic[i] == ConnectTraffic ? answer : Silent, reported);
        bench.start();

        bench.click("Connect");

        for (int i = 0; i < search.ports.size(); ++i)
            QCOMPARE(received(*bench.sims.escs()[i]), search.traffic[i]);
        QCOMPARE(bench.widget<QComboBox>("cmbCOM")->currentIndex(), search.selected);
        QCOMPARE(bench.state(), search.state);
        if (!search.lists.isEmpty())
            QCOMPARE(bench.listTexts(), search.lists);
        QCOMPARE(bench.messages.texts.size(), search.message.isEmpty() ? 0 : 1);
        QVERIFY(bench.messages.texts.join('|').startsWith(search.message));
    }

    void secondConnectClearsTheDisplayWhileItWaits()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        bench.form->unlock_Checks();
        bench.widget<QCheckBox>("chkSoftStart")->setChecked(true);
        EscBench::slowDown(esc, 200);
        QString during;
        bench.when(esc, 1, [&] { during = bench.state() + ' ' + bench.checkedBoxes().join(' '); });
        bench.click("Connect");
        QCOMPARE(during, QStringLiteral("lamp detected esc lists \"QUORL R5 3S\" "));
        QCOMPARE(bench.state(), Connected38);
    }

    // PROGRAM sends what the lists show, DEFAULT the factory choices; typed choices count like picked
    // ones, and "Ni" typed over the battery must send a nickel cutoff code. Compare then finds them.
    void sendsTheShownChoicesOneCommandEach_data()
    {
        QTest::addColumn<Send>("send");
        const QList<int> changed{162, 37, 49, 54, 64, 80, 96, 113, 129, 144, 192};
        QTest::newRow("38: nine") << Send{38, changed, "cmbTiming", "AUTO*", {162, 37, 54, 64, 80, 98, 113, 129, 144}};
        QTest::newRow("38: DEFAULT") << Send{38, changed, nullptr, "", Factory38};
        QTest::newRow("38: Ni battery") << Send{38, {160, 38, 48, 56, 65, 81, 98, 112, 128, 144, 192}, "cmbBatt", "Ni",
                                                {160, 32, 50, 65, 81, 98, 112, 128, 144}};
        QTest::newRow("182: ten") << Send{182, {160, 43, 48, 56, 65, 81, 98, 116, 128, 144, 192}, "cmbRPM",
                                          "ON RANGE 2", {160, 43, 56, 65, 81, 98, 116, 128, 146, 192}};
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
        QStringList ticks; // each tick and untick of the boxes, and when it came
        QList<qint64> at;
        QElapsedTimer clock;
        clock.start();
        for (const char *name : CheckNames) {
            connect(bench.widget<QCheckBox>(name), &QCheckBox::toggled, bench.form.get(), [&, name](bool on) {
                ticks << (on ? "+" : "-") + QLatin1String(name);
                at << clock.elapsed();
            });
        }

        bench.click(send.list ? "Program" : "CmdReset");

        QCOMPARE(shownWhileSending, chosen);
        QCOMPARE(received(esc), send.traffic);
        QStringList moving; // down the nine boxes, the last one cleared after the pause
        for (const char *name : CheckNames)
            moving << '+' + QLatin1String(name) << '-' + QLatin1String(name);
        QCOMPARE(ticks, moving);
        QVERIFY2(at.last() - at.at(at.size() - 2) >= 950, "the pause keeps the last tick");
        QVERIFY(bench.state().startsWith(QLatin1String("lamp detected esc lists program default \"")));
        bench.trigger("mnuCompare");
        QCOMPARE(bench.messages.texts, (QStringList{Taken, "The ESC holds the settings shown."}));
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

        QCOMPARE(received(esc), stop.traffic);
        QCOMPARE(bench.checkedBoxes(), stop.ticked);
        QCOMPARE(bench.state(), stop.state);
        QCOMPARE(bench.messages.texts.size(), stop.message.isEmpty() ? 0 : 1);
        QVERIFY2(bench.messages.texts.join('|').contains(stop.message), qPrintable(bench.messages.texts.join('|')));
        QVERIFY(!bench.port.portOpen());
    }

    // Input during a run is dropped; any way of closing the window ends PROGRAM's or Compare's wait at once.
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
                QTest::keyClick(bench.widget<QComboBox>("cmbBrake"), Qt::Key_Down);
                QTest::keyClicks(bench.widget<QComboBox>("cmbTiming")->lineEdit(), QStringLiteral("x"));
            }
        });
        QElapsedTimer clock;
        clock.start();

        if (compare)
            bench.trigger("mnuCompare");
        else
            bench.click("Program");

        const bool finished = traffic.size() == 9;
        QCOMPARE(clock.elapsed() >= 2000, finished);
        QTRY_COMPARE(bench.form->isVisible(), finished);
        QCOMPARE(received(esc), traffic);
        QCOMPARE(bench.listTexts(), lists);
        QCOMPARE(bench.messages.texts, finished ? QStringList{Taken} : QStringList());
        QVERIFY(!bench.port.portOpen());
    }

    // Compare reads once, changing no list; Verify adds that read to PROGRAM and catches an ESC that lies.
    void readBackShowsWhatTheEscHolds_data()
    {
        QTest::addColumn<ReadBack>("readBack");
        const QList<int> sent{161, 38, 56, 65, 81, 98, 112, 128, 144};
        const QList<int> verified = sent + QList<int>{ReadSettings};
        const sim::Faults ignore = faults([](sim::Faults &f) { f.ignoreCommand = 1; });
        const sim::Faults shortRead = faults([](sim::Faults &f) { f.settingsBytes = 5; });
        QTest::newRow("compare, brake changed") << ReadBack{"compare brake", {}, "BRAKE: the ESC has OFF*, the list "
                                                            "shows ON", {ReadSettings}};
        QTest::newRow("compare, read fails") << ReadBack{"compare", shortRead, "Communication Error", {ReadSettings}};
        QTest::newRow("verify, all taken") << ReadBack{"verify brake", {}, Taken, verified};
        QTest::newRow("verify, brake ignored") << ReadBack{"verify brake", ignore, "The ESC accepted every command, "
            "but reading its settings back shows differences:\rBRAKE: the ESC has OFF*, the list shows ON", verified};
        QTest::newRow("verify off") << ReadBack{"program brake", ignore, Taken, sent};
    }
    void readBackShowsWhatTheEscHolds()
    {
        QFETCH(ReadBack, readBack);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        if (readBack.run.endsWith(QLatin1String("brake")))
            EscBench::typeOver(bench.widget<QComboBox>("cmbBrake"), QStringLiteral("ON"));
        bench.widget<QAction>("mnuVerify")->setChecked(readBack.run.startsWith(QLatin1String("verify")));
        esc.setFaults(readBack.fault);
        const QStringList lists = bench.listTexts();

        if (readBack.run.startsWith(QLatin1String("compare")))
            bench.trigger("mnuCompare");
        else
            bench.click("Program");

        QCOMPARE(received(esc), readBack.traffic);
        QCOMPARE(bench.messages.texts, QStringList{readBack.message});
        QCOMPARE(bench.listTexts(), lists);
        // PROGRAM and DEFAULT stay ready for another try.
        QVERIFY(bench.widget("Program")->isEnabled());
        QVERIFY(!bench.port.portOpen());
        // The Verify choice is remembered for the next window.
        EscBench next;
        next.start();
        QCOMPARE(next.widget<QAction>("mnuVerify")->isChecked(), readBack.run.startsWith(QLatin1String("verify")));
    }
};

QTEST_MAIN(TestRuns)
#include "tst_runs.moc"
