#include "ui/CControlBase.h"

#include <utility>

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

CControlBase::CControlBase(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, ControlFlags flags)
    : ui_(ui), identifier_(identifier), rect_(rect), visible_(flags.visible), shown_(flags.shown),
      disabled_(flags.disabled), text_(std::move(text)), parent_(parent),
      font_(CreateControlFont(ui)) {}

CControlBase::~CControlBase() = default;

bool CControlBase::Deactivate(bool) {
    return false;
}

void CControlBase::SetRect(const Rect& rect) {
    rect_ = rect;
}

Rect CControlBase::GetRect() const {
    return rect_;
}

void CControlBase::SetText(const std::u16string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    Invalidate();
}

std::u16string CControlBase::GetText() const {
    return text_;
}

void CControlBase::SetVisible(bool visible) {
    visible_ = visible;
}

void CControlBase::SetShown(bool shown) {
    shown_ = shown;
}

bool CControlBase::OnMouseMove(uint32_t, Point) {
    return false;
}

bool CControlBase::OnLButtonDown(uint32_t, Point) {
    return false;
}

bool CControlBase::OnLButtonUp(uint32_t, Point) {
    return false;
}

bool CControlBase::OnRButtonUp(uint32_t, Point) {
    return false;
}

bool CControlBase::OnLButtonDblClk(uint32_t, Point) {
    return false;
}

void CControlBase::ReleaseImages() {}

void CControlBase::SetFont(int height, const std::u16string& face) {
    font_ = CreateControlFont(ui_, height, face);
}

bool CControlBase::ReleaseAt(int& state, Point point) {
    const int before = state;
    state = HitTest(point) ? ButtonState::Hover : ButtonState::Normal;
    if (state == ButtonState::Hover)
        Notify(NotifyCode::Released);
    return state != before;
}

intptr_t CControlBase::Notify(intptr_t code, uintptr_t wParam) {
    return NotifyAs(identifier_, wParam, code);
}

intptr_t CControlBase::NotifyAs(uint32_t message, uintptr_t wParam, intptr_t code) {
    return ui_.GetPlatform().Send(parent_, message, wParam, code);
}

void CControlBase::Invalidate() {
    ui_.GetPlatform().Invalidate(parent_, rect_);
}
