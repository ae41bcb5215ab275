#include "clioptions.h"
#include "commandtable.h"

#include <QProcess>
#include <QtTest>

using namespace orvesc;

namespace {

QString manPage(const QString &name)
{
    QFile file(QStringLiteral(ORVESC_MAN_DIR "/%1.1").arg(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// How roff spells an option: every dash escaped.
QString roff(const QString &option)
{
    return QString(option).replace(QLatin1Char('-'), QLatin1String("\\-"));
}

} // namespace

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
        row("help write", 0, "Usage: orvesc-cli write [FILE] [--port P]... [--all] [--expect N] [--json]\n");
        row("write --help", 0, "  --set <KEY=ENTRY>       Change one setting", "--output");
        row("help read", 0, "  -o, --output <FILE>", "--set");
        row("raed", 1, "unknown command \"raed\": did you mean read?");
        row("help wirte", 1, "did you mean write?");
        row("hlep", 1, "did you mean help?");
        row("flash", 1, "the commands are ports, identify, read, write, default and verify.");
        row("read --dry-run", 1, "--dry-run applies only to write and default.\nTry 'orvesc-cli read --help'.");
        row("ports -p 3", 1, "-p does not apply to ports.");
        row("verify x --output y", 1, "--output applies only to read.");
        row("write --dryrun", 1, "unknown option --dryrun: did you mean --dry-run?");
        row("read --port", 1, "orvesc-cli: missing value after '--port'.");
        row("write --set a=b --station --all", 1, "--station works on one cable: give at most one --port, and no --all.");
        row("write --set a=b --record r.csv", 1, "--record keeps the record of a station's run: add --station.");
        row("identify --expect 2", 1, "--expect counts the ESCs that --all finds: add --all.");
        row("identify --all --expect two", 1, "--expect takes the number of ESCs that must answer, such as --expect 4");
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

    // Every option and exit code a help text lists is in the manual page, and the options of a
    // command's synopsis are in the page's synopsis of that command.
    void manPageAgrees_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("synopsis");
        const auto help = [](const QString &arguments) {
            return cli::parseCommandLine(QStringList{QStringLiteral("orvesc-cli")} + arguments.split(QLatin1Char(' '))).text;
        };
        QTest::newRow("orvesc-cli") << help(QStringLiteral("--help")) << "orvesc-cli" << QString();
        for (const cli::CommandInfo &command : cli::commandTable()) {
            QTest::newRow(qPrintable(command.name)) << help(QStringLiteral("help ") + command.name) << "orvesc-cli"
                                                    << QStringLiteral(".SY \"orvesc\\-cli %1\"").arg(command.name);
        }
        QProcess sim;
        sim.start(QStringLiteral(ORVESC_SIM_EXECUTABLE), {QStringLiteral("--help")});
        QVERIFY(sim.waitForFinished());
        QTest::newRow("orvesc-esc-sim") << QString::fromUtf8(sim.readAllStandardOutput()) << "orvesc-esc-sim" << QString();
    }
    void manPageAgrees()
    {
        QFETCH(QString, help);
        QFETCH(QString, page);
        QFETCH(QString, synopsis);
        const QString man = manPage(page);
        static const QRegularExpression listed(QStringLiteral("^  (?:-\\w, )?(--[\\w-]+)"), QRegularExpression::MultilineOption);
        for (auto it = listed.globalMatch(help); it.hasNext();) {
            const QString option = it.next().captured(1);
            QVERIFY2(man.contains(roff(option)), qPrintable(option + QStringLiteral(" is missing from ") + page));
        }
        static const QRegularExpression exitCode(QStringLiteral("^  (\\d+) +\\S"), QRegularExpression::MultilineOption);
        const QString exitStatus = man.mid(man.indexOf(QLatin1String(".SH EXIT STATUS")));
        for (auto it = exitCode.globalMatch(help); it.hasNext();) {
            const QString code = it.next().captured(1);
            QVERIFY2(exitStatus.contains(QStringLiteral(".B %1\n").arg(code)), qPrintable(QStringLiteral("exit code ") + code));
        }
        if (synopsis.isEmpty())
            return;
        const int start = int(man.indexOf(synopsis));
        QVERIFY2(start >= 0, qPrintable(synopsis));
        const QString manSynopsis = man.mid(start, man.indexOf(QLatin1String(".YS"), start) - start);
        static const QRegularExpression option(QStringLiteral("(?<=[ \\[])-{1,2}[a-z][\\w-]*"));
        const QString usage = help.left(help.indexOf(QLatin1String("\n\n")));
        for (auto it = option.globalMatch(usage); it.hasNext();) {
            const QString name = it.next().captured();
            QVERIFY2(manSynopsis.contains(roff(name)), qPrintable(name + QStringLiteral(" is missing from ") + synopsis));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_clihelp.moc"
