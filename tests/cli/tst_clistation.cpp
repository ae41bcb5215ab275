#include "simfolder.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

using namespace orvesc;

// write --station: ESC after ESC plugged into one cable, each programmed once; Ctrl+C ends with a summary.
class TestCliStation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::SimFolder> m_simFolder;
    test::SimFolder &m_folder() { return *m_simFolder; }
    QProcess m_cli;
    QByteArray m_out;
    QByteArray m_err;

    // Waits until stdout (or stderr) holds the text.
    bool printed(const QByteArray &text, bool onStderr = false)
    {
        const QByteArray &seen = onStderr ? m_err : m_out;
        for (QDeadlineTimer deadline(30000); !seen.contains(text) && !deadline.hasExpired();) {
            m_cli.waitForReadyRead(200);
            m_out += m_cli.readAllStandardOutput();
            m_err += m_cli.readAllStandardError();
        }
        return seen.contains(text);
    }

    void startStation()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVESC_PORT_LINKS"), m_folder().path());
        environment.insert(QStringLiteral("ORVESC_SYSTEM_PORTS"), QString());
        environment.insert(QStringLiteral("ORVESC_BACKUPS"), m_folder().path() + QStringLiteral("/backups"));
        m_cli.setProcessEnvironment(environment);
        m_cli.start(QStringLiteral(ORVESC_CLI_EXECUTABLE),
                    QProcess::splitCommand(QStringLiteral("write --station --port COM1 --set brake=on --record ")
                                           + m_folder().path() + QStringLiteral("/record.csv")));
    }
    static int brakeCommands(const sim::EscSimulator &esc)
    {
        const auto &received = esc.receivedBytes();
        return int(std::count_if(received.begin(), received.end(), [](const sim::ReceivedByte &b) { return b.value == 0xA1; }));
    }

private slots:
    void init() { m_simFolder = std::make_unique<test::SimFolder>(); }
    void cleanup()
    {
        if (m_cli.state() != QProcess::NotRunning) {
            m_cli.kill();
            m_cli.waitForFinished();
        }
        m_out.clear();
        m_err.clear();
    }

    void programsEachPluggedInEscOnceAndRingsOnFail()
    {
        // The simulator is the cable's port too: it must be there when the station starts.
        sim::EscSimulator *esc = &m_folder().addEsc(1);
        startStation();
        QVERIFY(m_cli.waitForStarted());
        QVERIFY2(printed("PASS 1  QUORL R5 3S  COM1  (passed 1, failed 0)"), m_out.constData());
        QCOMPARE(esc->settings()[0], 161);
        esc->stop();
        QVERIFY2(printed("plug in the next ESC", true), m_err.constData());

        esc = &m_folder().addEsc(1, 183);
        QVERIFY2(printed("PASS 2  QUORL R9 12S  COM1  (passed 2, failed 0)"), m_out.constData());
        // One that rejects a command fails, with the bell.
        m_err.clear();
        esc->stop();
        QVERIFY2(printed("plug in the next ESC", true), m_err.constData());
        esc = &m_folder().addEsc(1, 38, test::faults([](sim::Faults &f) { f.rejectCommand = 2; }));
        QVERIFY2(printed("FAIL 3  QUORL R5 3S  COM1  (passed 2, failed 1): error 5"), m_out.constData());
        QVERIFY(printed("\a", true));

        ::kill(pid_t(m_cli.processId()), SIGINT);
        QVERIFY(m_cli.waitForFinished(10000));
        m_out += m_cli.readAllStandardOutput();
        QVERIFY2(m_out.contains("Station ended: 2 passed, 1 failed"), m_out.constData());
        QCOMPARE(m_cli.exitCode(), 5);
        // Each ESC has its line, read as a spreadsheet would, and its backup.
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral(ORVESC_RECORD_CHECK), m_folder().path() + QStringLiteral("/record.csv")});
        QVERIFY(python.waitForFinished());
        const QStringList rows = QString::fromUtf8(python.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(rows.size() == 3, python.readAllStandardError().constData());
        QCOMPARE(rows[0], QStringLiteral("PASS|QUORL R5 3S|kept|ON|"));
        QCOMPARE(rows[1], QStringLiteral("PASS|QUORL R9 12S|kept|ON|"));
        QVERIFY2(rows[2].startsWith(QLatin1String("FAIL|QUORL R5 3S|kept|ON|The ESC rejected BATTERY")), qPrintable(rows[2]));
    }

    // The adapter stays plugged in: one missed reply is no removal, another ESC in its place is
    // programmed however quickly it was swapped.
    void tellsAMissedReplyFromASwap()
    {
        sim::EscSimulator &esc = m_folder().addEsc(1);
        startStation();
        QVERIFY2(printed("PASS 1  QUORL R5 3S"), m_out.constData());
        QVERIFY(printed("unplug the ESC", true));
        const std::size_t heard = esc.receivedBytes().size();
        esc.setFaults(test::faults([](sim::Faults &f) { f.silent = true; }));
        QVERIFY(esc.waitForReceived(heard + 1, std::chrono::seconds(5)));
        esc.setFaults({});
        QVERIFY(esc.waitForReceived(heard + 6, std::chrono::seconds(10)));
        QCOMPARE(brakeCommands(esc), 1);
        QVERIFY2(!m_out.contains("PASS 2") && !m_err.contains("plug in the next"), m_err.constData());

        esc.replaceEsc(183);
        QVERIFY2(printed("PASS 2  QUORL R9 12S"), m_out.constData());
        QCOMPARE(brakeCommands(esc), 2);
        QVERIFY(m_err.contains("another ESC is on the cable"));
    }
};

QTEST_GUILESS_MAIN(TestCliStation)
#include "tst_clistation.moc"
