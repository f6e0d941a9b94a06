#pragma once

#include "ui/CListPopup.h"

// The DPI switching sub-list of the button function menu. Reports the item's name and its button
// function.
class CDPIPopup : public CListPopup {
  public:
    static constexpr int kKind = 2;
    CDPIPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
