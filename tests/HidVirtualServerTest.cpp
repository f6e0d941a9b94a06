#include "device/hid/VirtualHidServer.h"

#include <gtest/gtest.h>

#include "HidVirtualTestSupport.h"

namespace {

using namespace VirtualHid;

class HidVirtualServer : public ::testing::Test {
  protected:
    void SetUp() override {
        model.Plug(FakeDeviceModel::Make(5, 0x026E, 0x000A, 0));
        model.Plug(FakeDeviceModel::Make(2, 0x026E, 0xFF00, 32, "status"));
        std::string error;
        ASSERT_TRUE(server.Start(0, &error)) << error;
        ASSERT_NE(server.Port(), 0);
    }

    std::unique_ptr<RawPeer> ConnectHost() {
        return std::make_unique<RawPeer>(ConnectLoopback(server.Port(), nullptr));
    }

    // Reads the greeting and returns the announced ids.
    std::vector<uint16_t> Greeting(RawPeer& host) {
        std::vector<uint16_t> ids;
        for (;;) {
            auto m = host.Receive();
            if (!m || std::holds_alternative<Ready>(*m))
                return ids;
            if (auto* a = std::get_if<Attach>(&*m))
                ids.push_back(a->id);
        }
    }

    uint8_t Status(RawPeer& host, const Message& request) {
        host.Send(request);
        auto reply = host.ReceiveAs<VirtualHid::Reply>();
        return reply ? reply->status : 0xEE;
    }

    FakeDeviceModel model;
    VirtualHidServer server{model};
};

TEST_F(HidVirtualServer, GreetsWithEveryInterfaceInIdOrderThenReady) {
    auto host = ConnectHost();
    auto first = host->ReceiveAs<Attach>();
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (Attach{2, 0x04F3, 0x026E, 0xFF00, 1, 32, 33, "status"}));
    auto second = host->ReceiveAs<Attach>();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->id, 5);
    EXPECT_TRUE(host->ReceiveAs<Ready>());
}

TEST_F(HidVirtualServer, AnswersRequestsOnlyOnOpenPresentInterfaces) {
    auto host = ConnectHost();
    Greeting(*host);
    std::vector<uint8_t> frame(32, 0);
    frame[0] = 6;
    frame[1] = 0x04;
    EXPECT_NE(Status(*host, SetFeature{1, 5, frame}), 0) << "not open";
    EXPECT_NE(Status(*host, GetFeature{2, 5, 6, 32}), 0) << "not open";
    EXPECT_NE(Status(*host, Open{3, 9}), 0) << "not present";
    EXPECT_EQ(Status(*host, Open{4, 5}), 0);
    EXPECT_EQ(Status(*host, SetFeature{5, 5, frame}), 0);

    host->Send(GetFeature{6, 5, 6, 32});
    auto reply = host->ReceiveAs<VirtualHid::Reply>();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->seq, 6u);
    EXPECT_EQ(reply->status, 0);
    EXPECT_EQ(reply->data, frame);

    EXPECT_NE(Status(*host, GetFeature{7, 5, 0xBC, 8}), 0) << "the model has no such report";
    EXPECT_NE(Status(*host, GetFeature{8, 5, 6, 5000}), 0) << "longer than a message";
    host->Send(Close{5});
    EXPECT_NE(Status(*host, SetFeature{9, 5, frame}), 0) << "closed";
}

TEST_F(HidVirtualServer, ForwardsModelEventsAfterReady) {
    auto host = ConnectHost();
    Greeting(*host);
    model.Send(7, {0x04, 0xFF}); // no such interface: not sent
    model.Send(2, {0x04, 1, 2});
    model.Plug(FakeDeviceModel::Make(8, 0x026F, 0x000A, 0));
    model.Unplug(2);
    model.Send(2, {0x04, 3}); // gone: not sent
    model.Unplug(8);

    auto input = host->ReceiveAs<Input>();
    ASSERT_TRUE(input);
    EXPECT_EQ(*input, (Input{2, {0x04, 1, 2}}));
    auto attach = host->ReceiveAs<Attach>();
    ASSERT_TRUE(attach);
    EXPECT_EQ(attach->id, 8);
    EXPECT_EQ(attach->product, 0x026F);
    auto detach = host->ReceiveAs<Detach>();
    ASSERT_TRUE(detach);
    EXPECT_EQ(detach->id, 2);
    detach = host->ReceiveAs<Detach>();
    ASSERT_TRUE(detach);
    EXPECT_EQ(detach->id, 8);
}

TEST_F(HidVirtualServer, OversizeMessageClosesAndTheNextConnectionStartsOver) {
    auto host = ConnectHost();
    Greeting(*host);
    EXPECT_EQ(Status(*host, Open{1, 5}), 0);
    host->SendBytes(std::vector<uint8_t>{0x01, 0x10, 0, 0, 0x12});
    EXPECT_TRUE(host->SeesClose());

    auto again = ConnectHost();
    EXPECT_EQ(Greeting(*again), (std::vector<uint16_t>{2, 5}));
    EXPECT_NE(Status(*again, GetFeature{2, 5, 6, 32}), 0) << "opens do not outlive a connection";
}

TEST_F(HidVirtualServer, SkipsUnknownHostMessages) {
    auto host = ConnectHost();
    Greeting(*host);
    host->SendBytes(std::vector<uint8_t>{3, 0, 0, 0, 0x55, 1, 2});
    EXPECT_EQ(Status(*host, Open{1, 2}), 0);
}

TEST_F(HidVirtualServer, StopEndsTheConnection) {
    auto host = ConnectHost();
    Greeting(*host);
    server.Stop();
    EXPECT_TRUE(host->SeesClose());
    model.Send(2, {0x04}); // no server any more: nothing to call
}

TEST(HidVirtualServerStart, PortInUseIsAnError) {
    FakeDeviceModel model;
    VirtualHidServer first(model), second(model);
    ASSERT_TRUE(first.Start(0, nullptr));
    std::string error;
    EXPECT_FALSE(second.Start(first.Port(), &error));
    EXPECT_NE(error.find("127.0.0.1"), std::string::npos) << error;
}

} // namespace
