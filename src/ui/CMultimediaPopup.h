#pragma once

#include "ui/CListPopup.h"

// The multimedia sub-list of the button function menu. Reports the item's name and its button
// function.
class CMultimediaPopup : public CListPopup {
  public:
    static constexpr int kKind = 3;
    CMultimediaPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
