#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>

#include "platform/Geometry.h"

// Conversions between the platform layer's plain types and Qt's.

inline QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

inline std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

// Colour is 0x00BBGGRR.
inline QColor ToQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

inline Rect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

inline QPoint ToQPoint(Point p) {
    return QPoint(p.x, p.y);
}

inline Point FromQPoint(const QPoint& p) {
    return {p.x(), p.y()};
}
