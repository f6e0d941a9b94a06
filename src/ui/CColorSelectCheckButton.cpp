#include "ui/CColorSelectCheckButton.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {
constexpr int kSwatchInset = 3;
}

CColorSelectCheckButton::CColorSelectCheckButton(UiContext& ui, WindowId parent,
                                                 unsigned identifier, const Rect& rect,
                                                 std::u16string text, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), 0, flags, 2) {}

void CColorSelectCheckButton::LoadImages(std::u16string_view unmarked, std::u16string_view marked) {
    LoadPicture(kUnmarked, unmarked);
    LoadPicture(kMarked, marked);
}

void CColorSelectCheckButton::Draw(Surface& surface, const Rect&) {
    const size_t slot = marked_ ? kMarked : kUnmarked;
    DrawFrame(surface, int(slot), slot);
    const int inset = Ui().Scale(kSwatchInset);
    const Rect rect = GetRect();
    swatch_ = {rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
    if (!swatch_.IsEmpty()) {
        FillSolid(surface, swatch_, colour_);
    }
}

bool CColorSelectCheckButton::OnLButtonDblClk(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    if (!HitTest(point)) {
        return SetState(ButtonState::Normal);
    }
    const bool changed = SetState(ButtonState::Hover);
    Notify(NotifyCode::DoubleClick);
    return changed;
}
