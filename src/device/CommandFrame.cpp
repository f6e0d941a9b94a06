#include "device/CommandFrame.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "device/DeviceClock.h"
#include "device/hid/HidBus.h"

namespace {

constexpr uint8_t kPairingReport = 0xBC;
constexpr uint8_t kPairingCode = 0x03;
constexpr size_t kPairingLength = 8;
constexpr size_t kChecksumByte = 4;

} // namespace

uint8_t CommandFrame::Checksum(std::span<const uint8_t, kLength> frame) {
    const unsigned sum = std::accumulate(frame.begin(), frame.end(), 0u) - frame[kChecksumByte];
    return static_cast<uint8_t>(sum);
}

CommandFrame CommandFrame::Build(CommandCode code, uint8_t sequence, uint8_t packet,
                                 std::span<const uint8_t> payload) {
    CommandFrame frame;
    frame.bytes[0] = kReportId;
    frame.bytes[1] = static_cast<uint8_t>(code);
    frame.bytes[2] = sequence;
    frame.bytes[3] = packet;
    std::copy_n(payload.begin(), std::min(payload.size(), kPayloadLength),
                frame.bytes.begin() + kPayloadOffset);
    frame.bytes[kChecksumByte] = Checksum(frame.bytes);
    return frame;
}

CommandSender::CommandSender(DeviceClock& clock, Route route)
    : clock_(clock), route_(std::move(route)) {}

bool CommandSender::Send(CommandCode code, uint8_t packet, std::span<const uint8_t> payload) {
    return Transfer(code, packet, payload, kAckWaitMs);
}

bool CommandSender::SendMacroChunk(uint8_t packet, std::span<const uint8_t> payload) {
    return Transfer(CommandCode::MacroData, packet, payload, kMacroAckWaitMs);
}

bool CommandSender::Transfer(CommandCode code, uint8_t packet, std::span<const uint8_t> payload,
                             uint32_t ackWaitMs) {
    HidHandle* handle = route_();
    if (!handle)
        return false;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (Attempt(*handle, code, packet, payload, ackWaitMs))
            return true;
        clock_.SleepMs(kRetryWaitMs);
    }
    ++givenUp_;
    return false;
}

bool CommandSender::Attempt(HidHandle& handle, CommandCode code, uint8_t packet,
                            std::span<const uint8_t> payload, uint32_t ackWaitMs) {
    const CommandFrame frame = CommandFrame::Build(code, sequence_++, packet, payload);
    // The lighting write carries one zero byte more than the frame.
    std::vector<uint8_t> wire(frame.bytes.begin(), frame.bytes.end());
    if (code == CommandCode::SetLighting)
        wire.push_back(0);
    handle.SetFeature(wire);
    commandSent_ = true;
    ++framesWritten_;
    clock_.SleepMs(ackWaitMs);
    const auto reply = handle.GetFeature(CommandFrame::kReportId, CommandFrame::kLength);
    return reply && reply->size() > 1 && (*reply)[1] != 0;
}

bool RequestPairing(HidHandle* receiver) {
    if (!receiver)
        return false;
    std::array<uint8_t, kPairingLength> report{};
    report[0] = kPairingReport;
    report[1] = kPairingCode;
    return receiver->SetFeature(report);
}
