#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// printf-style pieces of the stored text formats, on UTF-16 texts.
namespace TextFormat {

// Value of one hexadecimal digit, -1 for any other character.
int HexDigit(char16_t c);
std::u16string Ascii(std::string_view text);
// "%.NX": zero-padded upper-case hexadecimal of at least `width` digits.
std::u16string Hex(uint32_t value, int width);
// "0x%4X": four-wide, space-padded.
std::u16string HexSetting(uint32_t value);
std::u16string Dec(int64_t value);

// Leading digits only, like the C conversions: an empty or non-numeric text reads as 0.
uint32_t ParseHex(std::u16string_view text);
// Accepts an optional "0x" prefix.
uint32_t ParseHexSetting(std::u16string_view text);
int64_t ParseDec(std::u16string_view text);

} // namespace TextFormat
