#include "writejob.h"

#include "cataloguetext.h"
#include "clilanguage.h"
#include "clioptions.h"
#include "console.h"
#include "exitcodes.h"
#include "failuretext.h"
#include "modeltable.h"
#include "settingscompare.h"
#include "settingsfile.h"
#include "setrequests.h"
#include "writereport.h"

#include <QJsonArray>
#include <QDir>
#include <QJsonObject>

namespace orvesc::cli {

namespace {

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QStringList texts(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list << text(line);
    return list;
}

void progress(const JobSetup &setup, const PortTarget &port, const QString &text)
{
    if (setup.console)
        setup.console->note(QStringLiteral("%1: %2").arg(port.label, text));
}

QJsonArray differencesJson(const std::vector<SettingDifference> &differences)
{
    QJsonArray array;
    for (const SettingDifference &difference : differences) {
        array.append(QJsonObject{{QStringLiteral("setting"), QString::fromStdString(difference.caption)},
                                 {QStringLiteral("expected"), QString::fromStdString(difference.expected)},
                                 {QStringLiteral("reported"), QString::fromStdString(difference.reported)}});
    }
    return array;
}

// One line per difference; `programmed` tells a read-back after a write from a comparison with a file.
QString differencesText(const PortTarget &port, const std::vector<SettingDifference> &differences,
                        bool programmed)
{
    QString lines;
    for (const SettingDifference &difference : differences) {
        const QString caption = QString::fromStdString(difference.caption);
        const QString reported = QString::fromStdString(difference.reported);
        const QString expected = QString::fromStdString(difference.expected);
        //: %1 the port, %2 the setting's caption, %3 the entry the ESC reports, %4 the entry programmed.
        lines += (programmed ? CommandLine::tr("%1: %2: the ESC has %3, it was programmed with %4\n")
                             //: %1 the port, %2 the setting's caption, %3 the entry the ESC reports, %4 the file's entry.
                             : CommandLine::tr("%1: %2: the ESC has %3, the file has %4\n"))
                         .arg(port.label, caption, reported, expected);
    }
    return lines;
}

// Before any write: the settings as the ESC reported them, kept as the window's CONNECT keeps
// them. A backup that cannot be written never stops the write, but the user hears where it went
// or, when none could be kept, the codes to note by hand.
void backUp(JobSetup &setup, PortSession &session, const PortTarget &port,
            const std::array<std::int16_t, 12> &reported, PortResult &result)
{
    session.engine().setBackupKeeper(&setup.backups);
    const BackupOutcome backup = session.engine().backUp(reported);
    if (!backup.error.isEmpty()) {
        progress(setup, port, backupsOffText(setup.backups.folder(), backup.error, FrontEnd::CommandLine));
        return;
    }
    if (const QString unkept = unkeptReport(session.model(), reported); !unkept.isEmpty()) {
        progress(setup, port, unkept);
        return;
    }
    if (backup.file.isEmpty())
        return;
    const QString file = QDir::toNativeSeparators(backup.file);
    //: %1 is the backup file.
    progress(setup, port, CommandLine::tr("the settings before the write are kept in %1").arg(file));
    result.json.insert(QStringLiteral("backup"), file);
}

// A file of another model is used only when asked for; say what does not fit.
bool acceptsFileModel(JobSetup &setup, int model, PortResult &result)
{
    if (setup.fileModel == 0 || setup.fileModel == model || setup.request->allowOtherModel)
        return true;
    result.exitCode = UsageError;
    const bool verify = setup.request->command == CliRequest::Command::Verify;
    //: %1 and %3 are model names, %2 and %4 their model codes.
    result.setSummary([&] {
        return (verify ? CommandLine::tr("The file holds the settings of a %1 (model code %2), but the ESC is a %3 "
                                         "(model code %4). Add --allow-other-model to compare what fits.")
                       //: %1 and %3 are model names, %2 and %4 their model codes.
                       : CommandLine::tr("The file holds the settings of a %1 (model code %2), but the ESC is a %3 "
                                         "(model code %4). Nothing was sent; add --allow-other-model to use what fits."))
                .arg(setup.fileModelName)
                .arg(setup.fileModel)
                .arg(modelText(model))
                .arg(model);
    });
    return false;
}

// verify sends nothing by nature; only a write that stops says that nothing was sent.
QString refusal(const CliRequest &request, const QString &reason)
{
    //: %1 says why.
    return request.command == CliRequest::Command::Verify ? CommandLine::tr("Refused: %1").arg(reason)
                                                          //: %1 says why.
                                                          : CommandLine::tr("Refused, nothing was sent: %1").arg(reason);
}

// What the model cannot take, worked out once the model is known: a --set of a setting it lacks
// (named as the user wrote it, with the settings it has) or the rules' refusal.
bool refused(const JobSetup &setup, int model, const WritePlan &plan, PortResult &result)
{
    QString reason = setsTheModelLacks(setup.request->sets, model);
    if (reason.isEmpty() && !plan.refusal.empty())
        reason = translated(plan.refusalText) + QLatin1Char('.');
    if (reason.isEmpty())
        return false;
    result.exitCode = UsageError;
    result.setSummary([&] { return refusal(*setup.request, reason); });
    return true;
}

// The file's settings that the model does not offer, said and listed in --json.
void tellNotOffered(const JobSetup &setup, int model, const WritePlan &plan, PortResult &result)
{
    if (plan.notOffered.empty())
        return;
    const QStringList notOffered = texts(plan.notOffered);
    const bool verify = setup.request->command == CliRequest::Command::Verify;
    const bool one = notOffered.size() == 1;
    //: %1 is the model's name, %2 the file's settings it lacks ("CAPTION: entry", comma-separated).
    const QString words = verify ? (one ? CommandLine::tr("the %1 does not offer %2; it was not compared")
                                       : CommandLine::tr("the %1 does not offer %2; they were not compared"))
                                : (one ? CommandLine::tr("the %1 does not offer %2; it keeps its value")
                                       : CommandLine::tr("the %1 does not offer %2; they keep their value"));
    progress(setup, result.port, words.arg(modelText(model), notOffered.join(QStringLiteral(", "))));
    result.json.insert(QStringLiteral("not_offered"), QJsonArray::fromStringList(notOffered));
}

} // namespace

QString JobSetup::prepare(const CliRequest &cliRequest)
{
    request = &cliRequest;
    forgetPortNames();
    if (!cliRequest.file.isEmpty()) {
        SettingsFile file;
        if (QString problem = readSettingsFile(cliRequest.file, file); !problem.isEmpty()) {
            //: %1 says why the file cannot be used.
            return cliRequest.command == CliRequest::Command::Verify ? problem
                                                                     : CommandLine::tr("%1 Nothing was sent.").arg(problem);
        }
        // An ignored key may be a typo; it is named even though the file is used.
        for (const QString &warning : file.warnings) {
            if (console)
                console->note(QStringLiteral("orvesc-cli: %1: %2").arg(cliRequest.file, warning));
        }
        fileModel = file.modelCode;
        fileModelName = file.modelName;
        requests = file.requests;
    }
    for (const QString &set : cliRequest.sets) {
        if (QString problem = addSetRequest(set, requests); !problem.isEmpty())
            return problem;
    }
    if (const CatalogueText conflict = requestsConflict(requests); !conflict.empty())
        return refusal(cliRequest, translated(conflict) + QLatin1Char('.'));
    // A file names every setting of its model, so on an ESC of that model the plan does not
    // depend on what the ESC holds: a refusal is certain before any port is opened.
    if (fileModel != 0 && !cliRequest.allowOtherModel) {
        std::array<std::int16_t, 12> factory{};
        const auto codes = factoryCodes(fileModel);
        std::copy(codes.begin(), codes.end(), factory.begin());
        if (const WritePlan plan = planWrite(fileModel, factory, requests); !plan.refusal.empty())
            return refusal(cliRequest, QStringLiteral("%1: %2.").arg(cliRequest.file, translated(plan.refusalText)));
    }
    if (!cliRequest.trace.isEmpty() && console)
        return trace.open(cliRequest.trace, *console);
    return QString();
}

PortResult verifyJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates)
{
    PortResult result;
    std::array<std::int16_t, 12> reported{};
    if (connectAndRead(session, candidates, reported, result) != Done)
        return result;
    const int model = session.model();
    if (!acceptsFileModel(setup, model, result))
        return result;
    const WritePlan plan = planWrite(model, reported, setup.requests);
    if (refused(setup, model, plan, result))
        return result;
    tellNotOffered(setup, model, plan, result);
    const std::vector<SettingDifference> differences = compareSettings(model, plan.newConfig, reported);
    result.json.insert(QStringLiteral("differences"), differencesJson(differences));
    if (differences.empty()) {
        //: %1 is the model's name, %2 the file.
        result.setSummary([&] { return CommandLine::tr("the %1 holds the settings of %2").arg(modelText(model), setup.request->file); });
        return result;
    }
    result.exitCode = ReadBackDiffers;
    //: %1 is the file.
    result.setSummary([&] {
        return counted(qsizetype(differences.size()), QT_TRANSLATE_N_NOOP("CommandLine", "%n setting differs from %1"),
                       QT_TRANSLATE_N_NOOP("CommandLine", "%n settings differ from %1"))
                .arg(setup.request->file);
    });
    result.data = differencesText(result.port, differences, false);
    return result;
}

PortResult writeJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates)
{
    PortResult result;
    std::array<std::int16_t, 12> reported{};
    if (connectAndRead(session, candidates, reported, result) != Done)
        return result;
    return writeConnected(setup, session, reported, std::move(result));
}

PortResult writeConnected(JobSetup &setup, PortSession &session, const std::array<std::int16_t, 12> &reported,
                          PortResult result)
{
    const int model = session.model();
    //: %1 is the model's name.
    progress(setup, result.port, CommandLine::tr("%1 found, settings read").arg(modelText(model)));
    if (!acceptsFileModel(setup, model, result))
        return result;
    const bool factory = setup.request->command == CliRequest::Command::Default;
    const WritePlan plan = factory ? planDefault(model, reported) : planWrite(model, reported, setup.requests);
    if (refused(setup, model, plan, result))
        return result;
    tellNotOffered(setup, model, plan, result);
    if (!setup.request->dryRun)
        backUp(setup, session, result.port, reported, result);
    programAndVerify(setup, session, plan, result);
    return result;
}

void programAndVerify(const JobSetup &setup, PortSession &session, const WritePlan &plan, PortResult &result)
{
    const int model = session.model();
    const std::vector<SettingChange> &changes = plan.changes;
    QJsonArray commands;
    for (const PlannedCommand &command : plan.commands) {
        commands.append(QJsonObject{{QStringLiteral("code"), command.code},
                                    {QStringLiteral("setting"), text(command.caption)},
                                    {QStringLiteral("entry"), text(command.entry)},
                                    {QStringLiteral("changes"), command.changes}});
    }
    result.json.insert(QStringLiteral("commands"), commands);
    const auto changed = [&changes](const char *one, const char *many) {
        return counted(qsizetype(changes.size()), one, many);
    };
    // The changes are told once they are on the ESC (or, for a dry run, as they would be).
    const auto tellChanges = [&] {
        result.json.insert(QStringLiteral("changes"), changesJson(changes));
        if (setup.request->dryRun)
            return;
        for (const QString &line : changeLines(changes))
            progress(setup, result.port, line);
    };
    if (setup.request->dryRun) {
        tellChanges();
        for (const PlannedCommand &command : plan.commands)
            result.data += plannedLine(result.port.label, command, changes);
        //: %1 the number of command bytes, %2 the model's name; %n settings would change.
        result.setSummary([&] {
            return changed(QT_TRANSLATE_N_NOOP("CommandLine", "dry run: %1 command bytes for the %2 printed (%n setting "
                                                              "would change), nothing sent"),
                           QT_TRANSLATE_N_NOOP("CommandLine", "dry run: %1 command bytes for the %2 printed (%n settings "
                                                              "would change), nothing sent"))
                    .arg(plan.commands.size())
                    .arg(modelText(model));
        });
        return;
    }
    const bool verify = !setup.request->noVerify;
    EscSession::ProgramOptions options;
    options.readBack = verify;
    result.sent = plan.commands;
    const EscSession::Programming run = session.engine().program(plan.newConfig, options);
    result.exitCode = exitCode(run.failure);
    if (!run.programmed) {
        const EscFailure &failure = run.failure;
        if (failure.is(EscFailure::Kind::Rejected) || (failure.is(EscFailure::Kind::BadReply) && failure.element >= 0)) {
            result.setSummary([&] { return commandFailure(plan, failure, run.count); });
        } else if (failure.element >= 0) {
            //: %1 the command's number, %2 how many there are, %3 its byte, %4 what went wrong.
            result.setSummary([&] {
                return CommandLine::tr("Command %1 of %2 (%3) failed: %4")
                        .arg(failure.element + 1)
                        .arg(run.count)
                        .arg(hexByte(failure.sent), problemText(failure, result.port));
            });
        } else {
            result.setSummary([&] {
                return failure.is(EscFailure::Kind::Cancelled) ? CommandLine::tr("The run was cut short.")
                                                               : problemText(failure, result.port);
            });
        }
        return;
    }
    if (!verify) {
        tellChanges();
        //: %1 is the model's name.
        result.setSummary([&] {
            return changed(QT_TRANSLATE_N_NOOP("CommandLine", "done: %1 programmed (not verified), %n setting changed"),
                           QT_TRANSLATE_N_NOOP("CommandLine", "done: %1 programmed (not verified), %n settings changed"))
                    .arg(modelText(model));
        });
        return;
    }
    if (run.failure) {
        //: %1 says what went wrong.
        result.setSummary([&] { return CommandLine::tr("Programmed, but the read-back failed: %1").arg(readProblem(run.failure, result.port)); });
        return;
    }
    result.readBack = run.readBack;
    const std::vector<SettingDifference> &differences = run.differences;
    result.json.insert(QStringLiteral("differences"), differencesJson(differences));
    if (!differences.empty()) {
        result.exitCode = ReadBackDiffers;
        result.setSummary([&] {
            return counted(qsizetype(differences.size()), QT_TRANSLATE_N_NOOP("CommandLine", "The read-back differs in %n setting"),
                           QT_TRANSLATE_N_NOOP("CommandLine", "The read-back differs in %n settings"));
        });
        result.data += differencesText(result.port, differences, true);
        return;
    }
    tellChanges();
    //: %1 is the model's name.
    result.setSummary([&] {
        return changed(QT_TRANSLATE_N_NOOP("CommandLine", "done: %1 programmed and verified, %n setting changed"),
                       QT_TRANSLATE_N_NOOP("CommandLine", "done: %1 programmed and verified, %n settings changed"))
                .arg(modelText(model));
    });
}

} // namespace orvesc::cli
