#pragma once

#include "ui/CListPopup.h"

// The DPI lock sub-list: eleven resolutions from 200 to 1200. A choice is named by the lock text,
// "-" and the resolution.
class CDPILockPopup : public CListPopup {
  public:
    static constexpr int kKind = 10;
    explicit CDPILockPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
    void OnChoose(const PopupItem& item) override;
};
