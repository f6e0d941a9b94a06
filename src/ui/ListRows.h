#pragma once

#include <string>
#include <vector>

#include "macro/MacroLibraryTree.h"
#include "macro/MacroRecord.h"

// One row of the macro library tree view.
struct LibraryRow {
    MacroLocation location;
    int depth = 0; // 0 for the top level
    std::u16string name;
    bool folder = false;
    bool open = false;
};

// The rows in display order: children only below open folders.
std::vector<LibraryRow> LibraryRows(const MacroLibraryTree& tree);

// One row of a macro's step list: its text and which icon stands before it.
enum class StepIcon { Delay, Press, Release };
struct StepRow {
    std::u16string text;
    StepIcon icon = StepIcon::Press;
};

StepRow StepRowOf(const MacroAction& action);

// How the list views scroll: R rows fit, and the first visible row keeps the selection in view.
struct ListScroll {
    int first = 0; // first visible row
    int selected = -1;
    int count = 0;    // rows in the list
    int capacity = 1; // rows that fit

    // Row index under a point offset from the list's top, -1 when no row is there.
    int RowAt(int offsetY, int rowHeight) const;
    // Scrolls so that the selected row is visible and the view is not past the end.
    void EnsureVisible();
    // Moves the first visible row by delta rows, within 0..count - capacity.
    void ScrollBy(int delta);
};

// (height + 10 s) / (20 s): a half-visible last row counts.
int VisibleRowCapacity(int height, float scale);
