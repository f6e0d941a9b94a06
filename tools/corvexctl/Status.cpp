#include "Commands.h"
#include "DeviceTool.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "device/SensorTable.h"
#include "device/StatusReport.h"

namespace {

constexpr const char* kPollingNames[] = {"125Hz",  "250Hz",  "500Hz", "1000Hz",
                                         "2000Hz", "4000Hz", "8000Hz"};
constexpr const char* kChargeNames[] = {"not charging", "charging", "fully charged"};

std::atomic<bool> interrupted{false};

std::string Hex(unsigned value, int digits) {
    char text[12];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

void PrintPresence(const DeviceLink& link) {
    for (const auto& info : kConnectionKindTable) {
        std::cout << info.name << ": ";
        if (!link.Present(info.kind)) {
            std::cout << "absent\n";
            continue;
        }
        std::cout << "present, command interface " << *link.CommandIndex(info.kind);
        if (auto status = link.StatusIndex(info.kind))
            std::cout << ", status interface " << *status;
        std::cout << "\n";
    }
}

void PrintReport(ConnectionKind kind, const std::vector<uint8_t>& bytes) {
    const auto r = StatusReport::Parse(bytes);
    if (!r)
        return;
    const bool full = kind != ConnectionKind::Wired || r->rateClass == 8;
    const auto model = SensorModelFromIdentifier(r->sensor);
    std::cout << KindInfo(kind).name << ": ";
    if (kind == ConnectionKind::Receiver)
        std::cout << (r->online ? "online" : "offline") << ", ";
    std::cout << "profile " << int(r->profile) << ", DPI level " << int(r->dpiLevel) << ", polling "
              << kPollingNames[StatusReport::DecodePollingRate(r->pollingCode, full)]
              << ", battery " << int(r->battery) << "%, "
              << kChargeNames[r->charge <= 2 ? r->charge : 0] << ", lighting effect "
              << int(r->lighting) << ", launch " << int(r->launch) << ", rate class "
              << int(r->rateClass) << ", sensor " << Hex(r->sensor, 2);
    if (model)
        std::cout << " (" << Hex(*model, 4) << ")";
    std::cout << std::endl;
}

} // namespace

int RunStatus(const std::string& virtualDevice, bool watch, int waitMs) {
    DeviceTool tool;
    if (int code = tool.Connect(virtualDevice))
        return code;
    PrintPresence(*tool.link);
    tool.link->SetReportHandler(PrintReport);
    std::cout.flush();
    if (!watch) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (std::chrono::steady_clock::now() < end)
            tool.queue.WaitAndPump(std::chrono::milliseconds(20));
        return kExitOk;
    }
    std::signal(SIGINT, [](int) { interrupted = true; });
    std::signal(SIGTERM, [](int) { interrupted = true; });
    while (!interrupted && tool.link->AnyPresent())
        tool.queue.WaitAndPump(std::chrono::milliseconds(100));
    if (!tool.link->AnyPresent()) {
        std::cerr << "corvexctl: the mouse went away\n";
        return kExitNoMouse;
    }
    return kExitOk;
}
