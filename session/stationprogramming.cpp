#include "stationprogramming.h"

#include "cataloguetext.h"
#include "failuretext.h"
#include "languages.h"
#include "modeltable.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvesc {

namespace {

struct StationProgramming
{
    Q_DECLARE_TR_FUNCTIONS(StationProgramming)
};

WritePlan planFor(const ChosenSettings &chosen, const std::array<std::int16_t, 12> &reported)
{
    return chosen.factory ? planDefault(chosen.model, reported) : planWrite(chosen.model, reported, chosen.requests);
}

// The reason shown, and its English for the record, which never depends on the language.
void say(StationOutcome &outcome, const std::function<QString()> &words)
{
    const Wording wording = bothWordings(words);
    outcome.reason = wording.shown;
    outcome.englishReason = wording.english;
}

} // namespace

QString chosenRefusal(const ChosenSettings &chosen)
{
    std::array<std::int16_t, 12> factory{};
    const auto codes = factoryCodes(chosen.model);
    std::copy(codes.begin(), codes.end(), factory.begin());
    return translated(planFor(chosen, factory).refusalText);
}

StationOutcome programChosen(EscSession &engine, const ChosenSettings &chosen, const EscSession::Connection &esc)
{
    StationOutcome outcome;
    if (!esc.ok()) {
        say(outcome, [&] {
            const QString text = oneLine(failureText(esc.failure, FrontEnd::Window));
            return text.isEmpty() ? communicationErrorText() : text;
        });
        return outcome;
    }
    outcome.holds = esc.report;
    if (esc.model != chosen.model) {
        say(outcome, [&] {
            return StationProgramming::tr("Refused: this is a %1, the settings are for a %2. Nothing was written.")
                    .arg(modelText(esc.model), modelText(chosen.model));
        });
        return outcome;
    }
    const BackupOutcome backup = engine.backUp(esc.report);
    outcome.backup = backup.file;
    if (!backup.error.isEmpty() || backup.file.isEmpty()) {
        outcome.backupsOff = true;
        say(outcome, [&] {
            return StationProgramming::tr("Not programmed: its settings could not be backed up (%1).")
                    .arg(backup.error.isEmpty() ? StationProgramming::tr("no backup folder") : backup.error);
        });
        return outcome;
    }
    const WritePlan plan = planFor(chosen, esc.report);
    if (!plan.refusal.empty()) {
        say(outcome, [&] { return StationProgramming::tr("Refused: %1. Nothing was written.").arg(translated(plan.refusalText)); });
        return outcome;
    }
    outcome.sent = plan.commands;
    EscSession::ProgramOptions options;
    options.readBack = true;
    const EscSession::Programming run = engine.program(plan.newConfig, options);
    const EscFailure &failure = run.failure;
    if (!run.programmed && failure.element >= 0 && std::size_t(failure.element) < plan.commands.size()) {
        const PlannedCommand &command = plan.commands[std::size_t(failure.element)];
        say(outcome, [&] {
            return (failure.is(EscFailure::Kind::Rejected) ? StationProgramming::tr("The ESC rejected %1: %2 (command %3 of %4).")
                                                           : StationProgramming::tr("No answer to %1: %2 (command %3 of %4)."))
                    .arg(QString::fromStdString(command.caption), QString::fromStdString(command.entry))
                    .arg(failure.element + 1)
                    .arg(run.count);
        });
        outcome.holds.reset();
        return outcome;
    }
    if (failure) {
        say(outcome, [&] {
            QString text = oneLine(failureText(failure, FrontEnd::Window));
            if (!text.isEmpty())
                return text;
            return failure.is(EscFailure::Kind::Cancelled) ? StationProgramming::tr("Cut short.") : communicationErrorText();
        });
        outcome.holds.reset();
        return outcome;
    }
    outcome.holds = run.readBack;
    if (!run.differences.empty()) {
        QStringList settings;
        for (const SettingDifference &difference : run.differences)
            settings << QString::fromStdString(difference.caption);
        say(outcome, [&] { return StationProgramming::tr("The read-back differs in %1.").arg(settings.join(QStringLiteral(", "))); });
        return outcome;
    }
    outcome.pass = true;
    return outcome;
}

} // namespace orvesc
