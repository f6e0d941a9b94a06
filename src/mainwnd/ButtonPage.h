#pragma once

#include "platform/Geometry.h"
#include "settings/ButtonMenu.h"

#include <cstdint>
#include <optional>

// Which mouse view the button page shows: pointing at keys 7-15 shows the thumb side (the second
// view), keys 0-6 the top; leaving a button keeps the view it chose.
class ButtonPageHighlight {
  public:
    void PointerEntered(int key);
    void PointerLeft() { highlighted_ = 0; }
    int Highlighted() const { return highlighted_; } // 0 none, k + 1 key k
    bool SecondView() const { return last_ > 7; }

  private:
    int highlighted_ = 0;
    int last_ = 0;
};

// Where a popup opens beside an anchor (client pixels of the window whose bottom is
// `windowBottom`): to the right of the anchor, top-aligned, moved up so it does not reach below
// the window's bottom edge, never above the window's top.
Point PopupOrigin(const Rect& anchor, Size popup, int windowBottom);

// Messages of the function menu.
namespace ButtonMenuMsg {
inline constexpr uint32_t Selection = 1027;
inline constexpr uint32_t ButtonNotify = 1028;
inline constexpr uint32_t Dismissed = 0x405; // 1029
inline constexpr uint32_t HoverPlain = 0x409;
inline constexpr uint32_t OpenFireKey = 0x426;
inline constexpr uint32_t OpenMacroSelect = 0x429;
inline constexpr uint32_t OpenShortcut = 0x40B;
inline constexpr uint32_t OpenQuickLaunch = 0x40D;
} // namespace ButtonMenuMsg

// The sub-list that a hover message of the function menu asks for; nullopt for other messages,
// ButtonSubmenu::None for the hover of an ordinary item (close the sub-list).
std::optional<ButtonSubmenu> SubmenuOfHoverMessage(uint32_t message);
// The dismissal message of a sub-list's popup.
uint32_t SubmenuDismissMessage(ButtonSubmenu submenu);
