#pragma once

#include <array>
#include <cstdint>
#include <vector>

// One macro slot as the MacroData frames filled it: step bytes in chunk order.
struct MacroSlot {
    bool written = false;
    uint8_t chunkCount = 0; // the count the frames announced
    uint8_t chunksReceived = 0;
    std::vector<uint8_t> steps;
};

inline constexpr size_t kMacroSlots = 16; // slot 0 is never used; frames name 1 to 15

// What the mouse remembers from the command frames it took.
struct FirmwareState {
    std::array<std::array<uint8_t, 3>, 16> buttons{};
    std::array<uint16_t, 6> dpiX{};
    std::array<uint16_t, 6> dpiY{};
    uint8_t dpiLevel = 0;
    uint8_t dpiFlags = 0;
    std::array<std::array<uint8_t, 3>, 8> dpiColours{};
    uint8_t pollingCode = 0x01;
    uint8_t liftOff = 1;
    uint8_t lightingEffect = 1;
    uint8_t lightingLevels = 0x11; // brightness + 1 high, speed + 1 low
    uint8_t lightingDirection = 0;
    std::array<uint8_t, 3> power{};  // power-down time, motion wake-up, lighting on movement
    std::array<uint8_t, 3> motion{}; // angle snapping, motion sync, ripple control
    uint8_t debounce = 0;
    uint8_t profile = 0;
    std::array<MacroSlot, kMacroSlots> macros{};
    uint32_t macroBegins = 0;
    uint32_t pairingRequests = 0;
    uint32_t factoryResets = 0;
};
