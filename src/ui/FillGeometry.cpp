#include "ui/FillGeometry.h"

#include <algorithm>

namespace {

// The fill starts at y; the picture rows it shows are those from offset o to the bottom. An
// odd pixel count at fractional scales would leave a gap row, so y moves up by one then.
FillPlacement PlaceFill(const Rect& area, int y, int drawn, Size picture, float scale) {
    if (scale > 1.0f && drawn % 2 != 0) {
        --y;
    }
    const float shown = float(area.bottom - y) / scale;
    const int offset = std::clamp(int(float(picture.height) - shown), 0, picture.height);
    const int rows = picture.height - offset;
    return {{float(area.left), float(y), float(picture.width) * scale, float(rows) * scale},
            {0, offset, picture.width, picture.height}};
}

} // namespace

FillPlacement LevelBarFill(const Rect& bar, int level, int count, Size picture, float scale) {
    if (count < 1) {
        return {{float(bar.left), float(bar.bottom), float(picture.width) * scale, 0},
                {0, picture.height, picture.width, picture.height}};
    }
    level = std::clamp(level, 0, count - 1);
    const int filled = bar.Height() * (level + 1) / count;
    return PlaceFill(bar, bar.bottom - filled, filled, picture, scale);
}

FillPlacement BatteryFill(const Rect& gauge, int percent, int fillTop, int fillHeight, Size picture,
                          float scale) {
    percent = std::clamp(percent, 0, 100);
    const int pixels = std::max(percent * fillHeight / 100, 1);
    const int y = gauge.top + int(float(fillTop + fillHeight - pixels) * scale);
    return PlaceFill(gauge, y, gauge.bottom - y, picture, scale);
}
