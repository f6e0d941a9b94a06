#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

// A vertical scroll bar: arrows from the PNG resources 188 (up) and 187 (down), each a strip of
// three frames, and a thumb on a track. A press reports code 1 with the part in wParam; a drag of
// the thumb reports each new position with code 3 and ends with code 2. The owner moves the
// position on code 1 and gives it back with SetScrollInfo.
class CVScrollBar : public CControlBase {
  public:
    // Parts a press reports in wParam.
    static constexpr uintptr_t kThumb = 0;
    static constexpr uintptr_t kUpArrow = 6;
    static constexpr uintptr_t kDownArrow = 7;
    static constexpr uintptr_t kTrackAbove = 8;
    static constexpr uintptr_t kTrackBelow = 9;

    CVScrollBar(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                std::u16string text, ControlFlags flags = {});

    // Loads the arrows and lays out the arrows and the track; false when a resource is missing
    // (its arrow stays empty and takes no room).
    bool LoadArrows();
    // total 0 shows a thumb over the whole track and keeps the stored values.
    void SetScrollInfo(int position, int page, int total);
    int Position() const { return position_; }
    int Page() const { return page_; }
    int Total() const { return total_; }
    // Keeps a thumb drag going while the pointer is outside the bar (dialogs call it from their
    // own mouse-move handler); false when no drag is in progress.
    bool DragTo(int x, int y);
    bool IsDragging() const { return dragging_; }
    Rect ThumbRect() const { return dragging_ ? drag_ : thumb_; }
    Rect UpArrowRect() const { return up_; }
    Rect DownArrowRect() const { return down_; }
    int TrackTop() const { return trackTop_; }
    int TrackBottom() const { return trackBottom_; }
    int State() const { return state_; }

    void Draw(Surface& surface, const Rect& paint) override;
    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;
    void ReleaseImages() override;

  private:
    void Layout();
    void PlaceThumb();
    void FollowThumb(int y);
    void DrawArrow(Surface& surface, const SkinImage& arrow, int top, bool hovered) const;

    SkinImage upArrow_;
    SkinImage downArrow_;
    int frameWidth_ = 0;
    int arrowHeight_ = 0;
    int state_ = ButtonState::Normal;
    bool upHovered_ = false;
    bool downHovered_ = false;
    bool thumbHovered_ = false;
    Rect up_;
    Rect down_;
    Rect thumb_;
    int trackTop_ = 0;
    int trackBottom_ = 0;
    int position_ = 0;
    int page_ = 1;
    int total_ = 1;
    bool dragging_ = false;
    Rect drag_;
    int grabOffset_ = 0;
};
