#pragma once

#include "ui/CListPopup.h"

// The office sub-list of the button function menu. Reports the item's name and its button function.
class COfficePopup : public CListPopup {
  public:
    static constexpr int kKind = 12;
    COfficePopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
