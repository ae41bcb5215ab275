#include "clioptions.h"

#include <QProcess>
#include <QtTest>

using namespace orvesc;

// orvesc-cli's help and its usage messages: what a person who mistypes or asks for help reads.
class TestCliHelp : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("absent");
        const auto row = [](const char *arguments, int code, const char *shown, const char *absent = "\x01") {
            QTest::newRow(arguments) << arguments << code << shown << absent;
        };
        row("", 1, "Usage: orvesc-cli COMMAND [options]\nCommands: ports, identify, read");
        row("--help", 0, "  verify      compare the ESC's settings with a file", "--dry-run");
        row("help write", 0, "Usage: orvesc-cli write [FILE] [--port P]... [--all] [--json] [--set KEY=ENTRY]...");
        row("write --help", 0, "  --set <KEY=ENTRY>       Change one setting", "--output");
        row("help read", 0, "  -o, --output <FILE>", "--set");
        row("raed", 1, "unknown command \"raed\": did you mean read?");
        row("help wirte", 1, "did you mean write?");
        row("flash", 1, "the commands are ports, identify, read, write, default and verify.");
        row("read --dry-run", 1, "--dry-run applies only to write and default.\nTry 'orvesc-cli read --help'.");
        row("ports -p 3", 1, "-p does not apply to ports.");
        row("verify x --output y", 1, "--output applies only to read.");
        row("write --dryrun", 1, "unknown option --dryrun: did you mean --dry-run?");
        row("read --port", 1, "orvesc-cli: missing value after '--port'.");
        row("write --set a=b --station --all", 1, "--station works on one cable: give at most one --port, and no --all.");
    }
    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        QFETCH(QString, absent);
        const cli::ParseOutcome outcome =
                cli::parseCommandLine(QStringList{QStringLiteral("orvesc-cli")} + QProcess::splitCommand(arguments));
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY(!outcome.request);
        QVERIFY2(outcome.text.contains(shown), qPrintable(outcome.text));
        QVERIFY2(!outcome.text.contains(absent), qPrintable(outcome.text));
    }
};

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_clihelp.moc"
