#pragma once

#include <QFont>

#include "platform/Platform.h"

// A font made from what CreateFontW takes: the QFont is sized in pixels, so it draws the same
// on every screen whatever its DPI.
class QtFont : public Font {
  public:
    explicit QtFont(const FontSpec& request);

    const FontSpec& Attributes() const override { return spec_; }
    const QFont& Get() const { return font_; }

  private:
    FontSpec spec_;
    QFont font_;
};

// The QFont of any Font.
QFont QFontOf(const Font& font);
