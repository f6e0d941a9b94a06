#include <gtest/gtest.h>

#include "platform/qt/QtVirtualKeys.h"

namespace {

struct KeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    uint32_t keysym;
    uint32_t scanCode;
    int vk;
};

// Scan codes are X key codes (evdev + 8); key symbols are X keysyms.
const KeyCase kCases[] = {
    {"letter", Qt::Key_A, Qt::NoModifier, 0x61, 38, 0x41},
    {"letter without native codes", Qt::Key_Z, Qt::NoModifier, 0, 0, 0x5A},
    {"digit", Qt::Key_7, Qt::NoModifier, 0x37, 16, 0x37},
    {"shifted digit stays on its key", Qt::Key_Exclam, Qt::ShiftModifier, 0x21, 10, 0x31},
    {"F1", Qt::Key_F1, Qt::NoModifier, 0xFFBE, 67, 0x70},
    {"F24", Qt::Key_F24, Qt::NoModifier, 0, 0, 0x87},
    {"Enter", Qt::Key_Return, Qt::NoModifier, 0xFF0D, 36, 0x0D},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 0xFF8D, 104, 0x0D},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, 0xFF1B, 9, 0x1B},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, 0xFF08, 22, 0x08},
    {"left Shift", Qt::Key_Shift, Qt::ShiftModifier, 0xFFE1, 50, 0xA0},
    {"right Shift", Qt::Key_Shift, Qt::ShiftModifier, 0xFFE2, 62, 0xA1},
    {"right Shift by scan code", Qt::Key_Shift, Qt::ShiftModifier, 0, 62, 0xA1},
    {"Shift of unknown side", Qt::Key_Shift, Qt::ShiftModifier, 0, 0, 0xA0},
    {"left Control", Qt::Key_Control, Qt::ControlModifier, 0xFFE3, 37, 0xA2},
    {"right Control", Qt::Key_Control, Qt::ControlModifier, 0xFFE4, 105, 0xA3},
    {"left Alt", Qt::Key_Alt, Qt::AltModifier, 0xFFE9, 64, 0xA4},
    {"AltGr", Qt::Key_AltGr, Qt::NoModifier, 0xFE03, 108, 0xA5},
    {"left logo key", Qt::Key_Meta, Qt::MetaModifier, 0xFFEB, 133, 0x5B},
    {"right logo key", Qt::Key_Meta, Qt::MetaModifier, 0xFFEC, 134, 0x5C},
    {"context menu key", Qt::Key_Menu, Qt::NoModifier, 0xFF67, 135, 0x5D},
    {"keypad 5", Qt::Key_5, Qt::KeypadModifier, 0xFFB5, 84, 0x65},
    {"keypad 0 by Qt key alone", Qt::Key_0, Qt::KeypadModifier, 0, 0, 0x60},
    {"keypad multiply", Qt::Key_Asterisk, Qt::KeypadModifier, 0xFFAA, 63, 0x6A},
    {"keypad Home (Num Lock off)", Qt::Key_Home, Qt::KeypadModifier, 0xFF95, 79, 0x24},
    {"arrow", Qt::Key_Left, Qt::NoModifier, 0xFF51, 113, 0x25},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, 0xFFFF, 119, 0x2E},
    {"semicolon", Qt::Key_Semicolon, Qt::NoModifier, 0x3B, 47, 0xBA},
    {"colon on the same key", Qt::Key_Colon, Qt::ShiftModifier, 0x3A, 47, 0xBA},
    {"slash", Qt::Key_Slash, Qt::NoModifier, 0x2F, 61, 0xBF},
    {"grave", Qt::Key_QuoteLeft, Qt::NoModifier, 0x60, 49, 0xC0},
    {"Cyrillic letter by its position", 0x0444, Qt::NoModifier, 0x6C6, 38, 0x41},
    {"volume up", Qt::Key_VolumeUp, Qt::NoModifier, 0x1008FF13, 123, 0xAF},
    {"unknown key", Qt::Key_unknown, Qt::NoModifier, 0, 0, 0},
};

} // namespace

TEST(QtVirtualKeysTest, KeysGiveTheirWindowsVirtualKeyCodes) {
    for (const KeyCase& c : kCases) {
        EXPECT_EQ(VirtualKeyOf(c.qtKey, c.modifiers, c.keysym, c.scanCode), c.vk) << c.name;
    }
}

TEST(QtVirtualKeysTest, KeyEventIsReadWithItsNativeCodes) {
    const QKeyEvent rightShift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 62, 0xFFE2, 0);
    EXPECT_EQ(VirtualKeyOf(rightShift), 0xA1);
}
