#pragma once

#include <QKeyEvent>
#include <cstdint>

// Windows virtual-key codes for Qt key events. Macros store virtual-key codes, so a key must
// give the same code here as on Windows: letters, digits and punctuation follow the Qt key (the
// layout's meaning, as Windows does); the sides of Shift, Control, Alt and the logo keys and the
// numeric keypad come from the native key symbol or scan code, which Qt's key alone cannot
// tell. 0 for a key without a virtual-key code.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t nativeVirtualKey,
                 uint32_t nativeScanCode);
int VirtualKeyOf(const QKeyEvent& event);
