#pragma once

#include "choicelist.h"
#include "messenger.h"

#include <string>

namespace orvesc {

// The ten setting lists, in the order of lock_Lists, unlock_Lists and get_Config.
enum class SettingList {
    Brake,      // cmbBrake
    Batt,       // cmbBatt
    LVC,        // cmbLVC
    LVCAction,  // cmbLVCAction
    SoftStart,  // cmbSoftStart
    Timing,     // cmbTiming
    Frequency,  // cmbFrequency
    Reverse,    // cmbReverse
    RPM,        // cmbRPM
    ACCN,       // cmbACCN
};
inline constexpr int SettingListCount = 10;

// The part of the main window that the catalogue's procedures work on. Form1 implements it over
// its widgets; unit tests and fuzzers implement it in memory.
class SettingsView
{
public:
    virtual ~SettingsView() = default;
    virtual ChoiceList &list(SettingList which) = 0;
    // Caption of labFrequency: "FREQUENCY" or "WARN VOLTAGE".
    virtual void setFrequencyCaption(const std::string &caption) = 0;
    // The caption of a list's label as it stands now, for messages that name a setting.
    virtual std::string listCaption(SettingList which) const = 0;
    // Caption of LESCType.
    virtual void setModelName(const std::string &name) = 0;
    // clear_Checks of the main window.
    virtual void clearChecks() = 0;
    virtual Messenger &messenger() = 0;
};

} // namespace orvesc
