#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

// One row of a popup list. Rectangles are client pixels of the popup window.
struct PopupItem {
    bool separator = false;
    int number = 0; // from 1, in adding order
    std::u16string text;
    Rect row;
    // Opens a sub-list or is drawn with the alternative row pictures.
    bool flagged = false;
};

// Width and row height in base units; rowLeft is where the rows start (the frame is one unit).
struct PopupGeometry {
    int width = 162;
    int rowHeight = 22;
    int rowLeft = 1;
};

// Places the rows top to bottom and gives the window size. Every step is truncated on its own,
// so the height is trunc(s) + rows + trunc(s).
Size LayoutPopupItems(std::vector<PopupItem>& items, const PopupGeometry& geometry, float scale);

// The first row that is not a separator and contains the point; -1 for none.
int PopupItemAt(const std::vector<PopupItem>& items, Point point);
