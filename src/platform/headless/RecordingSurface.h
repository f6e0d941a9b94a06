#pragma once

#include <vector>

#include "platform/Platform.h"
#include "platform/headless/PaintOp.h"
#include "platform/headless/PixelBuffer.h"

// A Surface that keeps every call as a PaintOp and rasterises the cheap ones: fills, pixels and
// pictures whose pixels are known (nearest neighbour). Texts and icons are only recorded.
class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(Size size) : pixels_(size) {}
    explicit RecordingSurface(PixelBuffer start) : pixels_(std::move(start)) {}

    Size GetSize() const override { return pixels_.GetSize(); }
    void Fill(const Rect& rect, Colour colour) override;
    void DrawImage(const Image& image, const RectF& dest, const Rect& source) override;
    void StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                       bool halftone) override;
    void DrawString(const std::u16string& text, const Rect& rect, const Font& font, Colour colour,
                    uint32_t flags) override;
    void SetPixel(Point point, Colour colour) override;
    void DrawIcon(int iconId, const Rect& rect) override;

    const std::vector<PaintOp>& Ops() const { return ops_; }
    std::vector<PaintOp> TakeOps() { return std::move(ops_); }
    const PixelBuffer& Pixels() const { return pixels_; }

  private:
    PaintOp& Record(PaintKind kind);
    void Blit(const Image& image, const Rect& dest, const Rect& source);

    PixelBuffer pixels_;
    std::vector<PaintOp> ops_;
};

// Where a picture came from, for the record; pictures of other backends are "foreign".
std::u16string ImageSource(const Image& image);
