#include <gtest/gtest.h>

#include <functional>

#include "SimTestSupport.h"

namespace {

using simtest::EventRecorder;

// Cable and receiver plugged, reports collected per status interface.
class SimMouseStatus : public testing::Test {
  protected:
    explicit SimMouseStatus(MouseEmulator::Options options = {}) : mouse(options) {}

    void SetUp() override {
        mouse.SetEvents(events.Events());
        mouse.Plug(MouseConnection::Cable);
        mouse.Plug(MouseConnection::Receiver);
        cable = *mouse.StatusInterface(MouseConnection::Cable);
        receiver = *mouse.StatusInterface(MouseConnection::Receiver);
    }

    MouseEmulator mouse;
    EventRecorder events;
    uint16_t cable = 0;
    uint16_t receiver = 0;
};

struct StatusCase {
    const char* name;
    std::function<bool(MouseEmulator&)> act;
    size_t byte;
    uint8_t value;
};

class SimStatusChange : public SimMouseStatus, public testing::WithParamInterface<StatusCase> {};

TEST_P(SimStatusChange, SendsOneReportOnEveryPluggedKind) {
    const auto& c = GetParam();
    ASSERT_TRUE(c.act(mouse));
    for (uint16_t id : {cable, receiver}) {
        const auto reports = events.InputsOn(id);
        ASSERT_EQ(reports.size(), 1u) << id;
        ASSERT_EQ(reports[0].size(), 32u);
        EXPECT_EQ(reports[0][0], 0x04);
        EXPECT_EQ(reports[0][c.byte], c.value);
    }
    EXPECT_EQ(events.InputsOn(cable)[0][1], 0) << "the online byte is the receiver's";
    EXPECT_EQ(events.InputsOn(receiver)[0][1], 1);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SimStatusChange,
    testing::Values(StatusCase{"Profile", [](MouseEmulator& m) { return m.SetProfile(3); }, 10, 3},
                    StatusCase{"ProfileButton",
                               [](MouseEmulator& m) {
                                   m.PressProfileButton();
                                   return true;
                               },
                               10, 1},
                    StatusCase{"Dpi", [](MouseEmulator& m) { return m.SetDpiLevel(4); }, 2, 4},
                    StatusCase{"Battery", [](MouseEmulator& m) { return m.SetBattery(42); }, 4, 42},
                    StatusCase{"Charging", [](MouseEmulator& m) { return m.SetCharge(1); }, 5, 1},
                    StatusCase{"Full", [](MouseEmulator& m) { return m.SetCharge(2); }, 5, 2},
                    StatusCase{"RateClass", [](MouseEmulator& m) { return m.SetRateClass(4); }, 8,
                               4},
                    StatusCase{"Sensor",
                               [](MouseEmulator& m) {
                                   m.SetSensor(0x25);
                                   return true;
                               },
                               9, 0x25}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimMouseStatus, BadValuesAreRefusedWithoutAReport) {
    EXPECT_FALSE(mouse.SetProfile(5));
    EXPECT_FALSE(mouse.SetProfile(-1));
    EXPECT_FALSE(mouse.SetDpiLevel(8));
    EXPECT_FALSE(mouse.SetBattery(101));
    EXPECT_FALSE(mouse.SetCharge(3));
    EXPECT_FALSE(mouse.SetRateClass(2));
    EXPECT_FALSE(mouse.Launch(0));
    EXPECT_FALSE(mouse.Launch(17));
    EXPECT_TRUE(events.inputs.empty());
}

TEST_F(SimMouseStatus, ReportCarriesTheWholeState) {
    mouse.SetFeature(*mouse.CommandInterface(MouseConnection::Cable),
                     simtest::MakeFrame(0x04, 0x01, {0x12}));
    mouse.SetBattery(37);
    mouse.SetCharge(2);
    const auto r = mouse.StatusBytes(MouseConnection::Receiver);
    const std::vector<uint8_t> head{0x04, 1, 0, 0x12, 100, 2, 1, 0, 8, 0x95, 0};
    EXPECT_EQ(std::vector<uint8_t>(r.begin(), r.begin() + 11), head);
    EXPECT_TRUE(std::all_of(r.begin() + 11, r.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(SimMouseStatus, ProfileButtonWrapsAfterTheFifthProfile) {
    mouse.SetProfile(4);
    mouse.PressProfileButton();
    EXPECT_EQ(mouse.Firmware().profile, 0);
    EXPECT_EQ(events.InputsOn(cable).back()[10], 0);
}

TEST_F(SimMouseStatus, LaunchRequestIsFollowedByZero) {
    ASSERT_TRUE(mouse.Launch(5));
    const auto reports = events.InputsOn(cable);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0][7], 5);
    EXPECT_EQ(reports[1][7], 0);
}

TEST_F(SimMouseStatus, OfflineReceiverReportsOnlyItsOwnState) {
    ASSERT_TRUE(mouse.SetOnline(false));
    ASSERT_EQ(events.InputsOn(receiver).size(), 1u);
    EXPECT_EQ(events.InputsOn(receiver)[0][1], 0);
    EXPECT_TRUE(events.InputsOn(cable).empty());
    mouse.SetDpiLevel(3);
    EXPECT_EQ(events.InputsOn(receiver).size(), 1u);
    EXPECT_EQ(events.InputsOn(cable).size(), 1u);
    // Frames through the receiver go nowhere while the mouse is away.
    const uint16_t command = *mouse.CommandInterface(MouseConnection::Receiver);
    mouse.SetFeature(command, simtest::MakeFrame(0x09, 0x01, {3}));
    EXPECT_EQ((*mouse.GetFeature(command, 0x06, 32))[1], 0);
    EXPECT_EQ(mouse.Frames().back().note, "mouse offline");
    mouse.SetOnline(true);
    EXPECT_EQ(events.InputsOn(receiver).back()[1], 1);
}

TEST(SimMouseStatusAlone, OnlineNeedsAReceiver) {
    MouseEmulator mouse;
    mouse.Plug(MouseConnection::Cable);
    EXPECT_FALSE(mouse.SetOnline(false));
}

class SimMouseTime : public SimMouseStatus {
  protected:
    SimMouseTime() : SimMouseStatus({1, 1000, 500, 2000}) {}
};

TEST_F(SimMouseTime, BatteryDrainsOnePercentPerInterval) {
    mouse.Advance(999);
    EXPECT_TRUE(events.inputs.empty());
    mouse.Advance(1501);
    EXPECT_EQ(mouse.Status().battery, 98);
    const auto reports = events.InputsOn(cable);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1][4], 98);
}

TEST_F(SimMouseTime, EmptyBatteryStaysQuiet) {
    mouse.SetBattery(0);
    events.inputs.clear();
    mouse.Advance(5000);
    EXPECT_EQ(mouse.Status().battery, 0);
    EXPECT_TRUE(events.inputs.empty());
}

TEST_F(SimMouseTime, ChargingFillsUntilFull) {
    mouse.SetBattery(98);
    mouse.SetCharge(1);
    mouse.Advance(500);
    EXPECT_EQ(mouse.Status().battery, 99);
    EXPECT_EQ(mouse.Status().charge, 1);
    mouse.Advance(5000);
    EXPECT_EQ(mouse.Status().battery, 100);
    EXPECT_EQ(mouse.Status().charge, 2);
    EXPECT_EQ(events.InputsOn(cable).back()[5], 2);
}

// No battery intervals, so only the demo changes anything.
class SimMouseDemo : public SimMouseStatus {
  protected:
    SimMouseDemo() : SimMouseStatus({1, 0, 0, 2000}) {}
};

TEST_F(SimMouseDemo, StepsThroughDpiLevelsThenProfiles) {
    mouse.Advance(4000);
    EXPECT_TRUE(events.inputs.empty()) << "demo is off until asked for";
    mouse.SetDemo(true);
    mouse.Advance(8000);
    const auto reports = events.InputsOn(cable);
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0][2], 1);
    EXPECT_EQ(reports[2][2], 3);
    EXPECT_EQ(reports[3][10], 1);
    mouse.SetDemo(false);
    mouse.Advance(8000);
    EXPECT_EQ(events.InputsOn(cable).size(), 4u);
}

} // namespace
