#include "settings/KeyNameTable.h"
#include "settings/KeyUsageTable.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct NameCase {
    uint8_t code;
    std::u16string_view name;
};

class KeyNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(KeyNameTest, NamesCode) {
    EXPECT_EQ(KeyName(GetParam().code), GetParam().name);
    EXPECT_EQ(KeyNameTable()[GetParam().code], GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, KeyNameTest,
    testing::Values(NameCase{0x00, u"Undefined"}, NameCase{0x01, u"LBUTTON"},
                    NameCase{0x07, u"Undefined"}, NameCase{0x08, u"Backspace"},
                    NameCase{0x0E, u"Undefined"}, NameCase{0x17, u"junja"},
                    NameCase{0x21, u"Page Up"}, NameCase{0x2C, u"Print Screen"},
                    NameCase{0x30, u"0"}, NameCase{0x39, u"9"}, NameCase{0x41, u"A"},
                    NameCase{0x5A, u"Z"}, NameCase{0x5E, u"Undefined"}, NameCase{0x60, u"Num0"},
                    NameCase{0x69, u"Num9"}, NameCase{0x70, u"F1"}, NameCase{0x87, u"F24"},
                    NameCase{0x88, u"Undefined"}, NameCase{0x90, u"Num Lock"},
                    NameCase{0xA5, u"Alt_R"}, NameCase{0xC0, u"~"}, NameCase{0xDC, u"\\"},
                    NameCase{0xDE, u"'"}, NameCase{0xE0, u"L Key"}, NameCase{0xE1, u"R Key"},
                    NameCase{0xE2, u"M Key"}, NameCase{0xE3, u"K4"}, NameCase{0xE4, u"K5"},
                    NameCase{0xE5, u"Mouse X"}, NameCase{0xE6, u"Mouse Y"},
                    NameCase{0xE7, u"Mouse Wheel"}, NameCase{0xE8, u"Undefined"},
                    NameCase{0xFF, u"Undefined"}));

TEST(KeyNameTable, HoldsExactlyTheNamedKeys) {
    const auto& t = KeyNameTable();
    EXPECT_EQ(std::count(t.begin(), t.end(), u"Undefined"), 256 - 147);
}

struct UsageCase {
    uint8_t code;
    uint8_t usage;
};

class KeyUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(KeyUsageTest, MapsCode) {
    EXPECT_EQ(KeyUsage(GetParam().code), GetParam().usage);
    EXPECT_EQ(KeyUsageTable()[GetParam().code], GetParam().usage);
}

INSTANTIATE_TEST_SUITE_P(
    Usages, KeyUsageTest,
    testing::Values(
        UsageCase{0x00, 0}, UsageCase{0x08, 0x2A}, UsageCase{0x0D, 0x28}, UsageCase{0x0E, 0x58},
        UsageCase{0x10, 0}, UsageCase{0x11, 0}, UsageCase{0x12, 0}, UsageCase{0x3B, 0x29},
        UsageCase{0x30, 0x27}, UsageCase{0x31, 0x1E}, UsageCase{0x39, 0x26}, UsageCase{0x41, 0x04},
        UsageCase{0x5A, 0x1D}, UsageCase{0x5B, 0xE3}, UsageCase{0x60, 0x62}, UsageCase{0x61, 0x59},
        UsageCase{0x69, 0x61}, UsageCase{0x6C, 0}, UsageCase{0x70, 0x3A}, UsageCase{0x7B, 0x45},
        UsageCase{0x7C, 0}, UsageCase{0x87, 0}, UsageCase{0xA0, 0xE1}, UsageCase{0xA5, 0xE6},
        UsageCase{0xDE, 0x34}, UsageCase{0xE0, 0xF0}, UsageCase{0xE7, 0xF7}, UsageCase{0xE8, 0},
        UsageCase{0xF0, 0x81}, UsageCase{0xFB, 0x91}, UsageCase{0xFC, 0}, UsageCase{0xFF, 0}));

TEST(KeyUsageTable, HoldsExactlyTheMappedKeys) {
    const auto& t = KeyUsageTable();
    EXPECT_EQ(std::count_if(t.begin(), t.end(), [](uint8_t u) { return u != 0; }), 126);
}

} // namespace
