#pragma once

#include <array>
#include <cstdint>

#include "device/ConnectionKind.h"

// The status values the mouse reports, kept on the UI thread.
struct DeviceStatus {
    uint8_t lastDpiLevel = 2;
    uint8_t battery = 100;     // percent
    uint8_t charge = 0;        // 1 charging, 2 fully charged, 0 not charging
    uint8_t rateClass = 1;     // maximum-rate class: 1, 4 or 8
    int skipReports = 0;       // reports still to ignore after a profile switch
    bool deviceOnline = false; // the mouse can take commands
    std::array<uint8_t, kConnectionKinds> lastLaunch{}; // per reader
};
