#include "settingscompare.h"

#include "commandcodes.h"
#include "settingkeys.h"

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';

// The EscConfig element reported for each NewConfig element: from the cutoff action on, the
// report is one further, since it carries both cutoffs.
constexpr std::array<std::size_t, SettingListCount> ReportedElement{ 0, 1, 3, 4, 5, 6, 7, 8, 9, 10 };
constexpr std::size_t ReportedNickelCutoff = 2;

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
        std::size_t element = ReportedElement[static_cast<std::size_t>(i)];
        if (which == SettingList::LVC && nickel)
            element = ReportedNickelCutoff;
        const int expected = newConfig[static_cast<std::size_t>(i)];
        const int reported = escConfig[element];
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
