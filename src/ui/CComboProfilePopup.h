#pragma once

#include <array>
#include <string>

#include "ui/CListPopup.h"

// The profile list: a header row (language text 10) and one row per position of the show list.
// Rows with an empty name cannot be chosen. A left release on a profile row sends the owner's
// message with wParam 2 and lParam = the item number (2 to 6), a right release the same with
// wParam 11.
class CComboProfilePopup : public CListPopup {
  public:
    static constexpr int kKind = 7;
    static constexpr int kProfileRows = 5;
    static constexpr uintptr_t kLeftChoice = 2;
    static constexpr uintptr_t kRightChoice = 11;

    CComboProfilePopup(UiContext& ui, std::u16string_view headerPicture);

    // Before Open: the name of show-list position k (0 to 4) and the index of the marked row
    // (0 is the header, 1 the first profile row).
    void SetProfileName(int position, std::u16string name);
    void SetCurrentRow(int row) { currentRow_ = row; }

  protected:
    void InitItems() override;
    void DrawItems(Surface& surface, const Rect& client) override;
    void OnChoose(const PopupItem& item) override;
    bool OnItemRButtonUp(Point point) override;

  private:
    static bool Choosable(const PopupItem& item);

    SkinImage header_;
    std::array<std::u16string, kProfileRows> names_;
    int currentRow_ = 1;
};
