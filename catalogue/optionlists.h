#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvesc {

// The choices of every setting list as the tool shows them: entries separated by single commas,
// in display order. A trailing "*" marks the factory choice for the user and is part of the entry.
namespace optionlist {

inline constexpr std::string_view Brake = "OFF*,ON,SOFT";
inline constexpr std::string_view Battery3S =
    "Ni,2S Li,3S Li*,4S Li,5S Li,6S Li,7S Li,8S Li,9S Li,10S Li,11S Li,12S Li";
inline constexpr std::string_view Battery8S =
    "Ni,2S Li,3S Li,4S Li,5S Li,6S Li,7S Li,8S Li*,9S Li,10S Li,11S Li,12S Li";
// A model without a battery list of its own gets one empty entry.
inline constexpr std::string_view BatteryNone = "";
inline constexpr std::string_view LithiumCutoffShort = "2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*";
inline constexpr std::string_view LithiumCutoffLong =
    "2.0 V,2.1 V,2.2 V,2.3 V,2.4 V,2.5 V,2.6 V,2.7 V,2.8 V,2.9 V,3.0 V,3.1 V*,3.2 V";
inline constexpr std::string_view NickelCutoff = "0.6 V*,0.7 V,0.8 V,0.9 V";
inline constexpr std::string_view CutoffAction = "STOP MOTOR,REDUCE POWER*,NO CUT";
inline constexpr std::string_view SoftStart = "OFF,ON*";
inline constexpr std::string_view Timing = "SOFT,HARD,AUTO*,8 deg,15 deg,22 deg";
inline constexpr std::string_view Frequency = "8 kHz*,16 kHz";
inline constexpr std::string_view WarnVoltage = "AC +0.2*,AC +0.3";
inline constexpr std::string_view Reverse = "OFF*,ON";
inline constexpr std::string_view RpmShort = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3";
inline constexpr std::string_view RpmLong = "OFF*,ON RANGE 1,ON RANGE 2,ON RANGE 3,GASMODE";
inline constexpr std::string_view AccelerationDelay =
    "LEVEL1,LEVEL2,LEVEL3,LEVEL4*,LEVEL5,LEVEL6,LEVEL7,LEVEL8,LEVEL9,LEVEL10";
// Models without an acceleration delay setting show this one entry.
inline constexpr std::string_view AccelerationDisabled = "Disabled";

} // namespace optionlist

// The entries of an option list; an empty text is one empty entry.
std::vector<std::string> splitOptionList(std::string_view text);

} // namespace orvesc
