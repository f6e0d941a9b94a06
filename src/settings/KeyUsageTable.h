#pragma once

#include <array>
#include <cstdint>

// USB HID keyboard usage of each virtual-key code 0-255; 0 means the key has none.
const std::array<uint8_t, 256>& KeyUsageTable();

uint8_t KeyUsage(uint8_t code);
