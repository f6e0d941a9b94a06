#pragma once

#include <cstdint>
#include <span>

// What a HID report descriptor says about its interface, in the terms of the Windows HID
// capabilities: the first top-level collection's usage page and usage, and the longest input
// and feature reports in bytes, counting the report id byte when the descriptor uses report ids.
// A truncated or malformed descriptor yields all zeros.
struct HidReportDescriptor {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportLength = 0;
    uint16_t featureReportLength = 0;

    static HidReportDescriptor Parse(std::span<const uint8_t> descriptor);
    bool operator==(const HidReportDescriptor&) const = default;
};
