#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "SimTestSupport.h"
#include "device/hid/InProcessHidBus.h"

namespace {

using namespace std::chrono_literals;

class SimInProcessBus : public testing::Test {
  protected:
    SimInProcessBus() { mouse.Plug(MouseConnection::Cable); }

    std::string PathOf(std::optional<uint16_t> id) { return "inproc:" + std::to_string(*id); }
    std::string StatusPath() { return PathOf(mouse.StatusInterface(MouseConnection::Cable)); }

    MouseEmulator mouse;
    InProcessHidBus bus{mouse};
};

TEST_F(SimInProcessBus, EnumeratesTheModelsInterfacesWithPaths) {
    mouse.Plug(MouseConnection::Receiver);
    const auto list = bus.Enumerate();
    const auto model = mouse.Interfaces();
    ASSERT_EQ(list.size(), model.size());
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].path, "inproc:" + std::to_string(model[i].id));
        EXPECT_EQ(list[i].product, model[i].info.product);
        EXPECT_EQ(list[i].inputReportLength, model[i].info.inputReportLength);
    }
}

TEST_F(SimInProcessBus, OpenRefusesAbsentAndMalformedPaths) {
    for (const char* path :
         {"inproc:999", "inproc:", "inproc:1x", "inproc:-1", "inproc:70000", "hidraw:1", ""})
        EXPECT_FALSE(bus.Open(path)) << path;
    EXPECT_TRUE(bus.Open(StatusPath()));
}

TEST_F(SimInProcessBus, FeatureReportsReachTheModel) {
    auto handle = bus.Open(PathOf(mouse.CommandInterface(MouseConnection::Cable)));
    ASSERT_TRUE(handle);
    EXPECT_TRUE(handle->SetFeature(simtest::MakeFrame(0x09, 0x01, {6})));
    const auto reply = handle->GetFeature(0x06, 32);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->size(), 32u);
    EXPECT_EQ((*reply)[1], 0x09);
    EXPECT_EQ(mouse.Firmware().debounce, 6);
}

TEST_F(SimInProcessBus, EveryOpenHandleGetsTheInputTruncatedToItsLength) {
    auto a = bus.Open(StatusPath());
    auto b = bus.Open(StatusPath());
    mouse.SetDpiLevel(3);
    const auto ra = a->ReadInput(32);
    const auto rb = b->ReadInput(11);
    ASSERT_TRUE(ra && rb);
    EXPECT_EQ(ra->size(), 32u);
    EXPECT_EQ(rb->size(), 11u);
    EXPECT_EQ((*rb)[2], 3);
}

TEST_F(SimInProcessBus, QueueKeepsTheNewestSixtyFourReports) {
    auto handle = bus.Open(StatusPath());
    for (int i = 0; i < 70; ++i)
        mouse.SetBattery(i);
    for (int i = 6; i < 70; ++i)
        EXPECT_EQ((*handle->ReadInput(32))[4], i);
    mouse.SetBattery(99);
    EXPECT_EQ((*handle->ReadInput(32))[4], 99);
}

TEST_F(SimInProcessBus, ClosedHandlesGetNothingAndDetachEndsEverything) {
    bus.Open(StatusPath()).reset();
    auto handle = bus.Open(StatusPath());
    auto command = bus.Open(PathOf(mouse.CommandInterface(MouseConnection::Cable)));
    mouse.SetDpiLevel(1);
    mouse.Unplug(MouseConnection::Cable);
    EXPECT_FALSE(handle->ReadInput(32)) << "a gone interface fails its reads";
    EXPECT_FALSE(command->SetFeature(simtest::MakeFrame(0x09, 0x01, {6})));
    EXPECT_FALSE(command->GetFeature(0x06, 32));
    mouse.Plug(MouseConnection::Cable);
    mouse.SetDpiLevel(2);
    EXPECT_FALSE(handle->ReadInput(32)) << "a new plug has new ids";
}

TEST_F(SimInProcessBus, CancelEndsReadsForGood) {
    auto handle = bus.Open(StatusPath());
    mouse.SetDpiLevel(1);
    handle->Cancel();
    EXPECT_FALSE(handle->ReadInput(32));
    mouse.SetDpiLevel(2);
    EXPECT_FALSE(handle->ReadInput(32));
}

TEST_F(SimInProcessBus, ListenerHearsArrivalAndRemovalAndMayEnumerate) {
    std::vector<HidChange> changes;
    std::vector<size_t> sizes;
    bus.SetChangeListener([&](HidChange c) {
        changes.push_back(c);
        sizes.push_back(bus.Enumerate().size());
    });
    mouse.Plug(MouseConnection::Ble);
    mouse.Unplug(MouseConnection::Ble);
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(std::count(changes.begin(), changes.begin() + 3, HidChange::Arrival), 3);
    EXPECT_EQ(std::count(changes.begin() + 3, changes.end(), HidChange::Removal), 3);
    EXPECT_EQ(sizes.back(), 3u);
    int replaced = 0;
    bus.SetChangeListener([&](HidChange) { ++replaced; });
    mouse.Plug(MouseConnection::Ble);
    EXPECT_EQ(replaced, 3);
    EXPECT_EQ(changes.size(), 6u);
}

using SimInProcessBusThreaded = SimInProcessBus;

TEST(SimInProcessBusLife, DestroyedBusNoLongerHearsTheModel) {
    MouseEmulator mouse;
    int heard = 0;
    {
        InProcessHidBus bus(mouse);
        bus.SetChangeListener([&](HidChange) { ++heard; });
        mouse.Plug(MouseConnection::Cable);
    }
    mouse.Unplug(MouseConnection::Cable);
    EXPECT_EQ(heard, 3);
}

TEST_F(SimInProcessBusThreaded, ReaderGetsEveryReportThenEndsOnUnplug) {
    auto handle = bus.Open(StatusPath());
    auto reader = std::async(std::launch::async, [&] {
        std::vector<uint8_t> levels;
        while (auto report = handle->ReadInput(32))
            levels.push_back((*report)[2]);
        return levels;
    });
    for (int i = 0; i < 40; ++i)
        mouse.SetDpiLevel(i % 8);
    mouse.Unplug(MouseConnection::Cable);
    ASSERT_EQ(reader.wait_for(10s), std::future_status::ready);
    const auto levels = reader.get();
    // Reports the reader had not taken when the interface went are dropped with it.
    ASSERT_LE(levels.size(), 40u);
    for (size_t i = 0; i < levels.size(); ++i)
        EXPECT_EQ(levels[i], i % 8);
}

TEST_F(SimInProcessBusThreaded, CancelEndsABlockedRead) {
    auto handle = bus.Open(StatusPath());
    auto reader = std::async(std::launch::async, [&] { return handle->ReadInput(32); });
    handle->Cancel();
    ASSERT_EQ(reader.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(reader.get());
}

TEST_F(SimInProcessBusThreaded, CommandsAndMouseEventsRunTogether) {
    auto command = bus.Open(PathOf(mouse.CommandInterface(MouseConnection::Cable)));
    auto status = bus.Open(StatusPath());
    auto writer = std::async(std::launch::async, [&] {
        int acknowledged = 0;
        for (uint8_t i = 0; i < 100; ++i) {
            command->SetFeature(simtest::MakeFrame(0x09, 0x01, {i}, i));
            const auto reply = command->GetFeature(0x06, 32);
            acknowledged += reply && (*reply)[1] == 0x09;
        }
        return acknowledged;
    });
    auto reader = std::async(std::launch::async, [&] {
        std::vector<uint8_t> batteries;
        while (auto report = status->ReadInput(32))
            batteries.push_back((*report)[4]);
        return batteries;
    });
    for (int i = 0; i < 100; ++i) {
        mouse.SetBattery(i);
        mouse.Advance(10);
        bus.Enumerate();
    }
    ASSERT_EQ(writer.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(writer.get(), 100);
    status->Cancel();
    ASSERT_EQ(reader.wait_for(10s), std::future_status::ready);
    const auto batteries = reader.get();
    EXPECT_TRUE(std::is_sorted(batteries.begin(), batteries.end())) << "reports keep their order";
    EXPECT_EQ(mouse.Firmware().debounce, 99);
}

} // namespace
