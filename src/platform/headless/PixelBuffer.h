#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

// A cheap raster of Colour values (0x00BBGGRR), so tests can read back what was painted.
class PixelBuffer {
  public:
    PixelBuffer() = default;
    explicit PixelBuffer(Size size, Colour fill = 0);

    Size GetSize() const { return size_; }
    Rect Bounds() const { return {0, 0, size_.width, size_.height}; }
    // Outside the buffer: 0.
    Colour At(Point p) const;
    void Set(Point p, Colour colour);
    void Fill(const Rect& rect, Colour colour);
    // Copies the rectangle of the other buffer to the same place here; both are clipped.
    void CopyFrom(const PixelBuffer& other, const Rect& rect);
    // Binary PPM (P6), for looking at a paint; false when the file cannot be written.
    bool SavePpm(const std::u16string& path) const;

  private:
    Size size_;
    std::vector<Colour> pixels_;
};
