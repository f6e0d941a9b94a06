#include "ui/CTabControl.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

CTabControl::CTabControl(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                         std::u16string text, uint32_t format, std::u16string tabText,
                         ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), format, flags, 4),
      tabText_(std::move(tabText)) {}

void CTabControl::LoadImages(std::u16string_view normal, std::u16string_view hover,
                             std::u16string_view selected, std::u16string_view selectedHover) {
    LoadPicture(kNormal, normal);
    LoadPicture(kHover, hover);
    LoadPicture(kSelected, selected);
    LoadPicture(kSelectedHover, selectedHover);
}

bool CTabControl::IsSelected() const {
    return TabIndex() == Ui().ProfileTabIndex();
}

void CTabControl::Draw(Surface& surface, const Rect&) {
    int frame = State();
    if (IsSelected()) {
        frame = State() == ButtonState::Hover ? 3 : 2;
    }
    DrawFrame(surface, frame, size_t(frame));
    DrawText(surface, tabText_, SkinColour::TextNormal, kCaptionFormat);
}

void CTabControl::OnReleasedInside() {
    Ui().SetProfileTabIndex(TabIndex());
    Notify(NotifyCode::Released);
}

bool CTabControl::OnRButtonUp(uint32_t, Point point) {
    if (!IsDisabled() && HitTest(point)) {
        Notify(NotifyCode::RightReleased, Identifier());
    }
    return false;
}
