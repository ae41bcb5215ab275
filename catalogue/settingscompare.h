#pragma once

#include "escrecords.h"
#include "settingsview.h"
#include "translatabletext.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvesc {

// A setting whose code the ESC reported differs from the code programmed or shown.
struct SettingDifference
{
    SettingList list;
    std::string caption;
    // Entry texts, or "code N" where no entry of the model stands for the code.
    std::string expected;
    std::string reported;
    // The same, to translate.
    CatalogueText expectedText{};
    CatalogueText reportedText{};
};

// The settings in which an ESC's report (EscConfig as the settings read fills it) differs from
// NewConfig as get_Config builds it, in list order. The cutoff is compared with the reported
// cutoff of the programmed battery's family; lists without codes on the model (cutoff for 48 to
// 176, acceleration delay outside 182 to 184) are not compared.
std::vector<SettingDifference> compareSettings(int escType,
                                               const std::array<std::int16_t, 10> &newConfig,
                                               const std::array<std::int16_t, 12> &escConfig);

// "BRAKE: the ESC has ON, the list shows OFF*", one per line (character 13 between lines).
std::string describeDifferences(const std::vector<SettingDifference> &differences);
// One line of those, to translate.
CatalogueText differenceText(const SettingDifference &difference);

} // namespace orvesc
