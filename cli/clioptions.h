#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace orvesc::cli {

// One --port argument: a COM number, or a device path.
struct PortArgument
{
    int number = 0;
    QString device;
    QString text;  // as typed, for messages
};

// What the command line asks for, checked for combinations that make no sense.
struct CliRequest
{
    enum class Command { Ports, Identify, Read, Write, Default, Verify };

    Command command = Command::Ports;
    QString file;
    QList<PortArgument> ports;
    bool all = false;
    int expect = 0;  // --all: the ESCs that must answer
    bool json = false;
    bool watch = false;  // ports: follow the ports as they come and go
    QString output;
    QStringList sets;
    bool noVerify = false;
    bool dryRun = false;
    bool station = false;
    bool allowOtherModel = false;
    QString trace;
    QString record;  // --station: the record file, or empty for the one in the backups' folder

    // More than one port may be worked on.
    bool manyPorts() const { return all || ports.size() > 1; }
};

// The parsed request, or the text to print and the exit code (help and version: 0; any mistake: 1).
struct ParseOutcome
{
    std::optional<CliRequest> request;
    QString text;
    int exitCode = 0;
};

// Parses the arguments (the program name first) with QCommandLineParser; nothing is opened.
ParseOutcome parseCommandLine(const QStringList &arguments);

// A port given as COM3, com3, 3 or a device path; nullopt when it is none of these.
std::optional<PortArgument> parsePort(const QString &text);

} // namespace orvesc::cli
