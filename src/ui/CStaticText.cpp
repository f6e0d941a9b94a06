#include "ui/CStaticText.h"

#include "ui/DrawingHelpers.h"

namespace {
constexpr uint32_t kLabelFormat = TextFlag::WordEllipsis | TextFlag::VCenter;

ControlFlags Disabled(ControlFlags flags) {
    flags.disabled = true;
    return flags;
}
} // namespace

CStaticText::CStaticText(UiContext& ui, WindowId parent, unsigned identifier, const Rect& rect,
                         std::u16string text, Colour colour, uint32_t format, ControlFlags flags)
    : CControlBase(ui, parent, identifier, rect, text, Disabled(flags)), format_(format),
      displayText_(std::move(text)), colour_(colour) {}

void CStaticText::Draw(Surface& surface, const Rect&) {
    DrawCaption(surface, displayText_, GetRect(), GetFont(), colour_, format_ | kLabelFormat);
}
