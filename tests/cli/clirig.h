#pragma once

#include "cli.h"
#include "console.h"
#include "escsimulator.h"
#include "clisetup.h"

#include <QBuffer>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace orvesc::test {

// What one run of the command line printed and returned.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Simulated ESCs linked as comN in a folder of the rig's own, with no system port, and the
// command line run in-process on them.
class CliRig
{
public:
    sim::EscSimulator &addEsc(int com, int model = 38, const sim::Faults &faults = {},
                              std::optional<sim::EscSettings> settings = std::nullopt)
    {
        sim::SimOptions options;
        options.modelCode = model;
        options.faults = faults;
        options.settings = settings;
        m_escs.push_back(std::make_unique<sim::EscSimulator>(options));
        if (!m_escs.back()->start(folder().toStdString(), com))
            qFatal("no simulator on com%d", com);
        return *m_escs.back();
    }
    QString folder() const { return m_folder.path(); }
    QString backupFolder() const { return m_folder.filePath(QStringLiteral("backups")); }
    cli::CliSetup setup() const { return cli::CliSetup{folder(), QStringList(), backupFolder()}; }

    CliRun run(const QStringList &arguments) const
    {
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(out, err);
        CliRun run;
        run.exitCode = cli::runCli(QStringList{QStringLiteral("orvesc-cli")} + arguments, setup(), console);
        run.out = QString::fromUtf8(out.data());
        run.err = QString::fromUtf8(err.data());
        return run;
    }

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> m_escs;
};

// The bytes an ESC received, as hex pairs: "00 00 02 a1 ...".
inline QString receivedHex(const sim::EscSimulator &esc)
{
    QByteArray bytes;
    for (const sim::ReceivedByte &byte : esc.receivedBytes())
        bytes.append(char(byte.value));
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace orvesc::test
