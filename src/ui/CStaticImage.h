#pragma once

#include "ui/CButtonBase.h"

// A picture stretched over the rectangle; always disabled, so it takes no mouse input.
class CStaticImage : public CButtonBase {
  public:
    CStaticImage(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                 std::u16string text, ControlFlags flags = {});

    bool LoadImage(std::u16string_view path) { return LoadPicture(0, path); }
    void Draw(Surface& surface, const Rect& paint) override;
};
