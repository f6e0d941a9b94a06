#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The three ways the emulated mouse can be plugged in, each its own USB product.
enum class MouseConnection : uint8_t { Cable, Receiver, Ble };

struct MouseConnectionInfo {
    MouseConnection kind;
    uint16_t product;
    std::string_view name; // the word the sim script uses
};

inline constexpr uint16_t kMouseVendor = 0x04F3;

inline constexpr std::array<MouseConnectionInfo, 3> kMouseConnections{{
    {MouseConnection::Cable, 0x026E, "cable"},
    {MouseConnection::Receiver, 0x026F, "receiver"},
    {MouseConnection::Ble, 0x026D, "ble"},
}};

constexpr const MouseConnectionInfo& ConnectionInfo(MouseConnection kind) {
    return kMouseConnections[static_cast<size_t>(kind)];
}

constexpr std::optional<MouseConnection> ParseConnection(std::string_view name) {
    for (const auto& info : kMouseConnections)
        if (info.name == name)
            return info.kind;
    return std::nullopt;
}
