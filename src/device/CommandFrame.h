#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

class DeviceClock;
class HidHandle;

enum class CommandCode : uint8_t {
    SetButtonTable = 0x01,
    SetDpiLevels = 0x02,
    SetDpiColours = 0x03,
    SetPollingRate = 0x04,
    SetLiftOff = 0x05,
    SetLighting = 0x06,
    SetPowerOptions = 0x07,
    SetMotionOptions = 0x08,
    SetDebounce = 0x09,
    SwitchProfile = 0x0A,
    FactoryReset = 0x0F,
    MacroData = 0x10,
    MacroBegin = 0x11,
};

// Packet byte of single-packet commands and of the two packets of two-packet commands.
inline constexpr uint8_t kSinglePacket = 0x01;
inline constexpr uint8_t kFirstOfTwo = 0x02;
inline constexpr uint8_t kSecondOfTwo = 0x12;

// Feature report 6: id, command, sequence, packet byte, checksum, 27 payload bytes.
struct CommandFrame {
    static constexpr uint8_t kReportId = 0x06;
    static constexpr size_t kLength = 32;
    static constexpr size_t kPayloadOffset = 5;
    static constexpr size_t kPayloadLength = kLength - kPayloadOffset;

    std::array<uint8_t, kLength> bytes{};

    // Payload bytes past 27 are dropped; the checksum is filled in.
    static CommandFrame Build(CommandCode code, uint8_t sequence, uint8_t packet,
                              std::span<const uint8_t> payload);
    // Low eight bits of the sum of all bytes, byte 4 counted as 0.
    static uint8_t Checksum(std::span<const uint8_t, kLength> frame);
};

// One acknowledged transfer at a time: each attempt takes a new sequence number, is written,
// waited for and read back; byte 1 of the reply not 0 is the acknowledgement. Four attempts,
// then the frame is given up. The handle is chosen by `route` afresh for every transfer.
class CommandSender {
  public:
    using Route = std::function<HidHandle*()>;

    static constexpr int kAttempts = 4;
    static constexpr uint32_t kAckWaitMs = 60;
    static constexpr uint32_t kMacroAckWaitMs = 120;
    static constexpr uint32_t kRetryWaitMs = 60;

    CommandSender(DeviceClock& clock, Route route);

    // A single-packet or one packet of a two-packet command. False when no handle is open
    // (nothing is written) or no attempt was acknowledged.
    bool Send(CommandCode code, uint8_t packet, std::span<const uint8_t> payload);
    // MacroData chunks wait 120 ms before the acknowledgement is read.
    bool SendMacroChunk(uint8_t packet, std::span<const uint8_t> payload);
    bool HasRoute() const { return route_() != nullptr; }

    // The counter starts at 1 and wraps from 255 to 0.
    uint8_t NextSequence() const { return sequence_; }
    void SetNextSequence(uint8_t sequence) { sequence_ = sequence; }

    // Set whenever a frame is written; the synchronisation reads and clears it.
    bool CommandSent() const { return commandSent_; }
    void ClearCommandSent() { commandSent_ = false; }

    // Frames written since construction, repeats included, and transfers given up.
    uint64_t FramesWritten() const { return framesWritten_; }
    uint64_t TransfersGivenUp() const { return givenUp_; }
    DeviceClock& Clock() { return clock_; }

  private:
    bool Transfer(CommandCode code, uint8_t packet, std::span<const uint8_t> payload,
                  uint32_t ackWaitMs);
    bool Attempt(HidHandle& handle, CommandCode code, uint8_t packet,
                 std::span<const uint8_t> payload, uint32_t ackWaitMs);

    DeviceClock& clock_;
    Route route_;
    uint8_t sequence_ = 1;
    bool commandSent_ = false;
    uint64_t framesWritten_ = 0;
    uint64_t givenUp_ = 0;
};

// Feature report 0xBC, 8 bytes, to the receiver only: no wait, no acknowledgement, no repeat.
// False when there is no receiver handle or the write failed.
bool RequestPairing(HidHandle* receiver);
