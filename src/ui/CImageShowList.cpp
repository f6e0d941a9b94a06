#include "ui/CImageShowList.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr int kRowHeight = 20;

} // namespace

CImageShowList::CImageShowList(UiContext& ui, WindowId parent, unsigned, const Rect& rect,
                               std::u16string text, ControlFlags flags)
    : CControlBase(ui, parent, kIdentifier, rect, std::move(text), flags) {
    scroll_.capacity = VisibleRowCapacity(rect.Height(), ui.UiScale());
}

bool CImageShowList::LoadIcons(std::u16string_view delay, std::u16string_view press,
                               std::u16string_view release) {
    bool all = true;
    const std::u16string_view paths[] = {delay, press, release};
    for (size_t i = 0; i < icons_.size(); ++i) {
        all &= LoadSkinImage(Ui().GetPlatform(), Ui().SkinPath(paths[i]), icons_[i], iconWidth_,
                             iconHeight_);
    }
    return all;
}

void CImageShowList::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    const UiContext& ui = Ui();
    FillSolid(surface, r, SkinColour::ListBackground);
    const int count = RowCount();
    for (int v = 0; v < scroll_.capacity && scroll_.first + v < count; ++v) {
        const int index = scroll_.first + v;
        const Rect box{r.left + ui.Scale(17), r.top + ui.Scale(v * kRowHeight),
                       r.right - ui.Scale(2), r.top + ui.Scale((v + 1) * kRowHeight)};
        if (index == scroll_.selected) {
            FillSolid(surface, box, SkinColour::Selection);
        }
        const StepRow step = StepRowOf(macro_->GetAction(uint32_t(index)));
        const int iconLeft = box.left - ui.Scale(15);
        const int iconTop = box.top + ui.Scale(3);
        DrawSkinImage(
            surface, icons_[size_t(step.icon)],
            {iconLeft, iconTop, iconLeft + ui.Scale(iconWidth_), iconTop + ui.Scale(iconHeight_)});
        DrawCaption(surface, step.text, box, GetFont(), SkinColour::TextHover, kCaptionFormat);
    }
}

bool CImageShowList::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled() || state_ == ButtonState::Pressed) {
        return false;
    }
    const int before = state_;
    state_ = HitTest(point) ? ButtonState::Hover : ButtonState::Normal;
    return state_ != before;
}

bool CImageShowList::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    state_ = ButtonState::Pressed;
    ListScroll scroll = scroll_;
    scroll.count = RowCount();
    if (const int row = scroll.RowAt(point.y - GetRect().top, Ui().Scale(kRowHeight)); row >= 0) {
        scroll_.selected = row;
    }
    return true;
}

bool CImageShowList::OnLButtonUp(uint32_t, Point point) {
    return !IsDisabled() && ReleaseAt(state_, point);
}

bool CImageShowList::OnLButtonDblClk(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    state_ = ButtonState::Hover;
    Notify(NotifyCode::DoubleClick);
    return true;
}

void CImageShowList::ReleaseImages() {
    for (SkinImage& icon : icons_) {
        icon.Reset();
    }
}
