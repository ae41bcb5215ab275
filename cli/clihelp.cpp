#include "clihelp.h"

#include "commandtable.h"

#include <algorithm>
#include <vector>

namespace orvesc::cli {

namespace {

constexpr int Width = 79;
constexpr int OptionColumn = 26;

const char *const Tail =
    "Without --port the listed ports are probed in order and the first ESC that answers is used;\n"
    "when none answers, the ports that could not be opened are named with the reason. With several\n"
    "ports the result lines and the JSON array come in port order once all are done.\n"
    "Data goes to stdout, messages and progress to stderr.\n"
    "\n"
    "Exit codes (with several ports the highest wins):\n"
    "  0    done\n"
    "  1    usage error, bad file, or a combination the setting rules refuse\n"
    "  2    no ESC found (with --all --expect N: fewer than N answered)\n"
    "  3    the port cannot be opened (missing, busy, no permission), or no ESC found and a\n"
    "       listed port could not be opened\n"
    "  4    communication error (time-out, bad reply)\n"
    "  5    the ESC rejected a command\n"
    "  6    the read-back differs from what was programmed or from the file\n"
    "  130  cut short by Ctrl+C (ports done by then keep their results)\n"
    "\n"
    "Environment: ORVESC_PORT_LINKS=DIR another port-link folder; ORVESC_SYSTEM_PORTS=LIST the\n"
    "system's serial ports (colon-separated; empty for none); ORVESC_BACKUPS=DIR another backup\n"
    "folder.\n";

} // namespace

QString wrap(const QString &text, int indent, int column)
{
    QString out;
    bool first = true;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!first && column + 1 + word.size() > Width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (!first) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
        first = false;
    }
    return out + QLatin1Char('\n');
}

namespace {

QString optionLine(const OptionInfo &option)
{
    QStringList spelled;
    for (const QString &name : option.names)
        spelled << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString left = QStringLiteral("  ") + spelled.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        left += QStringLiteral(" <%1>").arg(option.valueName);
    if (left.size() >= OptionColumn - 1)
        return left + QLatin1Char('\n') + QString(OptionColumn, QLatin1Char(' ')) + wrap(option.description, OptionColumn, OptionColumn);
    return left.leftJustified(OptionColumn) + wrap(option.description, OptionColumn, OptionColumn);
}

QString examples(const QStringList &lines)
{
    QString out = QStringLiteral("\nExamples:\n");
    for (const QString &line : lines)
        out += QStringLiteral("  ") + line + QLatin1Char('\n');
    return out;
}

int distance(const QString &a, const QString &b)
{
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            const int change = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j) - 1] + 1, change});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

QString synopsis(const CommandInfo &command)
{
    QStringList parts{QStringLiteral("orvesc-cli"), command.name};
    if (!command.arguments.isEmpty())
        parts << command.arguments;
    for (const OptionInfo &option : optionTable()) {
        if (!option.appliesTo(command.command))
            continue;
        QString part = option.longName();
        if (!option.valueName.isEmpty())
            part += QLatin1Char(' ') + option.valueName;
        parts << QStringLiteral("[%1]%2").arg(part, option.repeatable ? QStringLiteral("...") : QString());
    }
    // Wrapped by hand: a bracketed option with its value stays on one line.
    const int indent = int(parts[0].size() + parts[1].size()) + 2;
    QString out = parts[0] + QLatin1Char(' ') + parts[1];
    int column = int(out.size());
    for (int i = 2; i < parts.size(); ++i) {
        if (column + 1 + parts[i].size() > Width) {
            out += QLatin1Char('\n') + QString(indent - 1, QLatin1Char(' '));
            column = indent - 1;
        }
        out += QLatin1Char(' ') + parts[i];
        column += 1 + int(parts[i].size());
    }
    return out + QLatin1Char('\n');
}

QString shortUsage()
{
    QStringList names;
    for (const CommandInfo &command : commandTable())
        names << command.name;
    return QStringLiteral("Usage: orvesc-cli COMMAND [options]\n"
                          "Commands: %1.\n"
                          "Try 'orvesc-cli --help' for more, or 'orvesc-cli help COMMAND'.\n")
            .arg(names.join(QStringLiteral(", ")));
}

QString generalHelp()
{
    QString out = QStringLiteral("Usage: orvesc-cli COMMAND [options]\n\n"
                                 "Reads, programs and verifies the settings of Orvantis ESCs through the PC "
                                 "interface cable.\n\nCommands:\n");
    for (const CommandInfo &command : commandTable())
        out += QStringLiteral("  %1%2\n").arg(command.name.leftJustified(12), command.summary);
    out += QStringLiteral("\nOptions:\n");
    for (const OptionInfo &option : optionTable()) {
        if (option.commands == 0)
            out += optionLine(option);
    }
    out += examples({QStringLiteral("orvesc-cli read -o mine.orvesc.json"),
                     QStringLiteral("orvesc-cli write mine.orvesc.json --set brake=on"),
                     QStringLiteral("orvesc-cli write mine.orvesc.json --all --json")});
    out += QStringLiteral("\n'orvesc-cli help COMMAND' (or 'orvesc-cli COMMAND --help') shows a command's "
                          "options and examples;\n'orvesc-cli help settings' lists the settings, their entries per model and "
                          "what they do.\n");
    return out + QString::fromLatin1(Tail);
}

QString commandHelp(const CommandInfo &command)
{
    QString out = QStringLiteral("Usage: ") + synopsis(command);
    out += QLatin1Char('\n') + wrap(command.description, 0) + QStringLiteral("\nOptions:\n");
    for (const OptionInfo &option : optionTable()) {
        if (option.appliesTo(command.command) || option.names.contains(QLatin1String("help")))
            out += optionLine(option);
    }
    return out + examples(command.examples);
}

QString closest(const QString &typed, const QStringList &candidates)
{
    QString best;
    int bestDistance = 3;
    QStringList beginning;
    for (const QString &candidate : candidates) {
        const int d = distance(typed.toLower(), candidate);
        if (d < bestDistance && d < candidate.size() / 2 + 1) {
            best = candidate;
            bestDistance = d;
        }
        if (typed.size() >= 2 && candidate.startsWith(typed, Qt::CaseInsensitive))
            beginning << candidate;
    }
    return best.isEmpty() && beginning.size() == 1 ? beginning.first() : best;
}

} // namespace orvesc::cli
