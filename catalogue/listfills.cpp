#include "commandcodes.h"
#include "optionlists.h"
#include "settingsform.h"

#include <array>

namespace orvesc {

namespace {

// One row of a model-dependent fill: the codes it applies to and what it puts into the list.
struct FillRow
{
    int first;
    int last;
    std::string_view optionList;
    int lastIndex;
    int preselect;
    const char *caption = nullptr;
};

// In the R5/R6 groups the model code is the battery code of the most cells the model takes, so
// the list ends at the entry with that code.
constexpr int LastIndexFromCode = -1;
constexpr int NoPreselection = -1;

constexpr std::array<FillRow, 9> BatteryRows{ {
    { 37, 41, optionlist::Battery3S, LastIndexFromCode, NoPreselection },
    { 42, 47, optionlist::Battery8S, LastIndexFromCode, NoPreselection },
    { 177, 177, optionlist::Battery3S, 2, NoPreselection },
    { 178, 179, optionlist::Battery3S, 5, NoPreselection },
    { 180, 181, optionlist::Battery8S, 11, NoPreselection },
    { 182, 183, optionlist::Battery8S, 11, NoPreselection },
    { 184, 184, optionlist::Battery8S, 9, NoPreselection },
    { 225, 226, optionlist::Battery3S, 2, NoPreselection },
    { 227, 227, optionlist::Battery3S, 5, NoPreselection },
} };

constexpr std::array<FillRow, 2> LithiumCutoffRows{ {
    { 37, 47, optionlist::LithiumCutoffShort, 4, 4 },
    { 177, 227, optionlist::LithiumCutoffLong, 12, 11 },
} };

// The nickel list preselects "0.8 V", not its starred first entry.
constexpr int NickelCutoffPreselect = 2;

// Each row sets the caption of labFrequency before the list is filled.
constexpr std::array<FillRow, 9> FrequencyRows{ {
    { 37, 47, optionlist::Frequency, 1, 0, FrequencyCaption },
    { 177, 178, optionlist::Frequency, 1, 0, FrequencyCaption },
    { 181, 181, optionlist::Frequency, 1, 0, FrequencyCaption },
    { 179, 180, optionlist::WarnVoltage, 1, 0, WarnVoltageCaption },
    { 182, 182, optionlist::WarnVoltage, 1, 0, WarnVoltageCaption },
    { 183, 184, optionlist::Frequency, 1, 0, FrequencyCaption },
    { 225, 225, optionlist::WarnVoltage, 1, 0, WarnVoltageCaption },
    { 226, 226, optionlist::Frequency, 1, 0, FrequencyCaption },
    { 227, 227, optionlist::WarnVoltage, 1, 0, WarnVoltageCaption },
} };

constexpr std::array<FillRow, 4> RpmRows{ {
    { 37, 47, optionlist::RpmShort, 3, 0 },
    { 177, 181, optionlist::RpmShort, 3, 0 },
    { 182, 184, optionlist::RpmLong, 4, 0 },
    { 225, 227, optionlist::RpmLong, 4, 0 },
} };

// The 10- and 12-cell models get all six timings, the others the first three.
constexpr std::array<FillRow, 6> TimingRows{ {
    { 37, 41, optionlist::Timing, 2, 2 },
    { 177, 179, optionlist::Timing, 2, 2 },
    { 191, 227, optionlist::Timing, 2, 2 },
    { 42, 47, optionlist::Timing, 5, 2 },
    { 180, 181, optionlist::Timing, 5, 2 },
    { 182, 184, optionlist::Timing, 5, 2 },
} };

// 182 to 184 preselect "LEVEL5", neither the starred entry nor the factory code: the ESC's
// setting replaces it as soon as the settings are shown.
constexpr std::array<FillRow, 3> AccelerationRows{ {
    { 37, 181, optionlist::AccelerationDisabled, 0, 0 },
    { 225, 227, optionlist::AccelerationDisabled, 0, 0 },
    { 182, 184, optionlist::AccelerationDelay, 9, 4 },
} };

template<typename Rows>
const FillRow *matchingRow(const Rows &rows, int code)
{
    for (const FillRow &row : rows) {
        if (code >= row.first && code <= row.last)
            return &row;
    }
    return nullptr;
}

} // namespace

void SettingsForm::fill(SettingList which, std::string_view optionList, int lastIndex,
                        bool clearFirst, int preselect)
{
    ChoiceList &target = list(which);
    if (clearFirst)
        target.clear();
    const std::vector<std::string> entries = splitOptionList(optionList);
    for (int i = 0; i <= lastIndex && i < static_cast<int>(entries.size()); ++i)
        target.append(entries[static_cast<std::size_t>(i)]);
    if (preselect != NoPreselection)
        target.select(preselect);
}

void SettingsForm::ini_Lists()
{
    fill(SettingList::Brake, optionlist::Brake, 2, false, 0);
    fill(SettingList::Batt, optionlist::Battery3S, 11, false, 2);
    fill(SettingList::LVC, optionlist::LithiumCutoffShort, 4, false, 4);
    fill(SettingList::LVCAction, optionlist::CutoffAction, 2, false, 1);
    fill(SettingList::SoftStart, optionlist::SoftStart, 1, false, 1);
    fill(SettingList::Timing, optionlist::Timing, 2, false, 2);
    fill(SettingList::Frequency, optionlist::Frequency, 1, false, 0);
    fill(SettingList::Reverse, optionlist::Reverse, 1, false, 0);
    fill(SettingList::RPM, optionlist::RpmShort, 3, false, 0);
    fill(SettingList::ACCN, optionlist::AccelerationDisabled, 0, true, 0);
}

void SettingsForm::list_Batt()
{
    const int code = m_records.EscType;
    std::string_view optionList = optionlist::BatteryNone;
    int lastIndex = 0;
    if (const FillRow *row = matchingRow(BatteryRows, code)) {
        optionList = row->optionList;
        lastIndex = row->lastIndex == LastIndexFromCode ? code - codebase::BatteryLithium
                                                        : row->lastIndex;
    }
    fill(SettingList::Batt, optionList, lastIndex, true, NoPreselection);
}

void SettingsForm::list_LVC()
{
    if (const FillRow *row = matchingRow(LithiumCutoffRows, m_records.EscType))
        fill(SettingList::LVC, row->optionList, row->lastIndex, true, row->preselect);
}

void SettingsForm::lvc_Ni()
{
    fill(SettingList::LVC, optionlist::NickelCutoff, 3, true, NickelCutoffPreselect);
}

void SettingsForm::list_Freq()
{
    list(SettingList::Frequency).clear();
    const FillRow *match = matchingRow(FrequencyRows, m_records.EscType);
    if (!match)
        return;
    m_view.setFrequencyCaption(match->caption);
    fill(SettingList::Frequency, match->optionList, match->lastIndex, false, match->preselect);
}

void SettingsForm::list_RPM()
{
    if (const FillRow *row = matchingRow(RpmRows, m_records.EscType))
        fill(SettingList::RPM, row->optionList, row->lastIndex, true, row->preselect);
}

void SettingsForm::list_Timing()
{
    list(SettingList::Timing).clear();
    if (const FillRow *row = matchingRow(TimingRows, m_records.EscType))
        fill(SettingList::Timing, row->optionList, row->lastIndex, false, row->preselect);
}

void SettingsForm::list_ACCN()
{
    if (const FillRow *row = matchingRow(AccelerationRows, m_records.EscType))
        fill(SettingList::ACCN, row->optionList, row->lastIndex, true, row->preselect);
}

void SettingsForm::fillModelLists()
{
    list_Batt();
    list_LVC();
    list_Freq();
    list_RPM();
    list_Timing();
    list_ACCN();
}

} // namespace orvesc
