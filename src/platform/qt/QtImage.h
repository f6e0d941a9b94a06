#pragma once

#include <QImage>
#include <optional>

#include "platform/Platform.h"

// A picture held as a premultiplied ARGB QImage, ready for QPainter.
class QtImage : public Image {
  public:
    explicit QtImage(QImage image);

    Size GetSize() const override { return {image_.width(), image_.height()}; }
    std::vector<uint32_t> ReadRgb() const override;

    QImage& Pixels() { return image_; }
    const QImage& Pixels() const { return image_; }
    // The picture laid on black and made opaque, as a bitmap copy shows it.
    const QImage& Opaque() const;
    // The picture was painted into: the opaque copy is stale.
    void Changed() { opaque_.reset(); }

    // Nothing when the file is missing or no PNG/BMP decoder reads it.
    static std::optional<QImage> Read(const QString& path);

  private:
    QImage image_;
    mutable std::optional<QImage> opaque_;
};

// The QImage of any Image: its own pixels for a QtImage, else rebuilt from ReadRgb.
QImage ImageOf(const Image& image);
