#include <gtest/gtest.h>

#include <functional>

#include "SimTestSupport.h"

namespace {

using simtest::Iota;
using simtest::MakeFrame;

class SimMouseEmulator : public simtest::CableMouse {
  protected:
    bool Write(const FrameBytes& frame) { return mouse.SetFeature(command, frame); }
    uint8_t Ack() { return simtest::ReadAck(mouse, command); }
    FrameOutcome LastOutcome() const { return mouse.Frames().back().outcome; }
};

struct SingleCase {
    const char* name;
    uint8_t code;
    std::vector<uint8_t> payload;
    std::function<std::vector<uint8_t>(const FirmwareState&)> read;
    std::vector<uint8_t> expected;
};

class SimSingleCommand : public SimMouseEmulator, public testing::WithParamInterface<SingleCase> {};

TEST_P(SimSingleCommand, ChangesItsStateAndIsAcknowledged) {
    const auto& c = GetParam();
    ASSERT_TRUE(Write(MakeFrame(c.code, 0x01, c.payload)));
    EXPECT_EQ(Ack(), c.code);
    EXPECT_EQ(c.read(mouse.Firmware()), c.expected);
    EXPECT_EQ(LastOutcome(), FrameOutcome::Taken);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SimSingleCommand,
    testing::Values(
        SingleCase{"Colours",
                   0x03,
                   Iota(1, 24),
                   [](const FirmwareState& s) {
                       return std::vector<uint8_t>{s.dpiColours[0][0], s.dpiColours[0][2],
                                                   s.dpiColours[7][0], s.dpiColours[7][2]};
                   },
                   {1, 3, 22, 24}},
        SingleCase{"Polling",
                   0x04,
                   {0x12},
                   [](const FirmwareState& s) { return std::vector<uint8_t>{s.pollingCode}; },
                   {0x12}},
        SingleCase{"LiftOff",
                   0x05,
                   {2},
                   [](const FirmwareState& s) { return std::vector<uint8_t>{s.liftOff}; },
                   {2}},
        SingleCase{"Lighting",
                   0x06,
                   {0, 5, 0x34, 1},
                   [](const FirmwareState& s) {
                       return std::vector<uint8_t>{s.lightingEffect, s.lightingLevels,
                                                   s.lightingDirection};
                   },
                   {5, 0x34, 1}},
        SingleCase{"Power",
                   0x07,
                   {3, 1, 2},
                   [](const FirmwareState& s) {
                       return std::vector<uint8_t>(s.power.begin(), s.power.end());
                   },
                   {3, 1, 2}},
        SingleCase{"Motion",
                   0x08,
                   {1, 0, 1},
                   [](const FirmwareState& s) {
                       return std::vector<uint8_t>(s.motion.begin(), s.motion.end());
                   },
                   {1, 0, 1}},
        SingleCase{"Debounce",
                   0x09,
                   {8},
                   [](const FirmwareState& s) { return std::vector<uint8_t>{s.debounce}; },
                   {8}},
        SingleCase{"Profile",
                   0x0A,
                   {2},
                   [](const FirmwareState& s) { return std::vector<uint8_t>{s.profile}; },
                   {2}},
        SingleCase{"MacroBegin",
                   0x11,
                   {0xFF},
                   [](const FirmwareState& s) {
                       return std::vector<uint8_t>{static_cast<uint8_t>(s.macroBegins)};
                   },
                   {1}}),
    [](const auto& info) { return info.param.name; });

struct RefusedCase {
    const char* name;
    FrameBytes frame;
};

class SimRefusedFrame : public SimMouseEmulator, public testing::WithParamInterface<RefusedCase> {};

TEST_P(SimRefusedFrame, ChangesNothingAndIsNotAcknowledged) {
    const FirmwareState before = mouse.Firmware();
    EXPECT_TRUE(Write(GetParam().frame));
    EXPECT_EQ(Ack(), 0);
    EXPECT_EQ(LastOutcome(), FrameOutcome::Refused);
    const FirmwareState after = mouse.Firmware();
    EXPECT_EQ(after.profile, before.profile);
    EXPECT_EQ(after.pollingCode, before.pollingCode);
    EXPECT_EQ(after.liftOff, before.liftOff);
    EXPECT_EQ(after.factoryResets, before.factoryResets);
    EXPECT_EQ(after.macroBegins, before.macroBegins);
}

FrameBytes WrongChecksum() {
    FrameBytes f = MakeFrame(0x0A, 0x01, {3});
    ++f[4];
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SimRefusedFrame,
    testing::Values(RefusedCase{"Checksum", WrongChecksum()},
                    RefusedCase{"PollingCode", MakeFrame(0x04, 0x01, {0x13})},
                    RefusedCase{"LiftOffZero", MakeFrame(0x05, 0x01, {0})},
                    RefusedCase{"ProfileFive", MakeFrame(0x0A, 0x01, {5})},
                    RefusedCase{"ResetConstant", MakeFrame(0x0F, 0x01, {0x01})},
                    RefusedCase{"BeginConstant", MakeFrame(0x11, 0x01, {0x00})},
                    RefusedCase{"UnknownCode", MakeFrame(0x0B, 0x01, {1})},
                    RefusedCase{"PacketByte", MakeFrame(0x0A, 0x02, {1})}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimMouseEmulator, ChecksumIsTheLowByteOfTheSum) {
    // Profile 2 with sequence number 7: 06 0A 07 01 1A 02 and zeros.
    const FrameBytes f = MakeFrame(0x0A, 0x01, {2}, 7);
    EXPECT_EQ(f[4], 0x1A);
    FrameBytes big{};
    big.fill(0xFF);
    EXPECT_EQ(FrameChecksum(big), static_cast<uint8_t>(31 * 0xFF));
}

TEST_F(SimMouseEmulator, ButtonTableIsAssembledFromBothPackets) {
    const auto table = Iota(0, 48);
    ASSERT_TRUE(Write(MakeFrame(0x01, 0x02, {table.begin(), table.begin() + 27})));
    EXPECT_EQ(Ack(), 0x01);
    EXPECT_EQ(mouse.Firmware().buttons[1][0], 0) << "nothing applied before the second packet";
    ASSERT_TRUE(Write(MakeFrame(0x01, 0x12, {table.begin() + 27, table.end()}, 2)));
    EXPECT_EQ(Ack(), 0x01);
    const auto buttons = mouse.Firmware().buttons;
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(buttons[i],
                  (std::array<uint8_t, 3>{uint8_t(3 * i), uint8_t(3 * i + 1), uint8_t(3 * i + 2)}))
            << i;
}

TEST_F(SimMouseEmulator, DpiLevelsTakeXFromTheFirstPacketAndYFromTheSecond) {
    std::vector<uint8_t> x{3,    0x3F, 0x10, 0x00, 0x20, 0x00, 0x30,
                           0x00, 0x40, 0x00, 0x50, 0x00, 0x60, 0x01};
    std::vector<uint8_t> y = x;
    y[2] = 0x11;
    y[13] = 0x02;
    ASSERT_TRUE(Write(MakeFrame(0x02, 0x02, x)));
    ASSERT_TRUE(Write(MakeFrame(0x02, 0x12, y)));
    const FirmwareState s = mouse.Firmware();
    EXPECT_EQ(s.dpiLevel, 3);
    EXPECT_EQ(s.dpiFlags, 0x3F);
    EXPECT_EQ(s.dpiX, (std::array<uint16_t, 6>{0x10, 0x20, 0x30, 0x40, 0x50, 0x160}));
    EXPECT_EQ(s.dpiY, (std::array<uint16_t, 6>{0x11, 0x20, 0x30, 0x40, 0x50, 0x260}));
}

TEST_F(SimMouseEmulator, TwoPacketCommandsRefuseBrokenSequences) {
    // A second packet alone, heads that differ, and a first packet cut off by another command.
    EXPECT_TRUE(Write(MakeFrame(0x01, 0x12, Iota(1, 21))));
    EXPECT_EQ(Ack(), 0);
    Write(MakeFrame(0x02, 0x02, {1, 0x3F}));
    Write(MakeFrame(0x02, 0x12, {2, 0x3F}));
    EXPECT_EQ(Ack(), 0);
    Write(MakeFrame(0x01, 0x02, Iota(1, 27)));
    Write(MakeFrame(0x09, 0x01, {4}));
    Write(MakeFrame(0x01, 0x12, Iota(1, 21)));
    EXPECT_EQ(Ack(), 0);
    EXPECT_EQ(mouse.Firmware().buttons[0], (std::array<uint8_t, 3>{}));
    EXPECT_EQ(mouse.Firmware().dpiLevel, 0);
    EXPECT_EQ(mouse.Firmware().debounce, 4);
}

TEST_F(SimMouseEmulator, ARepeatedFirstPacketAfterABadSecondStillAssembles) {
    Write(MakeFrame(0x01, 0x02, Iota(0, 27)));
    FrameBytes second = MakeFrame(0x01, 0x12, Iota(27, 21));
    ++second[4];
    Write(second);
    EXPECT_EQ(Ack(), 0);
    Write(MakeFrame(0x01, 0x12, Iota(27, 21)));
    EXPECT_EQ(Ack(), 0x01);
    EXPECT_EQ(mouse.Firmware().buttons[15][2], 47);
}

TEST_F(SimMouseEmulator, AcknowledgementAnswersOnlyTheNextRead) {
    Write(MakeFrame(0x09, 0x01, {2}, 0x33));
    const auto reply = mouse.GetFeature(command, kCommandReport, kFrameLength);
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->size(), kFrameLength);
    EXPECT_EQ((*reply)[0], kCommandReport);
    EXPECT_EQ((*reply)[1], 0x09);
    EXPECT_EQ((*reply)[2], 0x33);
    EXPECT_EQ(Ack(), 0) << "a second read without a frame is not acknowledged";
}

TEST_F(SimMouseEmulator, FeatureRequestsOutsideTheCommandInterfaceFail) {
    const uint16_t status = *mouse.StatusInterface(MouseConnection::Cable);
    EXPECT_FALSE(mouse.SetFeature(status, MakeFrame(0x09, 0x01, {2})));
    EXPECT_FALSE(mouse.GetFeature(status, kCommandReport, kFrameLength));
    EXPECT_FALSE(mouse.GetFeature(command, 0x07, kFrameLength));
    EXPECT_FALSE(mouse.GetFeature(command, kCommandReport, 0));
    EXPECT_FALSE(mouse.SetFeature(999, MakeFrame(0x09, 0x01, {2})));
    const FrameBytes f = MakeFrame(0x09, 0x01, {2});
    EXPECT_FALSE(mouse.SetFeature(command, std::span(f).first(31)));
    EXPECT_EQ(LastOutcome(), FrameOutcome::Refused);
}

TEST_F(SimMouseEmulator, LightingIsTakenAsThirtyThreeBytes) {
    const FrameBytes f = MakeFrame(0x06, 0x01, {0, 7, 0x45, 2});
    std::vector<uint8_t> written(f.begin(), f.end());
    written.push_back(0);
    ASSERT_TRUE(mouse.SetFeature(command, written));
    EXPECT_EQ(Ack(), 0x06);
    EXPECT_EQ(mouse.Firmware().lightingEffect, 7);
    EXPECT_EQ(mouse.Frames().back().bytes.size(), 33u);
}

TEST_F(SimMouseEmulator, FactoryResetRestoresDefaultsAndCounts) {
    Write(MakeFrame(0x09, 0x01, {9}));
    Write(MakeFrame(0x0A, 0x01, {4}));
    Write(MakeFrame(0x0F, 0x01, {0xFF}));
    EXPECT_EQ(Ack(), 0x0F);
    const FirmwareState s = mouse.Firmware();
    EXPECT_EQ(s.debounce, 0);
    EXPECT_EQ(s.profile, 0);
    EXPECT_EQ(s.factoryResets, 1u);
}

TEST_F(SimMouseEmulator, PairingIsTakenOnTheReceiverOnly) {
    std::vector<uint8_t> pairing{kPairingReport, kPairingCode, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(mouse.SetFeature(command, pairing));
    mouse.Plug(MouseConnection::Receiver);
    const uint16_t receiver = *mouse.CommandInterface(MouseConnection::Receiver);
    EXPECT_TRUE(mouse.SetFeature(receiver, pairing));
    EXPECT_EQ(mouse.Firmware().pairingRequests, 1u);
    EXPECT_EQ(FormatFrame(mouse.Frames().back()), "RequestPairing BC 03 00 00 00 00 00 00");
}

TEST_F(SimMouseEmulator, FramesAreLoggedWithNameAndOutcome) {
    Write(MakeFrame(0x0A, 0x01, {2}, 7));
    Write(WrongChecksum());
    const auto frames = mouse.Frames();
    ASSERT_EQ(frames.size(), 2u);
    std::string expected = "SwitchProfile 06 0A 07 01 1A 02";
    for (int i = 0; i < 26; ++i)
        expected += " 00";
    EXPECT_EQ(FormatFrame(frames[0]), expected);
    EXPECT_TRUE(FormatFrame(frames[1]).ends_with("(refused: checksum)"));
    EXPECT_EQ(frames[0].kind, MouseConnection::Cable);
    mouse.ClearFrames();
    EXPECT_TRUE(mouse.Frames().empty());
}

} // namespace
