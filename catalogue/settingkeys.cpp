#include "settingkeys.h"

#include "commandcodes.h"
#include "memorysettingsview.h"
#include "settingsform.h"

#include <array>

namespace orvesc {

namespace {

struct KeyRow
{
    SettingKey key;
    const char *name;
    SettingList list;
};

constexpr std::array<KeyRow, 11> Keys{ {
    { SettingKey::Brake, "brake", SettingList::Brake },
    { SettingKey::Battery, "battery", SettingList::Batt },
    { SettingKey::Cutoff, "cutoff", SettingList::LVC },
    { SettingKey::CutoffAction, "cutoff_action", SettingList::LVCAction },
    { SettingKey::SoftStart, "soft_start", SettingList::SoftStart },
    { SettingKey::Timing, "timing", SettingList::Timing },
    { SettingKey::Frequency, "frequency", SettingList::Frequency },
    { SettingKey::WarnVoltage, "warn_voltage", SettingList::Frequency },
    { SettingKey::Reverse, "reverse", SettingList::Reverse },
    { SettingKey::RpmControl, "rpm_control", SettingList::RPM },
    { SettingKey::AccelerationDelay, "acceleration_delay", SettingList::ACCN },
} };

const KeyRow &row(SettingKey key)
{
    return Keys[static_cast<std::size_t>(key)];
}

} // namespace

const char *settingKeyName(SettingKey key)
{
    return row(key).name;
}

std::optional<SettingKey> settingKeyFromName(std::string_view name)
{
    for (const KeyRow &candidate : Keys) {
        if (name == candidate.name)
            return candidate.key;
    }
    return std::nullopt;
}

SettingList listOfKey(SettingKey key)
{
    return row(key).list;
}

std::optional<SettingKey> keyOfList(SettingList which, int escType)
{
    // Either cutoff family will do: a model has codes for both or for neither.
    if (!commandCode(which, escType, false, 0))
        return std::nullopt;
    if (which == SettingList::Frequency)
        return hasWarnVoltage(escType) ? SettingKey::WarnVoltage : SettingKey::Frequency;
    for (const KeyRow &candidate : Keys) {
        if (candidate.list == which)
            return candidate.key;
    }
    return std::nullopt;
}

std::vector<SettingKey> modelKeys(int escType)
{
    std::vector<SettingKey> keys;
    for (int i = 0; i < SettingListCount; ++i) {
        if (const auto key = keyOfList(static_cast<SettingList>(i), escType))
            keys.push_back(*key);
    }
    return keys;
}

std::vector<std::string> offeredEntries(SettingList which, int escType, bool nickel)
{
    // The fills themselves say what a model offers, so files and lists cannot disagree.
    MemorySettingsView view;
    EscRecords records;
    SettingsForm form(view, records);
    form.ini_Lists();
    records.EscType = static_cast<std::int16_t>(escType);
    form.fillModelLists();
    if (nickel)
        form.lvc_Ni();
    return view.memoryList(which).entries();
}

std::optional<std::string> entryForCode(SettingList which, int escType, bool nickel, int code)
{
    const std::optional<int> index = listIndexOf(which, escType, nickel, code);
    if (!index || *index < 0 || commandCode(which, escType, nickel, *index) != code)
        return std::nullopt;
    const std::vector<std::string> entries = offeredEntries(which, escType, nickel);
    if (*index >= static_cast<int>(entries.size()))
        return std::nullopt;
    return entries[static_cast<std::size_t>(*index)];
}

} // namespace orvesc
