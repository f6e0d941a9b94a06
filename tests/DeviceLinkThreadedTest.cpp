#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "HidVirtualTestSupport.h"
#include "device/CommandFrame.h"
#include "device/DeviceClock.h"
#include "device/DeviceLink.h"
#include "device/hid/InProcessHidBus.h"

namespace {

using devicetest::PumpUntil;

// A link over the emulated mouse on the in-process bus, pumped by the test as the UI thread.
class DeviceLinkThreaded : public testing::Test {
  protected:
    void SetUp() override {
        link.SetReportHandler([this](ConnectionKind kind, const std::vector<uint8_t>& report) {
            reports.emplace_back(kind, report);
        });
        link.RegisterForDeviceChanges();
    }

    // Lets the bus notifications of a plug or unplug reach the link.
    void Settle() {
        while (queue.WaitAndPump(std::chrono::milliseconds(20)) > 0) {
        }
    }

    MouseConnection SendAndSeeWhere() {
        mouse.ClearFrames();
        const uint8_t payload[] = {1};
        sender.Send(CommandCode::SwitchProfile, kSinglePacket, payload);
        const auto frames = mouse.Frames();
        EXPECT_FALSE(frames.empty());
        return frames.empty() ? MouseConnection::Ble : frames.back().kind;
    }

    MouseEmulator mouse;
    InProcessHidBus inner{mouse};
    devicetest::CountingHidBus bus{inner};
    PumpedUiQueue queue;
    RecordingDeviceEffects effects;
    DeviceStatus status;
    DeviceLink link{bus, queue, effects, status};
    SimulatedDeviceClock clock;
    CommandSender sender{clock, [this] { return link.CommandHandle(); }};
    std::vector<std::pair<ConnectionKind, std::vector<uint8_t>>> reports;
};

TEST_F(DeviceLinkThreaded, CableAndReceiverTogetherRouteToTheCableUntilItGoes) {
    mouse.Plug(MouseConnection::Cable);
    mouse.Plug(MouseConnection::Receiver);
    Settle();
    link.ScanDevices();
    EXPECT_TRUE(link.Present(ConnectionKind::Wired));
    EXPECT_TRUE(link.Present(ConnectionKind::Receiver));
    EXPECT_FALSE(link.Present(ConnectionKind::Ble));
    EXPECT_TRUE(link.ReaderRunning(ConnectionKind::Wired));
    EXPECT_TRUE(link.ReaderRunning(ConnectionKind::Receiver));
    ASSERT_FALSE(effects.displays.empty());
    EXPECT_EQ(effects.displays.back().icon, ConnectionKind::Wired);
    EXPECT_EQ(SendAndSeeWhere(), MouseConnection::Cable);

    effects.Clear();
    mouse.Unplug(MouseConnection::Cable);
    Settle();
    EXPECT_FALSE(link.Present(ConnectionKind::Wired));
    EXPECT_FALSE(link.CommandOpen(ConnectionKind::Wired));
    EXPECT_TRUE(PumpUntil(queue, [&] { return !link.ReaderRunning(ConnectionKind::Wired); }));
    EXPECT_EQ(SendAndSeeWhere(), MouseConnection::Receiver);
    EXPECT_EQ(effects.Count("attention 155"), 0u);
    ASSERT_FALSE(effects.displays.empty());
    EXPECT_EQ(effects.displays.back().icon, ConnectionKind::Receiver);
}

TEST_F(DeviceLinkThreaded, ArrivalScansAndRemovalOfTheLastDeviceOpensTheNotice) {
    link.ScanDevices();
    EXPECT_FALSE(link.AnyPresent());
    EXPECT_EQ(link.CommandHandle(), nullptr);

    mouse.Plug(MouseConnection::Receiver);
    Settle();
    EXPECT_TRUE(link.Present(ConnectionKind::Receiver));
    EXPECT_TRUE(link.CommandOpen(ConnectionKind::Receiver));
    EXPECT_GE(effects.Count("refresh"), 1u);
    EXPECT_GE(effects.Count("timer 110 1000"), 1u);

    effects.Clear();
    mouse.Unplug(MouseConnection::Receiver);
    Settle();
    EXPECT_FALSE(link.AnyPresent());
    EXPECT_TRUE(link.AttentionPending());
    EXPECT_EQ(effects.Count("attention 155"), 1u);
    EXPECT_EQ(effects.Count("close windows"), 1u);

    effects.Clear();
    mouse.Plug(MouseConnection::Cable);
    Settle();
    EXPECT_TRUE(link.Present(ConnectionKind::Wired));
    EXPECT_FALSE(link.AttentionPending());
    EXPECT_EQ(effects.Count("close windows"), 1u);
}

TEST_F(DeviceLinkThreaded, ArrivalWhileAllThreeArePresentIsIgnored) {
    for (auto kind : {MouseConnection::Cable, MouseConnection::Receiver, MouseConnection::Ble})
        mouse.Plug(kind);
    Settle();
    link.ScanDevices();
    const int before = bus.enumerations;
    link.OnDeviceChange(HidChange::Arrival);
    EXPECT_EQ(bus.enumerations, before);
}

TEST_F(DeviceLinkThreaded, OneEnumerationPerScan) {
    mouse.Plug(MouseConnection::Cable);
    Settle();
    const int before = bus.enumerations;
    link.ScanDevices();
    EXPECT_EQ(bus.enumerations, before + 1);
}

TEST_F(DeviceLinkThreaded, ReportsReachTheHandlerOnThePumpingThreadInOrder) {
    mouse.Plug(MouseConnection::Cable);
    Settle();
    link.ScanDevices();
    for (int level = 3; level <= 5; ++level)
        mouse.SetDpiLevel(level);
    ASSERT_TRUE(PumpUntil(queue, [&] { return reports.size() >= 3; }));
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[i].first, ConnectionKind::Wired);
        EXPECT_EQ(reports[i].second.at(2), 3 + i);
    }
}

TEST_F(DeviceLinkThreaded, ASecondScanStartsNoSecondReader) {
    mouse.Plug(MouseConnection::Cable);
    Settle();
    link.ScanDevices();
    link.ScanDevices();
    mouse.SetDpiLevel(6);
    ASSERT_TRUE(PumpUntil(queue, [&] { return !reports.empty(); }));
    queue.WaitAndPump(std::chrono::milliseconds(50));
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(DeviceLinkThreaded, LosingBluetoothStartsTheRescanTimer) {
    mouse.Plug(MouseConnection::Ble);
    Settle();
    ASSERT_TRUE(link.Present(ConnectionKind::Ble));
    ASSERT_FALSE(effects.displays.empty());
    EXPECT_EQ(effects.displays.back().icon, ConnectionKind::Ble);
    EXPECT_TRUE(effects.displays.front().collapsePerformanceHeader);
    EXPECT_FALSE(effects.displays.back().performanceHeaderEnabled);
    link.ScanDevices();
    EXPECT_FALSE(effects.displays.back().collapsePerformanceHeader);
    mouse.Unplug(MouseConnection::Ble);
    Settle();
    EXPECT_EQ(effects.Count("timer 120 300"), 1u);
}

// Interface selection on hand-made interfaces.
class DeviceLinkSelectionThreaded : public testing::Test {
  protected:
    FakeDeviceModel model;
    InProcessHidBus bus{model};
    PumpedUiQueue queue;
    RecordingDeviceEffects effects;
    DeviceStatus status;
};

TEST_F(DeviceLinkSelectionThreaded, StatusTestFirstAndTheHigherIndexWins) {
    model.Plug(FakeDeviceModel::Make(1, 0x026E, 0x000A, 0));
    model.Plug(FakeDeviceModel::Make(2, 0x026E, 0x000A, 32)); // status despite its page
    model.Plug(FakeDeviceModel::Make(3, 0x026E, 0x000A, 8));  // a later command interface
    model.Plug(FakeDeviceModel::Make(4, 0x026F, 0xFF00, 8));  // neither: receiver stays absent
    auto foreign = FakeDeviceModel::Make(5, 0x026D, 0x000A, 0);
    foreign.info.vendor = 0x1234;
    model.Plug(foreign);
    {
        DeviceLink link(bus, queue, effects, status);
        link.ScanDevices();
        EXPECT_TRUE(link.Present(ConnectionKind::Wired));
        EXPECT_EQ(link.CommandIndex(ConnectionKind::Wired), 2u);
        EXPECT_EQ(link.StatusIndex(ConnectionKind::Wired), 1u);
        EXPECT_FALSE(link.Present(ConnectionKind::Receiver));
        EXPECT_FALSE(link.Present(ConnectionKind::Ble));
    }
}

TEST_F(DeviceLinkSelectionThreaded, IndicesBeyond149AreNeverExamined) {
    for (uint16_t id = 1; id <= 150; ++id)
        model.Plug(FakeDeviceModel::Make(id, 0x1111, 0x0001, 4));
    model.Plug(FakeDeviceModel::Make(151, 0x026F, 0x000A, 0)); // index 150
    DeviceLink link(bus, queue, effects, status);
    link.ScanDevices();
    EXPECT_FALSE(link.Present(ConnectionKind::Receiver));
    EXPECT_EQ(effects.displays.back().icon, std::nullopt);
}

TEST_F(DeviceLinkSelectionThreaded, ReceiverDisplayCarriesTheRateClass) {
    model.Plug(FakeDeviceModel::Make(1, 0x026F, 0x000A, 0));
    status.rateClass = 4;
    DeviceLink link(bus, queue, effects, status);
    link.ScanDevices();
    ASSERT_FALSE(effects.displays.empty());
    EXPECT_EQ(effects.displays.back().icon, ConnectionKind::Receiver);
    EXPECT_EQ(effects.displays.back().receiverRateClass, 4);
    EXPECT_EQ(effects.Count("timer 80 1000"), 1u);
}

} // namespace
