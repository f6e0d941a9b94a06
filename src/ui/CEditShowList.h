#pragma once

#include <string_view>

#include "macro/MacroLibraryTree.h"
#include "ui/CControlBase.h"
#include "ui/ListRows.h"
#include "ui/SkinImage.h"

// The macro library tree view (identifier 2015): one 20-unit row per visible item, folders with
// their open or closed icon. A press selects the row under it (and writes the shared selected
// location); a press on a folder's icon opens or closes it. A right release selects as well and
// sends code 11 with wParam = the address of the point (valid only during the call); a double
// click on a folder opens or closes it and sends code 10.
class CEditShowList : public CControlBase {
  public:
    static constexpr unsigned kIdentifier = 2015;

    CEditShowList(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                  std::u16string text, MacroLibraryTree& library, SelectedLocation& selection,
                  ControlFlags flags = {});

    bool LoadIcons(std::u16string_view folderOpen, std::u16string_view folderClosed);

    int RowCount() const { return library_.VisibleRowCount(); }
    int VisibleRows() const { return scroll_.capacity; }
    int FirstVisibleRow() const { return scroll_.first; }
    void SetFirstVisibleRow(int row) { scroll_.first = row; }
    int SelectedRow() const { return scroll_.selected; }
    void SetSelectedRow(int row) { scroll_.selected = row; }
    int State() const { return state_; }
    // Scrolls so that the selected row is visible.
    void EnsureVisible();

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;
    bool OnRButtonUp(uint32_t flags, Point point) override;
    bool OnLButtonDblClk(uint32_t flags, Point point) override;
    void ReleaseImages() override;

  private:
    // Selects the row under the point (or nothing) and returns it, -1 for none.
    int SelectAt(Point point);
    void Toggle(int row);
    ListScroll Scroll() const;

    MacroLibraryTree& library_;
    SelectedLocation& selection_;
    SkinImage open_;
    SkinImage closed_;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    int state_ = ButtonState::Normal;
    ListScroll scroll_;
};
