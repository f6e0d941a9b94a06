#pragma once

#include "settings/Colour.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class LanguageTexts;
class ProfileSettings;
class SensorTables;

// What the page controls of the main window hold. RefreshPageValues fills it from the current
// profile (the control side of RefreshPages copies it into the controls); CollectPageValues
// writes the slider, switch and radio values back (CollectPages reads the controls into it).
struct PageValues {
    static constexpr int kLevels = 8;
    static constexpr int kSlots = 8;

    std::array<std::u16string, 16> buttonNames; // control 2013 + k

    std::array<bool, kLevels> levelEnabled{}; // switches 3260-3267
    int selectedDpiLevel = 2;
    std::array<uint32_t, kLevels> labelValue{}; // 3290 + i, in steps of 50 DPI
    std::array<Colour, kLevels> labelColour{};
    std::array<bool, kLevels> labelDisabled{};
    std::array<Colour, kLevels> levelColour{}; // 3270 + i
    std::array<uint16_t, kLevels> valueX{};    // 3300 + i
    std::array<uint16_t, kLevels> valueY{};

    uint32_t radioWord = 0x2802A0; // the process-wide radio group word
    // Shown flags of the polling controls 3030-3033, 3034-3040, 3142-3152.
    std::map<int, bool> pollingShown;

    std::u16string effectName; // selector 3120
    std::array<Colour, kSlots> slotColour{};
    std::array<bool, kSlots> slotChecked{};
    int speedStop = 0; // slider 3200
    std::u16string speedLabel;
    int brightnessStop = 0; // slider 3220
    std::u16string brightnessLabel;

    int debounceStop = 0;         // slider 3530
    std::map<int, bool> switches; // 3501, 3504, 3540, 3541, 3542, 2030
    int powerValue = 6;           // control 3500
    int powerWedge = 0;
    std::u16string powerLabel; // 3407
    int wheelSpeedStop = 0;    // slider 2041
    int pointerSpeedStop = 0;  // slider 2043
    int doubleClickStop = 0;   // slider 2044
};

inline constexpr Colour kSelectedLevelColour = 0x0000FF;
inline constexpr Colour kLevelColour = 0xB4B4B4;

// The power-down values of the dial's wedges.
inline constexpr std::array<int, 8> kPowerDownValues{1, 2, 3, 4, 5, 8, 10, 20};
std::optional<int> PowerWedgeOf(int value);

// `maxRateClass` is the class the mouse reported (1 until reported). Values not named by the
// profile (the radio word's other groups, a power value outside the list) stay as they are.
void RefreshPageValues(const ProfileSettings& profile, const SensorTables& sensor, int maxRateClass,
                       const LanguageTexts& texts, PageValues& values);

// Into the profile: switches, sliders, radios, the selected level and the lighting effects that
// share the hidden controls. Button functions, DPI values, colours and the polling rate stay.
void CollectPageValues(const PageValues& values, ProfileSettings& profile);
