#pragma once

#include <array>

#include "ui/CButtonBase.h"
#include "ui/PolygonRegion.h"

// The power-saving dial, identifier always 3500: eight wedges around the centre (70, 71) of its
// base-unit picture, each showing its own whole-dial picture when selected. A completed click
// on a wedge selects it (the first wedge containing the point wins) and sends code 2; a click
// inside the rectangle but on no wedge changes nothing.
class CPowerManageButton : public CButtonBase {
  public:
    static constexpr unsigned kIdentifier = 3500;
    static constexpr int kWedges = 8;
    // The value of each wedge (minutes).
    static constexpr std::array<int, kWedges> kValues{1, 2, 3, 4, 5, 8, 10, 20};

    // The identifier passed is ignored.
    CPowerManageButton(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                       std::u16string text, uint32_t format, ControlFlags flags = {});

    // The picture of each wedge, wedge 0 first.
    void LoadImages(const std::array<std::u16string_view, kWedges>& paths);
    // Selects a wedge by index (0 to 7); ignored outside.
    void SelectWedge(int index);
    // Selects the wedge of a value; false (nothing changed) for a value no wedge has.
    bool SelectValue(int value);
    int SelectedWedge() const { return selectedWedge_; }
    int Value() const { return value_; }
    // The wedge regions in pixels, rebuilt whenever the rectangle changes.
    const PolygonRegion& Wedge(int index) const { return wedges_.at(size_t(index)); }

    void SetRect(const Rect& rect) override;
    void Draw(Surface& surface, const Rect& paint) override;
    bool OnLButtonUp(uint32_t flags, Point point) override;

  private:
    void BuildWedges();

    int value_ = 6;
    int selectedWedge_ = 0;
    std::array<PolygonRegion, kWedges> wedges_;
};
