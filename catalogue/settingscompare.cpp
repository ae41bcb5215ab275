#include "settingscompare.h"

#include "commandcodes.h"
#include "escprotocol.h"
#include "settingkeys.h"

namespace orvesc {

namespace {

constexpr char LineBreak = '\r';

CatalogueText textOf(SettingList which, int escType, bool nickel, int code)
{
    if (const auto entry = entryForCode(which, escType, nickel, code))
        return *entry;
    //: A setting's value that no entry of the list stands for; %1 is the number.
    return CatalogueText(SettingsCompareContext, QT_TRANSLATE_NOOP("SettingsCompare", "code %1"),
                         { std::to_string(code) });
}

// A difference put together elsewhere may hold the texts alone.
CatalogueText orText(const CatalogueText &text, const std::string &english)
{
    return text.empty() ? CatalogueText(english) : text;
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
        CatalogueText expectedText = textOf(which, escType, nickel, expected);
        CatalogueText reportedText = textOf(which, escType, nickel, reported);
        differences.push_back({ which, settingCaption(which, escType), expectedText.english(),
                                reportedText.english(), std::move(expectedText), std::move(reportedText) });
    }
    return differences;
}

std::string describeDifferences(const std::vector<SettingDifference> &differences)
{
    std::string text;
    for (const SettingDifference &difference : differences) {
        if (!text.empty())
            text += LineBreak;
        text += differenceText(difference).english();
    }
    return text;
}

CatalogueText differenceText(const SettingDifference &difference)
{
    //: %1 is a setting's caption, %2 what the ESC reported, %3 what the list shows (entries or codes).
    return CatalogueText(SettingsCompareContext,
                         QT_TRANSLATE_NOOP("SettingsCompare", "%1: the ESC has %2, the list shows %3"),
                         { difference.caption, orText(difference.reportedText, difference.reported),
                           orText(difference.expectedText, difference.expected) });
}

} // namespace orvesc
