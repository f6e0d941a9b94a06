#include "settings/ProfileSettings.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileTable.h"

#include <gtest/gtest.h>

namespace {

LanguageTexts NumberedTexts() {
    LanguageTexts texts;
    for (size_t i = 0; i < LanguageTexts::kCount; ++i)
        texts.Set(i, u"T" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) +
                         std::u16string(1, static_cast<char16_t>(u'0' + i / 10 % 10)));
    return texts;
}

struct ProfileSettingsTest : ::testing::Test {
    LanguageTexts texts = NumberedTexts();
    ProfileTable table;
    ProfileSettings& p = table[0];
};

TEST_F(ProfileSettingsTest, ResetNamesProfileFromTextOrNumber) {
    p.Reset(3, texts, std::nullopt);
    EXPECT_EQ(p.GetPair(0, 0), u"ProfileName");
    EXPECT_EQ(p.GetPair(0, 1), texts.Get(88));
    p.Reset(7, texts, std::nullopt);
    EXPECT_EQ(p.GetPair(0, 1), u"Profile8");
}

TEST_F(ProfileSettingsTest, ResetFillsPairsAndKeys) {
    p.Keys[9].URL = u"x.exe";
    p.Keys[9].MacroKeyIndex = 5;
    p.Keys[9].Macro.InsertAction(0, MacroAction::Delay(10));
    p.Reset(0, texts, std::nullopt);
    EXPECT_EQ(p.GetPair(16, 0), u"PowerDownTime");
    EXPECT_EQ(p.GetPair(16, 1), u"20");
    EXPECT_EQ(p.GetPair(22, 0), u"RippleControl");
    EXPECT_EQ(p.GetKey(0)->Name, texts.Get(20));
    EXPECT_EQ(p.GetKey(6)->Value, (ButtonFunction{{0x80, 0x94, 0x01}}));
    EXPECT_EQ(p.GetKey(7)->Name, u"WIN+D");
    EXPECT_EQ(p.GetKey(7)->Value, (ButtonFunction{{0x70, 0x08, 0x07}}));
    EXPECT_EQ(p.GetKey(13)->Name, texts.Get(24));
    EXPECT_EQ(p.Keys[9].URL, u"");
    EXPECT_EQ(p.Keys[9].MacroKeyIndex, 0u);
    EXPECT_EQ(p.Keys[9].Macro.ActionCount(), 0u);
    EXPECT_EQ(p.GetPollingRateName(), u"500HZ");
    EXPECT_EQ(p.PollingRateValue, (std::array<uint8_t, 3>{2, 0, 0}));
}

TEST_F(ProfileSettingsTest, ResetLightingLeavesEffectTenAlone) {
    p.Lighting1.Speed[10] = 9;
    p.Lighting1.ColorSelected[10][3] = 1;
    p.Lighting1.FixedColor[10][3] = Rgb(1, 2, 3);
    p.Lighting1.FixedColor[0][0] = Rgb(1, 2, 3);
    p.Reset(0, texts, std::nullopt);
    EXPECT_EQ(p.Lighting1.Speed[10], 9);
    EXPECT_EQ(p.Lighting1.ColorSelected[10][3], 1);
    EXPECT_EQ(p.Lighting1.FixedColor[10][3], Rgb(1, 2, 3));
    EXPECT_EQ(p.Lighting1.FixedColor[0][0], 0u);
    EXPECT_EQ(p.Lighting1.Direction[2], 1);
    EXPECT_EQ(p.Lighting1.Direction[3], 0);
    EXPECT_EQ(p.Lighting1.Brightness[9], 3);
    EXPECT_EQ(p.Lighting1.FixedColor[4][1], Rgb(0xFA, 0x00, 0x6A));
    EXPECT_EQ(p.Lighting1.FixedColor[8][7], Rgb(0xFA, 0x46, 0xFF));
    EXPECT_EQ(p.Lighting1.ColorSelected[5][6], 1);
    EXPECT_EQ(p.Lighting1.ColorSelected[5][7], 0);
    EXPECT_EQ(p.GetLighting1Name(), texts.Get(101));
    EXPECT_EQ(p.GetLighting2Name(), texts.Get(100));
    EXPECT_EQ(p.Lighting2.ModeValue, (std::array<uint8_t, 3>{1, 0, 0}));
}

TEST_F(ProfileSettingsTest, ResetDpiUsesSensorStepsWhenKnown) {
    p.XYSettingX.fill(0x55);
    p.XYSettingY.fill(0x66);
    p.DPIOffOnFlagValue = 0;
    p.ResetDpi(std::nullopt);
    EXPECT_EQ(p.XYSettingX[0], 0x55);
    EXPECT_EQ(p.XYSettingY[7], 0x66);
    EXPECT_EQ(p.DPIOffOnFlagValue, 0x3F);
    EXPECT_EQ(p.CurrentDPILevelValue, 1);
    EXPECT_EQ(p.DPILevelIndication[6], Rgb(0xE2, 0x6B, 0x0A));
    EXPECT_EQ(p.LiftDetectionValue, 1);

    p.ResetDpi(FindDpiResetSteps(0x3395));
    EXPECT_EQ(p.XYSettingX[7], 0x207);
    EXPECT_EQ(p.XYSettingY[0], 0x0F);
}

TEST(DpiResetSteps, KnownAndUnknownModels) {
    ASSERT_TRUE(FindDpiResetSteps(0x3311));
    EXPECT_EQ((*FindDpiResetSteps(0x3311))[7], 0xE3);
    EXPECT_EQ((*FindDpiResetSteps(0x3950))[6], 0x257);
    EXPECT_FALSE(FindDpiResetSteps(0x1234));
}

TEST_F(ProfileSettingsTest, OutOfRangeIndicesYieldNothing) {
    p.Reset(0, texts, std::nullopt);
    EXPECT_EQ(p.GetKey(16), nullptr);
    EXPECT_NE(p.GetKey(15), nullptr);
    EXPECT_EQ(p.GetPair(23, 0), u"");
    EXPECT_EQ(p.GetPair(23, 1), u"");
    EXPECT_EQ(&table[7], &table[4]);
}

TEST(ProfileSetters, EachStoresDecimalIntoItsPair) {
    struct Case {
        void (ProfileSettings::*set)(int);
        size_t pair;
    };
    const Case cases[] = {
        {&ProfileSettings::SetDoubleClickSpeed, 4},
        {&ProfileSettings::SetPointerSpeed, 5},
        {&ProfileSettings::SetAccelerationEnable, 6},
        {&ProfileSettings::SetScrollWheelSpeed, 7},
        {&ProfileSettings::SetScrollWheelPageEnable, 8},
        {&ProfileSettings::SetTiltSpeed, 9},
        {&ProfileSettings::SetMoveLightingOnOffMode, 15},
        {&ProfileSettings::SetPowerDownTime, 16},
        {&ProfileSettings::SetLiftDetectionHeight, 17},
        {&ProfileSettings::SetKeyDebounce, 18},
        {&ProfileSettings::SetMotionWakeup, 19},
        {&ProfileSettings::SetAngleSnap, 20},
        {&ProfileSettings::SetMotionSync, 21},
        {&ProfileSettings::SetRippleControl, 22},
    };
    for (const Case& c : cases) {
        ProfileTable table;
        (table[0].*c.set)(-17);
        for (size_t i = 0; i < ProfileSettings::kPairCount; ++i)
            EXPECT_EQ(table[0].GetPair(i, 1), i == c.pair ? u"-17" : u"") << "pair " << i;
    }
}

TEST(KeyAssignment, AssignMacroWithoutSourceKeepsNameAndEmptiesActions) {
    ProfileTable table;
    KeyAssignment& key = table[0].Keys[0];
    key.Macro.SetName(u"old");
    key.Macro.MacroKeyIndex = 4;
    key.Macro.InsertAction(0, MacroAction::Delay(5));
    key.AssignMacro(nullptr);
    EXPECT_EQ(key.Macro.Name(), u"old");
    EXPECT_EQ(key.Macro.MacroKeyIndex, 4u);
    EXPECT_EQ(key.Macro.ActionCount(), 0u);
}

TEST(KeyAssignment, AssignMacroCopiesSourceInOrder) {
    ProfileTable table;
    KeyAssignment& key = table[0].Keys[0];
    key.Macro.InsertAction(0, MacroAction::Delay(99));
    key.Macro.InsertAction(0, MacroAction::Delay(98));
    MacroRecord source(u"combo");
    source.MacroKeyIndex = 12;
    source.MacroKeyLoopType = 1;
    source.MacroKeyLoopNum = 7;
    source.MacroCommandActionNum = 3;
    source.InsertAction(0, MacroAction::Key(4, false));
    source.InsertAction(1, MacroAction::Key(4, true));
    key.AssignMacro(&source);
    EXPECT_EQ(key.Macro, source);
}

} // namespace
