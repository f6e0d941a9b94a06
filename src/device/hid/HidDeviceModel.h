#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "device/hid/HidBus.h"

// A device that lives in software (the mouse emulator): the in-process transport and the
// virtual HID bus server both serve one of these. Interfaces are known by a 16-bit id that is
// never reused. A model is safe to call from several threads and may raise its events from
// inside its own calls or from any thread; a transport therefore never holds a lock of its own
// while it calls into the model.
class HidDeviceModel {
  public:
    struct Interface {
        uint16_t id = 0;
        HidInterfaceInfo info; // path is left empty: each transport names its own
    };

    // What the model tells its transport, from inside its own calls or from Advance().
    struct Events {
        std::function<void(const Interface&)> attached;
        std::function<void(uint16_t id)> detached;
        std::function<void(uint16_t id, std::vector<uint8_t> report)> input;
    };

    virtual ~HidDeviceModel() = default;

    virtual void SetEvents(Events events) = 0;
    // Present interfaces in ascending id order.
    virtual std::vector<Interface> Interfaces() const = 0;
    virtual bool SetFeature(uint16_t id, std::span<const uint8_t> report) = 0;
    virtual std::optional<std::vector<uint8_t>> GetFeature(uint16_t id, uint8_t reportId,
                                                           size_t length) = 0;
};
