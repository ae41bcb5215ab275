#pragma once

#include "settingsview.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orvesc::test {

// The command code an entry text of a list stands for, written out from the ESC's code table so
// that tests check the catalogue's arithmetic instead of repeating it. A factory entry's star does
// not change the code; the single empty entry of a model without a battery list stands for "Ni".
inline std::optional<int> entryCode(SettingList which, std::string text)
{
    struct Run
    {
        int first;
        const char *texts;
    };
    static const std::array<std::vector<Run>, SettingListCount> runs{ {
        { { 160, "OFF,ON,SOFT" } },
        { { 32, "Ni" }, { 32, "" }, { 37, "2S Li,3S Li,4S Li,5S Li,6S Li,7S Li,8S Li,9S Li,10S Li,11S Li,12S Li" } },
        { { 48, "0.6 V,0.7 V,0.8 V,0.9 V" }, { 131, "2.0 V,2.1 V,2.2 V,2.3 V,2.4 V,2.5 V,2.6 V" },
          { 52, "2.7 V,2.8 V,2.9 V,3.0 V,3.1 V,3.2 V" } },
        { { 64, "STOP MOTOR,REDUCE POWER,NO CUT" } },
        { { 80, "OFF,ON" } },
        { { 96, "SOFT,HARD,AUTO,8 deg,15 deg,22 deg" } },
        { { 112, "8 kHz,16 kHz" }, { 116, "AC +0.2,AC +0.3" } },
        { { 128, "OFF,ON" } },
        { { 144, "OFF,ON RANGE 1,ON RANGE 2,ON RANGE 3,GASMODE" } },
        { { 192, "LEVEL1,LEVEL2,LEVEL3,LEVEL4,LEVEL5,LEVEL6,LEVEL7,LEVEL8,LEVEL9,LEVEL10" } },
    } };
    if (!text.empty() && text.back() == '*')
        text.pop_back();
    for (const Run &run : runs[static_cast<std::size_t>(which)]) {
        const std::string texts = std::string(run.texts) + ',';
        int code = run.first;
        for (std::size_t at = 0, comma; (comma = texts.find(',', at)) != std::string::npos; at = comma + 1, ++code) {
            if (texts.compare(at, comma - at, text) == 0)
                return code;
        }
    }
    return std::nullopt;
}

} // namespace orvesc::test
