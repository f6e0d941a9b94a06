#include "settings/ButtonAssignment.h"

#include <array>
#include <gtest/gtest.h>
#include <span>

namespace {

// Smallest key entry the assignment rules need.
struct FakeKey {
    std::u16string Name;
    std::u16string URL;
    ButtonFunction Value;
    uint32_t MacroKeyIndex = 0;
    MacroRecord Macro{u""};

    void AssignMacro(const MacroRecord* source) {
        Macro.SetActionCount(0);
        if (source)
            Macro = *source;
    }
};

constexpr ButtonFunction kCtrlC{{0x70, 0x01, 0x06}};
constexpr ButtonFunction kRight{{0x10, 0x02, 0x00}};

class AssignmentTest : public testing::Test {
  protected:
    void SetUp() override {
        for (auto& k : keys)
            k.Value = kRight;
    }
    std::array<FakeKey, kKeyCount> keys;
};

TEST(KeyIndexOfControl, MapsButtonControlsAndFallsBackToKeyTwo) {
    const std::pair<int, std::size_t> cases[] = {{2013, 0}, {2015, 2}, {2028, 15}, {2012, 2},
                                                 {2029, 2}, {0, 2},    {-5, 2}};
    for (const auto& [id, index] : cases)
        EXPECT_EQ(KeyIndexOfControl(id), index) << id;
}

TEST(IsLeftButton, OnlyExactLeftBit) {
    EXPECT_TRUE(IsLeftButton({{0x10, 0x01, 0x00}}));
    EXPECT_TRUE(IsLeftButton({{0x10, 0x01, 0x05}}));
    EXPECT_FALSE(IsLeftButton({{0x10, 0x03, 0x00}}));
    EXPECT_FALSE(IsLeftButton({{0x70, 0x01, 0x06}}));
    EXPECT_FALSE(IsLeftButton({{0x00, 0x00, 0x00}}));
}

TEST_F(AssignmentTest, StoresNameUrlCodeOnTheMappedKey) {
    AssignFunction(keys, 2020, u"Launch", ButtonFunction{{0x60, 0x05, 0x00}}, nullptr,
                   u"C:\\app.exe");
    EXPECT_EQ(keys[7].Name, u"Launch");
    EXPECT_EQ(keys[7].URL, u"C:\\app.exe");
    EXPECT_EQ(keys[7].Value, (ButtonFunction{{0x60, 0x05, 0x00}}));
    EXPECT_EQ(keys[6].Value, kRight);
}

TEST_F(AssignmentTest, MacroIsCopiedWithItsIdentifier) {
    MacroRecord m(u"combo");
    m.MacroKeyIndex = 42;
    ASSERT_TRUE(m.InsertAction(0, MacroAction::Key(0x41, false)));
    AssignFunction(keys, 2013, u"Macro:combo", ButtonFunction{{0x90, 0, 0}}, &m, u"");
    EXPECT_EQ(keys[0].MacroKeyIndex, 42u);
    EXPECT_EQ(keys[0].Macro.ActionCount(), 1u);
    EXPECT_EQ(keys[0].Macro.Name(), u"combo");
}

TEST_F(AssignmentTest, NoMacroEmptiesTheKeysMacro) {
    MacroRecord m(u"combo");
    ASSERT_TRUE(m.InsertAction(0, MacroAction::Key(0x41, false)));
    AssignFunction(keys, 2013, u"Macro", ButtonFunction{{0x90, 0, 0}}, &m, u"");
    AssignFunction(keys, 2013, u"Ctrl+C", kCtrlC, nullptr, u"");
    EXPECT_EQ(keys[0].Macro.ActionCount(), 0u);
}

TEST_F(AssignmentTest, LastLeftButtonIsRestored) {
    keys[0].Value = kLeftButtonCode;
    AssignFunction(keys, 2013, u"Ctrl+C", kCtrlC, nullptr, u"");
    EXPECT_EQ(CheckLeftButton(keys, 2013, u"Left"), LeftButtonCheck::LeftButtonRestored);
    EXPECT_EQ(keys[0].Value, kLeftButtonCode);
    EXPECT_EQ(keys[0].Name, u"Left");
}

TEST_F(AssignmentTest, LeftAndRightTogetherIsNoLeftButton) {
    keys[3].Value = ButtonFunction{{0x10, 0x03, 0x00}};
    EXPECT_EQ(CheckLeftButton(std::span<FakeKey, kKeyCount>(keys), 2016, u"Left"),
              LeftButtonCheck::LeftButtonRestored);
    EXPECT_EQ(keys[3].Value, kLeftButtonCode);
}

TEST_F(AssignmentTest, AnotherLeftButtonLetsTheChangeStand) {
    keys[9].Value = kLeftButtonCode;
    AssignFunction(keys, 2013, u"Ctrl+C", kCtrlC, nullptr, u"");
    EXPECT_EQ(CheckLeftButton(keys, 2013, u"Left"), LeftButtonCheck::ButtonsPending);
    EXPECT_EQ(keys[0].Value, kCtrlC);
}

TEST(MacroSelectResult, FoundMacroIsNamedAndCoded) {
    MacroRecord m(u"combo");
    const auto choice = MacroSelectResult(&m, u"Macro:", u"Disable");
    EXPECT_EQ(choice.name, u"Macro:combo");
    EXPECT_EQ(choice.code, kMacroCode);
    EXPECT_EQ(choice.macro, &m);
}

TEST(MacroSelectResult, MissingMacroGivesNoFunction) {
    const auto choice = MacroSelectResult(nullptr, u"Macro:", u"Disable");
    EXPECT_EQ(choice.name, u"Disable");
    EXPECT_EQ(choice.code, kNoFunctionCode);
    EXPECT_EQ(choice.macro, nullptr);
}

class MacroLimitTest : public AssignmentTest {
  protected:
    // Gives keys 0..count-1 macros with identifiers 1..count.
    void UseMacros(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            keys[i].Value = kMacroCode;
            keys[i].MacroKeyIndex = static_cast<uint32_t>(i + 1);
        }
    }
};

TEST_F(MacroLimitTest, FifteenDifferentMacrosBlockAKeyWithoutMacro) {
    UseMacros(15);
    EXPECT_TRUE(MacroLimitReached(keys, 2028));
    EXPECT_FALSE(MacroLimitReached(keys, 2013)) << "a key with a macro may change it";
}

TEST_F(MacroLimitTest, SharedMacrosCountOnce) {
    UseMacros(15);
    keys[14].MacroKeyIndex = 1;
    EXPECT_FALSE(MacroLimitReached(keys, 2028));
}

TEST_F(MacroLimitTest, FourteenMacrosLeaveRoom) {
    UseMacros(14);
    EXPECT_FALSE(MacroLimitReached(keys, 2028));
}

} // namespace
