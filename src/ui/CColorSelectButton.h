#pragma once

#include "ui/CButtonBase.h"

// A colour swatch: fills its swatch rectangle with its colour. Standard input.
class CColorSelectButton : public CButtonBase {
  public:
    CColorSelectButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                       std::u16string text, const Rect& swatch, ControlFlags flags = {});

    void SetColor(Colour colour) { colour_ = colour; }
    Colour GetColor() const { return colour_; }
    const Rect& Swatch() const { return swatch_; }

    void Draw(Surface& surface, const Rect& paint) override;

  private:
    Rect swatch_;
    Colour colour_ = 0x00FF00;
};
