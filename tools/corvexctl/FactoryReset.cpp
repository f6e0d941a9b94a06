#include "Commands.h"
#include "DeviceTool.h"

int RunFactoryReset(const std::string& virtualDevice) {
    DeviceTool tool;
    if (int code = tool.Connect(virtualDevice))
        return code;
    const uint8_t payload[] = {0xFF};
    const bool acked = tool.sender->Send(CommandCode::FactoryReset, kSinglePacket, payload);
    return tool.Report(acked, "FactoryReset", "the mouse was reset to its factory settings");
}
