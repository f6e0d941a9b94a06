#include "DeviceTool.h"

#include <iostream>

#include "Commands.h"
#include "DeviceBus.h"

int DeviceTool::Connect(const std::string& virtualDevice) {
    std::string error;
    bus = OpenDeviceBus(virtualDevice, &error);
    if (!bus) {
        std::cerr << "corvexctl: cannot open the device bus: " << error << "\n";
        return kExitNoBus;
    }
    link = std::make_unique<DeviceLink>(*bus, queue, effects, status);
    sender = std::make_unique<CommandSender>(clock, [this] { return link->CommandHandle(); });
    link->RegisterForDeviceChanges();
    link->ScanDevices();
    if (!link->AnyPresent()) {
        std::cerr << "corvexctl: no mouse found (vendor 0x04F3, products 0x026E, 0x026F, "
                     "0x026D)\n";
        return kExitNoMouse;
    }
    if (!link->CommandHandle()) {
        std::cerr << "corvexctl: the mouse's command interface cannot be opened\n";
        return kExitNoMouse;
    }
    return kExitOk;
}

int DeviceTool::Report(bool acknowledged, const char* command, const std::string& done) const {
    if (!acknowledged) {
        std::cerr << "corvexctl: the mouse did not acknowledge " << command << " after "
                  << CommandSender::kAttempts << " attempts\n";
        return kExitNotAcknowledged;
    }
    std::cout << done << "\n";
    return kExitOk;
}
