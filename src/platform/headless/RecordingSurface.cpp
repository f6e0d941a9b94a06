#include "platform/headless/RecordingSurface.h"

#include <cmath>

#include "platform/headless/HeadlessImage.h"

std::u16string ImageSource(const Image& image) {
    const auto* own = dynamic_cast<const HeadlessImage*>(&image);
    return own ? own->Source() : u"foreign";
}

namespace {

Colour FromRgb(uint32_t rgb) {
    return Rgb(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
}

Rect Rounded(const RectF& r) {
    const int left = int(std::lround(r.x));
    const int top = int(std::lround(r.y));
    return {left, top, left + int(std::lround(r.width)), top + int(std::lround(r.height))};
}

} // namespace

void RecordingSurface::Fill(const Rect& rect, Colour colour) {
    PaintOp& op = Record(PaintKind::Fill);
    op.rect = rect;
    op.colour = colour;
    pixels_.Fill(rect, colour);
}

void RecordingSurface::DrawImage(const Image& image, const RectF& dest, const Rect& source) {
    PaintOp& op = Record(PaintKind::DrawImage);
    op.dest = dest;
    op.source = source;
    op.image = ImageSource(image);
    Blit(image, Rounded(dest), source);
}

void RecordingSurface::StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                                     bool halftone) {
    PaintOp& op = Record(PaintKind::StretchBitmap);
    op.rect = dest;
    op.source = source;
    op.halftone = halftone;
    op.image = ImageSource(image);
    Blit(image, dest, source);
}

void RecordingSurface::DrawString(const std::u16string& text, const Rect& rect, const Font& font,
                                  Colour colour, uint32_t flags) {
    PaintOp& op = Record(PaintKind::DrawString);
    op.rect = rect;
    op.colour = colour;
    op.text = text;
    op.flags = flags;
    op.font = font.Attributes();
}

void RecordingSurface::SetPixel(Point point, Colour colour) {
    PaintOp& op = Record(PaintKind::SetPixel);
    op.rect = {point.x, point.y, point.x + 1, point.y + 1};
    op.colour = colour;
    pixels_.Set(point, colour);
}

void RecordingSurface::DrawIcon(int iconId, const Rect& rect) {
    PaintOp& op = Record(PaintKind::DrawIcon);
    op.rect = rect;
    op.iconId = iconId;
}

PaintOp& RecordingSurface::Record(PaintKind kind) {
    PaintOp& op = ops_.emplace_back();
    op.kind = kind;
    return op;
}

void RecordingSurface::Blit(const Image& image, const Rect& dest, const Rect& source) {
    const Size size = image.GetSize();
    const auto* own = dynamic_cast<const HeadlessImage*>(&image);
    const std::vector<uint32_t> copied = own ? std::vector<uint32_t>{} : image.ReadRgb();
    const std::vector<uint32_t>& rgb = own ? own->Rgb() : copied;
    const Rect src = source.Intersect({0, 0, size.width, size.height});
    if (rgb.empty() || src.IsEmpty() || dest.IsEmpty() || source.IsEmpty()) {
        return;
    }
    const Rect target = dest.Intersect(pixels_.Bounds());
    for (int y = target.top; y < target.bottom; ++y) {
        const int sy = source.top + int(int64_t(y - dest.top) * source.Height() / dest.Height());
        for (int x = target.left; x < target.right; ++x) {
            const int sx =
                source.left + int(int64_t(x - dest.left) * source.Width() / dest.Width());
            if (src.Contains({sx, sy})) {
                pixels_.Set({x, y}, FromRgb(rgb[size_t(sy) * size_t(size.width) + size_t(sx)]));
            }
        }
    }
}
