#include "ui/CLevelBar.h"

#include "ui/FillGeometry.h"
#include "ui/StopPositions.h"
#include "ui/UiContext.h"

CLevelBar::CLevelBar(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                     std::u16string text, int levels, int topMargin, int bottomMargin,
                     ControlFlags flags)
    : CControlBase(ui, parent, identifier, rect, std::move(text), flags), topMargin_(topMargin),
      bottomMargin_(bottomMargin) {
    SetLevelCount(levels);
}

bool CLevelBar::LoadImages(std::u16string_view fill, std::u16string_view background) {
    Platform& platform = Ui().GetPlatform();
    const bool fillLoaded = LoadSkinImage(platform, Ui().SkinPath(fill), fill_, width_, height_);
    const bool backgroundLoaded =
        LoadSkinImage(platform, Ui().SkinPath(background), background_, width_, height_);
    return fillLoaded && backgroundLoaded;
}

void CLevelBar::SetLevelCount(int levels) {
    count_ = levels;
    const Rect r = GetRect();
    stops_ = StopPositions(r.top + topMargin_, r.bottom - bottomMargin_, levels);
}

int CLevelBar::LevelAt(int y) const {
    const Rect r = GetRect();
    return LevelOfPoint(r.top, r.bottom, y, count_);
}

bool CLevelBar::TrackState(Point point) {
    if (IsDisabled() || state_ == ButtonState::Pressed) {
        return false;
    }
    const int before = state_;
    state_ = HitTest(point) ? ButtonState::Hover : ButtonState::Normal;
    return state_ != before;
}

void CLevelBar::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    const float scale = Ui().UiScale();
    DrawSkinImage(surface, background_,
                  {r.left, r.top, r.left + Ui().Scale(width_), r.top + Ui().Scale(height_)});
    if (count_ < 1 || !fill_.IsLoaded()) {
        return;
    }
    const FillPlacement fill = LevelBarFill(r, level_, count_, {width_, height_}, scale);
    surface.DrawImage(*fill_.Get(), fill.dest, fill.source);
}

void CLevelBar::ReleaseImages() {
    fill_.Reset();
    background_.Reset();
}

CVerticalSliderControl::CVerticalSliderControl(UiContext& ui, WindowId parent, unsigned identifier,
                                               const Rect& rect, std::u16string text, int levels,
                                               int topMargin, int bottomMargin, ControlFlags flags)
    : CLevelBar(ui, parent, identifier, rect, std::move(text), levels, topMargin, bottomMargin,
                flags) {}

bool CVerticalSliderControl::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    const bool changed = TrackState(point);
    if (state_ == ButtonState::Normal) {
        dragging_ = false;
    } else if (dragging_) {
        SetLevel(LevelAt(point.y));
        Invalidate();
        Notify(NotifyCode::ValueChanged, uintptr_t(Level()));
    }
    return changed;
}

bool CVerticalSliderControl::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const int before = state_;
    state_ = ButtonState::Pressed;
    dragging_ = true;
    SetLevel(LevelAt(point.y));
    Notify(NotifyCode::Pressed);
    return state_ != before;
}

bool CVerticalSliderControl::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    dragging_ = false;
    return ReleaseAt(state_, point);
}

CDPIValueShowControl::CDPIValueShowControl(UiContext& ui, WindowId parent, unsigned identifier,
                                           const Rect& rect, std::u16string text, int levels,
                                           int topMargin, int bottomMargin, ControlFlags flags)
    : CLevelBar(ui, parent, identifier, rect, std::move(text), levels, topMargin, bottomMargin,
                flags) {}

bool CDPIValueShowControl::OnMouseMove(uint32_t, Point point) {
    return TrackState(point);
}

bool CDPIValueShowControl::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const int before = state_;
    state_ = ButtonState::Pressed;
    Notify(NotifyCode::Pressed);
    return state_ != before;
}

bool CDPIValueShowControl::OnLButtonUp(uint32_t, Point point) {
    return !IsDisabled() && ReleaseAt(state_, point);
}
