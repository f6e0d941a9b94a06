#include "ui/StopPositions.h"

#include <algorithm>

std::vector<int> StopPositions(int from, int to, int count) {
    if (count < 1) {
        return {};
    }
    std::vector<int> stops(static_cast<size_t>(count));
    stops.front() = from;
    for (int i = 1; i < count - 1; ++i) {
        stops[size_t(i)] = i * (to - from) / (count - 1) + from;
    }
    if (count > 1) {
        stops.back() = to;
    }
    return stops;
}

int NearestStop(const std::vector<int>& stops, int x) {
    const int count = int(stops.size());
    for (int i = 0; i + 1 < count; ++i) {
        if (x < (stops[size_t(i)] + stops[size_t(i) + 1]) / 2) {
            return i;
        }
    }
    return std::max(count - 1, 0);
}

int LevelOfPoint(int top, int bottom, int y, int count) {
    if (bottom <= top || count < 1) {
        return 0;
    }
    y = std::clamp(y, top, bottom);
    const int above = bottom - y - (y != bottom ? 1 : 0);
    return std::clamp(above * count / (bottom - top), 0, count - 1);
}
