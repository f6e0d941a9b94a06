#pragma once

#include "platform/Platform.h"

class HeadlessFont : public Font {
  public:
    explicit HeadlessFont(FontSpec spec) : spec_(std::move(spec)) {}
    const FontSpec& Spec() const override { return spec_; }

  private:
    FontSpec spec_;
};
