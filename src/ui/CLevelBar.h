#pragma once

#include <string_view>
#include <vector>

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

// What the vertical level bar and the level display share: a background picture with a fill
// picture over it that grows from the bottom with the level, and N levels over the height.
class CLevelBar : public CControlBase {
  public:
    // levels: N; the margins are pixels from the top and bottom edges to the outer stops.
    CLevelBar(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
              std::u16string text, int levels, int topMargin, int bottomMargin, ControlFlags flags);

    bool LoadImages(std::u16string_view fill, std::u16string_view background);

    void SetLevel(int level) { level_ = level; }
    int Level() const { return level_; }
    // Rebuilds the stops for another number of levels.
    void SetLevelCount(int levels);
    int LevelCount() const { return count_; }
    // A value the owner keeps with the bar (the DPI page keeps a Y step index here).
    void SetSecondValue(int value) { second_ = value; }
    int SecondValue() const { return second_; }
    const std::vector<int>& Stops() const { return stops_; }
    int State() const { return state_; }

    // Nothing but the background while there are no levels.
    void Draw(Surface& surface, const Rect& paint) override;
    void ReleaseImages() override;

  protected:
    // The standard button state rule; true when the state changed.
    bool TrackState(Point point);
    int LevelAt(int y) const;

    int state_ = ButtonState::Normal;

  private:
    SkinImage fill_;
    SkinImage background_;
    int width_ = 0;
    int height_ = 0;
    int topMargin_;
    int bottomMargin_;
    int level_ = 0;
    int second_ = 0;
    int count_ = 0;
    std::vector<int> stops_;
};

// The level bar that can be dragged: a press anywhere on it starts a drag that reports the level
// under the pointer with code 3 and wParam = the level.
class CVerticalSliderControl : public CLevelBar {
  public:
    CVerticalSliderControl(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, int levels, int topMargin, int bottomMargin,
                           ControlFlags flags = {});

    bool IsDragging() const { return dragging_; }

    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;

  private:
    bool dragging_ = false;
};

// The level display: clicked as a button, never dragged.
class CDPIValueShowControl : public CLevelBar {
  public:
    CDPIValueShowControl(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                         std::u16string text, int levels, int topMargin, int bottomMargin,
                         ControlFlags flags = {});

    bool OnMouseMove(uint32_t flags, Point point) override;
    bool OnLButtonDown(uint32_t flags, Point point) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;
};
