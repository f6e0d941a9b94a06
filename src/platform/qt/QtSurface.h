#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "platform/Platform.h"

// Painting into a QImage (a window's off-screen frame or a created picture).
class QtSurface : public Surface {
  public:
    // The program icon by resource id; null when there is none.
    using IconSource = std::function<const QImage*(int)>;

    QtSurface(QImage& target, IconSource icons);

    Size GetSize() const override { return {target_.width(), target_.height()}; }
    void Fill(const Rect& rect, Colour colour) override;
    void DrawImage(const Image& image, const RectF& dest, const Rect& source) override;
    void StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                       bool halftone) override;
    void DrawString(const std::u16string& text, const Rect& rect, const Font& font, Colour colour,
                    uint32_t flags) override;
    void SetPixel(Point point, Colour colour) override;
    void DrawIcon(int iconId, const Rect& rect) override;

  private:
    QImage& target_;
    QPainter painter_;
    IconSource icons_;
};
