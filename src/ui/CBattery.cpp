#include "ui/CBattery.h"

#include "ui/FillGeometry.h"
#include "ui/UiContext.h"

namespace {

ControlFlags Disabled(ControlFlags flags) {
    flags.disabled = true;
    return flags;
}

} // namespace

CBattery::CBattery(UiContext& ui, WindowId parent, unsigned, const Rect& rect, std::u16string text,
                   ControlFlags flags)
    : CControlBase(ui, parent, kIdentifier, rect, std::move(text), Disabled(flags)) {}

bool CBattery::LoadImages(std::u16string_view fullFill, std::u16string_view emptyOutline,
                          std::u16string_view chargingFill, std::u16string_view chargingSymbol) {
    bool all = true;
    const std::u16string_view paths[] = {fullFill, emptyOutline, chargingFill, chargingSymbol};
    for (size_t i = 0; i < pictures_.size(); ++i) {
        all &= LoadSkinImage(Ui().GetPlatform(), Ui().SkinPath(paths[i]), pictures_[i], width_,
                             height_);
    }
    return all;
}

void CBattery::DrawFill(Surface& surface, Picture picture, int percent) const {
    const SkinImage& image = pictures_[picture];
    if (!image.IsLoaded()) {
        return;
    }
    const FillPlacement fill =
        BatteryFill(GetRect(), percent, fillTop_, fillHeight_, {width_, height_}, Ui().UiScale());
    surface.DrawImage(*image.Get(), fill.dest, fill.source);
}

void CBattery::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    switch (mode_) {
    case Charging:
        DrawFill(surface, ChargingFill, chargingLevel_);
        DrawSkinImage(surface, pictures_[ChargingSymbol], r);
        break;
    case Full:
        DrawSkinImage(surface, pictures_[FullFill], r);
        DrawSkinImage(surface, pictures_[ChargingSymbol], r);
        break;
    default:
        DrawSkinImage(surface, pictures_[EmptyOutline], r);
        DrawFill(surface, FullFill, level_);
        break;
    }
}

void CBattery::ReleaseImages() {
    for (SkinImage& picture : pictures_) {
        picture.Reset();
    }
}
