#include "escsimulator.h"

#include "modeltable.h"

#include <algorithm>
#include <iterator>

namespace orvesc::sim {

namespace {

bool within(int value, int first, int last)
{
    return value >= first && value <= last;
}

bool anyModel(int)
{
    return true;
}

bool shortCutoffModels(int m)
{
    return within(m, 37, 47);
}

bool longCutoffModels(int m)
{
    return within(m, 177, 227);
}

// The models whose names carry the W have a warn voltage where the others have the frequency.
bool warnVoltageModels(int m)
{
    return m == 179 || m == 180 || m == 182 || m == 225 || m == 227;
}

bool frequencyModels(int m)
{
    return !warnVoltageModels(m);
}

bool sixTimingModels(int m)
{
    return within(m, 42, 47) || within(m, 180, 184);
}

bool gasModeModels(int m)
{
    return within(m, 182, 184) || within(m, 225, 227);
}

bool accelerationDelayModels(int m)
{
    return within(m, 182, 184);
}

// A block of command codes that sets one element of the ESC's settings on the models it names.
struct CodeBlock
{
    int first;
    int last;
    // Read through std::find_if's iterator, which cppcheck does not follow.
    int element; // cppcheck-suppress unusedStructMember
    bool (*models)(int);
};

constexpr CodeBlock CodeBlocks[] = {
    { 160, 162, 0, anyModel },
    { 32, 32, 1, anyModel },
    { 48, 51, 2, anyModel },
    { 52, 56, 3, shortCutoffModels },
    { 52, 57, 3, longCutoffModels },
    { 131, 137, 3, longCutoffModels },
    { 64, 66, 4, anyModel },
    { 80, 81, 5, anyModel },
    { 96, 98, 6, anyModel },
    { 99, 101, 6, sixTimingModels },
    { 112, 113, 7, frequencyModels },
    { 116, 117, 7, warnVoltageModels },
    { 128, 129, 8, anyModel },
    { 144, 147, 9, anyModel },
    { 148, 148, 9, gasModeModels },
    { 192, 201, 10, accelerationDelayModels },
};

// The highest lithium battery code per model range: 36 + the last entry of the model's battery
// list. The R5/R6 codes carry their cell count (code 38 takes 3 cells, battery codes 37 and 38).
struct BatteryRange
{
    int firstModel;
    int lastModel;
    int highestCode;
};

constexpr BatteryRange BatteryRanges[] = {
    { 177, 177, 38 }, { 178, 179, 41 }, { 180, 183, 47 }, { 184, 184, 45 },
    { 225, 226, 38 }, { 227, 227, 41 },
};

int highestBatteryCode(int m)
{
    if (within(m, 37, 47))
        return m;
    for (const BatteryRange &r : BatteryRanges) {
        if (within(m, r.firstModel, r.lastModel))
            return r.highestCode;
    }
    return 36;
}

} // namespace

EscSettings factorySettings(int modelCode)
{
    const auto codes = factoryCodes(modelCode);
    EscSettings settings{};
    std::transform(codes.begin(), codes.end(), settings.begin(),
                   [](std::int16_t c) { return static_cast<std::uint8_t>(c); });
    if (!findEscModel(modelCode)) {
        settings[1] = 38;
        settings[7] = 112;
    }
    return settings;
}

int settingIndex(int modelCode, std::uint8_t code)
{
    if (within(code, 37, highestBatteryCode(modelCode)))
        return 1;
    const auto block = std::find_if(std::begin(CodeBlocks), std::end(CodeBlocks), [&](const CodeBlock &b) {
        return within(code, b.first, b.last) && b.models(modelCode);
    });
    return block == std::end(CodeBlocks) ? -1 : block->element;
}

bool acceptsCommand(int modelCode, std::uint8_t code)
{
    return settingIndex(modelCode, code) >= 0;
}

int settingsReplyLength(int modelCode)
{
    return within(modelCode, 182, 224) ? 12 : 11;
}

} // namespace orvesc::sim
