#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/Geometry.h"

struct DecodedImage {
    Size size;
    std::vector<uint32_t> rgb; // top-down 0x00RRGGBB; empty when the pixels are not decoded
};

// Reads the size from PNG (IHDR) and BMP headers, and the pixels of uncompressed 24 and 32 bit
// BMP files (bottom-up and top-down). Anything else, truncated or absurd: nothing.
std::optional<DecodedImage> DecodeImage(std::span<const uint8_t> bytes);
std::optional<DecodedImage> ReadImageFile(const std::u16string& path);
