#pragma once

#include "ui/CListPopup.h"

// Profile switching functions (cycle, up, down). A choice sets only the first result byte, to
// the item number - 2; the result text keeps what it held.
class CProfilePopup : public CListPopup {
  public:
    static constexpr int kKind = 1;
    explicit CProfilePopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
    void OnChoose(const PopupItem& item) override;
};
