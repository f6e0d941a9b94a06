#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Step indices of DPI levels 0-7 that a profile reset gives a known sensor model; none for an
// unknown model, whose profiles keep their steps.
using DpiResetSteps = std::optional<std::array<uint16_t, 8>>;

DpiResetSteps FindDpiResetSteps(uint16_t sensorModel);
