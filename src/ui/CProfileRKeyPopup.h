#pragma once

#include "ui/CListPopup.h"

// The action menu of one profile (import, export, edit, delete). A choice reports the action
// number 0 to 3 in the first byte.
class CProfileRKeyPopup : public CListPopup {
  public:
    static constexpr int kKind = 13;
    explicit CProfileRKeyPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
