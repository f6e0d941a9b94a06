#pragma once

#include "ui/CListPopup.h"

// The button function menu: seventeen items, five of which open a sub-list when hovered. Besides
// the choice (name and code of a code item) it tells the owner which item the pointer reached,
// so the owner can open or close the sub-lists, and which dialog item was clicked.
class CComboPopup : public CListPopup {
  public:
    static constexpr int kKind = 0;
    // Hover messages (lParam = item number).
    static constexpr uint32_t kHoverOrdinary = 0x409;
    static constexpr uint32_t kHoverDpi = 0x410;
    static constexpr uint32_t kHoverMultimedia = 0x413;
    static constexpr uint32_t kHoverOffice = 0x488;
    static constexpr uint32_t kHoverWindows = 0x485;
    static constexpr uint32_t kHoverDpiLock = 0x482;
    // Release messages of the items that open a dialog (lParam 0).
    static constexpr uint32_t kOpenFireKey = 0x426;
    static constexpr uint32_t kOpenMacroSelect = 0x429;
    static constexpr uint32_t kOpenShortcut = 0x40B;
    static constexpr uint32_t kOpenQuickLaunch = 0x40D;

    explicit CComboPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
    bool OnItemLButtonDown(Point point) override;
    void OnHoverChanged() override;
    void OnChoose(const PopupItem& item) override;
};
