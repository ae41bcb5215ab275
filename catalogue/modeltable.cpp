#include "modeltable.h"

#include <algorithm>

namespace orvesc {

namespace {

// Battery factory codes stand for "3S Li*" and "8S Li*"; freq/warn for "8 kHz*" and "AC +0.2*".
constexpr std::int16_t Bat3S = 38;
constexpr std::int16_t Bat8S = 43;
constexpr std::int16_t Freq8k = 112;
constexpr std::int16_t Warn02 = 116;

// The name of 179 ends in a space and 180 has one before the W, unlike 182: the ESC family's
// own spelling, kept as users know it.
constexpr std::array<EscModel, 16> Models{ {
    { 38, "QUORL R5 3S", Bat3S, Freq8k },
    { 40, "QUORL R5 5S", Bat3S, Freq8k },
    { 41, "QUORL R6 6S", Bat3S, Freq8k },
    { 45, "QUORL R5 10S", Bat8S, Freq8k },
    { 47, "QUORL R6 12S", Bat8S, Freq8k },
    { 177, "QUORL R8 3S", Bat3S, Freq8k },
    { 178, "QUORL R8 6S", Bat3S, Freq8k },
    { 179, "QUORL R8 W 6S ", Bat3S, Warn02 },
    { 180, "QUORL R8 W 12S", Bat8S, Warn02 },
    { 181, "QUORL R8 12S", Bat8S, Freq8k },
    { 182, "QUORL R9W 12S", Bat8S, Warn02 },
    { 183, "QUORL R9 12S", Bat8S, Freq8k },
    { 184, "QUORL R9 10S", Bat8S, Freq8k },
    { 225, "QUORL R9W 3S", Bat3S, Warn02 },
    { 226, "QUORL R9 3S", Bat3S, Freq8k },
    { 227, "QUORL R9W 6S", Bat3S, Warn02 },
} };

// Factory codes common to every model, by EscConfig element; elements 1 and 7 are per model.
constexpr std::array<std::int16_t, 11> CommonDefaults{ 160, 0, 48, 56, 65, 81, 98, 0, 128, 144, 192 };

} // namespace

const std::array<EscModel, 16> &escModels()
{
    return Models;
}

const EscModel *findEscModel(int code)
{
    const auto it = std::find_if(Models.begin(), Models.end(),
                                 [code](const EscModel &m) { return m.code == code; });
    return it == Models.end() ? nullptr : &*it;
}

std::array<std::int16_t, 11> factoryCodes(int code)
{
    auto codes = CommonDefaults;
    if (const EscModel *model = findEscModel(code)) {
        codes[1] = model->batteryDefault;
        codes[7] = model->freqWarnDefault;
    }
    return codes;
}

} // namespace orvesc
