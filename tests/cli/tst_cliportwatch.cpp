#include "simfolder.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

using namespace orvesc;

// orvesc-cli ports --watch as the executable, while simulated ESCs come and go, ended by Ctrl+C.
class TestCliPortWatch : public QObject
{
    Q_OBJECT

private slots:
    void followsPorts_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("lines");  // %1 the device
        QTest::newRow("text") << QString() << QStringList{"+ COM1 %1", "+ COM3 %1", "- COM1"};
        const QString json = QStringLiteral("{\"device\":\"%1\",\"event\":\"%2\",\"port\":\"%3\"}");
        QTest::newRow("json") << QStringLiteral("--json")
                              << QStringList{json.arg("%1", "added", "COM1"), json.arg("%1", "added", "COM3"),
                                             json.arg("%1", "removed", "COM1")};
    }
    void followsPorts()
    {
#ifdef _WIN32
        QSKIP("Wine lists every COM port its prefix maps, plugged in or not: no port comes or goes there");
#else
        QFETCH(QString, option);
        QFETCH(QStringList, lines);
        test::SimFolder folder;
        sim::EscSimulator &first = folder.addEsc(1);
        QProcess watch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVESC_PORT_LINKS"), folder.path());
        environment.insert(QStringLiteral("ORVESC_SYSTEM_PORTS"), QString());
        watch.setProcessEnvironment(environment);
        watch.start(QStringLiteral(ORVESC_CLI_EXECUTABLE), QStringList{QStringLiteral("ports"), QStringLiteral("--watch")}
                                                                << (option.isEmpty() ? QStringList() : QStringList{option}));
        QString expected;
        const auto seen = [&](QString line, const QString &device) {
            expected += line.replace(QLatin1String("%1"), device) + QLatin1Char('\n');
            while (watch.peek(1 << 16) != expected.toUtf8() && watch.waitForReadyRead(5000)) {
            }
            return watch.peek(1 << 16) == expected.toUtf8();
        };
        const QString firstDevice = QString::fromStdString(first.devicePath());
        QVERIFY(seen(lines[0], firstDevice));
        QVERIFY(seen(lines[1], QString::fromStdString(folder.addEsc(3).devicePath())));
        first.stop();
        QVERIFY(seen(lines[2], firstDevice));

        ::kill(pid_t(watch.processId()), SIGINT);
        QVERIFY(watch.waitForFinished());
        QCOMPARE(watch.exitCode(), 0);
        QCOMPARE(watch.readAllStandardError(), QByteArray());
        QCOMPARE(watch.readAllStandardOutput(), expected.toUtf8());
#endif
    }
};

QTEST_GUILESS_MAIN(TestCliPortWatch)
#include "tst_cliportwatch.moc"
