#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "CorvexctlRunner.h"
#include "DeviceTestSupport.h"
#include "MouseEmulator.h"
#include "device/hid/VirtualHidServer.h"
#include "settings/ProfileFile.h"

namespace {

// corvexctl's device verbs against the emulator served on the virtual HID bus.
class DeviceCorvexctl : public testing::Test {
  protected:
    void SetUp() override {
        mouse.Plug(MouseConnection::Cable);
        ASSERT_TRUE(server.Start(0, nullptr));
    }
    void TearDown() override { server.Stop(); }

    CorvexctlRun Run(const std::string& verb) {
        return Corvexctl("--virtual-device 127.0.0.1:" + std::to_string(server.Port()) + " " +
                         verb);
    }

    MouseEmulator mouse;
    VirtualHidServer server{mouse};
};

TEST_F(DeviceCorvexctl, SwitchSendsTheProfileAndChecksItsRange) {
    auto run = Run("switch 3");
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(mouse.Firmware().profile, 3);
    run = Run("switch 7");
    EXPECT_EQ(run.code, 2) << run.out;
    EXPECT_NE(run.out.find("0 to 4"), std::string::npos) << run.out;
}

TEST_F(DeviceCorvexctl, UnacknowledgedFrameIsExit4) {
    mouse.NakAll();
    auto run = Run("factory-reset");
    EXPECT_EQ(run.code, 4) << run.out;
    EXPECT_NE(run.out.find("did not acknowledge FactoryReset after 4 attempts"), std::string::npos)
        << run.out;
    EXPECT_EQ(mouse.Frames().size(), 4u);
}

TEST_F(DeviceCorvexctl, FactoryResetAndPairing) {
    EXPECT_EQ(Run("factory-reset").code, 0);
    EXPECT_EQ(mouse.Firmware().factoryResets, 1u);
    auto run = Run("pair");
    EXPECT_EQ(run.code, 3) << run.out;
    EXPECT_NE(run.out.find("no receiver"), std::string::npos) << run.out;
    mouse.Plug(MouseConnection::Receiver);
    run = Run("pair");
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(mouse.Firmware().pairingRequests, 1u);
}

TEST_F(DeviceCorvexctl, NoMouseIsExit3) {
    mouse.Unplug(MouseConnection::Cable);
    for (const char* verb : {"status", "switch 1", "factory-reset"}) {
        auto run = Run(verb);
        EXPECT_EQ(run.code, 3) << verb << run.out;
        EXPECT_NE(run.out.find("no mouse found"), std::string::npos) << run.out;
    }
}

TEST_F(DeviceCorvexctl, StatusPrintsPresenceAndDecodedReports) {
    std::thread later([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        mouse.SetDpiLevel(5);
    });
    auto run = Run("status --wait 1500");
    later.join();
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("Wired: present, command interface 0, status interface 1"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Receiver: absent"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Wired: profile 0, DPI level 5, polling 1000Hz, battery 100%"),
              std::string::npos)
        << run.out;
}

TEST_F(DeviceCorvexctl, ApplyUploadsTheWholeProfileWithItsMacros) {
    devicetest::DeviceWorld w;
    w.AssignMacro(0, 6, w.AddMacro(u"A", {devicetest::Press(0x41), devicetest::Release(0x41)}));
    ProfileSettings& p = w.world.table[0];
    p.Keys[6].Value.bytes = {0x90, 0x21, 1};
    p.PollingRateValue[0] = 0;
    p.SetKeyDebounce(0);
    p.SetMotionSync(0);
    const auto file = w.world.data.root / "apply.psf";
    ASSERT_TRUE(ProfileFile::Write(p, file));
    auto run = Run("apply " + file.string());
    EXPECT_EQ(run.code, 0) << run.out;
    const auto f = mouse.Firmware();
    EXPECT_EQ(f.pollingCode, 0x08);
    EXPECT_EQ(f.buttons[6], (std::array<uint8_t, 3>{0x90, 0x21, 1}));
    EXPECT_EQ(f.macros[1].steps.size(), 6u);
    std::vector<std::string> names;
    for (const auto& frame : mouse.Frames())
        names.emplace_back(CommandName(frame.bytes[1]));
    for (const char* name : {"SetPowerOptions", "SetMotionOptions", "SetDebounce", "SetLighting"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;

    run = Run("apply " + (w.world.data.root / "missing.psf").string());
    EXPECT_EQ(run.code, 1) << run.out;
    EXPECT_NE(run.out.find("is not a profile file"), std::string::npos) << run.out;
}

} // namespace
