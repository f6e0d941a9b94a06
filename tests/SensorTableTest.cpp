#include "device/SensorTable.h"

#include <gtest/gtest.h>

namespace {

struct ModelCase {
    uint16_t model;
    uint32_t count;
    uint32_t lastDpi;
    bool sensorPage;
    bool separateXY;
};

class SensorModelTest : public testing::TestWithParam<ModelCase> {};

TEST_P(SensorModelTest, BuildsCountsFlagsAndMatchingTables) {
    const auto c = GetParam();
    SensorTables t;
    ASSERT_TRUE(t.BuildSensorTables(c.model));
    EXPECT_EQ(t.Model(), c.model);
    EXPECT_EQ(t.DpiStepCount(), c.count);
    EXPECT_EQ(t.DpiRegisterTable().size(), c.count);
    EXPECT_EQ(t.StepDpi(c.count - 1), c.lastDpi);
    EXPECT_EQ(t.StepDpi(c.count), 0u);
    EXPECT_EQ(t.SensorPageShown(), c.sensorPage);
    EXPECT_EQ(t.SeparateXYDpi(), c.separateXY);
    for (uint32_t i = 1; i < c.count; ++i) {
        EXPECT_GE(t.DpiStepTable()[i], t.DpiStepTable()[i - 1]) << i;
        EXPECT_GT(t.DpiRegisterTable()[i], t.DpiRegisterTable()[i - 1]) << i;
    }
    const auto levels = DefaultDpiLevelSteps(c.model);
    ASSERT_TRUE(levels.has_value());
    for (uint16_t step : *levels)
        EXPECT_LT(step, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    AllModels, SensorModelTest,
    testing::Values(
        ModelCase{0x3104, 48, 8000, false, false}, ModelCase{0x3311, 240, 24000, false, false},
        ModelCase{0x3325, 128, 12800, false, false}, ModelCase{0x3327, 74, 12400, false, false},
        ModelCase{0x3212, 42, 4800, false, false}, ModelCase{0x3335, 160, 16000, true, false},
        ModelCase{0x3360, 121, 24000, true, false}, ModelCase{0x3370, 290, 19000, true, true},
        ModelCase{0x3389, 160, 16000, true, true}, ModelCase{0x3395, 520, 26000, true, true},
        ModelCase{0x3950, 600, 30000, true, true}, ModelCase{0x3399, 400, 20000, true, true}));

struct StepCase {
    uint16_t model;
    uint32_t step;
    uint32_t dpi;
    uint16_t reg;
};

class SensorStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(SensorStepTest, StepHasResolutionAndRegister) {
    const auto c = GetParam();
    SensorTables t;
    ASSERT_TRUE(t.BuildSensorTables(c.model));
    EXPECT_EQ(t.StepDpi(c.step), c.dpi);
    EXPECT_EQ(t.DpiStepTable()[c.step], c.dpi / 50);
    EXPECT_EQ(t.StepRegister(c.step), c.reg);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SensorStepTest,
    testing::Values(StepCase{0x3104, 39, 4000, 39}, StepCase{0x3104, 40, 4500, 40},
                    StepCase{0x3104, 41, 4800, 41}, StepCase{0x3104, 42, 5500, 42},
                    StepCase{0x3104, 47, 8000, 47}, StepCase{0x3325, 0, 200, 0},
                    StepCase{0x3325, 1, 200, 1}, StepCase{0x3325, 2, 300, 2},
                    StepCase{0x3327, 0, 200, 1}, StepCase{0x3327, 61, 6500, 62},
                    StepCase{0x3327, 73, 12400, 74}, StepCase{0x3212, 22, 2400, 23},
                    StepCase{0x3212, 23, 3000, 24}, StepCase{0x3335, 0, 100, 0},
                    StepCase{0x3335, 1, 200, 2}, StepCase{0x3335, 6, 700, 7},
                    StepCase{0x3335, 7, 800, 9}, StepCase{0x3335, 41, 4200, 50},
                    StepCase{0x3335, 46, 4700, 56}, StepCase{0x3335, 145, 14600, 174},
                    StepCase{0x3335, 146, 14700, 176}, StepCase{0x3335, 159, 16000, 189},
                    StepCase{0x3360, 120, 24000, 120}, StepCase{0x3370, 199, 10000, 199},
                    StepCase{0x3370, 200, 10100, 200}));

TEST(SensorTables, StartsEmpty) {
    SensorTables t;
    EXPECT_EQ(t.DpiStepCount(), 0u);
    EXPECT_EQ(t.StepDpi(0), 0u);
    EXPECT_EQ(t.StepRegister(0), 0u);
    EXPECT_FALSE(t.SensorPageShown());
}

TEST(SensorTables, UnknownModelKeepsPreviousTables) {
    SensorTables t;
    ASSERT_TRUE(t.BuildSensorTables(0x3370));
    EXPECT_FALSE(t.BuildSensorTables(0x1234));
    EXPECT_EQ(t.Model(), 0x3370);
    EXPECT_EQ(t.DpiStepCount(), 290u);
    EXPECT_TRUE(t.SeparateXYDpi());
    EXPECT_EQ(FindSensorModel(0x1234), nullptr);
    EXPECT_FALSE(DefaultDpiLevelSteps(0x1234).has_value());
}

TEST(SensorTables, RebuildReplacesTables) {
    SensorTables t;
    ASSERT_TRUE(t.BuildSensorTables(0x3950));
    ASSERT_TRUE(t.BuildSensorTables(0x3212));
    EXPECT_EQ(t.DpiStepCount(), 42u);
    EXPECT_FALSE(t.SensorPageShown());
}

TEST(SensorIdentifier, MapsKnownIdentifiersAndRejectsOthers) {
    const std::pair<uint8_t, uint16_t> known[] = {{0x04, 0x3104}, {0x11, 0x3311}, {0x12, 0x3212},
                                                  {0x25, 0x3325}, {0x27, 0x3327}, {0x35, 0x3335},
                                                  {0x50, 0x3950}, {0x60, 0x3360}, {0x70, 0x3370},
                                                  {0x89, 0x3389}, {0x95, 0x3395}, {0x99, 0x3399}};
    for (const auto& [id, model] : known)
        EXPECT_EQ(SensorModelFromIdentifier(id), model) << int(id);
    for (uint8_t id : {0x00, 0x01, 0x33, 0xFF})
        EXPECT_FALSE(SensorModelFromIdentifier(id).has_value()) << int(id);
}

TEST(SensorDefaults, LevelStepsOfModels) {
    EXPECT_EQ(DefaultDpiLevelSteps(0x3311),
              (std::array<uint16_t, 8>{0x07, 0x0B, 0x0F, 0x17, 0x1F, 0x3F, 0x7F, 0xE3}));
    EXPECT_EQ(DefaultDpiLevelSteps(0x3950),
              (std::array<uint16_t, 8>{0x0F, 0x17, 0x1F, 0x2F, 0x3F, 0x7F, 0x257, 0x257}));
}

TEST(SensorDefaults, StepsPastTheTableAreClampedToTheLastStep) {
    EXPECT_EQ(DefaultDpiLevelSteps(0x3104),
              (std::array<uint16_t, 8>{0x04, 0x0F, 0x17, 0x1F, 0x27, 0x29, 47, 47}));
}

} // namespace
