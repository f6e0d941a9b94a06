#pragma once

#include "platform/Platform.h"

// Draws into another surface moved by an offset, so a window's paint can be placed inside a
// larger picture (the gallery's screenshot puts the popups beside the dialog).
class OffsetSurface : public Surface {
  public:
    OffsetSurface(Surface& target, Point offset) : target_(target), offset_(offset) {}

    Size GetSize() const override { return target_.GetSize(); }
    void Fill(const Rect& rect, Colour colour) override { target_.Fill(Move(rect), colour); }
    void DrawImage(const Image& image, const RectF& dest, const Rect& source) override {
        target_.DrawImage(
            image, {dest.x + float(offset_.x), dest.y + float(offset_.y), dest.width, dest.height},
            source);
    }
    void StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                       bool halftone) override {
        target_.StretchBitmap(image, Move(dest), source, halftone);
    }
    void DrawString(const std::u16string& text, const Rect& rect, const Font& font, Colour colour,
                    uint32_t flags) override {
        target_.DrawString(text, Move(rect), font, colour, flags);
    }
    void SetPixel(Point point, Colour colour) override {
        target_.SetPixel({point.x + offset_.x, point.y + offset_.y}, colour);
    }
    void DrawIcon(int iconId, const Rect& rect) override { target_.DrawIcon(iconId, Move(rect)); }

  private:
    Rect Move(const Rect& rect) const { return rect.Offset(offset_.x, offset_.y); }

    Surface& target_;
    Point offset_;
};
