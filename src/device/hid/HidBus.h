#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One HID interface as the bus enumerates it. Report lengths count the report id byte, as the
// Windows HID capabilities do, so the mouse's status interface has an input length of 32.
struct HidInterfaceInfo {
    std::string path;
    uint16_t vendor = 0;
    uint16_t product = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportLength = 0;
    uint16_t featureReportLength = 0;
    std::string name;
};

// An open interface. SetFeature and GetFeature are called from one thread at a time; ReadInput
// blocks on its own thread, and Cancel may be called from any other thread to end that read.
class HidHandle {
  public:
    virtual ~HidHandle() = default;

    // report[0] is the report id; the length is what goes on the wire.
    virtual bool SetFeature(std::span<const uint8_t> report) = 0;
    // Returns exactly `length` bytes, byte 0 the report id, or nothing on failure.
    virtual std::optional<std::vector<uint8_t>> GetFeature(uint8_t reportId, size_t length) = 0;
    // Blocks until one input report arrives (byte 0 its id, at most `length` bytes). Nothing
    // means the device went away, the handle was cancelled, or the read failed: the reader ends.
    virtual std::optional<std::vector<uint8_t>> ReadInput(size_t length) = 0;
    // Ends a blocking ReadInput on another thread; later reads fail at once.
    virtual void Cancel() = 0;
};

enum class HidChange { Arrival, Removal };

// The machine's HID interfaces, in enumeration order: the position in Enumerate() is the index
// the device logic keeps.
class HidBus {
  public:
    using ChangeListener = std::function<void(HidChange)>;

    virtual ~HidBus() = default;

    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // Read and write, shared; nothing when the path is gone or cannot be opened.
    virtual std::unique_ptr<HidHandle> Open(const std::string& path) = 0;
    // Arrival and removal notifications; the listener may be called on any thread and must hand
    // the news to the UI thread itself. One listener; a new one replaces the old.
    virtual void SetChangeListener(ChangeListener listener) = 0;
};
