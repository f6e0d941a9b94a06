#pragma once

#include "settings/ButtonMenu.h"

#include <cstdint>
#include <optional>

// One opening of the function menu for a button control, from the release on the control to a
// choice or a dismissal. The window carries out what it answers: opening and closing the popups,
// the control's open flag and the assignment.
class ButtonMenuSession {
  public:
    // The control was released: its menu opens (the window closes any other popup first).
    void Open(int controlId);
    bool IsOpen() const { return control_ != 0; }
    int Control() const { return control_; }
    ButtonSubmenu Submenu() const { return submenu_; }

    // A hover message of the function menu: the sub-list to show now (None: close the open one),
    // or nothing when the message changes nothing.
    std::optional<ButtonSubmenu> Hover(uint32_t message);
    // A choice from the menu or a sub-list ends the session; returns the control it was for.
    int Choose();
    // The function menu lost activation. While a sub-list is open it took the activation and the
    // session goes on (false); otherwise the session ends (true: clear the open flag, close all).
    bool MainDismissed();
    // A sub-list lost activation: it closes. Back over the function menu the session goes on
    // (false); anywhere else it ends (true).
    bool SubmenuDismissed(bool pointerOverMainMenu);

  private:
    void End();

    int control_ = 0;
    ButtonSubmenu submenu_ = ButtonSubmenu::None;
};
