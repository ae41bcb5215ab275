#pragma once

#include "clioptions.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvesc::cli {

using Command = CliRequest::Command;

// One command of orvesc-cli as its help and the shell completion present it.
struct CommandInfo
{
    Command command;
    QString name;
    QString arguments;  // what follows the name besides the options: "[FILE]"
    QString summary;    // one line for the command list
    QString description;
    QStringList examples;
};

// One option: its names (the one-letter name first), the commands it applies to and its help.
// The parser, the refusals, the help texts and the completion all read this table, so an option
// added here is known everywhere at once.
struct OptionInfo
{
    QStringList names;
    QString valueName;  // empty for a switch
    QString description;
    unsigned commands = 0;  // a bit per Command; 0 for --help and --version, which stand alone
    bool repeatable = false;
    // What the shell completion offers for the value.
    enum class Values { Files, SettingsFiles, Ports, Settings, Number } values = Values::Files;

    bool appliesTo(Command command) const { return commands & (1u << int(command)); }
    // "--port" (the long name), as help and messages show it.
    QString longName() const;
    QCommandLineOption qtOption() const;
};

const std::vector<CommandInfo> &commandTable();
const std::vector<OptionInfo> &optionTable();

// The row of a command or an option as typed (an option without its dashes); nullptr for none.
const CommandInfo *findCommand(const QString &name);
const OptionInfo *findOption(const QString &name);

// "write", "write and verify", "identify, read and write".
QString commandList(unsigned commands);

} // namespace orvesc::cli
