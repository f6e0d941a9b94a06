#include "device/BlockImages.h"

#include "device/SensorTable.h"
#include "settings/ProfileSettings.h"
#include "settings/TextFormat.h"

namespace {

// Positions of the numeric pairs the commands read.
enum Pair : size_t {
    kMoveLightingOnOffMode = 15,
    kPowerDownTime = 16,
    kLiftDetectionHeight = 17,
    kKeyDebounce = 18,
    kMotionWakeup = 19,
    kAngleSnap = 20,
    kMotionSync = 21,
    kRippleControl = 22,
};

constexpr std::array<uint8_t, 6> kPollingCodes{0x08, 0x04, 0x02, 0x01, 0x11, 0x12};
constexpr uint8_t kFastestPollingCode = 0x14;
constexpr size_t kSentDpiLevels = 6;
constexpr size_t kRegisterBytes = 16; // six registers and four zero bytes
constexpr size_t kDirectionEffect = 2;

int64_t PairNumber(const ProfileSettings& profile, size_t pair) {
    return TextFormat::ParseDec(profile.GetPair(pair, 1));
}

uint8_t PairLowByte(const ProfileSettings& profile, size_t pair) {
    return static_cast<uint8_t>(PairNumber(profile, pair));
}

void PutRegisters(uint8_t* out, const std::array<uint16_t, 8>& steps, const SensorTables& sensor) {
    for (size_t level = 0; level < kSentDpiLevels; ++level) {
        const uint16_t reg = sensor.StepRegister(steps[level]);
        out[level * 2] = static_cast<uint8_t>(reg);
        out[level * 2 + 1] = static_cast<uint8_t>(reg >> 8);
    }
}

} // namespace

ButtonImage BuildButtonImage(const ProfileSettings& profile) {
    ButtonImage image{};
    for (size_t key = 0; key < ProfileSettings::kKeyCount; ++key)
        for (size_t b = 0; b < 3; ++b)
            image[key * 3 + b] = profile.Keys[key].Value.bytes[b];
    return image;
}

DpiImage BuildDpiImage(const ProfileSettings& profile, const SensorTables& sensor) {
    DpiImage image{};
    image[0] = profile.CurrentDPILevelValue;
    image[1] = profile.DPIOffOnFlagValue;
    PutRegisters(&image[2], profile.XYSettingX, sensor);
    PutRegisters(&image[2 + kRegisterBytes], profile.XYSettingY, sensor);
    return image;
}

DpiColourImage BuildDpiColourImage(const ProfileSettings& profile) {
    DpiColourImage image{};
    for (size_t level = 0; level < ProfileSettings::kDpiLevels; ++level) {
        const Colour c = profile.DPILevelIndication[level];
        image[level * 3] = static_cast<uint8_t>(c);
        image[level * 3 + 1] = static_cast<uint8_t>(c >> 8);
        image[level * 3 + 2] = static_cast<uint8_t>(c >> 16);
    }
    return image;
}

uint8_t PollingRateCode(uint8_t index) {
    return index < kPollingCodes.size() ? kPollingCodes[index] : kFastestPollingCode;
}

uint8_t BuildPollingRateImage(const ProfileSettings& profile) {
    return PollingRateCode(profile.PollingRateValue[0]);
}

uint8_t BuildLiftOffImage(const ProfileSettings& profile) {
    return PairNumber(profile, kLiftDetectionHeight) == 1 ? 1 : 2;
}

uint8_t BuildDebounceImage(const ProfileSettings& profile) {
    return PairLowByte(profile, kKeyDebounce);
}

LightingImage BuildLightingImage(const ProfileSettings& profile) {
    const LightingZone& zone = profile.Lighting1;
    const uint8_t effect = zone.ModeValue[0];
    // An effect index the tables do not hold is sent with the levels of none.
    const bool known = effect < LightingZone::kEffects;
    const unsigned brightness = known ? zone.Brightness[effect] : 0;
    const unsigned speed = known ? zone.Speed[effect] : 0;
    return {0, effect, static_cast<uint8_t>((brightness + 1) * 16 + (speed + 1) % 16),
            zone.Direction[kDirectionEffect]};
}

OptionImage BuildPowerImage(const ProfileSettings& profile) {
    return {PairLowByte(profile, kPowerDownTime), PairLowByte(profile, kMotionWakeup),
            PairLowByte(profile, kMoveLightingOnOffMode)};
}

OptionImage BuildMotionImage(const ProfileSettings& profile) {
    return {PairLowByte(profile, kAngleSnap), PairLowByte(profile, kMotionSync),
            PairLowByte(profile, kRippleControl)};
}
