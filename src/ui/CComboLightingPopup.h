#pragma once

#include "ui/CListPopup.h"

// The lighting effects. A choice reports the effect's name and its code: effects 1 to 10, the
// last item effect 0.
class CComboLightingPopup : public CListPopup {
  public:
    static constexpr int kKind = 9;
    explicit CComboLightingPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
