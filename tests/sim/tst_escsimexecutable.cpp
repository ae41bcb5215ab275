#include "line.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// Starts the command on a port-link folder; true once it reports the link com<com>.
bool launch(QProcess &sim, const QString &arguments, const QString &folder, int com)
{
    sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                             << QStringLiteral("--com") << QString::number(com)
                                                             << QStringLiteral("--folder") << folder);
    QByteArray out;
    while (!out.contains("com" + QByteArray::number(com)) && sim.waitForReadyRead(5000))
        out += sim.readAllStandardOutput();
    return out.contains("com" + QByteArray::number(com));
}

bool terminate(QProcess &sim)
{
    ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
    return sim.waitForFinished(5000) && sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0;
}

} // namespace

// The orvesc-esc-sim command: options reach the simulator, the log and state files are written
// and a stop signal removes the port link.
class TestEscSimExecutable : public QObject
{
    Q_OBJECT

private slots:
    void servesLogsAndCleansUpOnTerminate()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ports"));
        const QString logPath = dir.filePath(QStringLiteral("bytes.log"));
        QProcess sim;
        QVERIFY(launch(sim, QStringLiteral("--model 179 --reject-command 2 --settings 161,32,50,57,64,80,97,117,129,145 --log ")
                               + logPath, folder, 4));
        {
            Line line((folder + QStringLiteral("/com4")).toStdString());
            QVERIFY(line.isOpen());
            QCOMPARE(line.exchange(QByteArray::fromHex("00"), 1), QByteArray::fromHex("b3"));
            QCOMPARE(line.exchange(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a1203239405061758191 01"));
            QCOMPARE(line.exchange(QByteArray::fromHex("a0 74"), 4), QByteArray::fromHex("a001 7400"));
        }
        QVERIFY(terminate(sim));
        QVERIFY(!QFileInfo(folder + QStringLiteral("/com4")).isSymLink());

        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString stamp = QStringLiteral("\\d+\\.\\d{6}");
        const QRegularExpression expected(QStringLiteral("^%1 0x00\n%1 0x02\n%1 0xA0\n%1 0x74\n$").arg(stamp));
        const QString text = QString::fromLatin1(log.readAll());
        QVERIFY2(expected.match(text).hasMatch(), qPrintable(text));
    }

    // What a person relies on with the run command: settings programmed into the simulator are read
    // back after it was stopped and started again, and another model starts from its own factory codes.
    void keepsProgrammedSettingsAcrossRestarts()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ports"));
        const auto run = [&](const QByteArray &request, int count, int model = 38) {
            QProcess sim;
            const QString options = QStringLiteral("--model %1 --state %2").arg(model).arg(dir.filePath(QStringLiteral("esc.settings")));
            if (!launch(sim, options, folder, 2))
                return QByteArray("not started");
            const QByteArray reply = Line((folder + QStringLiteral("/com2")).toStdString()).exchange(request, count);
            // Give the simulator a moment to keep what it stored before it is stopped.
            QTest::qWait(300);
            terminate(sim);
            return reply;
        };
        QCOMPARE(run(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a0263038415162708090 01"));
        QCOMPARE(run(QByteArray::fromHex("a1 25 35 91"), 8), QByteArray::fromHex("a101 2501 3501 9101"));
        QCOMPARE(run(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a1253035415162708091 01"));
        QCOMPARE(run(QByteArray::fromHex("02"), 11, 45), QByteArray::fromHex("a02b3038415162708090 01"));
    }

    void refusesBadOptions_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("model beyond a byte") << QStringLiteral("--model 300");
        QTest::newRow("nine settings") << QStringLiteral("--settings 1,2,3,4,5,6,7,8,9");
        QTest::newRow("reject command 0") << QStringLiteral("--reject-command 0");
    }
    void refusesBadOptions()
    {
        QFETCH(QString, arguments);
        QTemporaryDir dir;
        QProcess sim;
        QVERIFY(!launch(sim, arguments, dir.path(), 1));
        sim.waitForFinished(5000);
        QCOMPARE(sim.state(), QProcess::NotRunning);
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEscSimExecutable)
#include "tst_escsimexecutable.moc"
