#include "ui/CColorSelectButton.h"

#include "ui/DrawingHelpers.h"

CColorSelectButton::CColorSelectButton(UiContext& ui, WindowId parent, unsigned identifier,
                                       const Rect& rect, std::u16string text, const Rect& swatch,
                                       ControlFlags flags)
    : CButtonBase(ui, parent, identifier, rect, std::move(text), 0, flags, 0), swatch_(swatch) {}

void CColorSelectButton::Draw(Surface& surface, const Rect&) {
    FillSolid(surface, swatch_, colour_);
}
