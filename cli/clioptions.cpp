#include "clioptions.h"

#include "clihelp.h"
#include "clilanguage.h"
#include "commandtable.h"
#include "documentfile.h"
#include "exitcodes.h"
#include "orvescversion.h"
#include "settingshelp.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace orvesc::cli {

namespace {

// A mistake on the command line: what is wrong, and the help that shows how (the command's own
// once the command is known).
ParseOutcome usage(const QString &text, const CommandInfo *command = nullptr)
{
    const QString help = command ? QStringLiteral("orvesc-cli %1 --help").arg(command->name)
                                 : QStringLiteral("orvesc-cli --help");
    //: %1 says what is wrong, %2 is the help command to run.
    return ParseOutcome{std::nullopt, CommandLine::tr("orvesc-cli: %1\nTry '%2'.\n").arg(text, help), UsageError};
}

QStringList commandNames()
{
    QStringList names;
    for (const CommandInfo &info : commandTable())
        names << info.name;
    return names;
}

ParseOutcome unknownCommand(const QString &typed)
{
    const QString meant = closest(typed, commandNames() << QStringLiteral("help"));
    if (!meant.isEmpty())
        return usage(CommandLine::tr("unknown command \"%1\": did you mean %2?").arg(typed, meant));
    return usage(CommandLine::tr("unknown command \"%1\": the commands are %2.")
                         .arg(typed, commandList(~0u)));
}

// Qt's parser stops at the first unknown option; a close spelling is named, and its messages
// start in lower case like ours.
ParseOutcome parserError(const QCommandLineParser &parser)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString typed = parser.unknownOptionNames().first();
        const QString dashes = typed.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        QStringList names;
        for (const OptionInfo &option : optionTable())
            names << option.names.last();
        const QString meant = closest(typed, names);
        return usage(meant.isEmpty() ? CommandLine::tr("unknown option %1%2.").arg(dashes, typed)
                                     : CommandLine::tr("unknown option %1%2: did you mean --%3?")
                                               .arg(dashes, typed, meant));
    }
    QString text = parser.errorText();
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return usage(text);
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
    for (const OptionInfo &option : optionTable())
        parser.addOption(option.qtOption());
    const auto isSet = [&](const char *name) { return parser.isSet(QString::fromLatin1(name)); };
    if (!parser.parse(arguments))
        return parserError(parser);
    if (isSet("version")) {
        return ParseOutcome{std::nullopt,
                            QStringLiteral("orvesc-cli %1\n").arg(QStringLiteral(ORVESC_VERSION_STRING)),
                            Done};
    }

    QStringList positional = parser.positionalArguments();
    const bool helpCommand = !positional.isEmpty() && positional.first() == QLatin1String("help");
    if (helpCommand)
        positional.removeFirst();
    if (positional.isEmpty()) {
        if (isSet("help") || helpCommand)
            return ParseOutcome{std::nullopt, generalHelp(), Done};
        return ParseOutcome{std::nullopt, shortUsage(), UsageError};
    }
    const QString command = positional.takeFirst();
    if (helpCommand && command == QLatin1String("settings") && positional.isEmpty())
        return ParseOutcome{std::nullopt, settingsHelp(), Done};
    const CommandInfo *info = findCommand(command);
    if (!info && helpCommand && command == QLatin1String("help"))
        return ParseOutcome{std::nullopt, generalHelp(), Done};
    if (!info)
        return unknownCommand(command);
    if (isSet("help") || helpCommand) {
        if (helpCommand && !positional.isEmpty())
            return usage(CommandLine::tr("unexpected argument \"%1\".").arg(positional.first()));
        return ParseOutcome{std::nullopt, commandHelp(*info), Done};
    }
    CliRequest request;
    request.command = info->command;

    const bool takesFile = request.command == Command::Write || request.command == Command::Verify;
    if (takesFile && !positional.isEmpty())
        request.file = settingsFileToRead(positional.takeFirst());
    if (!positional.isEmpty())
        return usage(CommandLine::tr("unexpected argument \"%1\".").arg(positional.first()), info);

    // Each option belongs to some commands; one given elsewhere is named as it was typed.
    for (const QString &name : parser.optionNames()) {
        const OptionInfo *option = findOption(name);
        if (option->commands == 0 || option->appliesTo(request.command))
            continue;
        const QString typed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        // Naming the one command left out reads better than listing the five others.
        const unsigned others = ~option->commands & ((1u << commandTable().size()) - 1);
        return usage(others == (1u << int(request.command))
                             ? CommandLine::tr("%1 does not apply to %2.").arg(typed, info->name)
                             : CommandLine::tr("%1 applies only to %2.").arg(typed, commandList(option->commands)),
                     info);
    }

    for (const QString &text : parser.values(QStringLiteral("port"))) {
        const std::optional<PortArgument> parsed = parsePort(text);
        if (!parsed) {
            return usage(CommandLine::tr("\"%1\" is not a port: give a COM number (COM3 or 3, "
                                        "1 to 255) or a device path such as /dev/ttyUSB0.")
                             .arg(text), info);
        }
        request.ports << *parsed;
    }
    request.all = isSet("all");
    if (isSet("expect")) {
        bool number = false;
        request.expect = parser.value(QStringLiteral("expect")).toInt(&number);
        if (!number || request.expect < 1)
            return usage(CommandLine::tr("--expect takes the number of ESCs that must answer, such as "
                                        "--expect 4; \"%1\" is none.").arg(parser.value(QStringLiteral("expect"))), info);
        if (!request.all)
            return usage(CommandLine::tr("--expect counts the ESCs that --all finds: add --all."), info);
    }
    request.json = isSet("json");
    request.watch = isSet("watch");
    if (const QString output = parser.value(QStringLiteral("output")); !output.isEmpty())
        request.output = settingsFileToWrite(output);
    request.sets = parser.values(QStringLiteral("set"));
    request.noVerify = isSet("no-verify");
    request.dryRun = isSet("dry-run");
    request.station = isSet("station");
    request.allowOtherModel = isSet("allow-other-model");
    request.trace = parser.value(QStringLiteral("trace"));
    request.record = parser.value(QStringLiteral("record"));

    if (request.all && !request.ports.isEmpty())
        return usage(CommandLine::tr("give either --port or --all, not both."), info);
    if (request.command == Command::Verify && request.file.isEmpty())
        return usage(CommandLine::tr("verify needs a settings file: orvesc-cli verify FILE."), info);
    if (request.command == Command::Write && request.file.isEmpty() && request.sets.isEmpty()) {
        return usage(CommandLine::tr("write needs a settings file, --set KEY=ENTRY, or both: "
                                    "nothing to write."), info);
    }
    if (request.command == Command::Read && !request.output.isEmpty() && request.manyPorts())
        return usage(CommandLine::tr("-o writes one ESC's settings: give one --port, or use --json."), info);
    if (request.station && request.manyPorts())
        return usage(CommandLine::tr("--station works on one cable: give at most one --port, and no --all."), info);
    if (isSet("record") && !request.station)
        return usage(CommandLine::tr("--record keeps the record of a station's run: add --station."), info);
    if (request.station && request.dryRun)
        return usage(CommandLine::tr("--station programs every ESC it meets: drop --dry-run."), info);
    if (request.dryRun && request.noVerify)
        return usage(CommandLine::tr("--dry-run sends nothing, so there is nothing to verify: drop --no-verify."), info);
    return ParseOutcome{request, QString(), Done};
}

} // namespace orvesc::cli
