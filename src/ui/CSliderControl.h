#pragma once

#include <string_view>
#include <vector>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

// A horizontal slider with discrete stops; only the thumb is drawn (the bar is a picture of its
// own). A drag that starts on the thumb reports every move with code 3 and wParam = the stop,
// the release on the control code 2. Dialogs keep a drag going outside the control by calling
// DragTo from their own mouse-move handler.
class CSliderControl : public CControlBase {
  public:
    // stops >= 1; the margins are pixels from the rectangle's left and right edges to the first
    // and last stop.
    CSliderControl(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                   std::u16string text, int stops, int leftMargin, int rightMargin,
                   ControlFlags flags = {});

    // The thumb picture, drawn at its own size times UiScale.
    bool LoadImage(std::u16string_view path);

    void SetPos(int stop);
    int GetPos() const { return selected_; }
    int NearestStop(int x) const;
    bool DragTo(int x, int y);
    bool IsDragging() const { return dragging_; }
    int State() const { return state_; }
    const std::vector<int>& Stops() const { return stops_; }
    Rect ThumbRect() const { return thumb_; }

    void Draw(Surface& surface, const Rect& paint) override;
    void SetRect(const Rect& rect) override;
    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;
    void ReleaseImages() override;

  private:
    void BuildStops();
    // Follows the pointer: the nearest stop becomes selected and is reported with code 3.
    void Follow(int x);
    void SelectStop(int stop);

    SkinImage picture_;
    int width_ = 0;
    int height_ = 0;
    int state_ = ButtonState::Normal;
    int thumbX_ = 0;
    int leftMargin_;
    int rightMargin_;
    int selected_ = 0;
    int reported_ = 0;
    int count_;
    std::vector<int> stops_;
    Rect thumb_;
    bool dragging_ = false;
};
