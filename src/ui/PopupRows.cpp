#include "ui/PopupRows.h"

namespace {

int Px(float base, float scale) {
    return int(base * scale);
}

} // namespace

Size LayoutPopupItems(std::vector<PopupItem>& items, const PopupGeometry& geometry, float scale) {
    const int left = Px(float(geometry.rowLeft), scale);
    const int right = Px(float(geometry.width - 1), scale);
    int y = Px(1, scale);
    for (PopupItem& item : items) {
        if (item.separator) {
            item.row = {Px(1, scale), y + Px(2, scale), right, y + Px(3, scale)};
            y += Px(4, scale);
        } else {
            const int height = Px(float(geometry.rowHeight), scale);
            item.row = {left, y, right, y + height};
            y += height;
        }
    }
    return {Px(float(geometry.width), scale), y + Px(1, scale)};
}

int PopupItemAt(const std::vector<PopupItem>& items, Point point) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator && items[i].row.Contains(point)) {
            return int(i);
        }
    }
    return -1;
}
