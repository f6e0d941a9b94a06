#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

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

} // namespace simtest
