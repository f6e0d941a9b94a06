#pragma once

#include "ui/CListPopup.h"

// The Windows functions sub-list of the button function menu. Reports the item's name and its
// button function.
class CWindowsManagePopup : public CListPopup {
  public:
    static constexpr int kKind = 11;
    CWindowsManagePopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
