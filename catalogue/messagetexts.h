#pragma once

namespace orvesc {

// What the setting rules tell the user when they switch RPM control off or correct the lists.
namespace messagetext {

inline constexpr const char *RpmOffWithBrake = "RPM Control Disabled with Brake";
inline constexpr const char *RpmOffWithHardCut = "RPM Control Disabled with Hard Cut LVC";
inline constexpr const char *RpmOffWithoutSoftStart = "RPM Control Disabled without SoftStart";
inline constexpr const char *RpmOffWithoutCutoff = "RPM Control Disabled without LVC";
// Two spaces before the slash: the text users of the ESC family know.
inline constexpr const char *BrakeOffForRpm = "Brake Disabled  / Softstart enabled with RPM Control";

// First line of the message after showing settings, followed by one line per setting the lists
// cannot show, "<label caption>: code <reported code>", lines broken by character 13.
inline constexpr const char *UnshowableSettings =
    "The ESC reported settings that this tool cannot show (their lists are left empty):";
// The last line of that message: a settings file holds entries, so no backup keeps such a code.
inline constexpr const char *UnshowableNotBackedUp =
    "No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.";

} // namespace messagetext

} // namespace orvesc
