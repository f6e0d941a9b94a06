#pragma once

#include <cstdint>

// The platform's colour reference: red in bits 0-7, green 8-15, blue 16-23 (0x00BBGGRR).
using Colour = uint32_t;

constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}
