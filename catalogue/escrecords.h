#pragma once

#include <array>
#include <cstdint>

namespace orvesc {

// The window-level state shared by the sequences, the exchanges and the catalogue procedures.
struct EscRecords
{
    // Model code of the connected ESC; 0 or less: none.
    std::int16_t EscType = 0;
    // One command code per setting as the ESC reported them, or the model's factory codes.
    std::array<std::int16_t, 12> EscConfig{};
    // The command codes that PROGRAM sends, element after element.
    std::array<std::int16_t, 10> NewConfig{};
};

} // namespace orvesc
