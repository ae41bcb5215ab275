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
    test::SimFolder m_folder;
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

private slots:
    void programsEachPluggedInEscOnceAndRingsOnFail()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVESC_PORT_LINKS"), m_folder.path());
        environment.insert(QStringLiteral("ORVESC_SYSTEM_PORTS"), QString());
        environment.insert(QStringLiteral("ORVESC_BACKUPS"), m_folder.path() + QStringLiteral("/backups"));
        m_cli.setProcessEnvironment(environment);
        // The simulator is the cable's port too: it must be there when the station starts.
        sim::EscSimulator *esc = &m_folder.addEsc(1);
        m_cli.start(QStringLiteral(ORVESC_CLI_EXECUTABLE),
                    QProcess::splitCommand(QStringLiteral("write --station --port COM1 --set brake=on")));
        QVERIFY(m_cli.waitForStarted());
        QVERIFY2(printed("PASS 1  QUORL R5 3S  COM1  (passed 1, failed 0)"), m_out.constData());
        QCOMPARE(esc->settings()[0], 161);
        esc->stop();
        QVERIFY2(printed("plug in the next ESC", true), m_err.constData());

        esc = &m_folder.addEsc(1, 183);
        QVERIFY2(printed("PASS 2  QUORL R9 12S  COM1  (passed 2, failed 0)"), m_out.constData());
        // Left plugged in, it is probed again but never programmed again.
        QVERIFY(esc->waitForReceived(esc->receivedBytes().size() + 2, std::chrono::seconds(10)));
        const auto &received = esc->receivedBytes();
        QCOMPARE(std::count_if(received.begin(), received.end(), [](const sim::ReceivedByte &b) { return b.value == 0xA1; }), 1);

        // One that rejects a command fails, with the bell.
        m_err.clear();
        esc->stop();
        QVERIFY2(printed("plug in the next ESC", true), m_err.constData());
        esc = &m_folder.addEsc(1, 38, test::faults([](sim::Faults &f) { f.rejectCommand = 2; }));
        QVERIFY2(printed("FAIL 3  QUORL R5 3S  COM1  (passed 2, failed 1): error 5"), m_out.constData());
        QVERIFY(printed("\a", true));

        ::kill(pid_t(m_cli.processId()), SIGINT);
        QVERIFY(m_cli.waitForFinished(10000));
        m_out += m_cli.readAllStandardOutput();
        QVERIFY2(m_out.contains("Station ended: 2 passed, 1 failed"), m_out.constData());
        QCOMPARE(m_cli.exitCode(), 5);
    }
};

QTEST_GUILESS_MAIN(TestCliStation)
#include "tst_clistation.moc"
