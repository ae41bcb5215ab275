#include "entrywords.h"

#include "translatable.h"

namespace orvesc {

namespace {

// lupdate gives a translator comment to the one text after it, so each entry carries its own.
constexpr const char *EntryWords[] = {
    //: A drop-down entry: keep it as short. The setting is off.
    QT_TRANSLATE_NOOP("Entry", "OFF"),
    //: A drop-down entry: keep it as short. The setting is on.
    QT_TRANSLATE_NOOP("Entry", "ON"),
    //: A drop-down entry: keep it as short. A soft brake or a soft timing.
    QT_TRANSLATE_NOOP("Entry", "SOFT"),
    //: A drop-down entry: keep it as short. A hard timing.
    QT_TRANSLATE_NOOP("Entry", "HARD"),
    //: A drop-down entry: keep it as short. The ESC picks the timing itself.
    QT_TRANSLATE_NOOP("Entry", "AUTO"),
    //: A drop-down entry: keep it as short. At the cutoff voltage the motor stops.
    QT_TRANSLATE_NOOP("Entry", "STOP MOTOR"),
    //: A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.
    QT_TRANSLATE_NOOP("Entry", "REDUCE POWER"),
    //: A drop-down entry: keep it as short. The motor is never cut at low voltage.
    QT_TRANSLATE_NOOP("Entry", "NO CUT"),
    //: A drop-down entry: keep it as short. RPM control on, first speed range.
    QT_TRANSLATE_NOOP("Entry", "ON RANGE 1"),
    //: A drop-down entry: keep it as short. RPM control on, second speed range.
    QT_TRANSLATE_NOOP("Entry", "ON RANGE 2"),
    //: A drop-down entry: keep it as short. RPM control on, third speed range.
    QT_TRANSLATE_NOOP("Entry", "ON RANGE 3"),
    //: A drop-down entry: keep it as short. RPM control on, in its gas mode.
    QT_TRANSLATE_NOOP("Entry", "GASMODE"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL1"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL2"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL3"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL4"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL5"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL6"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL7"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL8"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL9"),
    //: A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.
    QT_TRANSLATE_NOOP("Entry", "LEVEL10"),
    //: A drop-down entry: keep it as short. The model has no acceleration delay setting.
    QT_TRANSLATE_NOOP("Entry", "Disabled"),
    //: A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside "2S Li" and the like.
    QT_TRANSLATE_NOOP("Entry", "Ni"),
    nullptr,
};

} // namespace

const char *const *entryWords()
{
    return EntryWords;
}

} // namespace orvesc
