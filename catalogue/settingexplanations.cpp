#include "settingexplanations.h"

#include "translatable.h"

#include <array>

namespace orvesc {

namespace {

// What the tool knows of a setting is its list, its factory choice and the rules between the
// lists; what the ESC does beyond that is the maker's to say, so the texts send the reader to
// the ESC's manual there.
constexpr std::array<const char *, 11> Explanations{ {
    QT_TRANSLATE_NOOP("Explanation",
                      "What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and "
                      "SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM "
                      "control off."),
    QT_TRANSLATE_NOOP("Explanation",
                      "The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li "
                      "to 12S Li). Changing it resets the cutoff voltage, so choose the battery first."),
    QT_TRANSLATE_NOOP("Explanation",
                      "The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. "
                      "The lowest voltage counts as a hard cut, with which RPM control cannot be on."),
    QT_TRANSLATE_NOOP("Explanation",
                      "What the ESC does when the battery falls to the cutoff voltage. RPM control needs a "
                      "cutoff: NO CUT switches it off."),
    QT_TRANSLATE_NOOP("Explanation",
                      "Starts the motor gently rather than at full power at once. RPM control needs soft "
                      "start: OFF switches RPM control off, and turning RPM control on switches soft start on."),
    QT_TRANSLATE_NOOP("Explanation",
                      "The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer "
                      "fixed angles. Which timing suits a motor, see the motor's or the ESC's manual."),
    QT_TRANSLATE_NOOP("Explanation",
                      "The frequency at which the ESC switches the motor's power. Which suits a motor, see the "
                      "ESC's manual. The W models have a warn voltage in its place."),
    QT_TRANSLATE_NOOP("Explanation",
                      "Offered by the W models in place of the frequency. What the ESC warns of at this "
                      "voltage, and how, see the ESC's manual."),
    QT_TRANSLATE_NOOP("Explanation", "ON makes the motor turn the other way round."),
    QT_TRANSLATE_NOOP("Explanation",
                      "Keeps the motor's speed under the ESC's control, in one of its ranges (see the ESC's "
                      "manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest "
                      "cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to "
                      "REDUCE POWER."),
    QT_TRANSLATE_NOOP("Explanation",
                      "How quickly the motor may follow the throttle, in ten levels; what each level means, see "
                      "the ESC's manual. Only the R9 models for 10 and 12 cells have it."),
} };

struct EntryExplanation
{
    SettingKey key;
    std::string_view entry;  // without the factory star
    const char *text;
};

constexpr std::array<EntryExplanation, 10> EntryExplanations{ {
    { SettingKey::Brake, "SOFT",
      QT_TRANSLATE_NOOP("Explanation",
                        "A softer brake than ON; how soft, see the ESC's manual. It counts as a brake: RPM "
                        "control is switched off.") },
    { SettingKey::Battery, "Ni",
      QT_TRANSLATE_NOOP("Explanation",
                        "Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per "
                        "cell.") },
    { SettingKey::CutoffAction, "STOP MOTOR",
      QT_TRANSLATE_NOOP("Explanation",
                        "The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE "
                        "POWER.") },
    { SettingKey::CutoffAction, "REDUCE POWER",
      QT_TRANSLATE_NOOP("Explanation",
                        "The ESC reduces the motor's power at the cutoff voltage instead of stopping it.") },
    { SettingKey::CutoffAction, "NO CUT",
      QT_TRANSLATE_NOOP("Explanation",
                        "No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control "
                        "is switched off.") },
    { SettingKey::Timing, "SOFT",
      QT_TRANSLATE_NOOP("Explanation", "A fixed soft timing; its angle, see the ESC's manual.") },
    { SettingKey::Timing, "HARD",
      QT_TRANSLATE_NOOP("Explanation", "A fixed hard timing; its angle, see the ESC's manual.") },
    { SettingKey::Timing, "AUTO",
      QT_TRANSLATE_NOOP("Explanation", "The ESC chooses the timing itself.") },
    { SettingKey::RpmControl, "GASMODE",
      QT_TRANSLATE_NOOP("Explanation",
                        "Offered by the R9 models besides the ranges; it counts as RPM control on. What it "
                        "does, see the ESC's manual.") },
    { SettingKey::AccelerationDelay, "Disabled",
      QT_TRANSLATE_NOOP("Explanation", "This model has no acceleration delay.") },
} };

} // namespace

const char *settingExplanation(SettingKey key)
{
    // cppcheck takes the translation marks for calls that return integers; they are the texts.
    // cppcheck-suppress CastIntegerToAddressAtReturn
    return Explanations[static_cast<std::size_t>(key)];
}

const char *entryExplanation(SettingKey key, std::string_view entry)
{
    if (!entry.empty() && entry.back() == '*')
        entry.remove_suffix(1);
    for (const EntryExplanation &row : EntryExplanations) {
        if (row.key == key && row.entry == entry)
            return row.text;
    }
    return nullptr;
}

} // namespace orvesc
