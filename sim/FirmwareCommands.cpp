#include "FirmwareCommands.h"

#include <algorithm>
#include <numeric>

namespace {

using Handler = std::string (*)(FirmwareState&, const FrameBytes&, const FrameBytes&);

constexpr size_t kPayload = 5;
constexpr size_t kMacroChunk = 25;

uint16_t Le16(const FrameBytes& f, size_t at) {
    return static_cast<uint16_t>(f[at] | (f[at + 1] << 8));
}

std::string Buttons(FirmwareState& s, const FrameBytes& a, const FrameBytes& b) {
    std::array<uint8_t, 48> table{};
    std::copy_n(a.begin() + kPayload, 27, table.begin());
    std::copy_n(b.begin() + kPayload, 21, table.begin() + 27);
    for (size_t i = 0; i < s.buttons.size(); ++i)
        std::copy_n(table.begin() + i * 3, 3, s.buttons[i].begin());
    return {};
}

std::string DpiLevels(FirmwareState& s, const FrameBytes& a, const FrameBytes& b) {
    if (a[5] != b[5] || a[6] != b[6])
        return "packet heads differ";
    s.dpiLevel = a[5];
    s.dpiFlags = a[6];
    for (size_t i = 0; i < s.dpiX.size(); ++i) {
        s.dpiX[i] = Le16(a, 7 + i * 2);
        s.dpiY[i] = Le16(b, 7 + i * 2);
    }
    return {};
}

std::string DpiColours(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    for (size_t i = 0; i < s.dpiColours.size(); ++i)
        std::copy_n(a.begin() + kPayload + i * 3, 3, s.dpiColours[i].begin());
    return {};
}

std::string PollingRate(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    static const std::array<uint8_t, 7> kCodes{0x08, 0x04, 0x02, 0x01, 0x11, 0x12, 0x14};
    if (std::find(kCodes.begin(), kCodes.end(), a[5]) == kCodes.end())
        return "unknown polling-rate code";
    s.pollingCode = a[5];
    return {};
}

std::string LiftOff(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    if (a[5] != 1 && a[5] != 2)
        return "lift-off must be 1 or 2";
    s.liftOff = a[5];
    return {};
}

std::string Lighting(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    s.lightingEffect = a[6];
    s.lightingLevels = a[7];
    s.lightingDirection = a[8];
    return {};
}

std::string PowerOptions(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    std::copy_n(a.begin() + kPayload, 3, s.power.begin());
    return {};
}

std::string MotionOptions(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    std::copy_n(a.begin() + kPayload, 3, s.motion.begin());
    return {};
}

std::string Debounce(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    s.debounce = a[5];
    return {};
}

std::string SwitchProfile(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    if (a[5] > 4)
        return "profile out of range";
    s.profile = a[5];
    return {};
}

std::string FactoryReset(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    if (a[5] != 0xFF)
        return "byte 5 must be FF";
    FirmwareState fresh;
    fresh.macroBegins = s.macroBegins;
    fresh.pairingRequests = s.pairingRequests;
    fresh.factoryResets = s.factoryResets + 1;
    s = fresh;
    return {};
}

std::string MacroData(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    const uint8_t index = a[3] >> 4;
    const uint8_t count = a[3] & 0x0F;
    const uint8_t slot = a[6];
    if (count == 0 || index >= count)
        return "bad chunk index or count";
    if (a[5] < 1 || a[5] > kMacroChunk + 1)
        return "bad chunk length";
    if (slot < 1 || slot >= kMacroSlots)
        return "slot out of range";
    MacroSlot& m = s.macros[slot];
    if (index > 0 && (!m.written || count != m.chunkCount || index > m.chunksReceived))
        return "chunk out of order";
    m.written = true;
    m.chunkCount = count;
    m.chunksReceived = static_cast<uint8_t>(index + 1);
    m.steps.resize(index * kMacroChunk);
    m.steps.insert(m.steps.end(), a.begin() + 7, a.begin() + 7 + (a[5] - 1));
    return {};
}

std::string MacroBegin(FirmwareState& s, const FrameBytes& a, const FrameBytes&) {
    if (a[5] != 0xFF)
        return "byte 5 must be FF";
    s.macros = {};
    ++s.macroBegins;
    return {};
}

struct Command {
    uint8_t code;
    std::string_view name;
    int packets;
    Handler apply;
};

const Command kCommands[] = {
    {0x01, "SetButtonTable", 2, Buttons},       {0x02, "SetDpiLevels", 2, DpiLevels},
    {0x03, "SetDpiColours", 1, DpiColours},     {0x04, "SetPollingRate", 1, PollingRate},
    {0x05, "SetLiftOff", 1, LiftOff},           {0x06, "SetLighting", 1, Lighting},
    {0x07, "SetPowerOptions", 1, PowerOptions}, {0x08, "SetMotionOptions", 1, MotionOptions},
    {0x09, "SetDebounce", 1, Debounce},         {0x0A, "SwitchProfile", 1, SwitchProfile},
    {0x0F, "FactoryReset", 1, FactoryReset},    {0x10, "MacroData", 1, MacroData},
    {0x11, "MacroBegin", 1, MacroBegin},
};

const Command* Find(uint8_t code) {
    for (const auto& c : kCommands)
        if (c.code == code)
            return &c;
    return nullptr;
}

} // namespace

uint8_t FrameChecksum(std::span<const uint8_t, kFrameLength> frame) {
    const unsigned sum = std::accumulate(frame.begin(), frame.end(), 0u) - frame[4];
    return static_cast<uint8_t>(sum);
}

std::string_view CommandName(uint8_t code) {
    const Command* c = Find(code);
    return c ? c->name : "Unknown";
}

int CommandPackets(uint8_t code) {
    const Command* c = Find(code);
    return c ? c->packets : 0;
}

std::string ApplyCommand(FirmwareState& state, const FrameBytes& first, const FrameBytes& second) {
    const Command* c = Find(first[1]);
    return c ? c->apply(state, first, second) : "unknown command";
}
