#include "cli.h"
#include "clilanguage.h"
#include "clisetup.h"
#include "console.h"
#include "languages.h"
#include "orvescversion.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#endif

namespace {

int descriptorOf(FILE *stream)
{
#ifdef _WIN32
    return _fileno(stream);
#else
    return fileno(stream);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Messages, result lines and the explanations of `help settings` follow LC_ALL, LC_MESSAGES or
    // LANG. English stays for what scripts read or users paste back: --help and the manual page,
    // --json (keys and values), setting keys, captions and entries, exit codes and the trace.
    // A language that cannot be loaded leaves English in place.
    orvesc::useLanguage(orvesc::commandLineLanguage());
    // The window's name, so that both keep their backups in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));

    QFile out;
    QFile err;
    // On the descriptors, unbuffered: a station's lines must reach a pipe as they are printed.
    out.open(descriptorOf(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(descriptorOf(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    orvesc::cli::Console console(out, err);
    return orvesc::cli::runCli(QCoreApplication::arguments(), orvesc::cli::CliSetup::fromEnvironment(),
                               console);
}
