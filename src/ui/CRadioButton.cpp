#include "ui/CRadioButton.h"

#include "ui/UiContext.h"

CRadioButton::CRadioButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), 0, flags, 3) {}

void CRadioButton::LoadImages(std::u16string_view normal, std::u16string_view hover,
                              std::u16string_view selected) {
    LoadPicture(kNormal, normal);
    LoadPicture(kHover, hover);
    LoadPicture(kSelected, selected.empty() ? hover : selected);
}

bool CRadioButton::IsSelected() const {
    return Ui().RadioGroups().IsSelected(Identifier());
}

void CRadioButton::Draw(Surface& surface, const Rect&) {
    const int frame = IsSelected() ? 2 : State();
    DrawFrame(surface, frame, size_t(frame));
}

void CRadioButton::OnReleasedInside() {
    Ui().RadioGroups().Select(Identifier());
    Notify(NotifyCode::Released);
}
