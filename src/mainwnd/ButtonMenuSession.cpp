#include "mainwnd/ButtonMenuSession.h"

#include "mainwnd/ButtonPage.h"

void ButtonMenuSession::Open(int controlId) {
    control_ = controlId;
    submenu_ = ButtonSubmenu::None;
}

std::optional<ButtonSubmenu> ButtonMenuSession::Hover(uint32_t message) {
    const auto wanted = SubmenuOfHoverMessage(message);
    if (!IsOpen() || !wanted || *wanted == submenu_)
        return std::nullopt;
    submenu_ = *wanted;
    return submenu_;
}

int ButtonMenuSession::Choose() {
    const int control = control_;
    End();
    return control;
}

bool ButtonMenuSession::MainDismissed() {
    if (!IsOpen() || submenu_ != ButtonSubmenu::None)
        return false;
    End();
    return true;
}

bool ButtonMenuSession::SubmenuDismissed(bool pointerOverMainMenu) {
    if (!IsOpen())
        return false;
    submenu_ = ButtonSubmenu::None;
    if (pointerOverMainMenu)
        return false;
    End();
    return true;
}

void ButtonMenuSession::End() {
    control_ = 0;
    submenu_ = ButtonSubmenu::None;
}
