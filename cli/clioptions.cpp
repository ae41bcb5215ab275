#include "clioptions.h"

#include "exitcodes.h"
#include "orvescversion.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace orvesc::cli {

namespace {

const char *const Description =
    "Reads, programs and verifies the settings of Orvantis ESCs through the PC interface cable.\n"
    "\n"
    "Commands:\n"
    "  ports                      list the COM ports, their devices and USB ids\n"
    "  identify                   find the ESC and print its port, model code and model name\n"
    "  read [-o FILE]             print the ESC's settings (a table, or the settings document)\n"
    "  write [FILE] [--set K=E]   apply a settings file and/or single changes, program, verify\n"
    "  default                    program the model's factory settings and verify\n"
    "  verify FILE                compare the ESC's settings with a file; changes nothing\n"
    "\n"
    "Without --port the listed ports are probed in order and the first ESC that answers is used.\n"
    "Data goes to stdout, messages and progress to stderr.\n"
    "\n"
    "Exit codes (with several ports the highest wins):\n"
    "  0  done\n"
    "  1  usage error, bad file, or a combination the setting rules refuse\n"
    "  2  no ESC found\n"
    "  3  the port cannot be opened (missing, busy, no permission)\n"
    "  4  communication error (time-out, bad reply)\n"
    "  5  the ESC rejected a command\n"
    "  6  the read-back differs from what was programmed or from the file\n"
    "\n"
    "Environment: ORVESC_PORT_LINKS=DIR another port-link folder; ORVESC_SYSTEM_PORTS=LIST the\n"
    "system's serial ports (colon-separated; empty for none); ORVESC_BACKUPS=DIR another backup folder.";

ParseOutcome usage(const QString &text)
{
    return ParseOutcome{std::nullopt,
                        QStringLiteral("orvesc-cli: %1\nTry 'orvesc-cli --help'.\n").arg(text),
                        UsageError};
}

} // namespace

std::optional<PortArgument> parsePort(const QString &text)
{
    static const QRegularExpression com(QStringLiteral("^(?:com)?([0-9]{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    if (const QRegularExpressionMatch match = com.match(trimmed); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number < 1 || number > 255)
            return std::nullopt;
        return PortArgument{number, QString(), trimmed};
    }
    if (trimmed.contains(QLatin1Char('/')))
        return PortArgument{0, trimmed, trimmed};
    return std::nullopt;
}

ParseOutcome parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption port(
        {QStringLiteral("p"), QStringLiteral("port")},
        QStringLiteral("Work on port P: a COM number (COM3 or 3) or a device path. Repeatable."),
        QStringLiteral("P"));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("Work on every listed port on which an ESC answers."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Machine-readable output on stdout."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("read: write the settings document to FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption set(
        QStringLiteral("set"),
        QStringLiteral("write: change one setting, e.g. --set brake=on --set \"rpm control=ON "
                       "RANGE 2\" (entries as the lists show them, star and case optional). "
                       "Repeatable."),
        QStringLiteral("KEY=ENTRY"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"),
                                      QStringLiteral("write, default: skip the read-back."));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QStringLiteral("write, default: identify and read, print the command bytes that would be "
                       "sent, send none."));
    const QCommandLineOption station(
        QStringLiteral("station"),
        QStringLiteral("write: program ESC after ESC plugged into one cable until Ctrl+C."));
    const QCommandLineOption otherModel(
        QStringLiteral("allow-other-model"),
        QStringLiteral("write, verify: accept a file saved from another model; settings the "
                       "connected model does not offer keep their value."));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write every byte sent and received, time-stamped, to FILE (- for stderr)."),
        QStringLiteral("FILE"));
    parser.addOptions({help, version, port, all, json, output, set, noVerify, dryRun, station,
                       otherModel, trace});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("ports, identify, read, write, default or verify."));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("write, verify: a settings document (.orvesc.json)."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help))
        return ParseOutcome{std::nullopt, parser.helpText(), Done};
    if (parser.isSet(version)) {
        return ParseOutcome{std::nullopt,
                            QStringLiteral("orvesc-cli %1\n").arg(QStringLiteral(ORVESC_VERSION_STRING)),
                            Done};
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(QStringLiteral("no command given."));
    const QString command = positional.takeFirst();
    using Command = CliRequest::Command;
    CliRequest request;
    const QList<QPair<QString, Command>> commands{
        {QStringLiteral("ports"), Command::Ports},     {QStringLiteral("identify"), Command::Identify},
        {QStringLiteral("read"), Command::Read},       {QStringLiteral("write"), Command::Write},
        {QStringLiteral("default"), Command::Default}, {QStringLiteral("verify"), Command::Verify}};
    bool known = false;
    for (const auto &entry : commands) {
        if (entry.first == command) {
            request.command = entry.second;
            known = true;
        }
    }
    if (!known)
        return usage(QStringLiteral("unknown command \"%1\".").arg(command));

    const bool takesFile = request.command == Command::Write || request.command == Command::Verify;
    if (takesFile && !positional.isEmpty())
        request.file = positional.takeFirst();
    if (!positional.isEmpty())
        return usage(QStringLiteral("unexpected argument \"%1\".").arg(positional.first()));

    for (const QString &text : parser.values(port)) {
        const std::optional<PortArgument> parsed = parsePort(text);
        if (!parsed) {
            return usage(QStringLiteral("\"%1\" is not a port: give a COM number (COM3 or 3, "
                                        "1 to 255) or a device path such as /dev/ttyUSB0.")
                             .arg(text));
        }
        request.ports << *parsed;
    }
    request.all = parser.isSet(all);
    request.json = parser.isSet(json);
    request.output = parser.value(output);
    request.sets = parser.values(set);
    request.noVerify = parser.isSet(noVerify);
    request.dryRun = parser.isSet(dryRun);
    request.station = parser.isSet(station);
    request.allowOtherModel = parser.isSet(otherModel);
    request.trace = parser.value(trace);

    // Each option belongs to some commands; anything else is a mistake worth naming.
    const auto refuse = [&](bool given, const QString &option, const QString &where) {
        return given ? std::optional<ParseOutcome>(usage(
                           QStringLiteral("%1 applies only to %2.").arg(option, where)))
                     : std::nullopt;
    };
    const bool programs = request.command == Command::Write || request.command == Command::Default;
    const bool ports = request.command == Command::Ports;
    for (const auto &check : {
             refuse(ports && (!request.ports.isEmpty() || request.all || !request.trace.isEmpty()),
                    QStringLiteral("--port, --all and --trace"),
                    QStringLiteral("the commands that talk to an ESC")),
             refuse(parser.isSet(output) && request.command != Command::Read,
                    QStringLiteral("-o"), QStringLiteral("read")),
             refuse(!request.sets.isEmpty() && request.command != Command::Write,
                    QStringLiteral("--set"), QStringLiteral("write")),
             refuse(request.station && request.command != Command::Write,
                    QStringLiteral("--station"), QStringLiteral("write")),
             refuse((request.noVerify || request.dryRun) && !programs,
                    QStringLiteral("--no-verify and --dry-run"), QStringLiteral("write and default")),
             refuse(request.allowOtherModel && !takesFile, QStringLiteral("--allow-other-model"),
                    QStringLiteral("write and verify")),
         }) {
        if (check)
            return *check;
    }
    if (request.all && !request.ports.isEmpty())
        return usage(QStringLiteral("give either --port or --all, not both."));
    if (request.command == Command::Verify && request.file.isEmpty())
        return usage(QStringLiteral("verify needs a settings file: orvesc-cli verify FILE."));
    if (request.command == Command::Write && request.file.isEmpty() && request.sets.isEmpty()) {
        return usage(QStringLiteral("write needs a settings file, --set KEY=ENTRY, or both: "
                                    "nothing to write."));
    }
    if (request.command == Command::Read && !request.output.isEmpty() && request.manyPorts())
        return usage(QStringLiteral("-o writes one ESC's settings: give one --port, or use --json."));
    if (request.station && (request.manyPorts() || request.dryRun)) {
        return usage(QStringLiteral("--station works on one cable: it takes at most one --port "
                                    "and no --all or --dry-run."));
    }
    if (request.dryRun && request.noVerify)
        return usage(QStringLiteral("--dry-run sends nothing, so there is nothing to verify: drop --no-verify."));
    return ParseOutcome{request, QString(), Done};
}

} // namespace orvesc::cli
