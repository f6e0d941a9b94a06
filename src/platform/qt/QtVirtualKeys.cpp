#include "platform/qt/QtVirtualKeys.h"

#include <algorithm>
#include <iterator>

namespace {

struct KeyCode {
    uint32_t key;
    int vk;
};

struct KeyRange {
    int first;
    int last;
    int firstVk;
};

constexpr KeyRange kQtKeyRanges[] = {
    {Qt::Key_A, Qt::Key_Z, 0x41},
    {Qt::Key_0, Qt::Key_9, 0x30},
    {Qt::Key_F1, Qt::Key_F24, 0x70},
};

// Qt keys with one meaning; punctuation as on the US layout, shifted symbols on their key.
constexpr KeyCode kQtKeys[] = {
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_SysReq, 0x2C},
    {Qt::Key_Clear, 0x0C},
    {Qt::Key_Home, 0x24},
    {Qt::Key_End, 0x23},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_Shift, 0xA0},
    {Qt::Key_Control, 0xA2},
    {Qt::Key_Alt, 0xA4},
    {Qt::Key_AltGr, 0xA5},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Space, 0x20},
    {Qt::Key_Exclam, 0x31},
    {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33},
    {Qt::Key_Dollar, 0x34},
    {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36},
    {Qt::Key_Ampersand, 0x37},
    {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
    {Qt::Key_ParenRight, 0x30},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_Back, 0xA6},
    {Qt::Key_Forward, 0xA7},
    {Qt::Key_Refresh, 0xA8},
    {Qt::Key_Stop, 0xA9},
    {Qt::Key_Search, 0xAA},
    {Qt::Key_Favorites, 0xAB},
    {Qt::Key_HomePage, 0xAC},
    {Qt::Key_VolumeMute, 0xAD},
    {Qt::Key_VolumeDown, 0xAE},
    {Qt::Key_VolumeUp, 0xAF},
    {Qt::Key_MediaNext, 0xB0},
    {Qt::Key_MediaPrevious, 0xB1},
    {Qt::Key_MediaStop, 0xB2},
    {Qt::Key_MediaPlay, 0xB3},
    {Qt::Key_MediaTogglePlayPause, 0xB3},
    {Qt::Key_LaunchMail, 0xB4},
    {Qt::Key_LaunchMedia, 0xB5},
    {Qt::Key_Launch0, 0xB6},
    {Qt::Key_Launch1, 0xB7},
    {Qt::Key_Sleep, 0x5F},
};

// Qt keys typed on the numeric keypad (KeypadModifier) that have their own codes there; the
// others (Home, arrows with Num Lock off, Enter) keep their main codes.
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_0, 0x60},     {Qt::Key_1, 0x61},      {Qt::Key_2, 0x62},        {Qt::Key_3, 0x63},
    {Qt::Key_4, 0x64},     {Qt::Key_5, 0x65},      {Qt::Key_6, 0x66},        {Qt::Key_7, 0x67},
    {Qt::Key_8, 0x68},     {Qt::Key_9, 0x69},      {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D}, {Qt::Key_Period, 0x6E}, {Qt::Key_Comma, 0x6E},    {Qt::Key_Slash, 0x6F},
};

// X key symbols that tell what Qt keys merge: the side of a modifier, a keypad digit.
constexpr KeyCode kKeySymbols[] = {
    {0xFFE1, 0xA0}, // Shift_L
    {0xFFE2, 0xA1}, // Shift_R
    {0xFFE3, 0xA2}, // Control_L
    {0xFFE4, 0xA3}, // Control_R
    {0xFFE9, 0xA4}, // Alt_L
    {0xFFEA, 0xA5}, // Alt_R
    {0xFE03, 0xA5}, // ISO_Level3_Shift (AltGr)
    {0xFFE7, 0x5B}, // Meta_L
    {0xFFE8, 0x5C}, // Meta_R
    {0xFFEB, 0x5B}, // Super_L
    {0xFFEC, 0x5C}, // Super_R
    {0xFFB0, 0x60}, // KP_0
    {0xFFB1, 0x61}, {0xFFB2, 0x62}, {0xFFB3, 0x63}, {0xFFB4, 0x64}, {0xFFB5, 0x65},
    {0xFFB6, 0x66}, {0xFFB7, 0x67}, {0xFFB8, 0x68}, {0xFFB9, 0x69}, {0xFFAA, 0x6A}, // KP_Multiply
    {0xFFAB, 0x6B},                                                                 // KP_Add
    {0xFFAC, 0x6C},                                                                 // KP_Separator
    {0xFFAD, 0x6D},                                                                 // KP_Subtract
    {0xFFAE, 0x6E},                                                                 // KP_Decimal
    {0xFFAF, 0x6F},                                                                 // KP_Divide
};

// X key codes (evdev code + 8) of the PC keyboard, by position on the US layout: the codes of
// keys whose Qt key is unknown (a non-Latin layout) or merged.
constexpr KeyCode kScanCodes[] = {
    {9, 0x1B},   {10, 0x31},  {11, 0x32},  {12, 0x33},  {13, 0x34},  {14, 0x35},  {15, 0x36},
    {16, 0x37},  {17, 0x38},  {18, 0x39},  {19, 0x30},  {20, 0xBD},  {21, 0xBB},  {22, 0x08},
    {23, 0x09},  {24, 0x51},  {25, 0x57},  {26, 0x45},  {27, 0x52},  {28, 0x54},  {29, 0x59},
    {30, 0x55},  {31, 0x49},  {32, 0x4F},  {33, 0x50},  {34, 0xDB},  {35, 0xDD},  {36, 0x0D},
    {37, 0xA2},  {38, 0x41},  {39, 0x53},  {40, 0x44},  {41, 0x46},  {42, 0x47},  {43, 0x48},
    {44, 0x4A},  {45, 0x4B},  {46, 0x4C},  {47, 0xBA},  {48, 0xDE},  {49, 0xC0},  {50, 0xA0},
    {51, 0xDC},  {52, 0x5A},  {53, 0x58},  {54, 0x43},  {55, 0x56},  {56, 0x42},  {57, 0x4E},
    {58, 0x4D},  {59, 0xBC},  {60, 0xBE},  {61, 0xBF},  {62, 0xA1},  {63, 0x6A},  {64, 0xA4},
    {65, 0x20},  {66, 0x14},  {67, 0x70},  {68, 0x71},  {69, 0x72},  {70, 0x73},  {71, 0x74},
    {72, 0x75},  {73, 0x76},  {74, 0x77},  {75, 0x78},  {76, 0x79},  {77, 0x90},  {78, 0x91},
    {79, 0x67},  {80, 0x68},  {81, 0x69},  {82, 0x6D},  {83, 0x64},  {84, 0x65},  {85, 0x66},
    {86, 0x6B},  {87, 0x61},  {88, 0x62},  {89, 0x63},  {90, 0x60},  {91, 0x6E},  {94, 0xE2},
    {95, 0x7A},  {96, 0x7B},  {104, 0x0D}, {105, 0xA3}, {106, 0x6F}, {107, 0x2C}, {108, 0xA5},
    {110, 0x24}, {111, 0x26}, {112, 0x21}, {113, 0x25}, {114, 0x27}, {115, 0x23}, {116, 0x28},
    {117, 0x22}, {118, 0x2D}, {119, 0x2E}, {127, 0x13}, {133, 0x5B}, {134, 0x5C}, {135, 0x5D},
};

template <size_t N> int Find(const KeyCode (&table)[N], uint32_t key) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [key](const KeyCode& c) { return c.key == key; });
    return found == std::end(table) ? 0 : found->vk;
}

int FromQtKey(int qtKey) {
    for (const KeyRange& range : kQtKeyRanges) {
        if (qtKey >= range.first && qtKey <= range.last) {
            return range.firstVk + (qtKey - range.first);
        }
    }
    return Find(kQtKeys, uint32_t(qtKey));
}

bool IsModifier(int qtKey) {
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt ||
           qtKey == Qt::Key_AltGr || qtKey == Qt::Key_Meta;
}

} // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t nativeVirtualKey,
                 uint32_t nativeScanCode) {
    if (const int vk = Find(kKeySymbols, nativeVirtualKey)) {
        return vk;
    }
    if (IsModifier(qtKey)) {
        if (const int vk = Find(kScanCodes, nativeScanCode)) {
            return vk;
        }
    }
    if (modifiers & Qt::KeypadModifier) {
        if (const int vk = Find(kKeypadKeys, uint32_t(qtKey))) {
            return vk;
        }
    }
    if (const int vk = FromQtKey(qtKey)) {
        return vk;
    }
    return Find(kScanCodes, nativeScanCode);
}

int VirtualKeyOf(const QKeyEvent& event) {
    return VirtualKeyOf(event.key(), event.modifiers(), event.nativeVirtualKey(),
                        event.nativeScanCode());
}
