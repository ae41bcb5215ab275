#include "commandtable.h"

namespace orvesc::cli {

namespace {

constexpr unsigned bit(Command command)
{
    return 1u << int(command);
}

constexpr unsigned Ports = bit(Command::Ports);
constexpr unsigned Identify = bit(Command::Identify);
constexpr unsigned Read = bit(Command::Read);
constexpr unsigned Write = bit(Command::Write);
constexpr unsigned Default = bit(Command::Default);
constexpr unsigned Verify = bit(Command::Verify);
constexpr unsigned TalkToEsc = Identify | Read | Write | Default | Verify;

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

QString OptionInfo::longName() const
{
    return QStringLiteral("--") + names.last();
}

QCommandLineOption OptionInfo::qtOption() const
{
    return valueName.isEmpty() ? QCommandLineOption(names, description)
                               : QCommandLineOption(names, description, valueName);
}

const std::vector<CommandInfo> &commandTable()
{
    static const std::vector<CommandInfo> table{
        {Command::Ports, text("ports"), QString(),
         text("list the COM ports, their devices and USB ids"),
         text("Lists COM1 to COM21 as the window does (port links first, then the system's ports) with "
              "their devices and USB ids. Each port is opened and closed again to say whether it can be "
              "used; nothing is sent. With --watch no port is opened: after the list, a line follows for "
              "each port that appears (+) or vanishes (-) until Ctrl+C."),
         {text("orvesc-cli ports --json"), text("orvesc-cli ports --watch")}},
        {Command::Identify, text("identify"), QString(),
         text("find the ESC and print its port, model code and model name"),
         text("Probes the listed ports in order, as CONNECT does, unless --port or --all says where, and "
              "prints the port, its device, the model code and the model name."),
         {text("orvesc-cli identify"), text("orvesc-cli identify --all --json")}},
        {Command::Read, text("read"), QString(),
         text("print the ESC's settings (a table, or the settings document)"),
         text("Identifies the ESC and reads its settings: a table of caption, entry and code, or with --json "
              "or -o the settings document (.orvesc.json) that write and verify take."),
         {text("orvesc-cli read -o mine.orvesc.json"), text("orvesc-cli read --port COM3 --json")}},
        {Command::Write, text("write"), text("[FILE]"),
         text("apply a settings file and/or single changes, program, verify"),
         text("Applies FILE and the --set changes to the settings the ESC reports, programs them and reads "
              "them back. A combination the setting rules would change, an entry the model lacks or a file "
              "of another model is refused before anything is sent. The settings the ESC had are kept as a "
              "backup first."),
         {text("orvesc-cli write mine.orvesc.json --set brake=on"),
          text("orvesc-cli write mine.orvesc.json --station --port COM3")}},
        {Command::Default, text("default"), QString(),
         text("program the model's factory settings and verify"),
         text("Identifies the ESC, keeps its settings as a backup, then programs the model's factory "
              "settings and reads them back."),
         {text("orvesc-cli default"), text("orvesc-cli default --all --dry-run")}},
        {Command::Verify, text("verify"), text("FILE"),
         text("compare the ESC's settings with a file; changes nothing"),
         text("Reads the ESC's settings and names each one that differs from FILE; exit code 6 when one "
              "does."),
         {text("orvesc-cli verify mine.orvesc.json"), text("orvesc-cli verify mine.orvesc.json --all")}},
    };
    return table;
}

const std::vector<OptionInfo> &optionTable()
{
    static const std::vector<OptionInfo> table{
        {{text("p"), text("port")}, text("P"),
         text("Work on port P: a COM number (COM3 or 3) or a device path. Repeatable; several ports "
              "are worked on at once."),
         TalkToEsc, true, OptionInfo::Values::Ports},
        {{text("all")}, QString(),
         text("Work on every listed port on which an ESC answers; a closing line names the ports where "
              "none did."),
         TalkToEsc},
        {{text("expect")}, text("N"),
         text("With --all: fewer than N ESCs answering is a failure (exit code 2)."), TalkToEsc, false,
         OptionInfo::Values::Number},
        {{text("json")}, QString(), text("Machine-readable output on stdout."),
         Ports | TalkToEsc},
        {{text("watch")}, QString(),
         text("Keep watching: a line for each port that appears or vanishes, until Ctrl+C. Opens no "
              "port."),
         Ports},
        {{text("o"), text("output")}, text("FILE"), text("Write the settings document to FILE."), Read,
         false, OptionInfo::Values::SettingsFiles},
        {{text("set")}, text("KEY=ENTRY"),
         text("Change one setting, e.g. --set brake=on --set \"rpm control=ON RANGE 2\" (entries as the "
              "lists show them, star and case optional). Repeatable."),
         Write, true, OptionInfo::Values::Settings},
        {{text("no-verify")}, QString(), text("Skip the read-back."), Write | Default},
        {{text("dry-run")}, QString(),
         text("Identify and read, print the command bytes that would be sent, send none."),
         Write | Default},
        {{text("station")}, QString(),
         text("Program ESC after ESC plugged into one cable (--port, or the only port listed) until "
              "Ctrl+C; a second Ctrl+C cuts the ESC being programmed short."),
         Write},
        {{text("record")}, text("FILE"),
         text("With --station: append a line per ESC to the CSV record FILE (default: station-record.csv "
              "in the backups' folder)."),
         Write},
        {{text("allow-other-model")}, QString(),
         text("Accept a file saved from another model; settings the connected model does not offer keep "
              "their value."),
         Write | Verify},
        {{text("trace")}, text("FILE"),
         text("Write every byte sent and received, time-stamped, to FILE (- for stderr)."), TalkToEsc},
        {{text("h"), text("help")}, QString(), text("Show this help and exit.")},
        {{text("version")}, QString(), text("Show the version and exit.")},
    };
    return table;
}

const CommandInfo *findCommand(const QString &name)
{
    for (const CommandInfo &info : commandTable()) {
        if (info.name == name)
            return &info;
    }
    return nullptr;
}

const OptionInfo *findOption(const QString &name)
{
    for (const OptionInfo &info : optionTable()) {
        if (info.names.contains(name))
            return &info;
    }
    return nullptr;
}

QString commandList(unsigned commands)
{
    QStringList names;
    for (const CommandInfo &info : commandTable()) {
        if (commands & bit(info.command))
            names << info.name;
    }
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace orvesc::cli
