#include "writereport.h"

#include "cataloguetext.h"
#include "clilanguage.h"
#include "escprotocol.h"
#include "modeltable.h"
#include "settingsdocument.h"

#include <QJsonObject>

namespace orvesc::cli {

namespace {

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QString commandName(const PlannedCommand &command)
{
    return command.entry.empty() ? text(command.caption) : text(command.caption + " " + command.entry);
}

} // namespace

QString hexByte(int code)
{
    return QStringLiteral("0x") + QString::number(code & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

QStringList changeLines(const std::vector<SettingChange> &changes)
{
    // The window's preview breaks its lines with CR.
    return text(describeChanges(changes)).split(QLatin1Char('\r'), Qt::SkipEmptyParts);
}

QJsonArray changesJson(const std::vector<SettingChange> &changes)
{
    QJsonArray array;
    for (const SettingChange &change : changes) {
        array.append(QJsonObject{{QStringLiteral("setting"), text(change.caption)},
                                 {QStringLiteral("from"), text(change.from)},
                                 {QStringLiteral("to"), text(change.to)}});
    }
    return array;
}

QString plannedLine(const QString &port, const PlannedCommand &command, const std::vector<SettingChange> &changes)
{
    QString line = QStringLiteral("%1  %2  %3  %4")
                           .arg(port, hexByte(command.code), text(command.caption), text(command.entry))
                           .trimmed();
    if (!command.changes)
        return line + QLatin1Char('\n');
    QString was = QStringLiteral("  ") + CommandLine::tr("(changes)");
    for (const SettingChange &change : changes) {
        //: %1 is the entry the ESC has now.
        if (change.caption == command.caption)
            was = QStringLiteral("  ") + CommandLine::tr("(the ESC has %1)").arg(text(change.from));
    }
    return line + was + QLatin1Char('\n');
}

QString unkeptReport(int escType, const std::array<std::int16_t, 12> &report)
{
    const DocumentResult document = documentFromReport(escType, report);
    if (document.document)
        return QString();
    QStringList codes;
    for (const std::int16_t code : reportedCodes(escType, report))
        codes << hexByte(code);
    //: %1 says why, %2 lists the codes.
    return CommandLine::tr("the settings before the write cannot be backed up (%1); note the codes the ESC "
                           "reported: %2")
            .arg(translated(document.reason()), codes.join(QLatin1Char(' ')));
}

QString commandFailure(const WritePlan &plan, const EscFailure &failure, int count)
{
    const PlannedCommand &command = plan.commands[std::size_t(failure.element)];
    //: Names a command of a programming run: %1 the setting's caption and entry, %2 its number, %3 how many
    //: there are, %4 its byte.
    const QString which = CommandLine::tr("%1 (command %2 of %3, %4)")
                                  .arg(commandName(command))
                                  .arg(failure.element + 1)
                                  .arg(count)
                                  .arg(hexByte(command.code));
    const bool first = failure.element == 0;
    const bool last = failure.element + 1 == count;
    // Whole sentences, so that a language can order them as it needs.
    if (failure.is(EscFailure::Kind::BadReply)) {
        //: %1 names the command, %2 the ESC's answer, %3 the echo it should have sent.
        const QString text = first ? CommandLine::tr("The ESC answered %1 with %2 instead of its echo %3; whether it stored "
                                                     "it is not known, the ones after it were not programmed.")
                : last             ? CommandLine::tr("The ESC answered %1 with %2 instead of its echo %3; whether it stored "
                                                     "it is not known, the settings before it were programmed.")
                                   : CommandLine::tr("The ESC answered %1 with %2 instead of its echo %3; whether it stored "
                                                     "it is not known, the settings before it were programmed, the ones "
                                                     "after it were not.");
        return text.arg(which, hexByte(failure.reply), hexByte(command.code));
    }
    //: %1 names the command, %2 the ESC's answer.
    const QString text = first ? CommandLine::tr("The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.")
            : last             ? CommandLine::tr("The ESC rejected %1: it answered %2 instead of 0x01; the settings before "
                                                 "it were programmed.")
                               : CommandLine::tr("The ESC rejected %1: it answered %2 instead of 0x01; the settings before "
                                                 "it were programmed, the ones after it were not.");
    return text.arg(which, hexByte(failure.reply));
}

} // namespace orvesc::cli
