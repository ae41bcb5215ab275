#pragma once

#include "translatable.h"

namespace orvesc {

// What the setting rules tell the user when they switch RPM control off or correct the lists.
// English here; the window translates them in MessageContext.
namespace messagetext {

//: A message box after the user changed a setting. LVC: low-voltage cutoff.
inline constexpr const char *RpmOffWithBrake = QT_TRANSLATE_NOOP("Message", "RPM Control Disabled with Brake");
//: A message box after the user changed a setting. LVC: low-voltage cutoff.
inline constexpr const char *RpmOffWithHardCut = QT_TRANSLATE_NOOP("Message", "RPM Control Disabled with Hard Cut LVC");
//: A message box after the user changed a setting.
inline constexpr const char *RpmOffWithoutSoftStart =
    QT_TRANSLATE_NOOP("Message", "RPM Control Disabled without SoftStart");
//: A message box after the user changed a setting. LVC: low-voltage cutoff.
inline constexpr const char *RpmOffWithoutCutoff = QT_TRANSLATE_NOOP("Message", "RPM Control Disabled without LVC");
// Two spaces before the slash: the text users of the ESC family know.
//: A message box after the user changed a setting: two corrections made at once.
inline constexpr const char *BrakeOffForRpm =
    QT_TRANSLATE_NOOP("Message", "Brake Disabled  / Softstart enabled with RPM Control");

// First line of the message after showing settings, followed by one line per setting the lists
// cannot show, "<label caption>: code <reported code>", lines broken by character 13.
//: The first line of a message box; one line per setting follows.
inline constexpr const char *UnshowableSettings =
    QT_TRANSLATE_NOOP("Message", "The ESC reported settings that this tool cannot show (their lists are left empty):");
// The last line of that message: a settings file holds entries, so no backup keeps such a code.
//: The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.
inline constexpr const char *UnshowableNotBackedUp =
    QT_TRANSLATE_NOOP("Message", "No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.");

} // namespace messagetext

} // namespace orvesc
