#include "platform/qt/QtImage.h"

#include <QImageReader>
#include <QPainter>

QtImage::QtImage(QImage image)
    : image_(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

std::vector<uint32_t> QtImage::ReadRgb() const {
    const QImage plain = image_.convertToFormat(QImage::Format_ARGB32);
    std::vector<uint32_t> rgb;
    rgb.reserve(size_t(plain.width()) * size_t(plain.height()));
    for (int y = 0; y < plain.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            rgb.push_back(row[x] & 0xFFFFFFu);
        }
    }
    return rgb;
}

const QImage& QtImage::Opaque() const {
    if (!opaque_) {
        QImage opaque(image_.size(), QImage::Format_RGB32);
        opaque.fill(Qt::black);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image_);
        painter.end();
        opaque_ = std::move(opaque);
    }
    return *opaque_;
}

std::optional<QImage> QtImage::Read(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp") {
        return std::nullopt;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}

QImage ImageOf(const Image& image) {
    if (const auto* own = dynamic_cast<const QtImage*>(&image)) {
        return own->Pixels();
    }
    const Size size = image.GetSize();
    const std::vector<uint32_t> rgb = image.ReadRgb();
    if (size.width <= 0 || size.height <= 0 ||
        rgb.size() != size_t(size.width) * size_t(size.height)) {
        return {};
    }
    QImage copy(size.width, size.height, QImage::Format_RGB32);
    for (int y = 0; y < size.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < size.width; ++x) {
            row[x] = 0xFF000000u | rgb[size_t(y) * size_t(size.width) + size_t(x)];
        }
    }
    return copy;
}
