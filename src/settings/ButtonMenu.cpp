#include "settings/ButtonMenu.h"

namespace {

using A = MenuItemAction;
using S = ButtonSubmenu;

constexpr ButtonFunction Code(uint8_t type, uint8_t b1, uint8_t b2) {
    return {{type, b1, b2}};
}

constexpr MainMenuItem kMainMenu[] = {
    {1, 20, A::AssignCode, Code(0x10, 0x01, 0x00), S::None},
    {2, 21, A::AssignCode, Code(0x10, 0x02, 0x00), S::None},
    {3, 22, A::AssignCode, Code(0x10, 0x04, 0x00), S::None},
    {4, 23, A::AssignCode, Code(0x10, 0x10, 0x00), S::None},
    {5, 24, A::AssignCode, Code(0x10, 0x08, 0x00), S::None},
    {6, 25, A::OpenSubmenu, {}, S::Dpi},
    {7, 26, A::OpenFireKey, {}, S::None},
    {8, 27, A::AssignCode, Code(0x30, 0x32, 0x03), S::None},
    {9, 28, A::OpenMacroSelect, {}, S::None},
    {10, 29, A::OpenShortcut, {}, S::None},
    {11, 30, A::OpenSubmenu, {}, S::Multimedia},
    {12, 31, A::OpenSubmenu, {}, S::Office},
    {13, 32, A::OpenSubmenu, {}, S::Windows},
    {14, 33, A::AssignCode, Code(0x60, 0x04, 0x00), S::None},
    {15, 36, A::OpenSubmenu, {}, S::DpiLock},
    {16, 39, A::OpenQuickLaunch, {}, S::None},
    {17, 34, A::AssignCode, Code(0x00, 0x00, 0x00), S::None},
};

constexpr SubmenuItem kDpiMenu[] = {
    {1, 40, Code(0x40, 0x02, 0x00)},
    {2, 41, Code(0x40, 0x03, 0x00)},
    {3, 42, Code(0x40, 0x01, 0x00)},
};

// Consumer-control usages, low byte first.
constexpr SubmenuItem kMultimediaMenu[] = {
    {1, 45, Code(0x80, 0x83, 0x01)}, {2, 46, Code(0x80, 0xB6, 0x00)},
    {3, 47, Code(0x80, 0xB5, 0x00)}, {4, 48, Code(0x80, 0xB7, 0x00)},
    {5, 49, Code(0x80, 0xCD, 0x00)}, {6, 50, Code(0x80, 0xE2, 0x00)},
    {7, 51, Code(0x80, 0xE9, 0x00)}, {8, 52, Code(0x80, 0xEA, 0x00)},
    {9, 53, Code(0x80, 0x8A, 0x01)}, {10, 54, Code(0x80, 0x92, 0x01)},
};

constexpr SubmenuItem kOfficeMenu[] = {
    {1, 60, Code(0x70, 0x01, 0x06)}, {2, 61, Code(0x70, 0x01, 0x19)},
    {3, 62, Code(0x70, 0x01, 0x1B)}, {4, 63, Code(0x70, 0x01, 0x04)},
    {5, 64, Code(0x70, 0x01, 0x11)}, {6, 65, Code(0x70, 0x01, 0x16)},
    {7, 66, Code(0x70, 0x01, 0x13)}, {8, 67, Code(0x70, 0x08, 0x08)},
    {9, 68, Code(0x70, 0x01, 0x1D)},
};

constexpr SubmenuItem kWindowsMenu[] = {
    {1, 75, Code(0x80, 0x94, 0x01)}, {2, 76, Code(0x70, 0x04, 0x3D)},
    {3, 77, Code(0x70, 0x08, 0x07)}, {4, 78, Code(0x70, 0x08, 0x15)},
    {5, 79, Code(0x70, 0x08, 0x51)}, {6, 80, Code(0x70, 0x08, 0x52)},
};

// The lock byte is the item number whatever the sensor.
constexpr DpiLockItem kDpiLockMenu[] = {
    {1, u"200", Code(0x50, 1, 0)},    {2, u"300", Code(0x50, 2, 0)},
    {3, u"400", Code(0x50, 3, 0)},    {4, u"500", Code(0x50, 4, 0)},
    {5, u"600", Code(0x50, 5, 0)},    {6, u"700", Code(0x50, 6, 0)},
    {7, u"800", Code(0x50, 7, 0)},    {8, u"900", Code(0x50, 8, 0)},
    {9, u"1000", Code(0x50, 9, 0)},   {10, u"1100", Code(0x50, 10, 0)},
    {11, u"1200", Code(0x50, 11, 0)},
};

} // namespace

std::span<const MainMenuItem> MainMenu() {
    return kMainMenu;
}

std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu submenu) {
    switch (submenu) {
    case S::Dpi:
        return kDpiMenu;
    case S::Multimedia:
        return kMultimediaMenu;
    case S::Office:
        return kOfficeMenu;
    case S::Windows:
        return kWindowsMenu;
    case S::None:
    case S::DpiLock:
        break;
    }
    return {};
}

std::span<const DpiLockItem> DpiLockMenu() {
    return kDpiLockMenu;
}

std::u16string DpiLockAssignmentName(std::u16string_view lockText, const DpiLockItem& item) {
    return std::u16string(lockText) + u"-" + std::u16string(item.name);
}
