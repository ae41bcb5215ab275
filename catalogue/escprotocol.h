#pragma once

#include "settingsview.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvesc {

// The model-dependent facts of the serial protocol. Every front end and exchange asks here, so a
// model range is written once.

// Whether an identify reply is a model code: 37 to 47 or 177 to 227.
bool isAcceptedModelCode(int code);

// Bytes of the settings reply: 12 for model codes 182 to 224, 11 for all others.
int settingsReplyLength(int escType);

// The setting codes of a settings reply as the ESC sent them: every byte before the closing 1.
std::vector<std::int16_t> reportedCodes(int escType, const std::array<std::int16_t, 12> &report);

// Command bytes of a programming run: NewConfig elements 0 to 8, and element 9 (acceleration
// delay) for model codes 182 to 223.
int programmedCommandCount(int escType);

// The element of a settings reply (EscConfig) that carries a list's setting. The reply holds both
// cutoffs, the nickel one in element 2 and the lithium one in element 3, so from the cutoff
// action on it is one further than NewConfig.
std::size_t reportedElement(SettingList which, bool nickel);

} // namespace orvesc
