#pragma once

#include "settings/ButtonFunction.h"

#include <span>
#include <string>
#include <string_view>

// The submenus of the button function menu.
enum class ButtonSubmenu { None, Dpi, Multimedia, Office, Windows, DpiLock };

// What choosing a main menu item does.
enum class MenuItemAction {
    AssignCode,      // assigns `code` named by the item's text
    OpenSubmenu,     // hovering opens `submenu`
    OpenFireKey,     // fire-key dialog
    OpenMacroSelect, // macro select dialog
    OpenShortcut,    // shortcut dialog
    OpenQuickLaunch, // quick-launch dialog
};

struct MainMenuItem {
    int item;       // 1-based position in the menu
    int textNumber; // language text naming the item
    MenuItemAction action;
    ButtonFunction code;
    ButtonSubmenu submenu;
};

// An item of the DPI, Multimedia, Office or Windows submenu.
struct SubmenuItem {
    int item;
    int textNumber;
    ButtonFunction code;
};

// An item of the DPI-lock submenu, named by a fixed text.
struct DpiLockItem {
    int item;
    std::u16string_view name;
    ButtonFunction code;
};

// Language text that prefixes every DPI-lock assignment name.
inline constexpr int kDpiLockTextNumber = 36;

std::span<const MainMenuItem> MainMenu();

// Items of a code submenu; empty for `None` and for `DpiLock` (see `DpiLockMenu`).
std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu submenu);

std::span<const DpiLockItem> DpiLockMenu();

// Name stored for a DPI-lock choice: the lock text, "-", then the item's name.
std::u16string DpiLockAssignmentName(std::u16string_view lockText, const DpiLockItem& item);
