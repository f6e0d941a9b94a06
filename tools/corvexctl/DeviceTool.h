#pragma once

#include <memory>
#include <string>

#include "device/CommandFrame.h"
#include "device/DeviceClock.h"
#include "device/DeviceEffects.h"
#include "device/DeviceLink.h"
#include "device/DeviceStatus.h"
#include "device/UiQueue.h"
#include "device/hid/HidBus.h"

// The bus and a scanned link, for the verbs that talk to the mouse. The main thread pumps the
// queue.
struct DeviceTool {
    std::unique_ptr<HidBus> bus;
    PumpedUiQueue queue;
    SilentDeviceEffects effects;
    DeviceStatus status;
    SystemDeviceClock clock;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<CommandSender> sender;

    // Opens the bus and scans; prints why and returns the exit code when it fails or no mouse
    // is present, else kExitOk.
    int Connect(const std::string& virtualDevice);
    // Prints the outcome of one acknowledged transfer; the exit code.
    int Report(bool acknowledged, const char* command, const std::string& done) const;
};
