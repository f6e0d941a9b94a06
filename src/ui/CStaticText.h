#pragma once

#include "ui/CControlBase.h"

// A label: its display text in its colour, wrapping at word ends and ending with an ellipsis
// when too long. Always disabled. The display text starts as the text given at construction.
class CStaticText : public CControlBase {
  public:
    CStaticText(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                std::u16string text, Colour colour, uint32_t format, ControlFlags flags = {});

    // No repaint; the owner repaints.
    void SetDisplayText(std::u16string text) { displayText_ = std::move(text); }
    const std::u16string& DisplayText() const { return displayText_; }
    void SetTextColor(Colour colour) { colour_ = colour; }
    Colour TextColor() const { return colour_; }

    void Draw(Surface& surface, const Rect& paint) override;

  private:
    uint32_t format_;
    std::u16string displayText_;
    Colour colour_;
};
