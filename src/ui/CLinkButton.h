#pragma once

#include "ui/CButtonBase.h"

// A text-only link, identifier always 3503: grey, white while hovered, yellow while pressed.
// The first move inside sends code 4, the first move outside after it code 5.
class CLinkButton : public CButtonBase {
  public:
    static constexpr unsigned kIdentifier = 3503;

    // The identifier passed is ignored.
    CLinkButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                std::u16string text, uint32_t format, ControlFlags flags = {});

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;

  private:
    bool hoverReported_ = false;
};
