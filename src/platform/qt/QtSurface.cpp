#include "platform/qt/QtSurface.h"

#include <QFontMetricsF>

#include "platform/qt/QtConvert.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtTextLines.h"

QtSurface::QtSurface(QImage& target, IconSource icons)
    : target_(target), painter_(&target), icons_(std::move(icons)) {}

void QtSurface::Fill(const Rect& rect, Colour colour) {
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtSurface::DrawImage(const Image& image, const RectF& dest, const Rect& source) {
    const QImage pixels = ImageOf(image);
    if (pixels.isNull() || source.IsEmpty()) {
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(QRectF(dest.x, dest.y, dest.width, dest.height), pixels,
                       QRectF(ToQRect(source)));
    painter_.restore();
}

void QtSurface::StretchBitmap(const Image& image, const Rect& dest, const Rect& source,
                              bool halftone) {
    const auto* own = dynamic_cast<const QtImage*>(&image);
    const QImage pixels = own ? own->Opaque() : ImageOf(image);
    if (pixels.isNull() || source.IsEmpty() || dest.IsEmpty()) {
        return;
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, halftone);
    painter_.drawImage(ToQRect(dest), pixels, ToQRect(source));
    painter_.restore();
}

void QtSurface::DrawString(const std::u16string& text, const Rect& rect, const Font& font,
                           Colour colour, uint32_t flags) {
    const QFont qfont = QFontOf(font);
    const QFontMetricsF metrics(qfont, &target_);
    const QStringList lines = TextLines(ToQString(text), qfont, rect.Width(), flags);
    const qreal lineHeight = metrics.height();
    qreal y = rect.top;
    if (flags & TextFlag::SingleLine) {
        if (flags & TextFlag::VCenter) {
            y = rect.top + (rect.Height() - lineHeight) / 2;
        } else if (flags & TextFlag::Bottom) {
            y = rect.bottom - lineHeight;
        }
    }
    painter_.save();
    if (!(flags & TextFlag::NoClip)) {
        painter_.setClipRect(ToQRect(rect));
    }
    painter_.setFont(qfont);
    painter_.setPen(ToQColor(colour));
    for (const QString& line : lines) {
        const qreal width = metrics.horizontalAdvance(line);
        qreal x = rect.left;
        if (flags & TextFlag::Center) {
            x = rect.left + (rect.Width() - width) / 2;
        } else if (flags & TextFlag::Right) {
            x = rect.right - width;
        }
        painter_.drawText(QPointF(x, y + metrics.ascent()), line);
        y += lineHeight;
    }
    painter_.restore();
}

void QtSurface::SetPixel(Point point, Colour colour) {
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(QRect(point.x, point.y, 1, 1), ToQColor(colour));
    painter_.restore();
}

void QtSurface::DrawIcon(int iconId, const Rect& rect) {
    const QImage* icon = icons_ ? icons_(iconId) : nullptr;
    if (!icon || icon->isNull()) {
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(ToQRect(rect), *icon);
    painter_.restore();
}
