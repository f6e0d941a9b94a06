#include "ui/PolygonRegion.h"

#include <algorithm>
#include <cstdint>

namespace {

bool OnSegment(Point a, Point b, Point p) {
    const int64_t cross = int64_t(b.x - a.x) * (p.y - a.y) - int64_t(b.y - a.y) * (p.x - a.x);
    return cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
           p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y);
}

} // namespace

bool PolygonRegion::Contains(Point point) const {
    const size_t n = points_.size();
    if (n < 3) {
        return false;
    }
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point a = points_[i];
        const Point b = points_[j];
        if (OnSegment(a, b, point)) {
            return true;
        }
        if ((a.y > point.y) != (b.y > point.y)) {
            const double x = a.x + double(point.y - a.y) * (b.x - a.x) / double(b.y - a.y);
            if (point.x < x) {
                inside = !inside;
            }
        }
    }
    return inside;
}
