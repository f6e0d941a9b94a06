#include <gtest/gtest.h>

#include <set>

#include "SimTestSupport.h"

namespace {

using simtest::Iota;
using simtest::MakeFrame;

class SimMouseFault : public simtest::CableMouse {
  protected:
    uint8_t Send(const FrameBytes& frame) { return simtest::SendFrame(mouse, command, frame); }
};

TEST_F(SimMouseFault, PluggedKindPresentsCommandStatusAndIgnoredInterface) {
    ASSERT_EQ(events.attached.size(), 3u);
    const auto list = mouse.Interfaces();
    ASSERT_EQ(list.size(), 3u);
    for (const auto& i : list) {
        EXPECT_EQ(i.info.vendor, 0x04F3);
        EXPECT_EQ(i.info.product, 0x026E);
        EXPECT_TRUE(i.info.path.empty());
    }
    EXPECT_EQ(list[0].id, command);
    EXPECT_EQ(list[0].info.usagePage, 0x000A);
    EXPECT_GE(list[0].info.featureReportLength, 33);
    EXPECT_NE(list[0].info.inputReportLength, 32);
    EXPECT_EQ(list[1].id, *mouse.StatusInterface(MouseConnection::Cable));
    EXPECT_EQ(list[1].info.inputReportLength, 32);
    EXPECT_NE(list[1].info.usagePage, 0x000A);
    EXPECT_EQ(list[2].info.usagePage, 0x0001);
    EXPECT_EQ(list[2].info.inputReportLength, 8);
}

TEST_F(SimMouseFault, IdsAreNeverReusedAndStayAscending) {
    EXPECT_FALSE(mouse.Plug(MouseConnection::Cable));
    ASSERT_TRUE(mouse.Plug(MouseConnection::Ble));
    ASSERT_TRUE(mouse.Unplug(MouseConnection::Cable));
    EXPECT_FALSE(mouse.Unplug(MouseConnection::Cable));
    EXPECT_EQ(events.detached.size(), 3u);
    EXPECT_FALSE(mouse.IsPlugged(MouseConnection::Cable));
    EXPECT_FALSE(mouse.CommandInterface(MouseConnection::Cable));
    ASSERT_TRUE(mouse.Plug(MouseConnection::Cable));
    std::set<uint16_t> ids;
    for (const auto& i : events.attached)
        ids.insert(i.id);
    EXPECT_EQ(events.attached.size(), 9u);
    EXPECT_EQ(ids.size(), 9u);
    const auto list = mouse.Interfaces();
    ASSERT_EQ(list.size(), 6u);
    EXPECT_TRUE(
        std::is_sorted(list.begin(), list.end(), [](auto& a, auto& b) { return a.id < b.id; }));
    EXPECT_EQ(list[0].info.product, 0x026D);
    EXPECT_FALSE(mouse.SetFeature(command, MakeFrame(0x09, 0x01, {1})))
        << "the old command interface is gone";
}

TEST_F(SimMouseFault, NakDropsTheNextFramesThenAcknowledgesAgain) {
    mouse.NakFrames(2);
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {1})), 0);
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {2})), 0);
    EXPECT_EQ(mouse.Firmware().debounce, 0) << "dropped frames are not applied";
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {3})), 0x09);
    EXPECT_EQ(mouse.Firmware().debounce, 3);
    EXPECT_EQ(mouse.Frames()[0].outcome, FrameOutcome::Unacknowledged);
}

TEST_F(SimMouseFault, NakAllLastsUntilNakZero) {
    mouse.NakAll();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {1})), 0);
    mouse.NakFrames(0);
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {1})), 0x09);
}

TEST_F(SimMouseFault, FailedReadIsOneShot) {
    mouse.FailNextGetFeature();
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {1})), 0xEE);
    EXPECT_EQ(Send(MakeFrame(0x09, 0x01, {1})), 0x09);
}

struct GarbageCase {
    const char* name;
    MouseEmulator::Garbage kind;
    bool onStatus;
    size_t length;
};

class SimMouseGarbage : public SimMouseFault, public testing::WithParamInterface<GarbageCase> {};

TEST_P(SimMouseGarbage, SendsItsReportOnItsInterface) {
    const auto& c = GetParam();
    mouse.SendGarbage(c.kind);
    ASSERT_EQ(events.inputs.size(), 1u);
    const auto& [id, report] = events.inputs[0];
    EXPECT_EQ(id, c.onStatus ? *mouse.StatusInterface(MouseConnection::Cable)
                             : *mouse.ExtraInterface(MouseConnection::Cable));
    EXPECT_EQ(report.size(), c.length);
    const bool validStatus = report.size() == 32 && report[0] == 0x04;
    EXPECT_FALSE(validStatus && c.onStatus);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SimMouseGarbage,
    testing::Values(GarbageCase{"Random", MouseEmulator::Garbage::Random, true, 32},
                    GarbageCase{"WrongId", MouseEmulator::Garbage::WrongId, true, 32},
                    GarbageCase{"Short", MouseEmulator::Garbage::Short, true, 6},
                    GarbageCase{"Foreign", MouseEmulator::Garbage::Foreign, false, 8}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimMouseFault, RandomGarbageFollowsTheSeed) {
    MouseEmulator other;
    simtest::EventRecorder otherEvents;
    other.SetEvents(otherEvents.Events());
    other.Plug(MouseConnection::Cable);
    for (int i = 0; i < 8; ++i) {
        mouse.SendGarbage(MouseEmulator::Garbage::Random);
        other.SendGarbage(MouseEmulator::Garbage::Random);
        EXPECT_NE(events.inputs.back().second[0], 0x04);
    }
    EXPECT_EQ(events.inputs, otherEvents.inputs);
}

// One macro step chunk: chunk `index` of `count` for `slot`, carrying `data`.
FrameBytes Chunk(uint8_t index, uint8_t count, uint8_t slot, std::vector<uint8_t> data) {
    std::vector<uint8_t> payload{static_cast<uint8_t>(data.size() + 1), slot};
    payload.insert(payload.end(), data.begin(), data.end());
    return MakeFrame(0x10, static_cast<uint8_t>(index * 16 + count), payload);
}

TEST_F(SimMouseFault, MacroMemoryHoldsTheChunksInOrder) {
    const auto steps = Iota(0, 90);
    ASSERT_EQ(Send(MakeFrame(0x11, 0x01, {0xFF})), 0x11);
    for (uint8_t i = 0; i < 4; ++i) {
        const size_t from = i * 25u;
        const size_t to = std::min<size_t>(from + 25, steps.size());
        EXPECT_EQ(Send(Chunk(i, 4, 1, {steps.begin() + from, steps.begin() + to})), 0x10) << +i;
    }
    EXPECT_EQ(Send(Chunk(0, 1, 2, {})), 0x10) << "an empty macro is one chunk of length 1";
    const FirmwareState s = mouse.Firmware();
    EXPECT_EQ(s.macros[1].steps, steps);
    EXPECT_EQ(s.macros[1].chunkCount, 4);
    EXPECT_EQ(s.macros[1].chunksReceived, 4);
    EXPECT_TRUE(s.macros[2].written);
    EXPECT_TRUE(s.macros[2].steps.empty());
    EXPECT_FALSE(s.macros[3].written);
}

TEST_F(SimMouseFault, MacroBeginErasesAndRepeatsRewrite) {
    Send(Chunk(0, 2, 1, Iota(0, 25)));
    Send(Chunk(0, 2, 1, Iota(0, 25)));
    Send(Chunk(1, 2, 1, Iota(25, 3)));
    Send(Chunk(1, 2, 1, Iota(25, 3)));
    EXPECT_EQ(mouse.Firmware().macros[1].steps, Iota(0, 28));
    Send(MakeFrame(0x11, 0x01, {0xFF}));
    EXPECT_FALSE(mouse.Firmware().macros[1].written);
    EXPECT_EQ(mouse.Firmware().macroBegins, 1u);
}

TEST_F(SimMouseFault, MacroChunksOutOfOrderOrOutOfRangeAreRefused) {
    EXPECT_EQ(Send(Chunk(1, 2, 1, Iota(0, 3))), 0) << "no chunk 0 before it";
    EXPECT_EQ(Send(Chunk(0, 1, 0, Iota(0, 3))), 0) << "slot 0";
    EXPECT_EQ(Send(Chunk(0, 1, 16, Iota(0, 3))), 0) << "slot 16";
    EXPECT_EQ(Send(Chunk(2, 2, 1, Iota(0, 3))), 0) << "index past the count";
    FrameBytes tooLong = Chunk(0, 1, 1, Iota(0, 25));
    tooLong[5] = 27;
    tooLong[4] = FrameChecksum(tooLong);
    EXPECT_EQ(Send(tooLong), 0);
    EXPECT_FALSE(mouse.Firmware().macros[1].written);
}

TEST_F(SimMouseFault, UnplugsInTheMiddleOfAMacroUpload) {
    mouse.UnplugDuringMacroUpload(MouseConnection::Cable, 2);
    Send(MakeFrame(0x11, 0x01, {0xFF}));
    EXPECT_EQ(Send(Chunk(0, 3, 1, Iota(0, 25))), 0x10);
    EXPECT_TRUE(mouse.IsPlugged(MouseConnection::Cable));
    EXPECT_TRUE(mouse.SetFeature(command, Chunk(1, 3, 1, Iota(25, 25))));
    EXPECT_FALSE(mouse.IsPlugged(MouseConnection::Cable));
    EXPECT_EQ(events.detached.size(), 3u);
    EXPECT_FALSE(mouse.GetFeature(command, kCommandReport, kFrameLength));
    EXPECT_FALSE(mouse.SetFeature(command, Chunk(2, 3, 1, Iota(50, 5))));
    EXPECT_EQ(mouse.Firmware().macros[1].steps, Iota(0, 50));
    mouse.Plug(MouseConnection::Cable);
    EXPECT_TRUE(mouse.IsPlugged(MouseConnection::Cable)) << "the fault fires once";
    command = *mouse.CommandInterface(MouseConnection::Cable);
    EXPECT_EQ(Send(Chunk(0, 1, 1, Iota(0, 3))), 0x10);
    EXPECT_TRUE(mouse.IsPlugged(MouseConnection::Cable));
}

} // namespace
