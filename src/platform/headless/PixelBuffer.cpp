#include "platform/headless/PixelBuffer.h"

#include <filesystem>
#include <fstream>

PixelBuffer::PixelBuffer(Size size, Colour fill)
    : size_{std::max(size.width, 0), std::max(size.height, 0)},
      pixels_(size_t(size_.width) * size_t(size_.height), fill) {}

Colour PixelBuffer::At(Point p) const {
    if (!Bounds().Contains(p)) {
        return 0;
    }
    return pixels_[size_t(p.y) * size_t(size_.width) + size_t(p.x)];
}

void PixelBuffer::Set(Point p, Colour colour) {
    if (Bounds().Contains(p)) {
        pixels_[size_t(p.y) * size_t(size_.width) + size_t(p.x)] = colour;
    }
}

void PixelBuffer::Fill(const Rect& rect, Colour colour) {
    const Rect r = rect.Intersect(Bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            pixels_[size_t(y) * size_t(size_.width) + size_t(x)] = colour;
        }
    }
}

void PixelBuffer::CopyFrom(const PixelBuffer& other, const Rect& rect) {
    const Rect r = rect.Intersect(Bounds()).Intersect(other.Bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            Set({x, y}, other.At({x, y}));
        }
    }
}

bool PixelBuffer::SavePpm(const std::u16string& path) const {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out << "P6\n" << size_.width << ' ' << size_.height << "\n255\n";
    for (Colour c : pixels_) {
        const char rgb[3] = {char(c & 0xFF), char(c >> 8 & 0xFF), char(c >> 16 & 0xFF)};
        out.write(rgb, 3);
    }
    return bool(out);
}
