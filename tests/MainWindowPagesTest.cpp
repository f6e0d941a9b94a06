#include "device/SensorTable.h"
#include "mainwnd/ButtonChoice.h"
#include "mainwnd/PageValues.h"
#include "settings/ButtonAssignment.h"
#include "settings/ButtonMenu.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileSettings.h"
#include "settings/TextFormat.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr ButtonFunction kCtrlC{{0x70, 0x01, 0x06}};

struct Pages : ::testing::Test {
    std::unique_ptr<ProfileSettings> profile = std::make_unique<ProfileSettings>();
    LanguageTexts texts;
    SensorTables sensor;
    PageValues values;
    PendingFlags pending;

    void SetUp() override {
        ASSERT_TRUE(sensor.BuildSensorTables(0x3104));
        texts.Set(20, u"Left");
        texts.Set(266, u"Sleep ");
        texts.Set(267, u" min");
        for (size_t k = 0; k < kKeyCount; ++k)
            profile->Keys[k].Value = ButtonFunction{{0x10, 0x02, 0x00}};
    }
    std::u16string Pair(size_t index) const { return profile->GetPair(index, 1); }
};

TEST_F(Pages, ChoiceOnAKeyWithAnotherLeftButtonMakesTheButtonsPending) {
    profile->Keys[0].Value = kLeftButtonCode;
    const auto result =
        AssignButtonChoice(*profile, 2014, u"Copy", kCtrlC, nullptr, u"", texts, pending);
    EXPECT_EQ(result.timer, kApplyTimer);
    EXPECT_EQ(result.timerMs, 20);
    EXPECT_TRUE(pending.buttons);
    EXPECT_EQ(profile->Keys[1].Name, u"Copy");
    EXPECT_EQ(profile->Keys[1].Value, kCtrlC);
}

TEST_F(Pages, ChoiceOnTheOnlyLeftButtonRestoresItAndWarns) {
    profile->Keys[3].Value = kLeftButtonCode;
    const auto result =
        AssignButtonChoice(*profile, 2016, u"Copy", kCtrlC, nullptr, u"", texts, pending);
    EXPECT_EQ(result.timer, kLeftButtonWarningTimer);
    EXPECT_EQ(result.timerMs, 100);
    EXPECT_FALSE(pending.buttons);
    EXPECT_EQ(profile->Keys[3].Value, kLeftButtonCode);
    EXPECT_EQ(profile->Keys[3].Name, u"Left");
}

TEST_F(Pages, DpiLockChoiceNamesTheLock) {
    profile->Keys[0].Value = kLeftButtonCode;
    texts.Set(kDpiLockTextNumber, u"Lock");
    const DpiLockItem& item = DpiLockMenu()[10];
    AssignButtonChoice(*profile, 2020, DpiLockAssignmentName(texts.Get(36), item), item.code,
                       nullptr, u"", texts, pending);
    EXPECT_EQ(profile->Keys[7].Name, u"Lock-1200");
    EXPECT_EQ(profile->Keys[7].Value, (ButtonFunction{{0x50, 0x0B, 0x00}}));
}

TEST_F(Pages, RefreshShowsTheDpiBlock) {
    profile->DPIOffOnFlagValue = 0b00100011;
    profile->CurrentDPILevelValue = 5;
    profile->XYSettingX[0] = 7;
    RefreshPageValues(*profile, sensor, 1, texts, values);
    EXPECT_TRUE(values.levelEnabled[0]);
    EXPECT_FALSE(values.levelEnabled[2]);
    EXPECT_TRUE(values.labelDisabled[2]);
    EXPECT_EQ(values.selectedDpiLevel, 5);
    EXPECT_EQ(values.labelColour[5], kSelectedLevelColour);
    EXPECT_EQ(values.labelColour[0], kLevelColour);
    EXPECT_EQ(values.labelValue[0], sensor.DpiStepTable()[7]);
    // A step past the table shows nothing rather than reading beyond it.
    profile->XYSettingX[1] = 60000;
    RefreshPageValues(*profile, sensor, 1, texts, values);
    EXPECT_EQ(values.labelValue[1], 0u);
}

TEST_F(Pages, PollingControlsFollowTheRateClass) {
    profile->PollingRateValue[0] = 5;
    RefreshPageValues(*profile, sensor, 1, texts, values);
    EXPECT_EQ(values.radioWord & 0xF0000, 0x80000u);
    EXPECT_TRUE(values.pollingShown.at(3145));
    EXPECT_FALSE(values.pollingShown.at(3142));
    EXPECT_FALSE(values.pollingShown.at(3034));

    RefreshPageValues(*profile, sensor, 4, texts, values);
    EXPECT_EQ(values.radioWord & 0x7F, 0x20u);
    EXPECT_FALSE(values.pollingShown.at(3040));
    EXPECT_FALSE(values.pollingShown.at(3152));
    EXPECT_TRUE(values.pollingShown.at(3039));
    EXPECT_FALSE(values.pollingShown.at(3030));

    profile->PollingRateValue[0] = 6;
    RefreshPageValues(*profile, sensor, 8, texts, values);
    EXPECT_EQ(values.radioWord & 0x7F, 0x40u);
    EXPECT_TRUE(values.pollingShown.at(3040));
}

TEST_F(Pages, PowerLabelAndUnknownPowerValue) {
    profile->SetPowerDownTime(20);
    RefreshPageValues(*profile, sensor, 1, texts, values);
    EXPECT_EQ(values.powerLabel, u"Sleep 20 min");
    EXPECT_EQ(values.powerWedge, 7);
    profile->SetPowerDownTime(7);
    RefreshPageValues(*profile, sensor, 1, texts, values);
    EXPECT_EQ(values.powerWedge, 7); // not in the list: the dial stays where it was
}

TEST_F(Pages, CollectCopiesTheHiddenLightingValuesToTheSharedEffects) {
    LightingZone& zone = profile->Lighting1;
    zone.ModeValue = {1, 0, 0};
    zone.Speed[1] = 2;
    zone.Brightness[1] = 3;
    zone.Direction[1] = 1;
    zone.Speed[4] = 0;
    zone.Speed[10] = 1;
    RefreshPageValues(*profile, sensor, 1, texts, values);
    CollectPageValues(values, *profile);
    for (size_t e : {0, 2, 3, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(zone.Speed[e], 2) << e;
        EXPECT_EQ(zone.Brightness[e], 3) << e;
        EXPECT_EQ(zone.Direction[e], 1) << e;
    }
    EXPECT_EQ(zone.Speed[4], 0);
    EXPECT_EQ(zone.Speed[10], 1);
}

TEST_F(Pages, CollectWritesSwitchesSlidersAndRadios) {
    RefreshPageValues(*profile, sensor, 1, texts, values);
    values.wheelSpeedStop = 7;
    values.switches[3540] = true;
    values.switches[2030] = true;
    values.radioWord = (values.radioWord & ~0x300180u) | 0x100100u;
    values.levelEnabled = {true, false, true, false, false, false, false, false};
    values.selectedDpiLevel = 2;
    values.debounceStop = 12;
    CollectPageValues(values, *profile);
    EXPECT_EQ(Pair(7), u"7");
    EXPECT_EQ(Pair(9), Pair(7)); // tilt follows the wheel
    EXPECT_EQ(Pair(20), u"1");
    EXPECT_EQ(Pair(6), u"1");
    EXPECT_EQ(Pair(8), u"1");  // page mode
    EXPECT_EQ(Pair(17), u"1"); // lift-off low
    EXPECT_EQ(Pair(18), u"12");
    EXPECT_EQ(profile->DPIOffOnFlagValue, 0b101);
    EXPECT_EQ(profile->CurrentDPILevelValue, 2);
}

TEST_F(Pages, RefreshThenCollectKeepsTheRecord) {
    profile->SetScrollWheelPageEnable(1);
    profile->SetLiftDetectionHeight(2);
    profile->SetMotionSync(1);
    profile->SetPowerDownTime(10);
    profile->DPIOffOnFlagValue = 0x3F;
    RefreshPageValues(*profile, sensor, 1, texts, values);
    CollectPageValues(values, *profile);
    EXPECT_EQ(Pair(8), u"1");
    EXPECT_EQ(Pair(17), u"2");
    EXPECT_EQ(Pair(21), u"1");
    EXPECT_EQ(Pair(16), u"10");
    EXPECT_EQ(profile->DPIOffOnFlagValue, 0x3F);
}

} // namespace

namespace {

TEST_F(Pages, ClosingTheMacroManagerSendsButtonsOnlyWhenAKeyHoldsAMacro) {
    EXPECT_FALSE(MacroManagerClosed(*profile, pending));
    EXPECT_FALSE(pending.buttons);
    profile->Keys[9].Value = kMacroCode;
    EXPECT_TRUE(MacroManagerClosed(*profile, pending));
    EXPECT_TRUE(pending.buttons);
}

} // namespace
