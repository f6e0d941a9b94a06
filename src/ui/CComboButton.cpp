#include "ui/CComboButton.h"

#include "ui/DrawingHelpers.h"

namespace {
constexpr int kLastCountedHover = 3;
constexpr char16_t kDisabledWord[] = u"Disable";
} // namespace

CComboButton::CComboButton(UiContext& ui, WindowId parent, uint32_t notifyMessage,
                           unsigned identifier, const Rect& rect, std::u16string text,
                           uint32_t format, ControlFlags flags, std::u16string valueText)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), format, flags, 2),
      valueText_(std::move(valueText)), notifyMessage_(notifyMessage) {}

void CComboButton::LoadImages(std::u16string_view normal, std::u16string_view hover) {
    LoadPicture(kNormal, normal);
    LoadPicture(kHover, hover);
}

void CComboButton::Draw(Surface& surface, const Rect&) {
    int frame = 0;
    if (HasStrip() && locked_) {
        frame = State() == ButtonState::Hover ? 4 : 3;
    } else if (HasStrip()) {
        frame = popupOpen_ ? 1 : State();
    } else {
        frame = popupOpen_ || State() != ButtonState::Normal ? 1 : 0;
    }
    DrawFrame(surface, frame, frame == 0 ? kNormal : kHover);
    const Colour colour = frame == 0 ? SkinColour::TextNormal : SkinColour::TextHover;
    DrawText(surface, showDisabledWord_ ? std::u16string(kDisabledWord) : valueText_, colour,
             kCaptionFormat);
}

bool CComboButton::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled() || State() == ButtonState::Pressed) {
        return false;
    }
    if (HitTest(point)) {
        const bool changed = SetState(ButtonState::Hover);
        if (!hoverReported_) {
            outside_ = false;
            if (hoverCount_ <= kLastCountedHover) {
                ++hoverCount_;
            } else {
                hoverReported_ = true;
            }
            NotifyAs(notifyMessage_, Identifier(), NotifyCode::Entered);
        }
        return changed;
    }
    const bool changed = SetState(ButtonState::Normal);
    if (!outside_ && !popupOpen_) {
        hoverReported_ = false;
        hoverCount_ = 0;
        outside_ = true;
        NotifyAs(notifyMessage_, Identifier(), NotifyCode::Left);
    }
    return changed;
}

bool CComboButton::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const bool changed = SetState(ButtonState::Pressed);
    if (!locked_) {
        Notify(NotifyCode::Pressed);
    }
    return changed;
}

bool CComboButton::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    if (!HitTest(point)) {
        return SetState(ButtonState::Normal);
    }
    const bool changed = SetState(ButtonState::Hover);
    if (!locked_) {
        NotifyAs(notifyMessage_, Identifier(), NotifyCode::Released);
    }
    return changed;
}
