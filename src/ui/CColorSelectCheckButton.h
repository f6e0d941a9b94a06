#pragma once

#include "ui/CButtonBase.h"

// A framed colour swatch that the owner can mark: the marked or unmarked frame picture, then
// the colour inside the rectangle shrunk by 3 × UiScale. A double click on it sends code 10.
class CColorSelectCheckButton : public CButtonBase {
  public:
    static constexpr size_t kUnmarked = 0;
    static constexpr size_t kMarked = 1;

    CColorSelectCheckButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                            std::u16string text, ControlFlags flags = {});

    void LoadImages(std::u16string_view unmarked, std::u16string_view marked);
    void SetColor(Colour colour) { colour_ = colour; }
    Colour GetColor() const { return colour_; }
    void SetMarked(bool marked) { marked_ = marked; }
    bool IsMarked() const { return marked_; }
    // Recomputed on every draw.
    const Rect& Swatch() const { return swatch_; }

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnLButtonDblClk(uint32_t flags, Point point) override;

  private:
    Rect swatch_;
    Colour colour_ = 0x00FF00;
    bool marked_ = false;
};
