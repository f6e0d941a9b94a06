#include "ui/CLinkButton.h"

#include "ui/DrawingHelpers.h"

CLinkButton::CLinkButton(UiContext& ui, WindowId parent, unsigned, const Rect& rect,
                         std::u16string text, uint32_t format, ControlFlags flags)
    : CButtonBase(ui, parent, kIdentifier, rect, std::move(text), format, flags, 0) {}

void CLinkButton::Draw(Surface& surface, const Rect&) {
    if (HasStrip()) {
        DrawFrame(surface, State(), 0);
    }
    const Colour colour = State() == ButtonState::Normal  ? SkinColour::TextNormal
                          : State() == ButtonState::Hover ? SkinColour::TextHover
                                                          : SkinColour::TextPressed;
    DrawText(surface, Text(), colour, kCaptionFormat);
}

bool CLinkButton::OnMouseMove(uint32_t flags, Point point) {
    const bool changed = CButtonBase::OnMouseMove(flags, point);
    if (IsDisabled() || State() == ButtonState::Pressed) {
        return changed;
    }
    if (HitTest(point) && !hoverReported_) {
        hoverReported_ = true;
        Notify(NotifyCode::Entered);
    } else if (!HitTest(point) && hoverReported_) {
        hoverReported_ = false;
        Notify(NotifyCode::Left);
    }
    return changed;
}
