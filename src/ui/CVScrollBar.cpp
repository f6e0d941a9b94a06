#include "ui/CVScrollBar.h"

#include <algorithm>

#include "ui/DrawingHelpers.h"
#include "ui/ScrollThumb.h"
#include "ui/UiContext.h"

namespace {

constexpr int kUpArrowResource = 188;
constexpr int kDownArrowResource = 187;
constexpr int kArrowFrames = 3;

constexpr Colour kTrack = 0x101010;
constexpr Colour kThumbEdge = 0x1F1F1F;
constexpr Colour kThumbInside = 0x323232;
constexpr Colour kHoverEdge = 0xDEA035;
constexpr Colour kHoverInside = 0x1F1F1F;

} // namespace

CVScrollBar::CVScrollBar(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                         std::u16string text, ControlFlags flags)
    : CControlBase(ui, parent, identifier, rect, std::move(text), flags) {
    Layout();
}

bool CVScrollBar::LoadArrows() {
    Platform& platform = Ui().GetPlatform();
    const bool up = LoadResourcePng(platform, kUpArrowResource, upArrow_);
    const bool down = LoadResourcePng(platform, kDownArrowResource, downArrow_);
    const Size size = up ? upArrow_.GetSize() : downArrow_.GetSize();
    frameWidth_ = size.width / kArrowFrames;
    arrowHeight_ = size.height;
    Layout();
    return up && down;
}

// The arrows take the room they are drawn in, so a press on any pixel of an arrow is an arrow
// press at every scale; the track is what lies between them.
void CVScrollBar::Layout() {
    const Rect r = GetRect();
    const int arrow = Ui().Scale(arrowHeight_);
    up_ = upArrow_.IsLoaded() ? Rect{r.left, r.top, r.right, r.top + arrow} : Rect{};
    down_ = downArrow_.IsLoaded() ? Rect{r.left, r.bottom - arrow, r.right, r.bottom} : Rect{};
    trackTop_ = r.top + (upArrow_.IsLoaded() ? arrow : 0);
    trackBottom_ = r.bottom - (downArrow_.IsLoaded() ? arrow : 0) - 1;
    thumb_ = {r.left, trackTop_, r.right, trackBottom_ + 1};
}

void CVScrollBar::PlaceThumb() {
    const Rect r = GetRect();
    const ThumbSpan span = ThumbFor(trackTop_, trackBottom_, position_, page_, total_);
    thumb_ = {r.left, span.top, r.right, span.bottom + 1};
}

void CVScrollBar::SetScrollInfo(int position, int page, int total) {
    if (total == 0) {
        const Rect r = GetRect();
        thumb_ = {r.left, trackTop_, r.right, trackBottom_ + 1};
        return;
    }
    position_ = position;
    page_ = page;
    total_ = total;
    PlaceThumb();
    Invalidate();
}

void CVScrollBar::FollowThumb(int y) {
    const int height = drag_.Height();
    const int top = std::max(std::min(y - grabOffset_, trackBottom_ + 1 - height), trackTop_);
    drag_ = {drag_.left, top, drag_.right, top + height};
    const int position = PositionForThumb(top, trackTop_, trackBottom_, total_);
    if (position != position_) {
        position_ = position;
        Notify(NotifyCode::ValueChanged);
    }
    Invalidate();
}

bool CVScrollBar::DragTo(int, int y) {
    if (!dragging_) {
        return false;
    }
    FollowThumb(y);
    return true;
}

bool CVScrollBar::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    const int state = state_;
    const bool up = upHovered_;
    const bool down = downHovered_;
    const bool thumb = thumbHovered_;
    if (state_ != ButtonState::Pressed) {
        const bool inside = HitTest(point);
        state_ = inside ? ButtonState::Hover : ButtonState::Normal;
        upHovered_ = inside && up_.Contains(point);
        downHovered_ = inside && down_.Contains(point);
        thumbHovered_ = inside && thumb_.Contains(point);
    }
    if (state_ == ButtonState::Normal) {
        dragging_ = false;
    } else if (dragging_) {
        FollowThumb(point.y);
    }
    return state != state_ || up != upHovered_ || down != downHovered_ || thumb != thumbHovered_;
}

bool CVScrollBar::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    const int before = state_;
    state_ = ButtonState::Pressed;
    uintptr_t part = point.y < thumb_.top ? kTrackAbove : kTrackBelow;
    if (up_.Contains(point)) {
        part = kUpArrow;
    } else if (down_.Contains(point)) {
        part = kDownArrow;
    } else if (thumb_.Contains(point)) {
        part = kThumb;
        dragging_ = true;
        grabOffset_ = point.y - thumb_.top;
        drag_ = thumb_;
    }
    Notify(NotifyCode::Pressed, part);
    return state_ != before;
}

bool CVScrollBar::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    const int before = state_;
    const bool inside = HitTest(point);
    state_ = inside ? ButtonState::Hover : ButtonState::Normal;
    if (!inside && !dragging_) {
        PlaceThumb();
        return state_ != before;
    }
    dragging_ = false;
    Notify(NotifyCode::Released);
    SetScrollInfo(position_, page_, total_);
    return true;
}

void CVScrollBar::DrawArrow(Surface& surface, const SkinImage& arrow, int top, bool hovered) const {
    const Rect r = GetRect();
    const Rect dest{r.left, top, r.left + Ui().Scale(frameWidth_), top + Ui().Scale(arrowHeight_)};
    DrawSkinImage(surface, arrow, dest, hovered ? frameWidth_ : 0, 0, frameWidth_, arrowHeight_);
}

void CVScrollBar::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    FillSolid(surface, r, kTrack);
    DrawArrow(surface, upArrow_, r.top, upHovered_);
    DrawArrow(surface, downArrow_, r.bottom - Ui().Scale(arrowHeight_), downHovered_);
    const Rect thumb = ThumbRect();
    const int inset = Ui().Scale(1);
    FillSolid(surface, thumb, thumbHovered_ ? kHoverEdge : kThumbEdge);
    FillSolid(surface, {thumb.left + inset, thumb.top + inset, thumb.right - inset, thumb.bottom},
              thumbHovered_ ? kHoverInside : kThumbInside);
}

void CVScrollBar::ReleaseImages() {
    upArrow_.Reset();
    downArrow_.Reset();
}
