#pragma once

#include "settings/Colour.h"
#include "settings/DpiResetSteps.h"
#include "settings/KeyAssignment.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class LanguageTexts;


struct TextPair {
    std::u16string key;
    std::u16string value;
};

struct LightingZone {
    static constexpr size_t kEffects = 11;
    static constexpr size_t kSlots = 10;

    uint8_t OffOn = 0;
    std::u16string Name;
    std::array<uint8_t, 3> ModeValue{};
    std::array<uint8_t, kEffects> Speed{};
    std::array<uint8_t, kEffects> Brightness{};
    std::array<uint8_t, kEffects> Direction{};
    std::array<std::array<uint8_t, kSlots>, kEffects> ColorSelected{};
    std::array<std::array<Colour, kSlots>, kEffects> FixedColor{};
};

// The second zone is only reset and stored.
struct SimpleLightingZone {
    uint8_t OffOn = 0;
    std::u16string Name;
    std::array<uint8_t, 3> ModeValue{};
    uint8_t Speed = 0;
    uint8_t Brightness = 0;
    Colour FixedColor = 0;
};

// One profile of the mouse.
class ProfileSettings {
  public:
    static constexpr size_t kPairCount = 23;
    static constexpr size_t kKeyCount = 16;
    static constexpr size_t kDpiLevels = 8;

    std::array<TextPair, kPairCount> SettingPairs;
    std::array<KeyAssignment, kKeyCount> Keys;
    std::u16string PollingRateName;
    std::array<uint8_t, 3> PollingRateValue{};
    LightingZone Lighting1;
    SimpleLightingZone Lighting2;
    uint8_t DPIOffOnFlagValue = 0;
    std::array<uint16_t, kDpiLevels> XYSettingX{};
    std::array<uint16_t, kDpiLevels> XYSettingY{};
    uint8_t CurrentDPILevelValue = 0;
    std::array<Colour, kDpiLevels> DPILevelIndication{};
    uint8_t AngleSnapValue = 0;
    uint8_t LiftDetectionValue = 0;

    // The index only chooses the default profile name.
    void Reset(unsigned index, const LanguageTexts& texts, const DpiResetSteps& steps);
    // `steps` are those of the current sensor model; without them the step indices stay.
    void ResetDpi(const DpiResetSteps& steps);

    // Key (part 0) or value (part 1); empty for an index of 23 or more.
    std::u16string GetPair(size_t index, int part) const;
    KeyAssignment* GetKey(size_t index);
    const KeyAssignment* GetKey(size_t index) const;

    std::u16string GetPollingRateName() const { return PollingRateName; }
    std::u16string GetLighting1Name() const { return Lighting1.Name; }
    std::u16string GetLighting2Name() const { return Lighting2.Name; }

    void SetDoubleClickSpeed(int v) { SetPairNumber(4, v); }
    void SetPointerSpeed(int v) { SetPairNumber(5, v); }
    void SetAccelerationEnable(int v) { SetPairNumber(6, v); }
    void SetScrollWheelSpeed(int v) { SetPairNumber(7, v); }
    void SetScrollWheelPageEnable(int v) { SetPairNumber(8, v); }
    void SetTiltSpeed(int v) { SetPairNumber(9, v); }
    void SetMoveLightingOnOffMode(int v) { SetPairNumber(15, v); }
    void SetPowerDownTime(int v) { SetPairNumber(16, v); }
    void SetLiftDetectionHeight(int v) { SetPairNumber(17, v); }
    void SetKeyDebounce(int v) { SetPairNumber(18, v); }
    void SetMotionWakeup(int v) { SetPairNumber(19, v); }
    void SetAngleSnap(int v) { SetPairNumber(20, v); }
    void SetMotionSync(int v) { SetPairNumber(21, v); }
    void SetRippleControl(int v) { SetPairNumber(22, v); }

  private:
    void SetPairNumber(size_t index, int value);
    void ResetPairs(unsigned index, const LanguageTexts& texts);
    void ResetKeys(const LanguageTexts& texts);
    void ResetLighting(const LanguageTexts& texts);
};
