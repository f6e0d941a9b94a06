#include "settings/ProfileSettings.h"

#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

struct PairDefault {
    const char16_t* key;
    const char16_t* value;
};

// Pair 0, the profile name, is filled from the index.
const PairDefault kPairDefaults[ProfileSettings::kPairCount] = {
    {u"ProfileName", u""},
    {u"GameFile0", u""},
    {u"GameFile1", u""},
    {u"GameFile2", u""},
    {u"DoubleClickSpeed", u"6"},
    {u"PointerSpeed", u"5"},
    {u"AccelerationEnable", u"1"},
    {u"ScrollWheelSpeed", u"2"},
    {u"ScrollWheelPageEnable", u"0"},
    {u"TiltSpeed", u"2"},
    {u"Sensitivity_X", u"4"},
    {u"Sensitivity_Y", u"4"},
    {u"XYSynchronous", u"1"},
    {u"X_DPI", u"1"},
    {u"Y_DPI", u"1"},
    {u"MoveLightingOnOffMode", u"1"},
    {u"PowerDownTime", u"20"},
    {u"LiftDetectionHeight", u"2"},
    {u"KeyDebounce", u"2"},
    {u"MotionWakeup", u"1"},
    {u"AngleSnap", u"0"},
    {u"MotionSync", u"1"},
    {u"RippleControl", u"0"},
};

constexpr unsigned kProfileNameText = 85;

struct KeyDefault {
    int text; // language text number, or -1 for the literal name
    const char16_t* name;
    ButtonFunction value;
};

const KeyDefault kKeyDefaults[ProfileSettings::kKeyCount] = {
    {20, u"", {{0x10, 0x01, 0x00}}},  {21, u"", {{0x10, 0x02, 0x00}}},
    {22, u"", {{0x10, 0x04, 0x00}}},  {40, u"", {{0x40, 0x02, 0x00}}},
    {41, u"", {{0x40, 0x03, 0x00}}},  {26, u"", {{0x30, 0x10, 0x02}}},
    {75, u"", {{0x80, 0x94, 0x01}}},  {-1, u"WIN+D", {{0x70, 0x08, 0x07}}},
    {-1, u"2", {{0x70, 0x00, 0x1F}}}, {-1, u"1", {{0x70, 0x00, 0x1E}}},
    {23, u"", {{0x10, 0x10, 0x00}}},  {-1, u"4", {{0x70, 0x00, 0x21}}},
    {-1, u"3", {{0x70, 0x00, 0x20}}}, {24, u"", {{0x10, 0x08, 0x00}}},
    {-1, u"6", {{0x70, 0x00, 0x23}}}, {-1, u"5", {{0x70, 0x00, 0x22}}},
};

struct EffectColours {
    size_t effect;
    size_t count;
    Colour colours[LightingZone::kSlots];
};

// Slots listed here are also the selected ones.
const EffectColours kEffectColours[] = {
    {4, 2, {Rgb(0x00, 0xFF, 0x00), Rgb(0xFA, 0x00, 0x6A)}},
    {5,
     7,
     {Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0x00, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF),
      Rgb(0xFF, 0xFF, 0x00), Rgb(0xFF, 0x00, 0xFF), Rgb(0xFF, 0xFF, 0xFF)}},
    {6, 1, {Rgb(0xFF, 0x00, 0xFF)}},
    {8,
     8,
     {Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0xFF, 0x00),
      Rgb(0x00, 0xFF, 0xFF), Rgb(0xFA, 0x00, 0xFA), Rgb(0xFF, 0xFF, 0xFF), Rgb(0xFA, 0x46, 0xFF)}},
};

// Effect 10 is left alone by a reset.
constexpr size_t kResetEffects = 10;
constexpr size_t kDirectionalEffect = 2;

const Colour kLevelColours[ProfileSettings::kDpiLevels] = {
    Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0x00, 0xFF), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0xE2, 0x6B, 0x0A), Rgb(0xFF, 0xFF, 0xFF),
};

} // namespace

void ProfileSettings::Reset(unsigned index, const LanguageTexts& texts,
                            const DpiResetSteps& steps) {
    ResetPairs(index, texts);
    ResetKeys(texts);
    PollingRateName = u"500HZ";
    PollingRateValue = {0x02, 0x00, 0x00};
    ResetLighting(texts);
    ResetDpi(steps);
}

void ProfileSettings::ResetPairs(unsigned index, const LanguageTexts& texts) {
    for (size_t i = 0; i < kPairCount; ++i)
        SettingPairs[i] = {kPairDefaults[i].key, kPairDefaults[i].value};
    SettingPairs[0].value =
        index < 5 ? texts.Get(kProfileNameText + index) : u"Profile" + TextFormat::Dec(index + 1);
}

void ProfileSettings::ResetKeys(const LanguageTexts& texts) {
    for (size_t i = 0; i < kKeyCount; ++i) {
        const KeyDefault& d = kKeyDefaults[i];
        KeyAssignment& key = Keys[i];
        key.Name = d.text >= 0 ? texts.Get(static_cast<size_t>(d.text)) : d.name;
        key.URL.clear();
        key.Value = d.value;
        key.MacroKeyIndex = 0;
        const MacroRecord empty;
        key.AssignMacro(&empty);
    }
}

void ProfileSettings::ResetLighting(const LanguageTexts& texts) {
    Lighting1.OffOn = 1;
    Lighting1.Name = texts.Get(101);
    Lighting1.ModeValue = {0x02, 0x00, 0x00};
    for (size_t e = 0; e < kResetEffects; ++e) {
        Lighting1.Speed[e] = 1;
        Lighting1.Brightness[e] = 3;
        Lighting1.Direction[e] = e == kDirectionalEffect ? 1 : 0;
        Lighting1.ColorSelected[e].fill(0);
        Lighting1.FixedColor[e].fill(0);
    }
    for (const auto& entry : kEffectColours)
        for (size_t s = 0; s < entry.count; ++s) {
            Lighting1.ColorSelected[entry.effect][s] = 1;
            Lighting1.FixedColor[entry.effect][s] = entry.colours[s];
        }
    Lighting2 = {0, texts.Get(100), {0x01, 0x00, 0x00}, 0, 0, 0};
}

void ProfileSettings::ResetDpi(const DpiResetSteps& steps) {
    DPIOffOnFlagValue = 0x3F;
    if (steps) {
        XYSettingX = *steps;
        XYSettingY = *steps;
    }
    CurrentDPILevelValue = 1;
    std::copy(std::begin(kLevelColours), std::end(kLevelColours), DPILevelIndication.begin());
    AngleSnapValue = 0;
    LiftDetectionValue = 1;
}

std::u16string ProfileSettings::GetPair(size_t index, int part) const {
    if (index >= kPairCount)
        return {};
    return part == 0 ? SettingPairs[index].key : SettingPairs[index].value;
}

KeyAssignment* ProfileSettings::GetKey(size_t index) {
    return index < kKeyCount ? &Keys[index] : nullptr;
}

const KeyAssignment* ProfileSettings::GetKey(size_t index) const {
    return index < kKeyCount ? &Keys[index] : nullptr;
}

void ProfileSettings::SetPairNumber(size_t index, int value) {
    SettingPairs[index].value = TextFormat::Dec(value);
}
