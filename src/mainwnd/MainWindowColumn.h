#pragma once

#include "mainwnd/MainWindowLayout.h"

#include <functional>
#include <span>
#include <vector>

// The right-hand column of the main window, laid out anew at every paint: headers one below the
// other by which sections are open, each section's controls relative to its header.

inline constexpr int kColumnX = 846;
inline constexpr int kHeaderWidth = 262;
inline constexpr int kHeaderHeight = 25;
inline constexpr int kFirstHeaderTop = 64;
inline constexpr int kHeaderPitch = 30; // header height and a gap of 5

// Where one control of a section goes, relative to (X, Y) below its header.
struct SectionPlacement {
    int id;
    BaseRect offset; // dx, dy, width, height
    // Where it goes instead when the mouse's maximum-rate class is 4 (six polling rates);
    // unused when empty.
    BaseRect classFourOffset{};

    const BaseRect& OffsetFor(int maxRateClass) const {
        return maxRateClass == 4 && classFourOffset.width > 0 ? classFourOffset : offset;
    }
};

// The layout rows of a section in column order.
struct ColumnSection {
    int header;
    int panelHeight;
    bool takesSlot; // 3012 adds its panel when checked but never gets a place
    std::span<const SectionPlacement> placements;
};
std::span<const ColumnSection> ColumnSections();

// The placed result of one section header.
struct PlacedSection {
    int header;
    int top;         // base pixels, client top added
    int panelHeight; // when open
    bool open;
};

// Header 3001 keeps its creation place; the others follow it. `isOpen` tells whether a header is
// checked; header 3011 takes part only while the sensor shows its page.
std::vector<PlacedSection> LayoutColumn(const std::function<bool(int header)>& isOpen,
                                        bool sensorPageShown, int clientTop = 0);

// Scaled rectangle of a control placed at offset from the section body origin (X, Y).
Rect PlaceInSection(int bodyTop, const BaseRect& offset, float scale, int clientLeft = 0);
// Scaled rectangle of a header at base top y.
Rect HeaderRect(int top, float scale, int clientLeft = 0);

// The left-column panels behind the button assignment, macro button, battery and power saving.
std::span<const BaseRect> LeftPanels();
inline constexpr BaseRect kDpiPanel{846, 89, 262, 196};

// Everything the painting places, in client pixels: the panels to stretch the frame picture
// into (left column, the DPI panel when 3001 is open, each open section), the header
// rectangles, and the rectangles of the section controls (also of closed sections).
struct ColumnPlan {
    std::vector<Rect> panels;
    std::vector<std::pair<int, Rect>> headers;
    std::vector<std::pair<int, Rect>> controls;
    bool sensorHeaderShown = false; // header 3011 takes part
};
ColumnPlan PlanMainWindow(const std::function<bool(int header)>& isOpen, bool sensorPageShown,
                          int maxRateClass, float scale, const Rect& client);
