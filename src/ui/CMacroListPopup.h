#pragma once

#include "ui/CListPopup.h"

// The context list of the macro library tree. Which of its eight commands it offers depends on
// what is selected: mode 0 nothing, mode 2 a folder, any other mode a macro. A choice reports an
// empty text and the command 0 to 7 in the first byte.
class CMacroListPopup : public CListPopup {
  public:
    static constexpr int kKind = 15;
    static constexpr int kNothingSelected = 0;
    static constexpr int kMacroSelected = 1;
    static constexpr int kFolderSelected = 2;

    CMacroListPopup(UiContext& ui, int mode, const RowPictures& pictures = kMenuPictures);

  protected:
    void InitItems() override;
    void OnChoose(const PopupItem& item) override;

  private:
    int mode_;
};
