#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "FirmwareCommands.h"
#include "device/DeviceClock.h"
#include "device/DeviceSession.h"
#include "device/hid/InProcessHidBus.h"

namespace {

using devicetest::Press;
using devicetest::PumpUntil;
using devicetest::Release;

// The whole link over the emulated mouse, as the main window runs it.
class DeviceSyncThreaded : public testing::Test {
  protected:
    void Start(std::initializer_list<MouseConnection> kinds) {
        mouse.SetSensor(0x11); // the sensor the stored settings name
        for (auto kind : kinds)
            mouse.Plug(kind);
        session.Start();
        mouse.ClearFrames();
        effects.Clear();
    }
    std::vector<std::string> Sent() const {
        std::vector<std::string> names;
        for (const auto& f : mouse.Frames())
            names.emplace_back(CommandName(f.bytes[1]));
        return names;
    }

    void MarkAllPending() {
        auto& p = session.Sync().Pending();
        p.buttons = p.settings = p.power = p.motion = true;
    }

    devicetest::DeviceWorld w;
    MouseEmulator mouse;
    InProcessHidBus bus{mouse};
    PumpedUiQueue queue;
    RecordingDeviceEffects effects;
    SimulatedDeviceClock clock;
    DeviceSession session{bus, queue, effects, clock, w.context};
};

TEST_F(DeviceSyncThreaded, OnlyThePollingRateChangedSendsOneFrame) {
    Start({MouseConnection::Cable});
    w.Current().PollingRateValue[0] = 3;
    MarkAllPending();
    session.Sync().ApplyPendingChanges();
    EXPECT_EQ(Sent(), std::vector<std::string>{"SetPollingRate"});
    EXPECT_EQ(mouse.Firmware().pollingCode, 0x01);
    EXPECT_EQ(effects.Count("progress 146"), 1u);
    EXPECT_EQ(effects.Count("timer 70 10000"), 1u);
}

TEST_F(DeviceSyncThreaded, NothingChangedSendsNothingButStillDefersTheSave) {
    Start({MouseConnection::Cable});
    MarkAllPending();
    session.Sync().ApplyPendingChanges();
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(effects.Count("progress 146"), 0u);
    EXPECT_EQ(effects.Count("timer 70 10000"), 1u);
    EXPECT_TRUE(session.Sync().DeferredSavePending());
    EXPECT_EQ(effects.Count("refresh"), 1u);
}

TEST_F(DeviceSyncThreaded, ReceiverWithTheMouseOfflineOpensTheNoticeAndKeepsTheFlags) {
    Start({MouseConnection::Receiver});
    mouse.SetOnline(false);
    ASSERT_TRUE(PumpUntil(queue, [&] { return session.Status().battery == 0; }));
    w.Current().PollingRateValue[0] = 0;
    session.Sync().Pending().settings = true;
    session.Sync().ApplyPendingChanges();
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(effects.Count("attention 156"), 1u);
    EXPECT_TRUE(session.Sync().Pending().settings);
}

TEST_F(DeviceSyncThreaded, ProfileSwitchChosenInTheListIsSentFirst) {
    Start({MouseConnection::Cable});
    session.Sync().RequestProfileSwitch(3);
    session.Sync().ApplyPendingChanges();
    ASSERT_EQ(Sent(), std::vector<std::string>{"SwitchProfile"});
    EXPECT_EQ(mouse.Frames()[0].bytes[5], 3);
    EXPECT_FALSE(session.Sync().Pending().profileSwitch);
}

TEST_F(DeviceSyncThreaded, ProfileChangeOnTheMouseResendsAllButPowerAndMotion) {
    w.AssignMacro(2, 5, w.AddMacro(u"A", {Press(0x41), MacroAction::Delay(20), Release(0x41)}));
    w.world.table[2].SetPowerDownTime(3);
    w.world.table[2].SetMotionSync(0);
    Start({MouseConnection::Cable});
    mouse.SetProfile(2);
    ASSERT_TRUE(PumpUntil(queue, [&] { return w.world.settings.GetCurrentProfile() == 2; }));
    EXPECT_EQ(session.Status().skipReports, 2);
    EXPECT_EQ(effects.Count("osd"), 1u);
    EXPECT_TRUE(session.Sync().ApplyAfterDisplay());
    session.Sync().OnDisplayClosed();
    EXPECT_EQ(effects.Count("timer 30 20"), 1u);
    mouse.ClearFrames();
    session.Sync().ApplyPendingChanges();
    const std::vector<std::string> expected{
        "SetButtonTable", "SetButtonTable", "SetDpiLevels", "SetDpiLevels", "SetDpiColours",
        "SetPollingRate", "SetLiftOff",     "SetLighting",  "MacroBegin",   "MacroData"};
    EXPECT_EQ(Sent(), expected);
    const auto firmware = mouse.Firmware();
    EXPECT_EQ(firmware.buttons[5], (std::array<uint8_t, 3>{0x90, 0x21, 1}));
    ASSERT_EQ(firmware.macros[1].steps.size(), 6u);
    EXPECT_EQ(firmware.macros[1].steps[1], 0x14);
}

TEST_F(DeviceSyncThreaded, DpiLevelChangedOnTheMouseIsShownButNeverSentBack) {
    Start({MouseConnection::Cable});
    mouse.SetDpiLevel(4);
    ASSERT_TRUE(PumpUntil(queue, [&] { return w.Current().CurrentDPILevelValue == 4; }));
    EXPECT_EQ(effects.Count("osd"), 1u);
    EXPECT_FALSE(session.Sync().ApplyAfterDisplay());
    MarkAllPending();
    session.Sync().ApplyPendingChanges();
    EXPECT_TRUE(Sent().empty());
}

TEST_F(DeviceSyncThreaded, InvalidatedCachesPutTheWholeProfileOnTheMouse) {
    Start({MouseConnection::Cable});
    ProfileSettings& p = w.Current();
    p.Keys[0].Value.bytes = {0x70, 0x00, 0x04};
    p.PollingRateValue[0] = 6;
    p.SetLiftDetectionHeight(1);
    p.SetKeyDebounce(7);
    p.SetPowerDownTime(5);
    p.SetAngleSnap(1);
    p.DPILevelIndication[1] = Rgb(0x11, 0x22, 0x33);
    p.Lighting1.ModeValue[0] = 4;
    p.Lighting1.Brightness[4] = 2;
    p.Lighting1.Speed[4] = 1;
    session.Sync().InvalidateCaches();
    MarkAllPending();
    session.Sync().ApplyPendingChanges();
    const auto f = mouse.Firmware();
    EXPECT_EQ(f.buttons[0], (std::array<uint8_t, 3>{0x70, 0x00, 0x04}));
    EXPECT_EQ(f.buttons[15], p.Keys[15].Value.bytes);
    EXPECT_EQ(f.dpiX[1], w.sensor.StepRegister(p.XYSettingX[1]));
    EXPECT_EQ(f.dpiY[5], w.sensor.StepRegister(p.XYSettingY[5]));
    EXPECT_EQ(f.dpiColours[1], (std::array<uint8_t, 3>{0x11, 0x22, 0x33}));
    EXPECT_EQ(f.pollingCode, 0x14);
    EXPECT_EQ(f.liftOff, 1);
    EXPECT_EQ(f.debounce, 7);
    EXPECT_EQ(f.lightingEffect, 4);
    EXPECT_EQ(f.lightingLevels, 0x32);
    EXPECT_EQ(f.power[0], 5);
    EXPECT_EQ(f.motion[0], 1);
}

TEST_F(DeviceSyncThreaded, PairingGoesToTheReceiverOnly) {
    Start({MouseConnection::Cable});
    EXPECT_FALSE(session.RequestPairing());
    mouse.Plug(MouseConnection::Receiver);
    ASSERT_TRUE(
        PumpUntil(queue, [&] { return session.Link().CommandOpen(ConnectionKind::Receiver); }));
    EXPECT_TRUE(session.RequestPairing());
    EXPECT_EQ(mouse.Firmware().pairingRequests, 1u);
}

TEST_F(DeviceSyncThreaded, FactoryResetFrame) {
    Start({MouseConnection::Cable});
    EXPECT_TRUE(session.SendFactoryReset());
    ASSERT_EQ(Sent(), std::vector<std::string>{"FactoryReset"});
    EXPECT_EQ(mouse.Frames()[0].bytes[5], 0xFF);
    EXPECT_EQ(mouse.Firmware().factoryResets, 1u);
}

} // namespace
