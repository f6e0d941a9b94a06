#pragma once

#include "ui/CButtonBase.h"

// A push button with a normal and a hover picture and an optional caption: grey text normally,
// white while hovered, yellow (over the hover picture) while pressed. Its release sends the
// identifier also in wParam; button 3502 also sends code 12 on every move inside it.
class CImageButton : public CButtonBase {
  public:
    static constexpr size_t kNormal = 0;
    static constexpr size_t kHover = 1;

    CImageButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                 std::u16string text, uint32_t format, ControlFlags flags = {});

    // Either picture may be missing; the hover picture defaults to the normal one's path.
    void LoadImages(std::u16string_view normal, std::u16string_view hover = {});

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;

  protected:
    void OnReleasedInside() override;
};
