#pragma once

#include "escrecords.h"
#include "settingsview.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace orvesc::cli {

// One setting a write asks for: a command code (from a settings file) or an entry as the lists
// show it (from --set).
struct SettingRequest
{
    std::optional<int> code;
    QString entry;
};
using SettingRequests = std::map<SettingList, SettingRequest>;

// Reads "KEY=ENTRY" into `requests` (a later one for the same setting wins). The key is the
// setting's file key or its caption (brake, "rpm control", soft_start, "AUTOCUT MODE"...), the
// entry is checked against every entry the setting has on any model. An error text otherwise.
QString addSetRequest(const QString &argument, SettingRequests &requests);

// The combinations of --set entries that a setting rule would undo on any model, refused before
// any port is opened; an empty text when there is none.
QString requestedConflict(const SettingRequests &requests);

// One command byte of a programming run, with what it means.
struct PlannedCommand
{
    std::int16_t code = 0;
    QString caption;
    QString entry;
};

// What a programming run would send, or why it must not run.
struct WritePlan
{
    QString refusal;  // empty when the plan may be sent
    std::array<std::int16_t, 10> newConfig{};
    std::vector<PlannedCommand> commands;
    QStringList notOffered;  // settings of another model's file that this model lacks
};

// The requests applied to the settings an ESC reported, through the lists and their rules as a
// user of the window would choose them: RPM control first, then the battery (keeping the ESC's
// cutoff of the new battery family unless one is asked for), then the rest. Refused when an entry
// is missing from the model's list or when the rules would leave any setting other than asked
// for or as the ESC has it. `skipNotOffered` lets settings the model lacks keep their value.
WritePlan planWrite(int model, const std::array<std::int16_t, 12> &reported,
                    const SettingRequests &requests, bool skipNotOffered = false);

// DEFAULT: the model's factory codes shown and collected as the window does.
WritePlan planDefault(int model, const std::array<std::int16_t, 12> &reported);

// The settings an ESC reported, one row per setting of its model: caption, entry (empty where no
// entry stands for the code) and code.
struct ReportedSetting
{
    SettingList list;
    QString caption;
    QString entry;
    int code = 0;
};
std::vector<ReportedSetting> reportedSettings(int model, const std::array<std::int16_t, 12> &escConfig);

// Commands a programming run sends for a model: 10 for 182 to 223, 9 for the others.
int programmedCount(int model);

// The model's name, or "model code N" for a code without one.
QString modelName(int model);

} // namespace orvesc::cli
