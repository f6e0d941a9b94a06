#include "DeviceBus.h"

#include "device/hid/HidrawBus.h"
#include "device/hid/VirtualHidBus.h"

std::unique_ptr<HidBus> OpenDeviceBus(const std::string& virtualDevice, std::string* error) {
    if (virtualDevice.empty())
        return std::make_unique<HidrawBus>();
    return VirtualHidBus::Connect(virtualDevice, error);
}
