#include "ui/CImageButton.h"

#include "ui/DrawingHelpers.h"

namespace {
constexpr unsigned kMovingOverButton = 3502;
}

CImageButton::CImageButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, uint32_t format, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), format, flags, 2) {}

void CImageButton::LoadImages(std::u16string_view normal, std::u16string_view hover) {
    LoadPicture(kNormal, normal);
    LoadPicture(kHover, hover.empty() ? normal : hover);
}

void CImageButton::Draw(Surface& surface, const Rect&) {
    const int state = State();
    DrawFrame(surface, state, state == ButtonState::Normal ? kNormal : kHover);
    const Colour colour = state == ButtonState::Normal  ? SkinColour::TextNormal
                          : state == ButtonState::Hover ? SkinColour::TextHover
                                                        : SkinColour::TextPressed;
    DrawText(surface, Text(), colour, kCaptionFormat);
}

bool CImageButton::OnMouseMove(uint32_t flags, Point point) {
    const bool changed = CButtonBase::OnMouseMove(flags, point);
    if (Identifier() == kMovingOverButton && !IsDisabled() && HitTest(point)) {
        Notify(NotifyCode::MovingOver);
    }
    return changed;
}

void CImageButton::OnReleasedInside() {
    Notify(NotifyCode::Released, Identifier());
}
