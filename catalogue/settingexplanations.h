#pragma once

#include "settingkeys.h"

#include <string_view>

namespace orvesc {

// What a setting does, in one or two plain English sentences (translated by the front ends in
// ExplanationContext).
const char *settingExplanation(SettingKey key);

// What one entry of a setting means, where the setting's own text does not say it, or nullptr.
// The entry as the lists show it, with or without the factory star.
const char *entryExplanation(SettingKey key, std::string_view entry);

} // namespace orvesc
