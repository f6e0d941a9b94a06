#include "SimStateText.h"

#include <cstdio>
#include <span>

namespace {

std::string Hex(std::span<const uint8_t> bytes) {
    std::string text;
    for (uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%s%02X", text.empty() ? "" : " ", b);
        text += hex;
    }
    return text;
}

std::string Registers(std::span<const uint16_t> values) {
    std::string text;
    for (uint16_t v : values) {
        char hex[8];
        std::snprintf(hex, sizeof hex, " %04X", v);
        text += hex;
    }
    return text;
}

template <typename... Args> std::string Line(const char* format, Args... args) {
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    return std::string(line) + "\n";
}

std::string Buttons(const FirmwareState& f) {
    std::string text = "buttons:";
    for (const auto& b : f.buttons)
        text += " " + Hex(b) + ",";
    text.back() = '\n';
    return text;
}

std::string Colours(const FirmwareState& f) {
    std::string text = "dpi colours:";
    for (const auto& c : f.dpiColours)
        text += " " + Hex(c);
    return text + "\n";
}

std::string Macros(const FirmwareState& f) {
    std::string text;
    for (size_t slot = 1; slot < f.macros.size(); ++slot) {
        const MacroSlot& m = f.macros[slot];
        if (!m.written)
            continue;
        char head[96];
        std::snprintf(head, sizeof head, "macro slot %zu: %u of %u chunks, %zu bytes:", slot,
                      m.chunksReceived, m.chunkCount, m.steps.size());
        text += head;
        text += m.steps.empty() ? "\n" : " " + Hex(m.steps) + "\n";
    }
    return text;
}

} // namespace

std::string SimStateText(const FirmwareState& f, const MouseStatus& s) {
    std::string text;
    text += Line("profile %u, dpi level %u, dpi flags 0x%02X, polling code 0x%02X", f.profile,
                 f.dpiLevel, f.dpiFlags, f.pollingCode);
    text += Line("battery %u%%, charge %u, rate class %u, sensor 0x%02X, receiver %s", s.battery,
                 s.charge, s.rateClass, s.sensor, s.online ? "online" : "offline");
    text += "dpi x:" + Registers(f.dpiX) + "\n";
    text += "dpi y:" + Registers(f.dpiY) + "\n";
    text += Colours(f);
    text += Buttons(f);
    text += Line("lighting effect %u, levels 0x%02X, direction %u", f.lightingEffect,
                 f.lightingLevels, f.lightingDirection);
    text += Line("lift-off %u, debounce %u, power %s, motion %s", f.liftOff, f.debounce,
                 Hex(f.power).c_str(), Hex(f.motion).c_str());
    text += Macros(f);
    text += Line("macro erases %u, pairing requests %u, factory resets %u", f.macroBegins,
                 f.pairingRequests, f.factoryResets);
    return text;
}
