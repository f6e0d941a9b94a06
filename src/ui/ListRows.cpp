#include "ui/ListRows.h"

#include <algorithm>

#include "macro/MacroActionText.h"

std::vector<LibraryRow> LibraryRows(const MacroLibraryTree& tree) {
    std::vector<LibraryRow> rows;
    const int count = tree.VisibleRowCount();
    rows.reserve(size_t(count));
    for (int r = 0; r < count; ++r) {
        const MacroLocation location = tree.RowToLocation(r);
        const LibraryItem* item = tree.ItemAt(location);
        if (item == nullptr) {
            continue;
        }
        rows.push_back({location, location.stage, item->name, item->IsFolderItem(),
                        item->IsFolderItem() && item->IsOpen != 0});
    }
    return rows;
}

StepRow StepRowOf(const MacroAction& action) {
    MacroActionDisplay display = MacroActionText(action);
    const StepIcon icon = action.IsDelay()     ? StepIcon::Delay
                          : action.IsRelease() ? StepIcon::Release
                                               : StepIcon::Press;
    return {std::move(display.text), icon};
}

int ListScroll::RowAt(int offsetY, int rowHeight) const {
    if (offsetY < 0 || rowHeight <= 0) {
        return -1;
    }
    const int row = first + offsetY / rowHeight;
    return row < count ? row : -1;
}

void ListScroll::EnsureVisible() {
    if (selected >= 0) {
        if (selected >= first + capacity) {
            first = selected - capacity + 1;
        } else if (selected < first) {
            first = selected;
        }
    } else if (count <= capacity) {
        first = 0;
    }
    first = std::max(std::min(first, count - capacity), 0);
}

void ListScroll::ScrollBy(int delta) {
    first = std::max(std::min(first + delta, count - capacity), 0);
}

int VisibleRowCapacity(int height, float scale) {
    const float row = 20.0f * scale;
    return row > 0 ? int((float(height) + 10.0f * scale) / row) : 0;
}
