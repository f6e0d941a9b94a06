#include "Commands.h"
#include "DeviceTool.h"

#include <iostream>

int RunPair(const std::string& virtualDevice) {
    DeviceTool tool;
    if (int code = tool.Connect(virtualDevice))
        return code;
    if (!tool.link->ReceiverHandle()) {
        std::cerr << "corvexctl: no receiver found: pairing needs the 2.4 GHz receiver\n";
        return kExitNoMouse;
    }
    if (!RequestPairing(tool.link->ReceiverHandle())) {
        std::cerr << "corvexctl: the receiver refused the pairing request\n";
        return kExitNotAcknowledged;
    }
    std::cout << "pairing request sent to the receiver\n";
    return kExitOk;
}
