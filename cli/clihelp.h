#pragma once

#include <QString>
#include <QStringList>

namespace orvesc::cli {

struct CommandInfo;

// `orvesc-cli --help`: the commands with a line each, examples, exit codes and environment.
QString generalHelp();
// `orvesc-cli help COMMAND` and `orvesc-cli COMMAND --help`: synopsis, options, examples.
QString commandHelp(const CommandInfo &command);
// What a bare `orvesc-cli` prints: the synopsis and where to read on.
QString shortUsage();
// "orvesc-cli write [FILE] [--set KEY=ENTRY]... [--port P]...", wrapped below the name.
QString synopsis(const CommandInfo &command);

// The words of `text` in lines of at most 79 characters, each but the first starting at `indent`;
// the first line starts at `column`.
QString wrap(const QString &text, int indent, int column = 0);

// The candidate `typed` was most likely meant to be (a close spelling or the only one it begins),
// or an empty text when none is close.
QString closest(const QString &typed, const QStringList &candidates);

} // namespace orvesc::cli
