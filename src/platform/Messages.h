#pragma once

#include <cstdint>

// Window message numbers the windows exchange. They keep the values of the Windows messages they
// stand for, so the numbered messages of the program (1025, 1067, 2999, ...) mean the same on
// every platform.
namespace Msg {
inline constexpr uint32_t Close = 0x0010;
inline constexpr uint32_t Command = 0x0111;      // wParam: low word id, high word notification
inline constexpr uint32_t DeviceChange = 0x0219; // wParam: DeviceArrival or DeviceRemoval
inline constexpr uint32_t User = 0x0400;
} // namespace Msg

namespace DeviceEvent {
inline constexpr uintptr_t Arrival = 0x8000;
inline constexpr uintptr_t RemovalComplete = 0x8004;
} // namespace DeviceEvent

// Notification of an edit field, in the high word of a Command message's wParam.
inline constexpr uint32_t kEditChanged = 0x0300;

// Mouse event codes of the tray callback message's lParam.
namespace TrayEvent {
inline constexpr intptr_t LeftUp = 514;
inline constexpr intptr_t RightUp = 517;
} // namespace TrayEvent

// Flags of the mouse callbacks.
namespace MouseFlag {
inline constexpr uint32_t LeftButton = 0x0001;
inline constexpr uint32_t RightButton = 0x0002;
} // namespace MouseFlag

// Text format flags of Surface::DrawText, with the values of the Windows DrawText flags.
namespace TextFlag {
inline constexpr uint32_t Left = 0x0000;
inline constexpr uint32_t Center = 0x0001;
inline constexpr uint32_t Right = 0x0002;
inline constexpr uint32_t VCenter = 0x0004;
inline constexpr uint32_t Bottom = 0x0008;
inline constexpr uint32_t WordBreak = 0x0010;
inline constexpr uint32_t SingleLine = 0x0020;
inline constexpr uint32_t NoClip = 0x0100;
inline constexpr uint32_t EndEllipsis = 0x8000;
inline constexpr uint32_t WordEllipsis = 0x40000;
} // namespace TextFlag
