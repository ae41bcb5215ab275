#include "cli.h"
#include "console.h"
#include "clisetup.h"
#include "orvescversion.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void requestStop(int)
{
    stopRequested.store(true);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The window's name, so that both keep their backups in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
    // Ctrl+C ends a station run after the ESC under way, with its summary.
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    QFile out;
    QFile err;
    // On the descriptors, unbuffered: a station's lines must reach a pipe as they are printed.
    out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    orvesc::cli::Console console(out, err);
    return orvesc::cli::runCli(QCoreApplication::arguments(), orvesc::cli::CliSetup::fromEnvironment(),
                               console, &stopRequested);
}
