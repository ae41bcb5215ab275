#include "escbench.h"

#include <QSettings>
#include <QStandardPaths>

using namespace orvesc;
using namespace orvesc::test;

namespace {

constexpr int ReadSettings = 0x02;
const QList<int> Factory38{160, 38, 56, 65, 81, 98, 112, 128, 144};
const char *const Taken = "Quorl ESC programmed";

} // namespace

// Reading the settings back: Compare with ESC, and Verify after PROGRAM, against the simulator.
class TestVerification : public QObject
{
    Q_OBJECT

    static QAction *action(EscBench &bench, const char *name)
    {
        return bench.form->findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("verifyAfterProgram"));
    }

    // Compare reads once and changes no list; with verifying on PROGRAM ends with the same read,
    // and an ESC that answers 1 but keeps its old brake is caught with both values. Verifying
    // off, PROGRAM sends exactly its nine commands.
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
        QTest::newRow("verify, DEFAULT") << "verify default" << "" << Factory38 + QList<int>{ReadSettings} << Taken
                                        ;
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
        action(bench, "mnuVerify")->setChecked(run.startsWith(QLatin1String("verify")));
        sim::Faults faults;
        faults.ignoreCommand = fault == QLatin1String("ignore") ? 1 : 0;
        faults.settingsBytes = fault == QLatin1String("short") ? std::optional<int>(5) : std::nullopt;
        esc.setFaults(faults);
        const QStringList lists = bench.listTexts();

        if (run.startsWith(QLatin1String("compare")))
            action(bench, "mnuCompare")->trigger();
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
        QVERIFY(!action(first, "mnuVerify")->isChecked());
        QVERIFY(!action(first, "mnuCompare")->isEnabled());
        action(first, "mnuVerify")->setChecked(true);
        EscBench second;
        second.connectedEsc();
        QVERIFY(action(second, "mnuVerify")->isChecked());
        QVERIFY(action(second, "mnuCompare")->isEnabled());
    }

    // Closing the window during Compare ends the read at once, as during the other runs.
    void closingDuringCompareEndsIt()
    {
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc();
        EscBench::slowDown(esc, 500);
        bench.when(esc, 1, [&] {
            bench.widget<QPushButton>("Program")->click();
            bench.form->close();
        });
        action(bench, "mnuCompare")->trigger();
        QTRY_VERIFY(!bench.form->isVisible());
        QCOMPARE(EscBench::received(esc), QList<int>{ReadSettings});
        QCOMPARE(bench.messages.texts, QStringList());
        QVERIFY(!bench.port.portOpen());
    }
};

QTEST_MAIN(TestVerification)
#include "tst_verification.moc"
