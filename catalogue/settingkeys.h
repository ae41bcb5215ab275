#pragma once

#include "settingsview.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvesc {

// A setting as settings files and the command line name it. Unlike SettingList it tells the
// frequency from the warn voltage, which share one list; the cutoff is one key whose code says
// whether it is a nickel or a lithium cutoff.
enum class SettingKey {
    Brake,
    Battery,
    Cutoff,
    CutoffAction,
    SoftStart,
    Timing,
    Frequency,
    WarnVoltage,
    Reverse,
    RpmControl,
    AccelerationDelay,
};

// "brake", "battery", "cutoff", "cutoff_action", "soft_start", "timing", "frequency",
// "warn_voltage", "reverse", "rpm_control", "acceleration_delay".
const char *settingKeyName(SettingKey key);
std::optional<SettingKey> settingKeyFromName(std::string_view name);

SettingList listOfKey(SettingKey key);
// The key a model's list stands for, or nullopt where the model has no code for the list
// (cutoff for codes 48 to 176, acceleration delay outside 182 to 184).
std::optional<SettingKey> keyOfList(SettingList which, int escType);
// The keys of a model in the order of its lists.
std::vector<SettingKey> modelKeys(int escType);

// The entries a model's list offers, as its fill puts them into the window's list; the cutoff
// list depends on whether the battery is "Ni".
std::vector<std::string> offeredEntries(SettingList which, int escType, bool nickel);
// The text of the entry that stands for `code` in a model's list, or nullopt where none does.
std::optional<std::string> entryForCode(SettingList which, int escType, bool nickel, int code);

} // namespace orvesc
