#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The three ways the mouse appears on the machine, each its own USB product.
enum class ConnectionKind : uint8_t { Wired, Receiver, Ble };

inline constexpr uint16_t kMouseVendorId = 0x04F3;
inline constexpr size_t kConnectionKinds = 3;

struct ConnectionKindInfo {
    ConnectionKind kind;
    uint16_t product;
    std::string_view name;
};

// Indexed by the kind's value; also the order in which a scan starts readers.
inline constexpr std::array<ConnectionKindInfo, kConnectionKinds> kConnectionKindTable{{
    {ConnectionKind::Wired, 0x026E, "Wired"},
    {ConnectionKind::Receiver, 0x026F, "Receiver"},
    {ConnectionKind::Ble, 0x026D, "Ble"},
}};

// Commands go to the first of these whose command interface is open.
inline constexpr std::array<ConnectionKind, kConnectionKinds> kCommandRouteOrder{
    ConnectionKind::Wired, ConnectionKind::Ble, ConnectionKind::Receiver};

constexpr size_t KindIndex(ConnectionKind kind) {
    return static_cast<size_t>(kind);
}

constexpr const ConnectionKindInfo& KindInfo(ConnectionKind kind) {
    return kConnectionKindTable[KindIndex(kind)];
}
