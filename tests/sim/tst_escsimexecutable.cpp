#include "line.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The orvesc-esc-sim command: options reach the simulator, the log file is written and a stop
// signal removes the port link.
class TestEscSimExecutable : public QObject
{
    Q_OBJECT

private slots:
    void servesLogsAndCleansUpOnTerminate()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ports"));
        const QString link = folder + QStringLiteral("/com4");
        const QString logPath = dir.filePath(QStringLiteral("bytes.log"));
        QProcess sim;
        sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE),
                  QStringLiteral("--model 179 --com 4 --reject-command 2 --settings 161,32,50,57,64,80,97,117,129,145")
                          .split(QLatin1Char(' '))
                      << QStringLiteral("--folder") << folder << QStringLiteral("--log") << logPath);
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += sim.readAllStandardOutput()).contains("com4"), 5000);
        {
            Line line(link.toStdString());
            QVERIFY(line.isOpen());
            QCOMPARE(line.exchange(QByteArray::fromHex("00"), 1), QByteArray::fromHex("b3"));
            QCOMPARE(line.exchange(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a1203239405061758191 01"));
            QCOMPARE(line.exchange(QByteArray::fromHex("a0 74"), 4), QByteArray::fromHex("a001 7400"));
        }
        ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());

        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList bytes{ QStringLiteral("0x00"), QStringLiteral("0x02"), QStringLiteral("0xA0"),
                                 QStringLiteral("0x74") };
        QCOMPARE(lines.size(), bytes.size());
        const QRegularExpression shape(QStringLiteral("^\\d+\\.\\d{6} (0x[0-9A-F]{2})$"));
        for (int i = 0; i < lines.size(); ++i) {
            const auto match = shape.match(lines[i]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(match.captured(1), bytes[i]);
        }
    }

    // What a person relies on with the run command: settings programmed into the simulator are read
    // back after it was stopped and started again.
    void keepsProgrammedSettingsAcrossRestarts()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ports"));
        const QString link = folder + QStringLiteral("/com2");
        const QStringList arguments{ QStringLiteral("--model"), QStringLiteral("38"), QStringLiteral("--com"),
                                     QStringLiteral("2"), QStringLiteral("--folder"), folder,
                                     QStringLiteral("--state"), dir.filePath(QStringLiteral("esc.settings")) };
        const auto run = [&](const QByteArray &request, int count) {
            QProcess sim;
            sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE), arguments);
            QByteArray out;
            [&] { QTRY_VERIFY_WITH_TIMEOUT((out += sim.readAllStandardOutput()).contains("com2"), 5000); }();
            QByteArray reply;
            {
                Line line(link.toStdString());
                reply = line.exchange(request, count);
            }
            // Give the simulator a moment to keep what it stored before it is stopped.
            QTest::qWait(300);
            ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
            sim.waitForFinished(5000);
            return reply;
        };
        QCOMPARE(run(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a0263038415162708090 01"));
        QCOMPARE(run(QByteArray::fromHex("a1 25 35 91"), 8), QByteArray::fromHex("a101 2501 3501 9101"));
        QCOMPARE(run(QByteArray::fromHex("02"), 11), QByteArray::fromHex("a1253035415162708091 01"));
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
        sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE),
                  arguments.split(QLatin1Char(' ')) << QStringLiteral("--folder") << dir.path());
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEscSimExecutable)
#include "tst_escsimexecutable.moc"
