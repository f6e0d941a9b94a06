#pragma once

#include "platform/Platform.h"

class HeadlessFont : public Font {
  public:
    explicit HeadlessFont(FontSpec request) : attributes_(std::move(request)) {}
    const FontSpec& Attributes() const override { return attributes_; }

  private:
    FontSpec attributes_;
};
