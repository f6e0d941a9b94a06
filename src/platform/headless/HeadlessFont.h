#pragma once

#include "platform/Platform.h"

class HeadlessFont : public Font {
  public:
    explicit HeadlessFont(FontRequest request) : attributes_(std::move(request)) {}
    const FontRequest& Attributes() const override { return attributes_; }

  private:
    FontRequest attributes_;
};
