#include "device/hid/VirtualHidBus.h"
#include "device/hid/VirtualHidServer.h"

#include <gtest/gtest.h>

#include <thread>

#include "HidVirtualTestSupport.h"

namespace {

using namespace VirtualHid;

std::vector<uint8_t> Frame(uint8_t reportId, uint8_t mark, size_t length) {
    std::vector<uint8_t> frame(length, mark);
    frame[0] = reportId;
    return frame;
}

class HidVirtualBus : public ::testing::Test {
  protected:
    void SetUp() override {
        model.Plug(FakeDeviceModel::Make(7, 0x026D, 0x000A, 0, "ble command"));
        model.Plug(FakeDeviceModel::Make(2, 0x026E, 0x000A, 0, "wired command"));
        model.Plug(FakeDeviceModel::Make(4, 0x026E, 0xFF00, 32, "wired status"));
        ASSERT_TRUE(server.Start(0, nullptr));
        std::string error;
        bus = VirtualHidBus::Connect("127.0.0.1:" + std::to_string(server.Port()), &error);
        ASSERT_TRUE(bus) << error;
        bus->SetChangeListener(changes.Listener());
        ASSERT_EQ(bus->Enumerate().size(), 3u);
    }

    // Everything the server sent before this returns has been taken in by the bus: the reply
    // travels behind it on the same connection.
    void Sync(HidHandle& handle) { handle.GetFeature(0x77, 2); }

    FakeDeviceModel model;
    VirtualHidServer server{model};
    std::unique_ptr<VirtualHidBus> bus;
    ChangeRecorder changes;
};

TEST_F(HidVirtualBus, EnumeratesInIdOrderWithEveryField) {
    auto list = bus->Enumerate();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].path, "virtual:2");
    EXPECT_EQ(list[1].path, "virtual:4");
    EXPECT_EQ(list[2].path, "virtual:7");
    const auto& status = list[1];
    EXPECT_EQ(status.vendor, 0x04F3);
    EXPECT_EQ(status.product, 0x026E);
    EXPECT_EQ(status.usagePage, 0xFF00);
    EXPECT_EQ(status.usage, 1);
    EXPECT_EQ(status.inputReportLength, 32);
    EXPECT_EQ(status.featureReportLength, 33);
    EXPECT_EQ(status.name, "wired status");
}

TEST_F(HidVirtualBus, FeatureReportsRoundTrip) {
    auto handle = bus->Open("virtual:2");
    ASSERT_TRUE(handle);
    auto written = Frame(6, 0x41, 33);
    EXPECT_TRUE(handle->SetFeature(written));
    auto read = handle->GetFeature(6, 32);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, std::vector<uint8_t>(written.begin(), written.begin() + 32));

    EXPECT_TRUE(handle->SetFeature(Frame(0xBC, 0x01, 8)));
    auto pairing = handle->GetFeature(0xBC, 8);
    ASSERT_TRUE(pairing);
    EXPECT_EQ(*pairing, Frame(0xBC, 0x01, 8));

    EXPECT_FALSE(handle->GetFeature(0x33, 32)) << "the device has no such report";
    EXPECT_FALSE(handle->SetFeature({})) << "an empty report has no id";
}

TEST_F(HidVirtualBus, OpenRefusesUnknownPaths) {
    for (auto path : {"virtual:9", "virtual:", "virtual:2x", "virtual:70000", "/dev/hidraw0"})
        EXPECT_FALSE(bus->Open(path)) << path;
}

TEST_F(HidVirtualBus, InputQueuesAtMost64PerHandleDroppingTheOldest) {
    auto reader = bus->Open("virtual:4");
    auto other = bus->Open("virtual:4");
    ASSERT_TRUE(reader && other);
    for (uint8_t i = 0; i < 70; ++i)
        model.Send(4, {0x04, i, 0xAA});
    Sync(*reader);
    for (uint8_t i = 6; i < 70; ++i) {
        auto report = reader->ReadInput(2);
        ASSERT_TRUE(report);
        EXPECT_EQ(*report, (std::vector<uint8_t>{0x04, i})) << "cut to the asked length";
    }
    model.Send(4, {0x04, 200});
    Sync(*reader);
    auto next = reader->ReadInput(32);
    ASSERT_TRUE(next);
    EXPECT_EQ((*next)[1], 200) << "nothing older was left";
    auto fromOther = other->ReadInput(32);
    ASSERT_TRUE(fromOther);
    EXPECT_EQ((*fromOther)[1], 7) << "its own queue, full of the 71 it got";
}

TEST_F(HidVirtualBus, DetachEndsABlockedReadAndFailsRequests) {
    auto handle = bus->Open("virtual:4");
    ASSERT_TRUE(handle);
    std::optional<std::vector<uint8_t>> result{std::vector<uint8_t>{1}};
    std::thread reader([&] { result = handle->ReadInput(32); });
    model.Unplug(4);
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(handle->ReadInput(32)) << "later reads fail at once";
    EXPECT_FALSE(handle->SetFeature(Frame(6, 0, 32)));
    EXPECT_EQ(changes.WaitFor(1), std::vector<HidChange>{HidChange::Removal});
    EXPECT_EQ(bus->Enumerate().size(), 2u);
}

TEST_F(HidVirtualBus, CancelEndsABlockedRead) {
    auto handle = bus->Open("virtual:4");
    ASSERT_TRUE(handle);
    std::optional<std::vector<uint8_t>> result{std::vector<uint8_t>{1}};
    std::thread reader([&] { result = handle->ReadInput(32); });
    handle->Cancel();
    reader.join();
    EXPECT_FALSE(result);
    model.Send(4, {0x04, 1});
    EXPECT_FALSE(handle->ReadInput(32));
}

TEST_F(HidVirtualBus, ConnectionLossRemovesEveryInterface) {
    auto handle = bus->Open("virtual:4");
    ASSERT_TRUE(handle);
    std::optional<std::vector<uint8_t>> result{std::vector<uint8_t>{1}};
    std::thread reader([&] { result = handle->ReadInput(32); });
    server.Stop();
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_EQ(changes.WaitFor(1), std::vector<HidChange>{HidChange::Removal});
    EXPECT_TRUE(bus->Enumerate().empty());
    EXPECT_FALSE(handle->GetFeature(6, 32));
    EXPECT_FALSE(bus->Open("virtual:2"));
}

TEST_F(HidVirtualBus, HotPlugAfterReadyIsNotified) {
    model.Plug(FakeDeviceModel::Make(9, 0x026F, 0x000A, 0, "receiver command"));
    EXPECT_EQ(changes.WaitFor(1), std::vector<HidChange>{HidChange::Arrival})
        << "the interfaces of the greeting are no arrivals";
    auto list = bus->Enumerate();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[3].path, "virtual:9");
    model.Unplug(2);
    EXPECT_EQ(changes.WaitFor(2), (std::vector<HidChange>{HidChange::Arrival, HidChange::Removal}));
    EXPECT_EQ(bus->Enumerate()[0].path, "virtual:4");
}

TEST_F(HidVirtualBus, ClosingAHandleLetsTheDeviceKnow) {
    auto first = bus->Open("virtual:2");
    auto second = bus->Open("virtual:2");
    ASSERT_TRUE(first && second);
    first.reset();
    EXPECT_TRUE(second->SetFeature(Frame(6, 1, 32))) << "still open once";
}

TEST(HidVirtualBusConnect, RefusesOtherHostsAndBadPorts) {
    for (auto address :
         {"192.168.1.10:5000", "example.com:5000", "127.0.0.2:5000", "[::1]:5000", "0.0.0.0:5000",
          "localhost", "localhost:", "localhost:0", "localhost:70000", "127.0.0.1:12ab", ":5000"}) {
        std::string error;
        EXPECT_FALSE(VirtualHidBus::Connect(address, &error)) << address;
        EXPECT_FALSE(error.empty()) << address;
    }
}

TEST(HidVirtualBusConnect, NothingListeningIsAnError) {
    uint16_t port = 0;
    int fd = ListenLoopback(0, &port, nullptr);
    CloseFd(fd);
    std::string error;
    EXPECT_FALSE(VirtualHidBus::Connect("localhost:" + std::to_string(port), &error));
    EXPECT_NE(error.find("cannot connect"), std::string::npos) << error;
}

class HidVirtualBusRaw : public ::testing::Test {
  protected:
    void SetUp() override {
        bus = VirtualHidBus::Connect(device.Address(), nullptr);
        ASSERT_TRUE(bus);
        bus->SetChangeListener(changes.Listener());
        peer = device.Accept();
    }

    // Attaches interface 1 and opens it.
    std::unique_ptr<HidHandle> OpenOne() {
        peer->Send(Attach{1, 0x04F3, 0x026E, 0x000A, 1, 0, 33, "raw"});
        peer->Send(Ready{});
        if (bus->Enumerate().size() != 1)
            return nullptr;
        std::unique_ptr<HidHandle> handle;
        std::thread opener([&] { handle = bus->Open("virtual:1"); });
        auto open = peer->ReceiveAs<VirtualHid::Open>();
        if (open)
            peer->Send(VirtualHid::Reply{open->seq, 0, {}});
        opener.join();
        return handle;
    }

    RawDevice device;
    std::unique_ptr<VirtualHidBus> bus;
    std::unique_ptr<RawPeer> peer;
    ChangeRecorder changes;
};

TEST_F(HidVirtualBusRaw, UnknownMessageTypesAreSkipped) {
    peer->Send(Attach{1, 0x04F3, 0x026E, 0x000A, 1, 0, 33, "a"});
    peer->SendBytes(std::vector<uint8_t>{4, 0, 0, 0, 0x7F, 9, 9, 9});
    peer->Send(Attach{3, 0x04F3, 0x026E, 0xFF00, 1, 32, 0, "b"});
    peer->Send(Ready{});
    auto list = bus->Enumerate();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].path, "virtual:3");
}

TEST_F(HidVirtualBusRaw, OversizeMessageClosesTheConnection) {
    peer->Send(Attach{1, 0x04F3, 0x026E, 0x000A, 1, 0, 33, "a"});
    peer->Send(Ready{});
    ASSERT_EQ(bus->Enumerate().size(), 1u);
    peer->SendBytes(std::vector<uint8_t>{0x01, 0x10, 0, 0, 0x03, 1, 0});
    EXPECT_TRUE(peer->SeesClose());
    EXPECT_EQ(changes.WaitFor(1), std::vector<HidChange>{HidChange::Removal});
    EXPECT_TRUE(bus->Enumerate().empty());
}

TEST_F(HidVirtualBusRaw, UnansweredRequestFailsAndItsLateReplyIsIgnored) {
    auto handle = OpenOne();
    ASSERT_TRUE(handle);
    bus->SetReplyTimeout(std::chrono::milliseconds(20));
    EXPECT_FALSE(handle->GetFeature(6, 4));
    auto lost = peer->ReceiveAs<VirtualHid::GetFeature>();
    ASSERT_TRUE(lost);

    bus->SetReplyTimeout(VirtualHidBus::kReplyTimeout);
    std::optional<std::vector<uint8_t>> result;
    std::thread asker([&] { result = handle->GetFeature(6, 4); });
    auto asked = peer->ReceiveAs<VirtualHid::GetFeature>();
    ASSERT_TRUE(asked);
    EXPECT_GT(asked->seq, lost->seq);
    peer->Send(VirtualHid::Reply{lost->seq, 0, {6, 0xDE, 0xAD, 0}});
    peer->Send(VirtualHid::Reply{asked->seq, 0, {6, 1, 2, 3}});
    asker.join();
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, (std::vector<uint8_t>{6, 1, 2, 3}));
}

TEST_F(HidVirtualBusRaw, ReplyOfTheWrongLengthOrFailureStatusFails) {
    auto handle = OpenOne();
    ASSERT_TRUE(handle);
    struct Case {
        uint8_t status;
        std::vector<uint8_t> data;
    };
    const Case cases[] = {{0, {6, 1}}, {0, {6, 1, 2, 3, 4}}, {1, {6, 1, 2, 3}}};
    for (const auto& c : cases) {
        std::optional<std::vector<uint8_t>> result{std::vector<uint8_t>{}};
        std::thread asker([&] { result = handle->GetFeature(6, 4); });
        auto asked = peer->ReceiveAs<VirtualHid::GetFeature>();
        ASSERT_TRUE(asked);
        peer->Send(VirtualHid::Reply{asked->seq, c.status, c.data});
        asker.join();
        EXPECT_FALSE(result) << c.data.size();
    }
}

} // namespace
