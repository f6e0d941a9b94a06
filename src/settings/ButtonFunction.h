#pragma once

#include <array>
#include <cstdint>

// The three bytes that tell the mouse what one button does; sent unchanged.
struct ButtonFunction {
    std::array<uint8_t, 3> bytes{};

    uint8_t Type() const { return bytes[0]; }
    friend bool operator==(const ButtonFunction&, const ButtonFunction&) = default;
};
