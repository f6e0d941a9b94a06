#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/CommandFrame.h"
#include "device/DeviceClock.h"
#include "device/MacroUpload.h"
#include "device/hid/InProcessHidBus.h"

namespace {

using devicetest::Press;
using devicetest::Release;

std::vector<uint8_t> Head(const MacroImage& image, size_t n) {
    return {image.area.begin(), image.area.begin() + n};
}

KeyAssignment MacroKey(uint8_t slot, const std::vector<MacroAction>& actions) {
    KeyAssignment key;
    key.Value.bytes = {0x90, static_cast<uint8_t>(0x20 | slot), 1};
    for (uint32_t i = 0; i < actions.size(); ++i)
        key.Macro.InsertAction(i, actions[i]);
    return key;
}

TEST(MacroImage, PressDelayReleaseOfA) {
    const auto key = MacroKey(1, {Press(0x41), MacroAction::Delay(20), Release(0x41)});
    const auto image = BuildMacroImage(key);
    const std::vector<uint8_t> expected{0x09, 0x90, 0x01, 0x02, 0x30, 0x14,
                                        0x04, 0xB0, 0x00, 0x04, 0x00};
    EXPECT_EQ(Head(image, 11), expected);
    EXPECT_EQ(image.stepBytes, 6u);
}

TEST(MacroImage, DelaysAreCappedAndOnlyTheFirstOfTwoIsKept) {
    const auto key =
        MacroKey(2, {Press(0x41), MacroAction::Delay(5000), MacroAction::Delay(7), Release(0x41)});
    const auto image = BuildMacroImage(key);
    EXPECT_EQ(image.area[3], 2);
    EXPECT_EQ(image.area[4], 0x3F); // key type, delay bits 11-8
    EXPECT_EQ(image.area[5], 0xFF);
    EXPECT_EQ(image.area[7], 0xB0);
    EXPECT_EQ(image.area[8], 0x00);
}

TEST(MacroImage, StepCountComesFromTheActionsNotTheStoredCount) {
    auto key = MacroKey(3, {Press(0x41), Release(0x41)});
    key.Macro.MacroCommandActionNum = 200;
    key.Macro.SetActionCount(4000); // as a damaged file may say
    const auto image = BuildMacroImage(key);
    EXPECT_LE(image.area[3], kMaxMacroSteps);
    EXPECT_EQ(image.stepBytes, image.area[3] * 3u);
    EXPECT_LE(4 + image.stepBytes, image.area.size());
}

TEST(MacroImage, StepTypesFromTheUsageTable) {
    struct Case {
        MacroAction action;
        uint8_t type;
        uint8_t code;
    };
    const Case cases[] = {
        {Press(0x41), 3, 0x04},                           // key A
        {Press(0xA0), 2, 0x02},                           // left shift: usage 0xE1
        {Release(0xA2), 2, 0x01},                         // left control: usage 0xE0
        {Press(0xE0), 1, 0x01},                           // left mouse button
        {MacroAction{{0xE5, 0x00, 0x00, 0xFB}}, 4, 0xFB}, // pointer five to the left
        {MacroAction{{0xE7, 0x00, 0x00, 0x01}}, 6, 0x01}, // wheel
    };
    for (const auto& c : cases) {
        const auto step = EncodeMacroStep(c.action, 0);
        EXPECT_EQ((step[0] >> 4) & 7, c.type) << int(c.action.bytes[0]);
        EXPECT_EQ(step[2], c.code) << int(c.action.bytes[0]);
        EXPECT_EQ(step[0] & 0x80, c.action.bytes[1] & 0x80);
    }
}

// The uploader sending to the emulated mouse on its cable.
class MacroUploadOnMouse : public testing::Test {
  protected:
    void SetUp() override {
        mouse.Plug(MouseConnection::Cable);
        handle =
            bus.Open("inproc:" + std::to_string(*mouse.CommandInterface(MouseConnection::Cable)));
        ASSERT_TRUE(handle);
    }

    std::vector<FrameRecord> MacroFrames() const {
        std::vector<FrameRecord> frames;
        for (const auto& f : mouse.Frames())
            if (f.bytes[1] == 0x10 || f.bytes[1] == 0x11)
                frames.push_back(f);
        return frames;
    }

    devicetest::DeviceWorld world;
    MouseEmulator mouse;
    InProcessHidBus bus{mouse};
    std::unique_ptr<HidHandle> handle;
    SimulatedDeviceClock clock;
    CommandSender sender{clock, [this] { return handle.get(); }};
    MacroUploader uploader{sender};
};

TEST_F(MacroUploadOnMouse, FirstMacroOfTheProfileGetsSlotOneAndSharedMacrosShareIt) {
    const uint32_t a = world.AddMacro(u"A", {Press(0x41), Release(0x41)});
    const uint32_t b = world.AddMacro(u"B", {Press(0x42), Release(0x42)});
    world.AssignMacro(0, 3, a);
    world.AssignMacro(0, 5, b);
    world.AssignMacro(0, 9, a);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    const auto& keys = world.Current().Keys;
    EXPECT_EQ(keys[3].Value.bytes, (std::array<uint8_t, 3>{0x90, 0x21, 1}));
    EXPECT_EQ(keys[5].Value.bytes[1] & 0x0F, 2);
    EXPECT_EQ(keys[9].Value.bytes[1] & 0x0F, 1);
}

TEST_F(MacroUploadOnMouse, MacroGoneFromTheLibraryLeavesTheButtonWithoutFunction) {
    const uint32_t a = world.AddMacro(u"A", {Press(0x41)});
    world.AssignMacro(0, 2, a);
    world.library.DeleteItem(world.library.FindMacro(a));
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    EXPECT_EQ(world.Current().Keys[2].Name, u"No function");
    EXPECT_EQ(world.Current().Keys[2].Value.bytes, (std::array<uint8_t, 3>{0, 0, 0}));
}

TEST_F(MacroUploadOnMouse, ThirtyStepsGoInFourChunks) {
    std::vector<MacroAction> actions;
    for (int i = 0; i < 15; ++i) {
        actions.push_back(Press(0x41));
        actions.push_back(Release(0x41));
    }
    const uint32_t id = world.AddMacro(u"Thirty", actions);
    world.AssignMacro(0, 0, id);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    uploader.UploadMacros(world.Current(), true);
    const auto frames = MacroFrames();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[0].bytes[1], 0x11);
    EXPECT_EQ(frames[0].bytes[5], 0xFF);
    const uint8_t packets[] = {0x04, 0x14, 0x24, 0x34};
    const uint8_t lengths[] = {26, 26, 26, 16};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(frames[i + 1].bytes[3], packets[i]);
        EXPECT_EQ(frames[i + 1].bytes[5], lengths[i]);
        EXPECT_EQ(frames[i + 1].bytes[6], 1);
    }
    const FirmwareState firmware = mouse.Firmware();
    const auto& slot = firmware.macros[1];
    ASSERT_EQ(slot.steps.size(), 90u);
    EXPECT_EQ(slot.steps[0], 0x30);
    EXPECT_EQ(slot.steps[3], 0xB0);
    // MacroBegin, 10 ms, then four chunks of 120 ms each.
    EXPECT_EQ(clock.NowMs(), 60u + 10u + 4u * 120u);
}

TEST_F(MacroUploadOnMouse, UnchangedMacrosAreNotSentAgainAndOneChangeResendsAll) {
    const uint32_t a = world.AddMacro(u"A", {Press(0x41), Release(0x41)});
    const uint32_t b = world.AddMacro(u"B", {Press(0x42), Release(0x42)});
    world.AssignMacro(0, 1, a);
    world.AssignMacro(0, 2, b);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    uploader.UploadMacros(world.Current(), true);
    EXPECT_EQ(MacroFrames().size(), 3u);
    mouse.ClearFrames();
    uploader.UploadMacros(world.Current(), true);
    EXPECT_TRUE(MacroFrames().empty());

    world.Current().Keys[2].Macro.InsertAction(2, Press(0x43));
    uploader.UploadMacros(world.Current(), true);
    const auto frames = MacroFrames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].bytes[1], 0x11);
    const FirmwareState firmware = mouse.Firmware();
    EXPECT_EQ(firmware.macros[2].steps.size(), 9u);
    EXPECT_EQ(mouse.Firmware().macroBegins, 2u);
}

TEST_F(MacroUploadOnMouse, EmptyMacroIsOneChunkOfLengthOne) {
    const uint32_t a = world.AddMacro(u"Empty", {});
    world.AssignMacro(0, 4, a);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    uploader.UploadMacros(world.Current(), true);
    const auto frames = MacroFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].bytes[3], 0x01);
    EXPECT_EQ(frames[1].bytes[5], 1);
}

TEST_F(MacroUploadOnMouse, PrimingStoresImagesWithoutSending) {
    const uint32_t a = world.AddMacro(u"A", {Press(0x41)});
    world.AssignMacro(0, 4, a);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    uploader.UploadMacros(world.Current(), false);
    EXPECT_TRUE(mouse.Frames().empty());
    EXPECT_EQ(uploader.Cache(1)[0], 0x09);
    uploader.UploadMacros(world.Current(), true);
    EXPECT_TRUE(mouse.Frames().empty());
}

TEST_F(MacroUploadOnMouse, UnplugInTheMiddleOfAnUploadEndsItWithinBounds) {
    std::vector<MacroAction> actions(100, Press(0x41));
    const uint32_t a = world.AddMacro(u"Long", actions);
    world.AssignMacro(0, 0, a);
    world.AssignMacro(0, 1, world.AddMacro(u"Short", {Press(0x42)}));
    mouse.UnplugDuringMacroUpload(MouseConnection::Cable, 2);
    uploader.ResolveMacroSlots(world.Current(), world.library, world.world.texts);
    uploader.UploadMacros(world.Current(), true);
    EXPECT_FALSE(mouse.IsPlugged(MouseConnection::Cable));
    // MacroBegin and two chunks arrived; the rest of the upload found nobody listening.
    EXPECT_EQ(MacroFrames().size(), 3u);
    const FirmwareState firmware = mouse.Firmware();
    EXPECT_EQ(firmware.macros[1].chunksReceived, 2);
}

} // namespace
