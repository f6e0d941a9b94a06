#include "Commands.h"
#include "DeviceTool.h"

#include <iostream>

int RunSwitch(const std::string& virtualDevice, int profile) {
    if (profile < 0 || profile > 4) {
        std::cerr << "corvexctl: the profile must be 0 to 4\n";
        return kExitUsage;
    }
    DeviceTool tool;
    if (int code = tool.Connect(virtualDevice))
        return code;
    const uint8_t payload[] = {static_cast<uint8_t>(profile)};
    const bool acked = tool.sender->Send(CommandCode::SwitchProfile, kSinglePacket, payload);
    return tool.Report(acked, "SwitchProfile", "switched to profile " + std::to_string(profile));
}
