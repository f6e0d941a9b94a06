#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FirmwareState.h"

// Command frames are feature report 6, 32 bytes; the pairing request is report 0xBC.
inline constexpr size_t kFrameLength = 32;
inline constexpr uint8_t kCommandReport = 0x06;
inline constexpr uint8_t kPairingReport = 0xBC;
inline constexpr uint8_t kPairingCode = 0x03;

using FrameBytes = std::array<uint8_t, kFrameLength>;

// Low eight bits of the sum of the frame's bytes, byte 4 counted as 0.
uint8_t FrameChecksum(std::span<const uint8_t, kFrameLength> frame);

// "SetButtonTable", ...; "Unknown" for a code the firmware does not know.
std::string_view CommandName(uint8_t code);

// 1 or 2 packets; 0 for an unknown code.
int CommandPackets(uint8_t code);

// Applies a complete command (for two-packet commands both packets, else `second` is
// `first`). Returns empty when the firmware took it, otherwise why it refused.
std::string ApplyCommand(FirmwareState& state, const FrameBytes& first, const FrameBytes& second);
