#include "simfolder.h"

#include <QProcess>
#include <QtTest>

using namespace orvesc;

// The bash completion of orvesc-cli, driven as bash drives it (COMP_WORDS split at "=", COMP_CWORD),
// on a folder with a simulated ESC on COM2 and no system port.
class TestCliCompletion : public QObject
{
    Q_OBJECT

private slots:
    void completes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("offered");
        QTest::newRow("command") << "re" << "read";
        QTest::newRow("after help") << "help wr" << "write";
        QTest::newRow("help on the settings") << "help se" << "settings";
        QTest::newRow("option of the command") << "write --d" << "--dry-run";
        QTest::newRow("option given once") << "read --json --j" << "";
        QTest::newRow("setting key") << "write --set b" << "brake= battery=";
        QTest::newRow("entry after KEY=") << "write --set brake = s" << "SOFT";
        QTest::newRow("entry with spaces") << "write --set rpm_control = ON" << "ON\\ RANGE\\ 1 ON\\ RANGE\\ 2 ON\\ RANGE\\ 3";
        QTest::newRow("port") << "identify --port " << "COM2";
        QTest::newRow("settings file") << "verify " << "mine.orvesc.json";
    }
    void completes()
    {
        QFETCH(QString, line);
        QFETCH(QString, offered);
        test::SimFolder folder;
        folder.addEsc(2);
        QFile(folder.path() + QStringLiteral("/mine.orvesc.json")).open(QIODevice::WriteOnly);
        QFile(folder.path() + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
        QProcess bash;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORVESC_PORT_LINKS"), folder.path());
        environment.insert(QStringLiteral("ORVESC_SYSTEM_PORTS"), QString());
        bash.setProcessEnvironment(environment);
        bash.setWorkingDirectory(folder.path());
        const QString script = QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
                                              "_orvesc_cli; echo -n \"${COMPREPLY[*]}\"");
        bash.start(QStringLiteral("bash"), QStringList{QStringLiteral("-c"), script, QStringLiteral("bash"),
                                                       QStringLiteral(ORVESC_BASH_COMPLETION), QStringLiteral(ORVESC_CLI_EXECUTABLE)}
                                                   + line.split(QLatin1Char(' ')));
        QVERIFY(bash.waitForFinished());
        QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()), offered);
    }
};

QTEST_GUILESS_MAIN(TestCliCompletion)
#include "tst_clicompletion.moc"
