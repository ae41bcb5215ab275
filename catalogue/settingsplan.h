#pragma once

#include "settingsapply.h"
#include "settingsview.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvesc {

// One command byte of a programming run, with what it means.
struct PlannedCommand
{
    std::int16_t code = 0;
    std::string caption;
    std::string entry;
    // The ESC reported another code for this setting.
    bool changes = false;
};

// What a programming run of an ESC would send, or why it must not run.
struct WritePlan
{
    std::string refusal;  // empty when the plan may be sent
    CatalogueText refusalText;  // the refusal to translate
    std::array<std::int16_t, 10> newConfig{};
    std::vector<PlannedCommand> commands;
    // What the ESC's lists would show differently, as the window's Open Settings lists it.
    std::vector<SettingChange> changes;
    std::vector<std::string> notOffered;
};

// The requests applied, through planApply and applyRequests, to the lists as CONNECT leaves them
// for the settings an ESC reported, then collected as PROGRAM collects them.
WritePlan planWrite(int escType, const std::array<std::int16_t, 12> &reported, const SettingRequests &requests);

// DEFAULT: the model's factory codes shown and collected as the window does.
WritePlan planDefault(int escType, const std::array<std::int16_t, 12> &reported);

// Requests by name that contradict each other on every model that has all their entries (RPM
// control on with the brake on): the rules' refusal, or empty. Known before any ESC is.
CatalogueText requestsConflict(const SettingRequests &requests);

// The settings an ESC reported, one row per setting of its model: caption, entry (empty where no
// entry stands for the code) and code.
struct ReportedSetting
{
    SettingList list;
    std::string caption;
    std::string entry;
    int code = 0;
};
std::vector<ReportedSetting> reportedSettings(int escType, const std::array<std::int16_t, 12> &escConfig);

} // namespace orvesc
