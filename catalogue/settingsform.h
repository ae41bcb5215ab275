#pragma once

#include "escrecords.h"
#include "settingsview.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvesc {

// What get_Config collected: the lists it would send that have no selection. PROGRAM sends
// nothing while this is not empty, since such a list would become a code of another setting.
struct CollectResult
{
    std::vector<SettingList> unselected;
    bool complete() const { return unselected.empty(); }
};

// The procedures of the main window that work on the setting lists: filling them per model,
// showing and collecting codes, and the interlock rules of their handlers. Form1 forwards its
// list handlers here; tests drive the same code over in-memory lists.
class SettingsForm
{
public:
    SettingsForm(SettingsView &view, EscRecords &records);

    // Sets the lists' click and change handlers to the handlers below (for use without Form1,
    // whose own handlers forward here). The handlers refer to this object, which must outlive
    // them.
    void connectHandlers();

    // Filling the lists.
    void ini_Lists();
    void list_Batt();
    void list_LVC();
    void lvc_Ni();
    void list_Freq();
    void list_RPM();
    void list_Timing();
    void list_ACCN();
    // The rebuilds of a Connect for EscType, in their order: battery, cutoff, frequency or warn
    // voltage, RPM control, timing, acceleration delay.
    void fillModelLists();

    // Model name and factory codes into LESCType and EscConfig.
    void show_Type();
    // EscConfig to selections; reports the settings that it could not show in one message.
    void show_Config();
    // Selections to NewConfig.
    CollectResult get_Config();

    // Handlers of the setting lists.
    void cmbBrake_Click();
    void cmbBatt_Click();
    void cmbLVC_Click();
    void cmbLVCAction_Click();
    void cmbSoftStart_Click();
    void cmbRPM_Click();
    void cmbFrequency_Change();
    void cmbReverse_Change();
    void cmbTiming_Change();

private:
    // A setting the ESC reported with a code that its list cannot show.
    struct UnshownSetting
    {
        SettingList list;
        int code;
    };

    ChoiceList &list(SettingList which) { return m_view.list(which); }
    // The common fill steps: optionally clear, append entries 0..lastIndex, preselect (-1: none).
    void fill(SettingList which, std::string_view optionList, int lastIndex, bool clearFirst,
              int preselect);
    // Selects the entry that shows `code`, or none when no entry does (noted in `unshown`).
    void showCode(SettingList which, int code, bool nickel, std::vector<UnshownSetting> &unshown);
    // The common end of the rules that RPM control cannot stand: tell the user if it was on, then
    // switch it off.
    void switchRpmOff(const char *message);

    SettingsView &m_view;
    EscRecords &m_records;
};

} // namespace orvesc
