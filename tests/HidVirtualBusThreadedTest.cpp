#include "device/hid/VirtualHidBus.h"
#include "device/hid/VirtualHidServer.h"

#include <gtest/gtest.h>

#include <thread>

#include "HidVirtualTestSupport.h"

namespace {

using namespace VirtualHid;

TEST(HidVirtualBusThreaded, RequestsFromSeveralThreadsEachGetTheirOwnReply) {
    FakeDeviceModel model;
    model.Plug(FakeDeviceModel::Make(2, 0x026E, 0x000A, 0));
    model.Plug(FakeDeviceModel::Make(3, 0x026F, 0x000A, 0));
    model.Plug(FakeDeviceModel::Make(4, 0x026E, 0xFF00, 32));
    VirtualHidServer server(model);
    ASSERT_TRUE(server.Start(0, nullptr));
    auto bus = VirtualHidBus::Connect("localhost:" + std::to_string(server.Port()), nullptr);
    ASSERT_TRUE(bus);
    ASSERT_EQ(bus->Enumerate().size(), 3u);
    auto status = bus->Open("virtual:4");
    ASSERT_TRUE(status);

    constexpr int kRounds = 200;
    auto commander = [&](const char* path, uint8_t mark, int* matched) {
        auto handle = bus->Open(path);
        if (!handle)
            return;
        for (int i = 0; i < kRounds; ++i) {
            std::vector<uint8_t> frame(32, mark);
            frame[0] = 6;
            frame[1] = static_cast<uint8_t>(i);
            if (handle->SetFeature(frame) && handle->GetFeature(6, 32) == frame)
                ++*matched;
        }
    };
    int matchedA = 0, matchedB = 0, inputs = 0;
    std::thread a(commander, "virtual:2", 0xA0, &matchedA);
    std::thread b(commander, "virtual:3", 0xB0, &matchedB);
    std::thread reader([&] {
        while (auto report = status->ReadInput(32))
            if ((*report)[1] == 0xFF)
                return;
            else
                ++inputs;
    });
    for (int i = 0; i < 50; ++i)
        model.Send(4, {0x04, static_cast<uint8_t>(i)});
    model.Send(4, {0x04, 0xFF});
    a.join();
    b.join();
    reader.join();
    EXPECT_EQ(matchedA, kRounds);
    EXPECT_EQ(matchedB, kRounds);
    EXPECT_GT(inputs, 0);
}

TEST(HidVirtualBusThreaded, RepliesInAnyOrderReachTheirRequests) {
    RawDevice device;
    auto bus = VirtualHidBus::Connect(device.Address(), nullptr);
    ASSERT_TRUE(bus);
    auto peer = device.Accept();
    peer->Send(Attach{1, 0x04F3, 0x026E, 0x000A, 1, 0, 33, "a"});
    peer->Send(Attach{2, 0x04F3, 0x026F, 0x000A, 1, 0, 33, "b"});
    peer->Send(Ready{});
    ASSERT_EQ(bus->Enumerate().size(), 2u);

    std::unique_ptr<HidHandle> handles[2];
    std::optional<std::vector<uint8_t>> results[2];
    std::thread askers[2];
    for (int i = 0; i < 2; ++i) {
        askers[i] = std::thread([&, i] {
            handles[i] = bus->Open("virtual:" + std::to_string(i + 1));
            if (handles[i])
                results[i] = handles[i]->GetFeature(6, 3);
        });
    }
    std::vector<VirtualHid::GetFeature> asked;
    while (asked.size() < 2) {
        auto m = peer->Receive();
        ASSERT_TRUE(m);
        if (auto* open = std::get_if<VirtualHid::Open>(&*m))
            peer->Send(VirtualHid::Reply{open->seq, 0, {}});
        else if (auto* get = std::get_if<VirtualHid::GetFeature>(&*m))
            asked.push_back(*get);
    }
    for (auto it = asked.rbegin(); it != asked.rend(); ++it)
        peer->Send(VirtualHid::Reply{it->seq, 0, {6, static_cast<uint8_t>(it->id), 0}});
    for (auto& t : askers)
        t.join();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(results[i]) << i;
        EXPECT_EQ((*results[i])[1], i + 1);
    }
}

} // namespace
