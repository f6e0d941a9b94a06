#pragma once

#include "ui/CListPopup.h"

// What the macro editor can insert: three clicks, a delay, a key and four pointer moves. A choice
// reports its text and the insert item 0 to 8 in the first byte.
class CComboActionInsertPopup : public CListPopup {
  public:
    static constexpr int kKind = 14;
    explicit CComboActionInsertPopup(UiContext& ui, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
};
