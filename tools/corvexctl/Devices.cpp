#include "Commands.h"
#include "DeviceBus.h"

#include <cstdio>
#include <iostream>

namespace {

constexpr uint16_t kVendor = 0x04F3;
constexpr uint16_t kStatusInputLength = 32;
constexpr uint16_t kCommandUsagePage = 0x000A;

struct Kind {
    const char* name;
    uint16_t product;
};

const Kind kKinds[] = {{"Wired", 0x026E}, {"Receiver", 0x026F}, {"Ble", 0x026D}};

// The status test comes first: input length 32 makes a status interface whatever its page.
const char* Role(const HidInterfaceInfo& info) {
    if (info.inputReportLength == kStatusInputLength)
        return "status";
    if (info.usagePage == kCommandUsagePage)
        return "command";
    return "ignored";
}

std::string Hex4(uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", v);
    return text;
}

void PrintKind(const Kind& kind, const std::vector<HidInterfaceInfo>& list) {
    std::cout << kind.name << " (" << Hex4(kVendor) << ":" << Hex4(kind.product) << ")\n";
    bool any = false;
    for (size_t index = 0; index < list.size(); ++index) {
        const auto& info = list[index];
        if (info.vendor != kVendor || info.product != kind.product)
            continue;
        any = true;
        std::cout << "  " << index << "  " << info.path << "  usage page " << Hex4(info.usagePage)
                  << "  input " << info.inputReportLength << "  " << Role(info) << "\n";
    }
    if (!any)
        std::cout << "  no interfaces\n";
}

} // namespace

int RunDevices(const std::string& virtualDevice) {
    std::string error;
    auto bus = OpenDeviceBus(virtualDevice, &error);
    if (!bus) {
        std::cerr << "corvexctl: cannot open the device bus: " << error << "\n";
        return kExitNoBus;
    }
    auto list = bus->Enumerate();
    for (const auto& kind : kKinds)
        PrintKind(kind, list);
    return kExitOk;
}
