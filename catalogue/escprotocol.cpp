#include "escprotocol.h"

#include <array>

namespace orvesc {

namespace {

constexpr std::size_t NickelCutoffElement = 2;
constexpr std::array<std::size_t, SettingListCount> ReportedElement{ 0, 1, 3, 4, 5, 6, 7, 8, 9, 10 };

} // namespace

bool isAcceptedModelCode(int code)
{
    return (code >= 37 && code <= 47) || (code >= 177 && code <= 227);
}

int settingsReplyLength(int escType)
{
    return escType >= 182 && escType <= 224 ? 12 : 11;
}

std::vector<std::int16_t> reportedCodes(int escType, const std::array<std::int16_t, 12> &report)
{
    return std::vector<std::int16_t>(report.begin(), report.begin() + (settingsReplyLength(escType) - 1));
}

int programmedCommandCount(int escType)
{
    return escType > 181 && escType < 224 ? 10 : 9;
}

std::size_t reportedElement(SettingList which, bool nickel)
{
    if (which == SettingList::LVC && nickel)
        return NickelCutoffElement;
    return ReportedElement[static_cast<std::size_t>(which)];
}

} // namespace orvesc
