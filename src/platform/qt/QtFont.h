#pragma once

#include <QFont>

#include "platform/Platform.h"

// A font made from what CreateFontW takes: the QFont is sized in pixels, so it draws the same
// on every screen whatever its DPI.
class QtFont : public Font {
  public:
    explicit QtFont(const FontRequest& request);

    const FontRequest& Attributes() const override { return request_; }
    const QFont& Get() const { return font_; }

  private:
    FontRequest request_;
    QFont font_;
};

// The QFont of any Font.
QFont QFontOf(const Font& font);
