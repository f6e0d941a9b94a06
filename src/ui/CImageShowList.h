#pragma once

#include <array>
#include <string_view>

#include "macro/MacroRecord.h"
#include "ui/CControlBase.h"
#include "ui/ListRows.h"
#include "ui/SkinImage.h"

// The steps of one macro (identifier 2020): one 20-unit row per step with its text and an icon
// for delay, press or release. A press selects the step under it; a double click sends code 10.
class CImageShowList : public CControlBase {
  public:
    static constexpr unsigned kIdentifier = 2020;

    CImageShowList(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                   std::u16string text, ControlFlags flags = {});

    bool LoadIcons(std::u16string_view delay, std::u16string_view press,
                   std::u16string_view release);
    // The macro shown (none: an empty list); the owner keeps it alive while it is shown.
    void SetMacro(const MacroRecord* macro) { macro_ = macro; }
    const MacroRecord* Macro() const { return macro_; }

    int RowCount() const { return macro_ ? int(macro_->ValidActionCount()) : 0; }
    int VisibleRows() const { return scroll_.capacity; }
    int FirstVisibleRow() const { return scroll_.first; }
    void SetFirstVisibleRow(int row) { scroll_.first = row; }
    int SelectedRow() const { return scroll_.selected; }
    void SetSelectedRow(int row) { scroll_.selected = row; }
    int State() const { return state_; }

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;
    bool OnLButtonDblClk(uint32_t flags, Point point) override;
    void ReleaseImages() override;

  private:
    const MacroRecord* macro_ = nullptr;
    std::array<SkinImage, 3> icons_; // by StepIcon
    int iconWidth_ = 0;
    int iconHeight_ = 0;
    int state_ = ButtonState::Normal;
    ListScroll scroll_;
};
