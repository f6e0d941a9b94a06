#include "ui/ScrollThumb.h"

#include <algorithm>

namespace {

int Rounded(double value) {
    return int(value + 0.5);
}

} // namespace

ThumbSpan ThumbFor(int trackTop, int trackBottom, int position, int page, int total) {
    if (total <= 0) {
        return {trackTop, trackBottom};
    }
    const int length = trackBottom - trackTop + 1;
    position = std::clamp(position, 0, total);
    page = std::max(page, 0);
    const int top = std::min(trackTop + Rounded(double(position) / total * length), trackBottom);
    const int size = std::min(length, Rounded(double(page) / total * length));
    return {top, std::min(trackBottom, top + size - 1)};
}

int PositionForThumb(int thumbTop, int trackTop, int trackBottom, int total) {
    const int length = trackBottom - trackTop + 1;
    if (length <= 0) {
        return 0;
    }
    return int(double(thumbTop - trackTop) * total / length);
}
