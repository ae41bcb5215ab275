#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvesc {

// One ESC model the tool knows: its model code, the name shown for it and the two factory codes
// in which the models differ.
struct EscModel
{
    int code;
    const char *name;
    // Factory code of EscConfig element 1 (battery).
    std::int16_t batteryDefault;
    // Factory code of EscConfig element 7 (frequency or warn voltage).
    std::int16_t freqWarnDefault;
};

// The sixteen named models in ascending code order.
const std::array<EscModel, 16> &escModels();

// The row of a named model code, or nullptr for any other code (codes inside a group's range
// included).
const EscModel *findEscModel(int code);

// EscConfig elements 0 to 10 as show_Type writes them for a model code. For a code not in the
// table, elements 1 and 7 (which show_Type leaves alone then) are 0 here.
std::array<std::int16_t, 11> factoryCodes(int code);

} // namespace orvesc
