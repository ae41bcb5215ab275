#include "commandcodes.h"

namespace orvesc {

namespace {

// "3.2 V", the top of the long list.
constexpr int HighestLithiumCutoff = 57;

// Base of the lists whose code is simply base + index.
int plainBase(SettingList which, int escType)
{
    switch (which) {
    case SettingList::Brake:
        return codebase::Brake;
    case SettingList::LVCAction:
        return codebase::CutoffAction;
    case SettingList::SoftStart:
        return codebase::SoftStart;
    case SettingList::Timing:
        return codebase::Timing;
    case SettingList::Frequency:
        return hasWarnVoltage(escType) ? codebase::WarnVoltage : codebase::Frequency;
    case SettingList::Reverse:
        return codebase::Reverse;
    case SettingList::RPM:
        return codebase::RpmControl;
    case SettingList::ACCN:
        return codebase::AccelerationDelay;
    case SettingList::Batt:
    case SettingList::LVC:
        break;
    }
    return 0;
}

} // namespace

bool hasLongCutoffList(int escType)
{
    return escType > 176;
}

bool hasShortCutoffList(int escType)
{
    return escType < 48;
}

bool hasWarnVoltage(int escType)
{
    return escType == 179 || escType == 180 || escType == 182 || escType == 225 || escType == 227;
}

bool hasAccelerationDelay(int escType)
{
    return escType >= 182 && escType <= 184;
}

std::optional<int> commandCode(SettingList which, int escType, bool nickel, int index)
{
    switch (which) {
    case SettingList::Batt:
        return index == 0 ? codebase::BatteryNickel : codebase::BatteryLithium + index;
    case SettingList::LVC:
        if (nickel)
            return codebase::NickelCutoff + index;
        if (hasLongCutoffList(escType)) {
            if (index < codebase::LowLithiumCutoffCount)
                return codebase::LowLithiumCutoff + index;
            return codebase::LithiumCutoff - codebase::LowLithiumCutoffCount + index;
        }
        if (hasShortCutoffList(escType))
            return codebase::LithiumCutoff + index;
        return std::nullopt;
    case SettingList::ACCN:
        if (!hasAccelerationDelay(escType))
            return std::nullopt;
        break;
    default:
        break;
    }
    return plainBase(which, escType) + index;
}

std::optional<int> listIndexOf(SettingList which, int escType, bool nickel, int code)
{
    switch (which) {
    case SettingList::Batt:
        return code == codebase::BatteryNickel ? 0 : code - codebase::BatteryLithium;
    case SettingList::LVC:
        if (nickel)
            return code - codebase::NickelCutoff;
        if (hasLongCutoffList(escType)) {
            // Codes above 3.2 V belong to the low voltages of the reverse block.
            if (code > HighestLithiumCutoff)
                return code - codebase::LowLithiumCutoff;
            return code - codebase::LithiumCutoff + codebase::LowLithiumCutoffCount;
        }
        if (hasShortCutoffList(escType))
            return code - codebase::LithiumCutoff;
        return std::nullopt;
    case SettingList::ACCN:
        if (!hasAccelerationDelay(escType))
            return std::nullopt;
        break;
    default:
        break;
    }
    return code - plainBase(which, escType);
}

std::string settingCaption(SettingList which, int escType)
{
    // English here; the front ends translate the captions in CaptionContext. Each is the caption
    // above a setting list: short and upper case.
    switch (which) {
    case SettingList::Brake:
        return QT_TRANSLATE_NOOP("Caption", "BRAKE");
    case SettingList::Batt:
        return QT_TRANSLATE_NOOP("Caption", "BATTERY");
    case SettingList::LVC:
        //: The battery voltage per cell at which the ESC cuts the motor.
        return QT_TRANSLATE_NOOP("Caption", "CUTOFF V/CELL");
    case SettingList::LVCAction:
        //: What the ESC does when the battery reaches the cutoff voltage.
        return QT_TRANSLATE_NOOP("Caption", "AUTOCUT MODE");
    case SettingList::SoftStart:
        return QT_TRANSLATE_NOOP("Caption", "SOFT START");
    case SettingList::Timing:
        return QT_TRANSLATE_NOOP("Caption", "TIMING MODE");
    case SettingList::Frequency:
        return hasWarnVoltage(escType) ? WarnVoltageCaption : FrequencyCaption;
    case SettingList::Reverse:
        return QT_TRANSLATE_NOOP("Caption", "MOTOR REVERSE");
    case SettingList::RPM:
        return QT_TRANSLATE_NOOP("Caption", "RPM CONTROL");
    case SettingList::ACCN:
        return QT_TRANSLATE_NOOP("Caption", "ACCELERATION DELAY");
    }
    return {};
}

} // namespace orvesc
