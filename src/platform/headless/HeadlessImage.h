#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/PaintOp.h"

// A picture of the headless backend: its size, its pixels when they are known (top-down
// 0x00RRGGBB, as ReadRgb gives them) and where it came from.
class HeadlessImage : public Image {
  public:
    HeadlessImage(Size size, std::vector<uint32_t> rgb, std::u16string source);

    Size GetSize() const override { return size_; }
    std::vector<uint32_t> ReadRgb() const override { return rgb_; }

    // The path, "#<id>" for a resource, or "created".
    const std::u16string& Source() const { return source_; }
    bool HasPixels() const { return !rgb_.empty(); }
    const std::vector<uint32_t>& Rgb() const { return rgb_; }
    // Unknown pixels or outside: 0.
    uint32_t RgbAt(Point p) const;
    void SetPixels(std::vector<uint32_t> rgb) { rgb_ = std::move(rgb); }
    // The calls of the last PaintInto.
    const std::vector<PaintOp>& LastPaint() const { return lastPaint_; }
    void SetLastPaint(std::vector<PaintOp> ops) { lastPaint_ = std::move(ops); }

  private:
    Size size_;
    std::vector<uint32_t> rgb_;
    std::u16string source_;
    std::vector<PaintOp> lastPaint_;
};
