#pragma once

#include "ui/CListPopup.h"

// The first four polling rates. A choice reports the rate's name and its index 0 to 3 in the
// first byte.
class CComboPollingRatePopup : public CListPopup {
  public:
    static constexpr int kKind = 8;
    explicit CComboPollingRatePopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
