#pragma once

#include <array>
#include <cstdint>

class ProfileSettings;
class SensorTables;

// The bytes of each settings block as the commands send them, built from one profile. Equal
// images mean the mouse already holds the block.
using ButtonImage = std::array<uint8_t, 48>;
// Current level, enable mask, X registers of levels 0-5 and four zeros, then Y likewise.
using DpiImage = std::array<uint8_t, 34>;
using DpiColourImage = std::array<uint8_t, 24>;
// Payload bytes 5 to 8 of SetLighting.
using LightingImage = std::array<uint8_t, 4>;
using OptionImage = std::array<uint8_t, 3>;

ButtonImage BuildButtonImage(const ProfileSettings& profile);
DpiImage BuildDpiImage(const ProfileSettings& profile, const SensorTables& sensor);
DpiColourImage BuildDpiColourImage(const ProfileSettings& profile);
uint8_t PollingRateCode(uint8_t pollingRateIndex);
uint8_t BuildPollingRateImage(const ProfileSettings& profile);
uint8_t BuildLiftOffImage(const ProfileSettings& profile);
uint8_t BuildDebounceImage(const ProfileSettings& profile);
LightingImage BuildLightingImage(const ProfileSettings& profile);
// Power-down time, motion wake-up, lighting on movement.
OptionImage BuildPowerImage(const ProfileSettings& profile);
// Angle snapping, motion sync, ripple control.
OptionImage BuildMotionImage(const ProfileSettings& profile);
