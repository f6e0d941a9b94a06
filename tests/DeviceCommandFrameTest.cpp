#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MouseEmulator.h"
#include "device/CommandFrame.h"
#include "device/DeviceClock.h"
#include "device/hid/InProcessHidBus.h"

namespace {

// A sender routed to the command interface of one plugged kind of an emulated mouse.
class CommandFrameOnMouse : public testing::Test {
  protected:
    void SetUp() override {
        mouse.Plug(MouseConnection::Cable);
        mouse.Plug(MouseConnection::Receiver);
        cable = OpenCommand(MouseConnection::Cable);
        receiver = OpenCommand(MouseConnection::Receiver);
        ASSERT_TRUE(cable && receiver);
    }

    std::unique_ptr<HidHandle> OpenCommand(MouseConnection kind) {
        const auto id = mouse.CommandInterface(kind);
        return bus.Open("inproc:" + std::to_string(*id));
    }

    std::vector<std::vector<uint8_t>> Written() const {
        std::vector<std::vector<uint8_t>> frames;
        for (const auto& record : mouse.Frames())
            frames.push_back(record.bytes);
        return frames;
    }

    MouseEmulator mouse;
    InProcessHidBus bus{mouse};
    std::unique_ptr<HidHandle> cable;
    std::unique_ptr<HidHandle> receiver;
    SimulatedDeviceClock clock;
    HidHandle* routed = nullptr;
    CommandSender sender{clock, [this] { return routed; }};
};

TEST(CommandFrame, SwitchProfileBytesAndChecksum) {
    const uint8_t payload[] = {2};
    const auto frame = CommandFrame::Build(CommandCode::SwitchProfile, 7, kSinglePacket, payload);
    std::array<uint8_t, 32> expected{0x06, 0x0A, 0x07, 0x01, 0x1A, 0x02};
    EXPECT_EQ(frame.bytes, expected);
}

TEST(CommandFrame, ChecksumWrapsAndPayloadStopsAt27Bytes) {
    const std::vector<uint8_t> payload(40, 0xFF);
    const auto frame = CommandFrame::Build(CommandCode::SetButtonTable, 0xFE, kFirstOfTwo, payload);
    EXPECT_EQ(frame.bytes[31], 0xFF);
    // 06 + 01 + FE + 02 + 27 * FF = 0x1BEC
    EXPECT_EQ(frame.bytes[4], 0xEC);
}

TEST_F(CommandFrameOnMouse, AcknowledgedFrameIsWrittenOnceAfterOneWait) {
    routed = cable.get();
    sender.SetNextSequence(7);
    const uint8_t payload[] = {2};
    EXPECT_TRUE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    ASSERT_EQ(Written().size(), 1u);
    EXPECT_EQ(Written()[0][4], 0x1A);
    EXPECT_EQ(mouse.Firmware().profile, 2);
    EXPECT_EQ(clock.NowMs(), 60u);
    EXPECT_TRUE(sender.CommandSent());
    EXPECT_EQ(sender.NextSequence(), 8);
}

TEST_F(CommandFrameOnMouse, NeverAcknowledgedFrameIsWrittenFourTimesWithFourSequenceNumbers) {
    routed = cable.get();
    sender.SetNextSequence(254);
    mouse.NakAll();
    const uint8_t payload[] = {3};
    EXPECT_FALSE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    const auto frames = Written();
    ASSERT_EQ(frames.size(), 4u);
    const uint8_t sequences[] = {254, 255, 0, 1};
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i][2], sequences[i]);
        std::array<uint8_t, 32> bytes{};
        std::copy_n(frames[i].begin(), 32, bytes.begin());
        EXPECT_EQ(frames[i][4], CommandFrame::Checksum(bytes));
    }
    EXPECT_EQ(clock.NowMs(), 4u * 120u); // 60 ms before each read, 60 ms after each refusal
    EXPECT_EQ(mouse.Firmware().profile, 0);
}

TEST_F(CommandFrameOnMouse, FrameAcknowledgedAtTheThirdAttempt) {
    routed = cable.get();
    mouse.NakFrames(2);
    const uint8_t payload[] = {4};
    EXPECT_TRUE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    EXPECT_EQ(Written().size(), 3u);
    EXPECT_EQ(mouse.Firmware().profile, 4);
    EXPECT_EQ(clock.NowMs(), 2u * 120u + 60u);
}

TEST_F(CommandFrameOnMouse, FailedAcknowledgementReadCountsAsRefusal) {
    routed = cable.get();
    mouse.FailNextGetFeature();
    const uint8_t payload[] = {1};
    EXPECT_TRUE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    EXPECT_EQ(Written().size(), 2u);
}

TEST_F(CommandFrameOnMouse, LightingWriteIs33BytesOthers32) {
    routed = cable.get();
    const uint8_t lighting[] = {0, 3, 0x45, 1};
    EXPECT_TRUE(sender.Send(CommandCode::SetLighting, kSinglePacket, lighting));
    const uint8_t rate[] = {0x08};
    EXPECT_TRUE(sender.Send(CommandCode::SetPollingRate, kSinglePacket, rate));
    const auto frames = Written();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].size(), 33u);
    EXPECT_EQ(frames[0][32], 0);
    EXPECT_EQ(frames[1].size(), 32u);
    EXPECT_EQ(mouse.Firmware().lightingEffect, 3);
    EXPECT_EQ(mouse.Firmware().pollingCode, 0x08);
}

TEST_F(CommandFrameOnMouse, MacroChunkWaits120MsBeforeItsAcknowledgement) {
    routed = cable.get();
    const uint8_t chunk[] = {4, 1, 0x30, 0x14, 0x04};
    EXPECT_TRUE(sender.SendMacroChunk(0x01, chunk));
    EXPECT_EQ(clock.NowMs(), 120u);
    mouse.NakAll();
    EXPECT_FALSE(sender.SendMacroChunk(0x01, chunk));
    EXPECT_EQ(clock.NowMs(), 120u + 4u * 180u);
}

TEST_F(CommandFrameOnMouse, WithoutHandleNothingIsSentAndNoTimePasses) {
    const uint8_t payload[] = {1};
    EXPECT_FALSE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    EXPECT_FALSE(sender.HasRoute());
    EXPECT_TRUE(Written().empty());
    EXPECT_FALSE(sender.CommandSent());
    EXPECT_EQ(clock.NowMs(), 0u);
    EXPECT_EQ(sender.NextSequence(), 1);
}

TEST_F(CommandFrameOnMouse, RouteIsChosenAfreshForEveryTransfer) {
    const uint8_t payload[] = {1};
    routed = cable.get();
    EXPECT_TRUE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    routed = receiver.get();
    EXPECT_TRUE(sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload));
    const auto frames = mouse.Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].kind, MouseConnection::Cable);
    EXPECT_EQ(frames[1].kind, MouseConnection::Receiver);
}

TEST_F(CommandFrameOnMouse, PairingRequestGoesOutOnceWithoutWaiting) {
    EXPECT_TRUE(RequestPairing(receiver.get()));
    EXPECT_FALSE(RequestPairing(nullptr));
    ASSERT_EQ(Written().size(), 1u);
    const std::vector<uint8_t> expected{0xBC, 0x03, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Written()[0], expected);
    EXPECT_EQ(mouse.Firmware().pairingRequests, 1u);
    EXPECT_EQ(clock.NowMs(), 0u);
}

} // namespace
