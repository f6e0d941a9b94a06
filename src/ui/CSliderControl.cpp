#include "ui/CSliderControl.h"

#include <algorithm>

#include "ui/StopPositions.h"
#include "ui/UiContext.h"

CSliderControl::CSliderControl(UiContext& ui, WindowId parent, unsigned identifier,
                               const Rect& rect, std::u16string text, int stops, int leftMargin,
                               int rightMargin, ControlFlags flags)
    : CControlBase(ui, parent, identifier, rect, std::move(text), flags), leftMargin_(leftMargin),
      rightMargin_(rightMargin), count_(stops) {
    BuildStops();
    SetPos(0);
}

bool CSliderControl::LoadImage(std::u16string_view path) {
    return LoadSkinImage(Ui().GetPlatform(), Ui().SkinPath(path), picture_, width_, height_);
}

void CSliderControl::BuildStops() {
    const Rect r = GetRect();
    stops_ = StopPositions(r.left + leftMargin_, r.right - rightMargin_, count_);
}

void CSliderControl::SetRect(const Rect& rect) {
    CControlBase::SetRect(rect);
    BuildStops();
    SetPos(selected_);
}

void CSliderControl::SetPos(int stop) {
    selected_ = stop;
    const Rect r = GetRect();
    const int x = stops_.empty() ? r.left + leftMargin_
                                 : stops_[size_t(std::clamp(stop, 0, int(stops_.size()) - 1))];
    thumb_ = {x - leftMargin_, r.top, x + rightMargin_, r.bottom};
}

int CSliderControl::NearestStop(int x) const {
    return ::NearestStop(stops_, x);
}

void CSliderControl::SelectStop(int stop) {
    selected_ = stop;
    reported_ = stop;
    SetPos(stop);
}

void CSliderControl::Follow(int x) {
    const Rect r = GetRect();
    x = std::clamp(x, r.left, r.right);
    thumbX_ = x - leftMargin_;
    SelectStop(NearestStop(x));
    Invalidate();
    Notify(NotifyCode::ValueChanged, uintptr_t(reported_));
}

bool CSliderControl::DragTo(int x, int) {
    if (!dragging_) {
        return false;
    }
    if (state_ != ButtonState::Normal) {
        Follow(x);
    }
    return true;
}

bool CSliderControl::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    const int before = state_;
    if (state_ != ButtonState::Pressed) {
        state_ = HitTest(point) ? ButtonState::Hover : ButtonState::Normal;
    }
    if (state_ == ButtonState::Normal) {
        dragging_ = false;
    } else if (dragging_) {
        Follow(point.x);
    }
    return state_ != before;
}

bool CSliderControl::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const int before = state_;
    state_ = ButtonState::Pressed;
    if (thumb_.Contains(point)) {
        dragging_ = true;
    }
    thumbX_ = point.x - leftMargin_;
    Notify(NotifyCode::Pressed);
    return state_ != before;
}

bool CSliderControl::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    const int before = state_;
    dragging_ = false;
    if (HitTest(point)) {
        state_ = ButtonState::Hover;
        thumbX_ = point.x - leftMargin_;
        SelectStop(NearestStop(point.x));
        Notify(NotifyCode::Released);
    } else {
        state_ = ButtonState::Normal;
    }
    return state_ != before;
}

void CSliderControl::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    const int width = Ui().Scale(width_);
    const int height = Ui().Scale(height_);
    int x = thumb_.left;
    if (dragging_) {
        x = std::clamp(thumbX_, r.left, std::max(r.left, r.right - width));
    }
    DrawSkinImage(surface, picture_, {x, r.top, x + width, r.top + height});
}

void CSliderControl::ReleaseImages() {
    picture_.Reset();
}
