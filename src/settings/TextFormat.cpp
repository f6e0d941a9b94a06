#include "settings/TextFormat.h"

namespace TextFormat {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

namespace {

std::u16string_view SkipSpaces(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove_prefix(1);
    return text;
}

} // namespace

std::u16string Ascii(std::string_view text) {
    return {text.begin(), text.end()};
}

std::u16string Hex(uint32_t value, int width) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < width)
        out.insert(0, width - out.size(), u'0');
    return out;
}

std::u16string HexSetting(uint32_t value) {
    std::u16string digits = Hex(value, 1);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), u' ');
    return u"0x" + digits;
}

std::u16string Dec(int64_t value) {
    return Ascii(std::to_string(value));
}

uint32_t ParseHex(std::u16string_view text) {
    uint32_t value = 0;
    for (char16_t c : text) {
        int digit = HexDigit(c);
        if (digit < 0)
            break;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

uint32_t ParseHexSetting(std::u16string_view text) {
    text = SkipSpaces(text);
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') &&
        HexDigit(text[2]) >= 0)
        text.remove_prefix(2);
    return ParseHex(text);
}

int64_t ParseDec(std::u16string_view text) {
    text = SkipSpaces(text);
    bool negative = !text.empty() && text.front() == u'-';
    if (negative || (!text.empty() && text.front() == u'+'))
        text.remove_prefix(1);
    int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9' || value > (INT64_MAX / 10))
            break;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

} // namespace TextFormat
