#include "ui/CCheckButton.h"

#include "ui/DrawingHelpers.h"

CCheckButton::CCheckButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, uint32_t format, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), format, flags, 3) {}

void CCheckButton::LoadImages(std::u16string_view normal, std::u16string_view hover,
                              std::u16string_view checked) {
    LoadPicture(kNormal, normal);
    LoadPicture(kHover, hover);
    LoadPicture(kChecked, checked.empty() ? hover : checked);
}

void CCheckButton::SetCaptions(std::u16string unchecked, std::u16string checked) {
    uncheckedCaption_ = std::move(unchecked);
    checkedCaption_ = std::move(checked);
}

void CCheckButton::Draw(Surface& surface, const Rect&) {
    const int frame = checked_ ? 2 : State();
    Colour colour = normalColour_;
    const std::u16string* caption = &uncheckedCaption_;
    if (frame == 1) {
        colour = hoverColour_;
    } else if (frame == 2) {
        colour = checkedColour_;
        caption = &checkedCaption_;
    }
    if (!caption->empty()) {
        StoreText(*caption);
    }
    DrawFrame(surface, frame, size_t(frame));
    DrawText(surface, Text(), colour, kCaptionFormat);
}

void CCheckButton::OnReleasedInside() {
    checked_ = !checked_;
    Notify(NotifyCode::Released);
}
