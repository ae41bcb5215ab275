#pragma once

#include "cli.h"
#include "clisetup.h"
#include "console.h"
#include "simfolder.h"

#include <QBuffer>
#include <QProcess>
#include <QProcessEnvironment>

namespace orvesc::test {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The command line run in-process on the folder's simulated ESCs.
class CliRig : public SimFolder
{
public:
    QString backupFolder() const { return path() + QStringLiteral("/backups"); }

    CliRun run(const QString &arguments) const
    {
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(out, err);
        const int code = cli::runCli(QStringList{QStringLiteral("orvesc-cli")} + QProcess::splitCommand(arguments),
                                     cli::CliSetup{path(), systemList(), backupFolder()}, console);
        return {code, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
    }

    // The executable itself, in the locale LANG names.
    CliRun runExecutable(const QString &arguments, const QString &language) const
    {
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), language);
        environment.insert(QStringLiteral("ORVESC_PORT_LINKS"), path());
        environment.insert(QStringLiteral("ORVESC_SYSTEM_PORTS"), QString());
        environment.insert(QStringLiteral("ORVESC_BACKUPS"), backupFolder());
        cli.setProcessEnvironment(environment);
        cli.start(QStringLiteral(ORVESC_CLI_EXECUTABLE), QProcess::splitCommand(arguments));
        cli.waitForFinished(60000);
        return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()), QString::fromUtf8(cli.readAllStandardError())};
    }
};

} // namespace orvesc::test
