#include "mainwnd/ButtonPage.h"

#include <algorithm>
#include <array>

namespace {

struct SubmenuMessages {
    ButtonSubmenu submenu;
    uint32_t hover;   // the function menu asks for the sub-list
    uint32_t dismiss; // the sub-list lost activation
};

constexpr std::array<SubmenuMessages, 6> kSubmenuMessages{{
    {ButtonSubmenu::None, ButtonMenuMsg::HoverPlain, ButtonMenuMsg::Dismissed},
    {ButtonSubmenu::Dpi, 0x410, 0x412},
    {ButtonSubmenu::Multimedia, 0x413, 0x415},
    {ButtonSubmenu::Office, 0x488, 0x48A},
    {ButtonSubmenu::Windows, 0x485, 0x487},
    {ButtonSubmenu::DpiLock, 0x482, 0x484},
}};

} // namespace

void ButtonPageHighlight::PointerEntered(int key) {
    highlighted_ = key + 1;
    last_ = highlighted_;
}

Point PopupOrigin(const Rect& anchor, Size popup, int windowBottom) {
    const int top = std::max(0, std::min(anchor.top, windowBottom - popup.height));
    return {anchor.right, top};
}

std::optional<ButtonSubmenu> SubmenuOfHoverMessage(uint32_t message) {
    for (const SubmenuMessages& m : kSubmenuMessages)
        if (m.hover == message)
            return m.submenu;
    return std::nullopt;
}

uint32_t SubmenuDismissMessage(ButtonSubmenu submenu) {
    for (const SubmenuMessages& m : kSubmenuMessages)
        if (m.submenu == submenu)
            return m.dismiss;
    return 0;
}
