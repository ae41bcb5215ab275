#include "escbench.h"
#include "severalescsdialog.h"

#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>

using namespace orvesc;
using namespace orvesc::test;

namespace {

// The record's rows as Python's csv module reads them: result|model|backup|brake|reason.
QStringList recordRows(const QString &file)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(ORVESC_RECORD_CHECK), file});
    python.waitForFinished();
    if (python.exitCode() != 0)
        return {QString::fromUtf8(python.readAllStandardError())};
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

// Program several ESCs...: the station's loop in the window, ESC after ESC on COM1, each with a
// line, a backup and a record line; Stop lets the ESC being programmed finish.
class TestSeveralEscs : public QObject
{
    Q_OBJECT

private slots:
    void programsEscAfterEscAndKeepsARecord_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("record");
        const QString pass = QStringLiteral("PASS|QUORL R5 3S|kept|OFF*|");
        QTest::newRow("three, one rejecting") << "three" << QStringList{"PASS", "PASS", "FAIL: The ESC rejected BATTERY"}
            << QStringList{pass, pass, "FAIL|QUORL R5 3S|kept|OFF*|The ESC rejected BATTERY"};
        QTest::newRow("another model") << "other" << QStringList{"FAIL: Refused: this is a QUORL R9 12S, the settings are "
            "for a QUORL R5 3S. Nothing was written."} << QStringList{"FAIL|QUORL R9 12S|none||Refused"};
        QTest::newRow("stop while programming") << "stop" << QStringList{"PASS"} << QStringList{pass};
        QTest::newRow("unwritable record") << "unwritable" << QStringList() << QStringList();
    }
    void programsEscAfterEscAndKeepsARecord()
    {
        QFETCH(QString, run);
        QFETCH(QStringList, log);
        QFETCH(QStringList, record);
        QTemporaryDir backups;
        EscBench bench;
        sim::EscSimulator *esc = &bench.connectedEsc();
        // A device the system lists: while the cable's link is gone, COM1 names it, and the run
        // must not send it a byte.
        sim::EscSimulator &bystander = bench.sims.addEsc(9, 38);
        QFile::remove(bench.sims.comLink(9));
        bench.systemPorts << QString::fromStdString(bystander.devicePath());
        bench.form->setBackupFolder(backups.path());
        bench.trigger("mnuSeveral");
        auto *dialog = bench.form->findChild<SeveralEscsDialog *>();
        QVERIFY(dialog);
        QVERIFY(!bench.widget("Connect")->isEnabled() && !bench.widget("Program")->isEnabled());
        auto *lines = dialog->findChild<QListWidget *>(QStringLiteral("runLog"));
        auto *instruction = dialog->findChild<QLabel *>(QStringLiteral("instruction"));
        const auto told = [instruction](const char *text) { return instruction->text() == QLatin1String(text); };
        QString recordFile = backups.path() + QStringLiteral("/station-record.csv");
        if (run == QLatin1String("unwritable")) {
            QFile plain(backups.path() + QStringLiteral("/plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            recordFile = plain.fileName() + QStringLiteral("/record.csv");
            dialog->findChild<QLineEdit *>(QStringLiteral("recordFile"))->setText(recordFile);
        }
        if (run == QLatin1String("other"))
            esc->replaceEsc(183);
        esc->clearLog();

        // Each step waits for its moment, then plugs, unplugs or stops, as the user would.
        std::vector<std::pair<std::function<bool()>, std::function<void()>>> steps;
        const auto stop = [dialog] { QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Stop")), Qt::LeftButton); };
        // Each ESC holds other settings than the last, so that each gets a backup of its own.
        const auto next = [&](const sim::Faults &faults, const sim::EscSettings &holds) {
            steps.push_back({[&] { return told("Unplug the ESC."); }, [&] { bench.sims.unplug(1); }});
            steps.push_back({[&] { return told("Plug in the next ESC."); },
                             [&, faults, holds] { esc = &bench.sims.addEsc(1, 38, faults, holds); }});
        };
        if (run == QLatin1String("three")) {
            next({}, {160, 38, 48, 56, 65, 81, 98, 112, 129, 144, 192});
            next(faults([](sim::Faults &f) { f.rejectCommand = 2; }), {160, 38, 48, 56, 65, 81, 98, 113, 128, 144, 192});
            steps.push_back({[&] { return lines->count() == 3; }, stop});
        } else if (run == QLatin1String("stop")) {
            steps.push_back({[&] { return esc->receivedBytes().size() >= 5; }, stop});
        } else {
            steps.push_back({[&] { return lines->count() == 1; }, stop});
        }
        QTimer script;
        connect(&script, &QTimer::timeout, &script, [&] {
            if (!steps.empty() && steps.front().first()) {
                const auto act = steps.front().second;
                steps.erase(steps.begin());
                act();
            }
        });
        script.start(10);
        QTimer::singleShot(60000, dialog, stop);

        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Start")), Qt::LeftButton);

        QVERIFY(!dialog->isRunning());
        QCOMPARE(lines->count(), log.size());
        for (int i = 0; i < log.size(); ++i)
            QVERIFY2(lines->item(i)->text().contains(QStringLiteral("COM1  QUORL R")) && lines->item(i)->text().contains(log[i]),
                     qPrintable(lines->item(i)->text()));
        if (run == QLatin1String("unwritable")) {
            QVERIFY2(instruction->text().contains(QLatin1String("cannot be written")), qPrintable(instruction->text()));
            QVERIFY(esc->receivedBytes().empty());
            return;
        }
        const QList<int> traffic = received(*esc);
        if (run == QLatin1String("other"))
            QVERIFY2(std::all_of(traffic.begin(), traffic.end(), [](int b) { return b <= 2; }), "no command byte sent");
        if (run == QLatin1String("stop"))
            QCOMPARE(traffic.mid(3, 10), Factory38 + QList<int>{2});
        const QStringList rows = recordRows(recordFile);
        QCOMPARE(rows.size(), record.size());
        for (int i = 0; i < record.size(); ++i)
            QVERIFY2(rows[i].startsWith(record[i]), qPrintable(rows[i]));
        QCOMPARE(QDir(backups.path()).entryList({QStringLiteral("*.orvesc.json")}).size(),
                 run == QLatin1String("other") ? 0 : log.size());
        dialog->close();
        QTRY_VERIFY(bench.widget("Connect")->isEnabled());
        QCOMPARE(test::received(bystander).size(), 0);
        // Another ESC may be on the cable now: nothing is written to it before a new CONNECT.
        QVERIFY(!bench.widget("Program")->isEnabled() && !bench.widget("CmdReset")->isEnabled());
    }
};

QTEST_MAIN(TestSeveralEscs)
#include "tst_severalescs.moc"
