#include "ui/CStaticImage.h"

namespace {
ControlFlags Disabled(ControlFlags flags) {
    flags.disabled = true;
    return flags;
}
} // namespace

CStaticImage::CStaticImage(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                           std::u16string text, ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), 0, Disabled(flags), 1) {}

void CStaticImage::Draw(Surface& surface, const Rect&) {
    DrawFrame(surface, 0, 0);
}
