#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "device/hid/VirtualHidBus.h"
#include "device/hid/VirtualHidServer.h"

namespace {

// The emulator's bytes as a host sees them through the TCP bus.
TEST(SimOverVirtualBus, HostSeesInterfacesAcknowledgementsAndStatus) {
    MouseEmulator mouse;
    mouse.Plug(MouseConnection::Receiver);
    VirtualHidServer server(mouse);
    std::string error;
    ASSERT_TRUE(server.Start(0, &error)) << error;
    auto bus = VirtualHidBus::Connect("127.0.0.1:" + std::to_string(server.Port()), &error);
    ASSERT_TRUE(bus) << error;

    const auto list = bus->Enumerate();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].usagePage, 0x000A);
    EXPECT_EQ(list[1].inputReportLength, 32);
    auto command = bus->Open(list[0].path);
    auto status = bus->Open(list[1].path);
    ASSERT_TRUE(command && status);

    ASSERT_TRUE(command->SetFeature(simtest::MakeFrame(0x0A, 0x01, {3})));
    const auto reply = command->GetFeature(0x06, 32);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[1], 0x0A);
    std::vector<uint8_t> pairing{0xBC, 0x03, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(command->SetFeature(pairing));
    EXPECT_EQ(mouse.Firmware().pairingRequests, 1u);

    mouse.SetDpiLevel(5);
    const auto report = status->ReadInput(32);
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)[0], 0x04);
    EXPECT_EQ((*report)[2], 5);
    EXPECT_EQ((*report)[10], 3);
    server.Stop();
}

} // namespace
