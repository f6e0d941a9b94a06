#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Text shown for each virtual-key code 0-255; unnamed codes read "Undefined".
const std::array<std::u16string_view, 256>& KeyNameTable();

std::u16string_view KeyName(uint8_t code);
