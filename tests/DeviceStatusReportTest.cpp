#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "HidVirtualTestSupport.h"
#include "device/DeviceClock.h"
#include "device/DeviceSession.h"
#include "device/StatusReport.h"
#include "device/hid/InProcessHidBus.h"

namespace {

constexpr uint16_t kWired = 0x026E;
constexpr uint16_t kReceiver = 0x026F;

// Reports fed straight to the decoder; the present kinds have command interfaces only, so no
// reader thread runs.
class StatusReportDecode : public testing::Test {
  protected:
    void Present(std::initializer_list<uint16_t> products) {
        uint16_t id = 1;
        for (auto product : products)
            model.Plug(FakeDeviceModel::Make(id++, product, 0x000A, 0));
        session.Start();
        effects.Clear();
    }

    // Report 4 as the mouse sends it for the stored profile and sensor, with changes.
    std::vector<uint8_t> Report(std::initializer_list<std::pair<size_t, uint8_t>> bytes = {}) {
        std::vector<uint8_t> r(32, 0);
        r[0] = 4, r[1] = 1, r[2] = 2, r[3] = 0x02, r[4] = 80, r[6] = 1, r[8] = 1, r[9] = 0x11;
        r[10] = static_cast<uint8_t>(w.world.settings.GetCurrentProfile());
        for (auto [at, value] : bytes)
            r[at] = value;
        return r;
    }

    void Feed(ConnectionKind kind, const std::vector<uint8_t>& r) {
        session.Reader().Decode(kind, r);
    }

    devicetest::DeviceWorld w;
    FakeDeviceModel model;
    InProcessHidBus bus{model};
    PumpedUiQueue queue;
    RecordingDeviceEffects effects;
    SimulatedDeviceClock clock;
    DeviceSession session{bus, queue, effects, clock, w.context};
};

TEST(StatusReport, PollingRateCodes) {
    struct Case {
        uint8_t code, full, reduced;
    };
    const Case cases[] = {{0x08, 0, 0}, {0x04, 1, 1}, {0x02, 2, 2}, {0x01, 3, 3},
                          {0x11, 4, 3}, {0x12, 5, 3}, {0x14, 6, 3}, {0x00, 6, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(StatusReport::DecodePollingRate(c.code, true), c.full) << int(c.code);
        EXPECT_EQ(StatusReport::DecodePollingRate(c.code, false), c.reduced) << int(c.code);
    }
}

TEST_F(StatusReportDecode, WiredDecodingDependsOnTheRateClassReceiverDoesNot) {
    Present({kWired, kReceiver});
    Feed(ConnectionKind::Wired, Report({{3, 0x12}, {8, 4}}));
    EXPECT_EQ(w.Current().PollingRateValue[0], 3);
    EXPECT_EQ(w.Current().PollingRateName, u"1000Hz");
    Feed(ConnectionKind::Receiver, Report({{3, 0x12}, {8, 4}}));
    EXPECT_EQ(w.Current().PollingRateValue[0], 5);
    EXPECT_EQ(w.Current().PollingRateName, u"4000Hz");
}

TEST_F(StatusReportDecode, FullyChargedShowsAHundredPercent) {
    Present({kWired});
    Feed(ConnectionKind::Wired, Report({{4, 37}, {5, 2}}));
    EXPECT_EQ(session.Status().battery, 100);
    EXPECT_EQ(session.Status().charge, 2);
    Feed(ConnectionKind::Wired, Report({{4, 37}, {5, 9}}));
    EXPECT_EQ(session.Status().battery, 37);
    EXPECT_EQ(session.Status().charge, 0);
}

TEST_F(StatusReportDecode, LaunchRequestsStartTheirProgramOncePerPress) {
    Present({kWired});
    w.Current().Keys[4].URL = u"/usr/bin/game";
    struct Case {
        std::vector<uint8_t> sequence;
        size_t launches;
    };
    const Case cases[] = {{{5, 5, 5}, 1}, {{5, 0, 5}, 2}, {{17}, 0}, {{0, 0}, 0}};
    for (const auto& c : cases) {
        Feed(ConnectionKind::Wired, Report({{7, 0}}));
        effects.Clear();
        for (uint8_t button : c.sequence)
            Feed(ConnectionKind::Wired, Report({{7, button}}));
        EXPECT_EQ(effects.launched.size(), c.launches) << c.sequence.size();
        for (const auto& path : effects.launched)
            EXPECT_EQ(path, u"/usr/bin/game");
    }
}

TEST_F(StatusReportDecode, ProfileChangeIsFollowedByTwoIgnoredReports) {
    Present({kWired});
    Feed(ConnectionKind::Wired, Report());
    effects.Clear();
    Feed(ConnectionKind::Wired, Report({{10, 3}}));
    EXPECT_EQ(w.world.settings.GetCurrentProfile(), 3u);
    EXPECT_TRUE(session.Sync().Pending().buttons);
    EXPECT_TRUE(session.Sync().Pending().settings);
    EXPECT_EQ(effects.Count("osd"), 1u);
    Feed(ConnectionKind::Wired, Report({{2, 5}}));
    Feed(ConnectionKind::Wired, Report({{2, 6}}));
    EXPECT_EQ(session.Status().lastDpiLevel, 2);
    Feed(ConnectionKind::Wired, Report({{2, 7}}));
    EXPECT_EQ(session.Status().lastDpiLevel, 7);
    EXPECT_EQ(w.world.table[3].CurrentDPILevelValue, 7);
}

TEST_F(StatusReportDecode, ValuesOfTheSwitchingReportGoToTheOldProfile) {
    Present({kWired});
    Feed(ConnectionKind::Wired, Report({{2, 5}, {10, 1}}));
    EXPECT_EQ(w.world.table[0].CurrentDPILevelValue, 5);
    EXPECT_EQ(w.world.settings.GetCurrentProfile(), 1u);
}

TEST_F(StatusReportDecode, SensorIdentifiers) {
    Present({kWired});
    for (size_t i = 0; i < 5; ++i)
        w.world.table[i].XYSettingX[0] = 77;
    Feed(ConnectionKind::Wired, Report({{9, 0}}));
    Feed(ConnectionKind::Wired, Report({{9, 0x77}})); // not a sensor the mouse can carry
    EXPECT_EQ(w.world.settings.SensorModel(), 0x3311);
    EXPECT_EQ(effects.Count("sensor"), 0u);
    EXPECT_EQ(w.world.table[4].XYSettingX[0], 77);

    Feed(ConnectionKind::Wired, Report({{9, 0x25}}));
    EXPECT_EQ(w.world.settings.SensorModel(), 0x3325);
    EXPECT_EQ(w.world.settings.ProfilesSensorModel(), 0x3325);
    EXPECT_EQ(w.sensor.Model(), 0x3325);
    EXPECT_EQ(effects.Count("sensor"), 1u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_NE(w.world.table[i].XYSettingX[0], 77) << i;
    Feed(ConnectionKind::Wired, Report({{9, 0x25}}));
    EXPECT_EQ(effects.Count("sensor"), 1u);
}

TEST_F(StatusReportDecode, ReceiverOfflineWhileTheCableIsConnectedKeepsTheBattery) {
    Present({kWired, kReceiver});
    Feed(ConnectionKind::Receiver, Report({{4, 60}}));
    EXPECT_TRUE(session.Status().deviceOnline);
    Feed(ConnectionKind::Receiver, Report({{1, 0}, {4, 10}}));
    EXPECT_FALSE(session.Status().deviceOnline);
    EXPECT_EQ(session.Status().battery, 60);
    EXPECT_EQ(effects.Count("timer 80 100"), 0u);
}

TEST_F(StatusReportDecode, ReceiverAloneGoingOfflineClearsTheBatteryAndStartsTheNotice) {
    Present({kReceiver});
    Feed(ConnectionKind::Receiver, Report({{4, 60}}));
    EXPECT_EQ(effects.Count("timer 80 100"), 1u); // came online
    Feed(ConnectionKind::Receiver, Report({{1, 0}}));
    EXPECT_EQ(session.Status().battery, 0);
    EXPECT_EQ(session.Status().charge, 0);
    EXPECT_EQ(effects.Count("timer 80 100"), 2u);
    effects.offlineNoticeShown = true;
    Feed(ConnectionKind::Receiver, Report({{1, 0}}));
    EXPECT_EQ(effects.Count("timer 80 100"), 2u);
}

TEST_F(StatusReportDecode, AnIdenticalReportChangesNothingAndPostsNothing) {
    Present({kWired});
    Feed(ConnectionKind::Wired, Report({{2, 4}, {6, 3}}));
    EXPECT_EQ(effects.Count("osd"), 1u);
    effects.Clear();
    Feed(ConnectionKind::Wired, Report({{2, 4}, {6, 3}}));
    EXPECT_TRUE(effects.calls.empty());
}

TEST_F(StatusReportDecode, LightingEffectNamesFromTheLanguageTexts) {
    w.world.texts.Set(103, u"Breathing");
    w.world.texts.Set(110, u"Unknown");
    Present({kWired});
    Feed(ConnectionKind::Wired, Report({{6, 4}}));
    EXPECT_EQ(w.Current().Lighting1.Name, u"Breathing");
    Feed(ConnectionKind::Wired, Report({{6, 0x30}}));
    EXPECT_EQ(w.Current().Lighting1.Name, u"Unknown");
    EXPECT_EQ(w.Current().Lighting1.ModeValue[0], 0x30);
}

TEST_F(StatusReportDecode, GarbageAndShortReportsChangeNothing) {
    Present({kWired});
    Feed(ConnectionKind::Wired, Report());
    const auto before = w.Current().CurrentDPILevelValue;
    effects.Clear();
    const std::vector<std::vector<uint8_t>> reports{
        {},
        {0x04},
        {0x04, 1, 5, 0x01, 50, 0},   // cut short
        Report({{0, 0x05}, {2, 6}}), // another report id
    };
    for (const auto& r : reports)
        Feed(ConnectionKind::Wired, r);
    EXPECT_TRUE(effects.calls.empty());
    Feed(ConnectionKind::Wired, Report({{2, 200}, {10, 9}})); // level and profile out of range
    EXPECT_EQ(w.Current().CurrentDPILevelValue, before);
    EXPECT_EQ(w.world.settings.GetCurrentProfile(), 0u);
    EXPECT_EQ(effects.Count("osd"), 0u);
}

} // namespace
