#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Geometry.h"

// Writes top-down 0x00RRGGBB pixels as an 8-bit RGB PNG; false when the file cannot be written
// or the pixels do not fill the size.
bool WritePng(const std::string& path, Size size, const std::vector<uint32_t>& rgb);
