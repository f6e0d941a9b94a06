#include "device/hid/HidReportDescriptor.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : uint8_t { kInput = 8, kOutput = 9, kCollection = 10, kFeature = 11, kEnd = 12 };
enum GlobalTag : uint8_t {
    kUsagePage = 0,
    kReportSize = 7,
    kReportId = 8,
    kReportCount = 9,
    kPush = 10,
    kPop = 11,
};
constexpr uint8_t kUsage = 0;
constexpr uint8_t kLongItem = 0xFE;
constexpr size_t kMaxStack = 32;
constexpr uint64_t kMaxReportBits = 8u * 0xFFFE; // leaves room for the id byte

struct Globals {
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

struct Item {
    uint8_t type;
    uint8_t tag;
    uint8_t size;
    uint32_t value;
};

class Parser {
  public:
    explicit Parser(std::span<const uint8_t> d) : d_(d) {}

    std::optional<HidReportDescriptor> Run() {
        while (pos_ < d_.size()) {
            auto item = NextItem();
            if (!item || !Apply(*item))
                return std::nullopt;
        }
        if (depth_ != 0)
            return std::nullopt;
        caps_.inputReportLength = Longest(inputBits_);
        caps_.featureReportLength = Longest(featureBits_);
        return caps_;
    }

  private:
    // One item, or nothing when it runs past the end. Long items are skipped (type 0xFF).
    std::optional<Item> NextItem() {
        uint8_t prefix = d_[pos_++];
        if (prefix == kLongItem) {
            if (d_.size() - pos_ < 2 || d_.size() - pos_ - 2 < d_[pos_])
                return std::nullopt;
            pos_ += 2 + d_[pos_];
            return Item{0xFF, 0, 0, 0};
        }
        uint8_t size = prefix & 3;
        if (size == 3)
            size = 4;
        if (d_.size() - pos_ < size)
            return std::nullopt;
        uint32_t value = 0;
        for (uint8_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(d_[pos_ + i]) << (8 * i);
        pos_ += size;
        return Item{static_cast<uint8_t>((prefix >> 2) & 3), static_cast<uint8_t>(prefix >> 4),
                    size, value};
    }

    bool Apply(const Item& item) {
        switch (item.type) {
        case kMain:
            return ApplyMain(item);
        case kGlobal:
            return ApplyGlobal(item);
        case kLocal:
            if (item.tag == kUsage) {
                usage_ = item.value;
                usageExtended_ = item.size == 4;
            }
            return true;
        case 0xFF:
            return true;
        default:
            return false; // reserved item type
        }
    }

    bool ApplyMain(const Item& item) {
        bool ok = true;
        switch (item.tag) {
        case kInput:
            ok = AddBits(inputBits_);
            break;
        case kFeature:
            ok = AddBits(featureBits_);
            break;
        case kOutput:
            break;
        case kCollection:
            if (depth_ == 0 && !topSeen_) {
                topSeen_ = true;
                caps_.usagePage =
                    static_cast<uint16_t>(usageExtended_ ? usage_ >> 16 : globals_.usagePage);
                caps_.usage = static_cast<uint16_t>(usage_);
            }
            ok = ++depth_ <= kMaxStack;
            break;
        case kEnd:
            ok = depth_ > 0;
            --depth_;
            break;
        default:
            ok = false;
        }
        usage_ = 0;
        usageExtended_ = false;
        return ok;
    }

    bool ApplyGlobal(const Item& item) {
        switch (item.tag) {
        case kUsagePage:
            globals_.usagePage = item.value;
            break;
        case kReportSize:
            globals_.reportSize = item.value;
            break;
        case kReportCount:
            globals_.reportCount = item.value;
            break;
        case kReportId:
            if (item.value == 0 || item.value > 0xFF)
                return false;
            globals_.reportId = item.value;
            usesIds_ = true;
            break;
        case kPush:
            if (stack_.size() >= kMaxStack)
                return false;
            stack_.push_back(globals_);
            break;
        case kPop:
            if (stack_.empty())
                return false;
            globals_ = stack_.back();
            stack_.pop_back();
            break;
        }
        return true;
    }

    bool AddBits(std::map<uint32_t, uint64_t>& bits) {
        uint64_t& total = bits[globals_.reportId];
        total += static_cast<uint64_t>(globals_.reportSize) * globals_.reportCount;
        return total <= kMaxReportBits;
    }

    uint16_t Longest(const std::map<uint32_t, uint64_t>& bits) const {
        uint64_t longest = 0;
        for (const auto& [id, count] : bits)
            longest = std::max(longest, (count + 7) / 8);
        if (longest == 0)
            return 0;
        return static_cast<uint16_t>(longest + (usesIds_ ? 1 : 0));
    }

    std::span<const uint8_t> d_;
    size_t pos_ = 0;
    Globals globals_;
    std::vector<Globals> stack_;
    uint32_t usage_ = 0;
    bool usageExtended_ = false;
    size_t depth_ = 0;
    bool topSeen_ = false;
    bool usesIds_ = false;
    std::map<uint32_t, uint64_t> inputBits_;
    std::map<uint32_t, uint64_t> featureBits_;
    HidReportDescriptor caps_;
};

} // namespace

HidReportDescriptor HidReportDescriptor::Parse(std::span<const uint8_t> descriptor) {
    return Parser(descriptor).Run().value_or(HidReportDescriptor{});
}
