#pragma once

#include <array>
#include <cstdint>

// One macro step, four bytes in file and memory order b0..b3.
struct MacroAction {
    std::array<uint8_t, 4> bytes{};

    uint8_t Code() const { return bytes[0]; }
    bool IsDelay() const { return bytes[0] < 8; } // displays read b0 0..7 as a delay
    bool IsRelease() const { return bytes[1] >= 0x80; }
    uint32_t DelayMs() const { return (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]; }

    static MacroAction Delay(uint32_t ms);
    static MacroAction Key(uint8_t code, bool release);

    friend bool operator==(const MacroAction&, const MacroAction&) = default;
};
