#pragma once

#include "escsession.h"
#include "settingsapply.h"
#include "settingsplan.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace orvesc {

// The settings a run writes on every ESC, chosen once: a model's factory settings, or requests
// of that model (a settings file's, or what the window's lists show, taken as a file would be).
struct ChosenSettings
{
    int model = 0;
    bool factory = false;
    SettingRequests requests;
};

// One ESC of a run programmed with the chosen settings, as the window's run does it.
struct StationOutcome
{
    bool pass = false;
    QString reason;  // why it failed, in the window's words; empty for a pass
    QString englishReason;  // the same in English, for the record
    QString backup;  // the file keeping what the ESC held, or empty
    // The backups could not be kept: the ESC was not programmed, and the run must stop.
    bool backupsOff = false;
    std::vector<PlannedCommand> sent;
    // What the ESC holds now where known, by which it is told from the next.
    std::optional<std::array<std::int16_t, 12>> holds;
};

// Why the chosen settings cannot be written on any ESC of their model (the rules' refusal), or
// empty: known before the first ESC.
QString chosenRefusal(const ChosenSettings &chosen);

// On the ESC CONNECT found and read: an ESC of another model is refused, nothing sent; otherwise
// its settings are backed up through the engine's keeper (no backup, no write), programmed and
// read back.
StationOutcome programChosen(EscSession &engine, const ChosenSettings &chosen, const EscSession::Connection &esc);

} // namespace orvesc
