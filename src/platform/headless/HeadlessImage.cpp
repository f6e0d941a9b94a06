#include "platform/headless/HeadlessImage.h"

HeadlessImage::HeadlessImage(Size size, std::vector<uint32_t> rgb, std::u16string source)
    : size_(size), rgb_(std::move(rgb)), source_(std::move(source)) {
    if (rgb_.size() != size_t(std::max(size_.width, 0)) * size_t(std::max(size_.height, 0))) {
        rgb_.clear();
    }
}

uint32_t HeadlessImage::RgbAt(Point p) const {
    if (rgb_.empty() || !Rect{0, 0, size_.width, size_.height}.Contains(p)) {
        return 0;
    }
    return rgb_[size_t(p.y) * size_t(size_.width) + size_t(p.x)];
}
