#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FirmwareCommands.h"
#include "MouseEmulator.h"

namespace simtest {

// A command frame with the right checksum.
inline FrameBytes MakeFrame(uint8_t code, uint8_t packet, std::vector<uint8_t> payload = {},
                            uint8_t sequence = 1) {
    FrameBytes f{};
    f[0] = kCommandReport;
    f[1] = code;
    f[2] = sequence;
    f[3] = packet;
    std::copy_n(payload.begin(), std::min<size_t>(payload.size(), 27), f.begin() + 5);
    f[4] = FrameChecksum(f);
    return f;
}

inline std::vector<uint8_t> Iota(uint8_t first, size_t count) {
    std::vector<uint8_t> v(count);
    for (size_t i = 0; i < count; ++i)
        v[i] = static_cast<uint8_t>(first + i);
    return v;
}

// Collects what a model tells its transport.
struct EventRecorder {
    std::vector<HidDeviceModel::Interface> attached;
    std::vector<uint16_t> detached;
    std::vector<std::pair<uint16_t, std::vector<uint8_t>>> inputs;

    HidDeviceModel::Events Events() {
        HidDeviceModel::Events e;
        e.attached = [this](const HidDeviceModel::Interface& i) { attached.push_back(i); };
        e.detached = [this](uint16_t id) { detached.push_back(id); };
        e.input = [this](uint16_t id, std::vector<uint8_t> r) {
            inputs.emplace_back(id, std::move(r));
        };
        return e;
    }

    std::vector<std::vector<uint8_t>> InputsOn(uint16_t id) const {
        std::vector<std::vector<uint8_t>> found;
        for (const auto& [from, report] : inputs)
            if (from == id)
                found.push_back(report);
        return found;
    }
};

// Byte 1 of the reply to the next acknowledgement read; 0xEE when the read fails.
inline uint8_t ReadAck(MouseEmulator& mouse, uint16_t command) {
    const auto reply = mouse.GetFeature(command, kCommandReport, kFrameLength);
    return reply ? (*reply)[1] : 0xEE;
}

// Writes a frame and reads its acknowledgement as the program does; 0xEE when either fails.
inline uint8_t SendFrame(MouseEmulator& mouse, uint16_t command, const FrameBytes& frame) {
    return mouse.SetFeature(command, frame) ? ReadAck(mouse, command) : 0xEE;
}

// A mouse on the cable, its events recorded.
class CableMouse : public testing::Test {
  protected:
    void SetUp() override {
        mouse.SetEvents(events.Events());
        mouse.Plug(MouseConnection::Cable);
        command = *mouse.CommandInterface(MouseConnection::Cable);
    }

    MouseEmulator mouse;
    EventRecorder events;
    uint16_t command = 0;
};

} // namespace simtest
