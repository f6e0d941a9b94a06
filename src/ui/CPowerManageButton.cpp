#include "ui/CPowerManageButton.h"

#include <algorithm>

#include "ui/UiContext.h"

namespace {

constexpr Point kCentre{70, 71};
// The rim points of the wedges in base units; wedge i runs from point i to point i + 1.
constexpr std::array<Point, CPowerManageButton::kWedges + 1> kRim{
    {{3, 71}, {7, 51}, {17, 32}, {40, 13}, {70, 5}, {100, 14}, {121, 31}, {131, 51}, {134, 71}}};

} // namespace

CPowerManageButton::CPowerManageButton(UiContext& ui, WindowId parent, unsigned, const Rect& rect,
                                       std::u16string text, uint32_t format, ControlFlags flags)
    : CButtonBase(ui, parent, kIdentifier, rect, std::move(text), format, flags, kWedges) {
    BuildWedges();
}

void CPowerManageButton::LoadImages(const std::array<std::u16string_view, kWedges>& paths) {
    for (size_t i = 0; i < paths.size(); ++i) {
        LoadPicture(i, paths[i]);
    }
}

void CPowerManageButton::SelectWedge(int index) {
    if (index >= 0 && index < kWedges) {
        selectedWedge_ = index;
        value_ = kValues[size_t(index)];
    }
}

bool CPowerManageButton::SelectValue(int value) {
    const auto found = std::ranges::find(kValues, value);
    if (found == kValues.end()) {
        return false;
    }
    SelectWedge(int(found - kValues.begin()));
    return true;
}

void CPowerManageButton::SetRect(const Rect& rect) {
    CButtonBase::SetRect(rect);
    BuildWedges();
}

void CPowerManageButton::BuildWedges() {
    const Rect rect = GetRect();
    const float s = Ui().UiScale();
    const auto place = [&](Point p) {
        return Point{int(float(rect.left) + float(p.x) * s), int(float(rect.top) + float(p.y) * s)};
    };
    for (size_t i = 0; i < wedges_.size(); ++i) {
        wedges_[i] = PolygonRegion({place(kRim[i]), place(kRim[i + 1]), place(kCentre)});
    }
}

void CPowerManageButton::Draw(Surface& surface, const Rect&) {
    DrawFrame(surface, selectedWedge_, size_t(selectedWedge_));
}

bool CPowerManageButton::OnLButtonUp(uint32_t, Point point) {
    if (IsDisabled()) {
        return false;
    }
    if (!HitTest(point)) {
        return SetState(ButtonState::Normal);
    }
    for (int i = 0; i < kWedges; ++i) {
        if (wedges_[size_t(i)].Contains(point)) {
            SelectWedge(i);
            SetState(ButtonState::Hover);
            Notify(NotifyCode::Released);
            return true;
        }
    }
    return false;
}
