#include "ui/CDPIRadioButton.h"

#include <string>

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {
constexpr int kValueHeight = 11;
constexpr uint32_t kValueFormat = TextFlag::WordEllipsis | TextFlag::SingleLine | TextFlag::Center;

std::u16string Decimal(int value) {
    const std::string text = std::to_string(value);
    return {text.begin(), text.end()};
}
} // namespace

CDPIRadioButton::CDPIRadioButton(UiContext& ui, WindowId parent, unsigned identifier,
                                 const Rect& rect, std::u16string text, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), 0, flags, 3) {}

void CDPIRadioButton::LoadImage(std::u16string_view path) {
    for (size_t slot = 0; slot < PictureSlots(); ++slot) {
        LoadPicture(slot, path);
    }
}

Rect CDPIRadioButton::ValueRect() const {
    Rect rect = GetRect();
    rect.bottom = rect.top + Ui().Scale(kValueHeight);
    return rect;
}

void CDPIRadioButton::Draw(Surface& surface, const Rect&) {
    DrawFrame(surface, State(), size_t(State()));
    DrawCaption(surface, Decimal(value_ * 50), ValueRect(), GetFont(), textColour_, kValueFormat);
}
