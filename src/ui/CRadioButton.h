#pragma once

#include "ui/CButtonBase.h"

// A member of a radio group kept in the UiContext's RadioGroupState: frame 2 (selected picture)
// while its bit is set, otherwise the state. A completed click selects it in its group, then
// sends code 2; an identifier outside every group only sends code 2.
class CRadioButton : public CButtonBase {
  public:
    static constexpr size_t kNormal = 0;
    static constexpr size_t kHover = 1;
    static constexpr size_t kSelected = 2;

    CRadioButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                 std::u16string text, ControlFlags flags = {});

    // A missing selected path takes the hover path.
    void LoadImages(std::u16string_view normal, std::u16string_view hover,
                    std::u16string_view selected = {});
    bool IsSelected() const;

    void Draw(Surface& surface, const Rect& paint) override;

  protected:
    void OnReleasedInside() override;
};
