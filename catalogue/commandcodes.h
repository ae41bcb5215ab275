#pragma once

#include "settingsview.h"
#include "translatable.h"

#include <optional>
#include <string>

namespace orvesc {

// Where each setting's command codes start: the code is the base plus the index of the choice,
// except for the battery and the long lithium cutoff list (see commandCode).
namespace codebase {

inline constexpr int Brake = 160;
inline constexpr int BatteryNickel = 32;
// Lithium battery entry k (k + 1 cells) has code 36 + k.
inline constexpr int BatteryLithium = 36;
inline constexpr int NickelCutoff = 48;
// 2.7 V upwards, the same code on every model.
inline constexpr int LithiumCutoff = 52;
// 2.0 V to 2.6 V exist only in the long list, and their codes lie in the reverse block.
inline constexpr int LowLithiumCutoff = 131;
inline constexpr int LowLithiumCutoffCount = 7;
inline constexpr int CutoffAction = 64;
inline constexpr int SoftStart = 80;
inline constexpr int Timing = 96;
inline constexpr int Frequency = 112;
inline constexpr int WarnVoltage = 116;
inline constexpr int Reverse = 128;
inline constexpr int RpmControl = 144;
inline constexpr int AccelerationDelay = 192;

} // namespace codebase

// The model-code group tests of the code space.
bool hasLongCutoffList(int escType);
bool hasShortCutoffList(int escType);
bool hasWarnVoltage(int escType);
bool hasAccelerationDelay(int escType);

// The command code of entry `index` (0 or more) of a setting list for a model; nullopt where the
// model has no code for that list (cutoff for codes 48 to 176, acceleration delay outside 182 to
// 184). `nickel` says whether the battery choice is "Ni"; only the cutoff list depends on it.
std::optional<int> commandCode(SettingList which, int escType, bool nickel, int index);

// The list index that would show `code` by the same rules in reverse, or nullopt where the model
// has no code for that list. The index is not checked: it may lie outside the list or belong to a
// different code (battery 36 gives index 0, "Ni"), so callers compare commandCode of it with the
// code.
std::optional<int> listIndexOf(SettingList which, int escType, bool nickel, int code);

// The captions of labFrequency: the list offers one setting or the other, by model. English here;
// the front ends translate them in CaptionContext.
//: The caption above a setting list: the motor's switching frequency. Short and upper case, like the others.
inline constexpr const char *FrequencyCaption = QT_TRANSLATE_NOOP("Caption", "FREQUENCY");
//: The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.
inline constexpr const char *WarnVoltageCaption = QT_TRANSLATE_NOOP("Caption", "WARN VOLTAGE");

// The caption of the label above a setting list, as the user knows the setting.
std::string settingCaption(SettingList which, int escType);

} // namespace orvesc
