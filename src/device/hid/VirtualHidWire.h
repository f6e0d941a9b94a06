#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// Messages of the virtual HID bus: length u32 (bytes after it), type u8, body; little-endian.
namespace VirtualHid {

constexpr size_t kMaxMessageLength = 4096; // counts the type byte and the body

enum class Type : uint8_t {
    Attach = 0x01,
    Detach = 0x02,
    Input = 0x03,
    Reply = 0x04,
    Ready = 0x05,
    Open = 0x10,
    Close = 0x11,
    SetFeature = 0x12,
    GetFeature = 0x13,
};

struct Attach {
    uint16_t id = 0;
    uint16_t vendor = 0;
    uint16_t product = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputLength = 0;
    uint16_t featureLength = 0;
    std::string name; // UTF-8
    bool operator==(const Attach&) const = default;
};
struct Detach {
    uint16_t id = 0;
    bool operator==(const Detach&) const = default;
};
struct Input {
    uint16_t id = 0;
    std::vector<uint8_t> report;
    bool operator==(const Input&) const = default;
};
struct Reply {
    uint32_t seq = 0;
    uint8_t status = 0; // 0 success
    std::vector<uint8_t> data;
    bool operator==(const Reply&) const = default;
};
struct Ready {
    bool operator==(const Ready&) const = default;
};
struct Open {
    uint32_t seq = 0;
    uint16_t id = 0;
    bool operator==(const Open&) const = default;
};
struct Close {
    uint16_t id = 0;
    bool operator==(const Close&) const = default;
};
struct SetFeature {
    uint32_t seq = 0;
    uint16_t id = 0;
    std::vector<uint8_t> report;
    bool operator==(const SetFeature&) const = default;
};
struct GetFeature {
    uint32_t seq = 0;
    uint16_t id = 0;
    uint8_t reportId = 0;
    uint16_t length = 0;
    bool operator==(const GetFeature&) const = default;
};

using Message =
    std::variant<Attach, Detach, Input, Reply, Ready, Open, Close, SetFeature, GetFeature>;

// The framed bytes of one message; empty when it would exceed kMaxMessageLength (an ATTACH name
// is shortened to fit instead).
std::vector<uint8_t> Encode(const Message& message);

// Fed with bytes as they arrive, yields whole messages. Unknown types are skipped; a message
// over kMaxMessageLength, an empty one or a known one with a short body is a protocol error,
// after which the decoder yields nothing more.
class Decoder {
  public:
    void Feed(std::span<const uint8_t> bytes);
    std::optional<Message> Next();
    bool Failed() const { return failed_; }

  private:
    std::vector<uint8_t> buffer_;
    size_t start_ = 0;
    bool failed_ = false;
};

} // namespace VirtualHid
