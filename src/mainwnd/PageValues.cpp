#include "mainwnd/PageValues.h"

#include "device/SensorTable.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileSettings.h"
#include "settings/TextFormat.h"

#include <algorithm>

namespace {

// Setting pairs of the profile record.
enum Pair : size_t {
    DoubleClickSpeed = 4,
    PointerSpeed = 5,
    AccelerationEnable = 6,
    ScrollWheelSpeed = 7,
    ScrollWheelPageEnable = 8,
    MoveLightingOnOffMode = 15,
    PowerDownTime = 16,
    LiftDetectionHeight = 17,
    KeyDebounce = 18,
    MotionWakeup = 19,
    AngleSnap = 20,
    MotionSync = 21,
    RippleControl = 22,
};

// Radio groups of the main window's pages.
constexpr uint32_t kPollingListBits = 0x7F;
constexpr uint32_t kWheelModeBits = 0x180;
constexpr uint32_t kWheelPageBit = 0x100;
constexpr uint32_t kWheelLineBit = 0x80;
constexpr uint32_t kDirectionBits = 0x1800;
constexpr uint32_t kDirectionUpBit = 0x800;
constexpr uint32_t kDirectionDownBit = 0x1000;
constexpr uint32_t kPollingPictureBits = 0xF0000;
constexpr uint32_t kLiftOffBits = 0x300000;
constexpr uint32_t kLiftOffLowBit = 0x100000;
constexpr uint32_t kLiftOffHighBit = 0x200000;

// The effects that share the hidden speed, brightness and direction controls.
constexpr std::array<size_t, 8> kSharedEffects{0, 2, 3, 5, 6, 7, 8, 9};

int Number(const ProfileSettings& p, size_t pair) {
    return static_cast<int>(TextFormat::ParseDec(p.GetPair(pair, 1)));
}

uint32_t WithGroup(uint32_t word, uint32_t group, uint32_t bit) {
    return (word & ~group) | bit;
}

void RefreshDpi(const ProfileSettings& p, const SensorTables& sensor, PageValues& v) {
    v.selectedDpiLevel = p.CurrentDPILevelValue;
    const auto steps = sensor.DpiStepTable();
    for (int i = 0; i < PageValues::kLevels; ++i) {
        v.levelEnabled[i] = (p.DPIOffOnFlagValue >> i) & 1;
        const uint16_t x = p.XYSettingX[i];
        v.labelValue[i] = x < steps.size() ? steps[x] : 0;
        v.labelColour[i] = i == v.selectedDpiLevel ? kSelectedLevelColour : kLevelColour;
        v.labelDisabled[i] = !v.levelEnabled[i];
        v.levelColour[i] = p.DPILevelIndication[i];
        v.valueX[i] = x;
        v.valueY[i] = p.XYSettingY[i];
    }
}

void ShowRange(PageValues& v, int first, int last, bool shown) {
    for (int id = first; id <= last; ++id)
        v.pollingShown[id] = shown;
}

void RefreshPolling(const ProfileSettings& p, int maxRateClass, PageValues& v) {
    const int index = p.PollingRateValue[0];
    const bool list = maxRateClass == 8 || maxRateClass == 4;
    if (list) {
        const int last = maxRateClass == 8 ? 6 : 5;
        v.radioWord = WithGroup(v.radioWord, kPollingListBits, 1u << std::min(index, last));
        ShowRange(v, 3034, 3040, true);
        ShowRange(v, 3146, 3152, true);
        v.pollingShown[3040] = v.pollingShown[3152] = maxRateClass == 8;
        ShowRange(v, 3030, 3033, false);
        ShowRange(v, 3142, 3145, false);
        return;
    }
    const int picture = std::min(index, 3);
    v.radioWord = WithGroup(v.radioWord, kPollingPictureBits, 0x10000u << picture);
    ShowRange(v, 3034, 3040, false);
    ShowRange(v, 3146, 3152, false);
    ShowRange(v, 3030, 3033, true);
    for (int i = 0; i < 4; ++i)
        v.pollingShown[3142 + i] = i == picture;
}

void RefreshLighting(const ProfileSettings& p, PageValues& v) {
    const LightingZone& zone = p.Lighting1;
    const size_t e = std::min<size_t>(zone.ModeValue[0], LightingZone::kEffects - 1);
    v.effectName = zone.Name;
    for (int i = 0; i < PageValues::kSlots; ++i) {
        v.slotColour[i] = zone.FixedColor[e][i];
        v.slotChecked[i] = zone.ColorSelected[e][i] != 0;
    }
    v.speedStop = zone.Speed[e];
    v.speedLabel = TextFormat::Dec(v.speedStop + 1);
    v.brightnessStop = zone.Brightness[e];
    v.brightnessLabel = TextFormat::Dec((v.brightnessStop + 1) * 25) + u"%";
    v.radioWord = WithGroup(v.radioWord, kDirectionBits,
                            zone.Direction[e] != 0 ? kDirectionUpBit : kDirectionDownBit);
}

void RefreshPerformance(const ProfileSettings& p, const LanguageTexts& texts, PageValues& v) {
    v.radioWord = WithGroup(v.radioWord, kLiftOffBits,
                            Number(p, LiftDetectionHeight) == 1 ? kLiftOffLowBit : kLiftOffHighBit);
    v.debounceStop = Number(p, KeyDebounce);
    v.radioWord = WithGroup(v.radioWord, kWheelModeBits,
                            Number(p, ScrollWheelPageEnable) == 1 ? kWheelPageBit : kWheelLineBit);
    v.switches[3501] = Number(p, MoveLightingOnOffMode) == 1;
    v.switches[3504] = Number(p, MotionWakeup) == 1;
    v.switches[3540] = Number(p, AngleSnap) == 1;
    v.switches[3541] = Number(p, MotionSync) == 1;
    v.switches[3542] = Number(p, RippleControl) == 1;
    v.powerValue = Number(p, PowerDownTime);
    if (const auto wedge = PowerWedgeOf(v.powerValue))
        v.powerWedge = *wedge;
    v.powerLabel = texts.Get(266) + TextFormat::Dec(v.powerValue) + texts.Get(267);
    v.wheelSpeedStop = Number(p, ScrollWheelSpeed);
    v.pointerSpeedStop = Number(p, PointerSpeed);
    v.doubleClickStop = Number(p, DoubleClickSpeed);
    v.switches[2030] = Number(p, AccelerationEnable) == 1;
}

bool Switch(const PageValues& v, int id) {
    const auto it = v.switches.find(id);
    return it != v.switches.end() && it->second;
}

} // namespace

std::optional<int> PowerWedgeOf(int value) {
    const auto it = std::find(kPowerDownValues.begin(), kPowerDownValues.end(), value);
    if (it == kPowerDownValues.end())
        return std::nullopt;
    return static_cast<int>(it - kPowerDownValues.begin());
}

void RefreshPageValues(const ProfileSettings& profile, const SensorTables& sensor, int maxRateClass,
                       const LanguageTexts& texts, PageValues& values) {
    for (size_t k = 0; k < values.buttonNames.size(); ++k)
        values.buttonNames[k] = profile.Keys[k].Name;
    RefreshDpi(profile, sensor, values);
    RefreshPolling(profile, maxRateClass, values);
    RefreshLighting(profile, values);
    RefreshPerformance(profile, texts, values);
}

void CollectPageValues(const PageValues& v, ProfileSettings& p) {
    p.SetScrollWheelPageEnable((v.radioWord & kWheelModeBits) == kWheelPageBit ? 1 : 0);
    p.SetMoveLightingOnOffMode(Switch(v, 3501));
    p.SetMotionWakeup(Switch(v, 3504));
    p.SetAngleSnap(Switch(v, 3540));
    p.SetMotionSync(Switch(v, 3541));
    p.SetRippleControl(Switch(v, 3542));
    p.SetPowerDownTime(v.powerValue);
    p.SetScrollWheelSpeed(v.wheelSpeedStop);
    // The page has no tilt control: tilt follows the wheel.
    p.SetTiltSpeed(v.wheelSpeedStop);
    p.SetPointerSpeed(v.pointerSpeedStop);
    p.SetDoubleClickSpeed(v.doubleClickStop);
    p.CurrentDPILevelValue = static_cast<uint8_t>(v.selectedDpiLevel);
    uint8_t mask = 0;
    for (int i = 0; i < PageValues::kLevels; ++i)
        mask |= v.levelEnabled[i] ? uint8_t(1u << i) : uint8_t(0);
    p.DPIOffOnFlagValue = mask;
    LightingZone& zone = p.Lighting1;
    const size_t current = std::min<size_t>(zone.ModeValue[0], LightingZone::kEffects - 1);
    const uint8_t up = (v.radioWord & kDirectionBits) == kDirectionUpBit ? 1 : 0;
    auto store = [&](size_t e) {
        zone.Speed[e] = static_cast<uint8_t>(v.speedStop);
        zone.Brightness[e] = static_cast<uint8_t>(v.brightnessStop);
        zone.Direction[e] = up;
    };
    store(current);
    for (size_t e : kSharedEffects)
        store(e);
    p.SetAccelerationEnable(Switch(v, 2030));
    p.SetLiftDetectionHeight((v.radioWord & kLiftOffBits) == kLiftOffLowBit ? 1 : 2);
    p.SetKeyDebounce(v.debounceStop);
}
