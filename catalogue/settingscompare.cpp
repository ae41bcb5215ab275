#include "settingscompare.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "settingkeys.h"

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';

std::string textOf(SettingList which, int escType, bool nickel, int code)
{
    if (const auto entry = entryForCode(which, escType, nickel, code))
        return *entry;
    return "code " + std::to_string(code);
}

} // namespace

std::vector<SettingDifference> compareSettings(int escType,
                                               const std::array<std::int16_t, 10> &newConfig,
                                               const std::array<std::int16_t, 12> &escConfig)
{
    std::vector<SettingDifference> differences;
    const bool nickel = newConfig[1] == codebase::BatteryNickel;
    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        if (!commandCode(which, escType, nickel, 0))
            continue;
        const int expected = newConfig[static_cast<std::size_t>(i)];
        const int reported = escConfig[reportedElement(which, nickel)];
        if (expected == reported)
            continue;
        differences.push_back({ which, settingCaption(which, escType),
                                textOf(which, escType, nickel, expected),
                                textOf(which, escType, nickel, reported) });
    }
    return differences;
}

std::string describeDifferences(const std::vector<SettingDifference> &differences)
{
    std::string text;
    for (const SettingDifference &difference : differences) {
        if (!text.empty())
            text += LineBreak;
        text += difference.caption + ": the ESC has " + difference.reported
            + ", the list shows " + difference.expected;
    }
    return text;
}

} // namespace orvesc
