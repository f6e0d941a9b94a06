#include "macro/MacroActionText.h"

#include "settings/KeyNameTable.h"

#include <string_view>

namespace {

constexpr uint8_t kMoveX = 0xE5;
constexpr uint8_t kMoveY = 0xE6;
constexpr uint8_t kWheel = 0xE7;

// Texts for a negative and a positive amount of one pointer code.
struct MoveWords {
    uint8_t code;
    std::u16string_view negative;
    std::u16string_view positive;
};

constexpr MoveWords kMoveWords[] = {
    {kMoveX, u"Move Left ", u"Move Right "},
    {kMoveY, u"Move Up ", u"Move Down "},
    {kWheel, u"Wheel Up ", u"Wheel Down "},
};

std::u16string Decimal(uint32_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::u16string MoveText(const MoveWords& words, uint8_t amount) {
    if (amount > 0x7F)
        return std::u16string(words.negative) + Decimal(256u - amount);
    return std::u16string(words.positive) + Decimal(amount);
}

std::u16string PressPicture(const MacroAction& action) {
    return action.IsRelease() ? u"macro_up.png" : u"macro_down.png";
}

} // namespace

MacroActionDisplay MacroActionText(const MacroAction& action) {
    if (action.IsDelay())
        return {Decimal(action.DelayMs()) + u"ms", u"macro_time.png"};
    for (const auto& words : kMoveWords)
        if (action.Code() == words.code)
            return {MoveText(words, action.bytes[3]), PressPicture(action)};
    return {std::u16string(KeyName(action.Code())), PressPicture(action)};
}
