#include "device/hid/HidrawBus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

TEST(HidrawBus, EnumerationListsHidrawNodesInDeviceOrder) {
    HidrawBus bus;
    bus.SetChangeListener([](HidChange) {}); // the monitor must still stop with the bus
    auto list = bus.Enumerate();
    int last = -1;
    for (const auto& info : list) {
        ASSERT_TRUE(info.path.starts_with("/dev/hidraw")) << info.path;
        int number = std::stoi(info.path.substr(11));
        EXPECT_GT(number, last) << info.path;
        last = number;
    }
}

TEST(HidrawBus, OpenRefusesMissingPathsAndPlainFiles) {
    HidrawBus bus;
    EXPECT_FALSE(bus.Open("/dev/hidraw-none-such"));
    EXPECT_FALSE(bus.Open(""));
    fs::path file = fs::temp_directory_path() / "corvex-hidraw-plain-file";
    std::ofstream(file) << "not a device";
    EXPECT_FALSE(bus.Open(file.string()));
    fs::remove(file);
}

// A pseudo-terminal stands in for a character device that never delivers a report.
TEST(HidrawBus, CancelEndsABlockedReadAndFeatureCallsOnANonHidDeviceFail) {
    HidrawBus bus;
    auto handle = bus.Open("/dev/ptmx");
    if (!handle)
        GTEST_SKIP() << "no /dev/ptmx here";
    std::vector<uint8_t> frame(32, 0);
    frame[0] = 6;
    EXPECT_FALSE(handle->SetFeature(frame));
    EXPECT_FALSE(handle->GetFeature(6, 32));

    std::optional<std::vector<uint8_t>> result{std::vector<uint8_t>{1}};
    std::thread reader([&] { result = handle->ReadInput(32); });
    handle->Cancel();
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(handle->ReadInput(32)) << "later reads fail at once";
}

} // namespace
