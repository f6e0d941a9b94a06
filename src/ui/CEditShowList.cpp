#include "ui/CEditShowList.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr int kRowHeight = 20;

} // namespace

CEditShowList::CEditShowList(UiContext& ui, WindowId parent, unsigned, const Rect& rect,
                             std::u16string text, MacroLibraryTree& library,
                             SelectedLocation& selection, ControlFlags flags)
    : CControlBase(ui, parent, kIdentifier, rect, std::move(text), flags), library_(library),
      selection_(selection) {
    scroll_.capacity = VisibleRowCapacity(rect.Height(), ui.UiScale());
}

bool CEditShowList::LoadIcons(std::u16string_view folderOpen, std::u16string_view folderClosed) {
    Platform& platform = Ui().GetPlatform();
    const bool open =
        LoadSkinImage(platform, Ui().SkinPath(folderOpen), open_, iconWidth_, iconHeight_);
    const bool closed =
        LoadSkinImage(platform, Ui().SkinPath(folderClosed), closed_, iconWidth_, iconHeight_);
    return open && closed;
}

ListScroll CEditShowList::Scroll() const {
    ListScroll scroll = scroll_;
    scroll.count = RowCount();
    return scroll;
}

void CEditShowList::EnsureVisible() {
    ListScroll scroll = Scroll();
    scroll.EnsureVisible();
    scroll_.first = scroll.first;
}

void CEditShowList::Draw(Surface& surface, const Rect&) {
    const Rect r = GetRect();
    const UiContext& ui = Ui();
    const float s = ui.UiScale();
    FillSolid(surface, r, SkinColour::ListBackground);
    const std::vector<LibraryRow> rows = LibraryRows(library_);
    const int indent = int(float(iconWidth_ + 3) * s);
    for (int v = 0; v < scroll_.capacity && scroll_.first + v < int(rows.size()); ++v) {
        const int index = scroll_.first + v;
        const LibraryRow& row = rows[size_t(index)];
        const Rect box{r.left + ui.Scale(2), r.top + ui.Scale(v * kRowHeight),
                       r.right - ui.Scale(2), r.top + ui.Scale((v + 1) * kRowHeight)};
        if (index == scroll_.selected) {
            FillSolid(surface, box, SkinColour::Selection);
        }
        int textLeft = box.left + indent * row.depth;
        if (row.folder) {
            const Rect icon{textLeft, box.top + ui.Scale(1), textLeft + ui.Scale(iconWidth_),
                            box.top + ui.Scale(1) + ui.Scale(iconHeight_)};
            DrawSkinImage(surface, row.open ? open_ : closed_, icon);
            textLeft += indent;
        }
        DrawCaption(surface, row.name, {textLeft, box.top, box.right, box.bottom}, GetFont(),
                    SkinColour::TextHover, kCaptionFormat);
    }
}

int CEditShowList::SelectAt(Point point) {
    const int row = Scroll().RowAt(point.y - GetRect().top, Ui().Scale(kRowHeight));
    scroll_.selected = row;
    selection_ = row >= 0 ? library_.RowToLocation(row) : MacroLocation::None();
    return row;
}

void CEditShowList::Toggle(int row) {
    if (LibraryItem* item = library_.ItemAt(library_.RowToLocation(row))) {
        item->IsOpen = item->IsOpen != 0 ? 0 : 1;
    }
}

bool CEditShowList::OnMouseMove(uint32_t, Point point) {
    if (IsDisabled() || state_ == ButtonState::Pressed) {
        return false;
    }
    const int before = state_;
    state_ = HitTest(point) ? ButtonState::Hover : ButtonState::Normal;
    return state_ != before;
}

bool CEditShowList::OnLButtonDown(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    state_ = ButtonState::Pressed;
    const int row = SelectAt(point);
    const LibraryItem* item = row >= 0 ? library_.ItemAt(selection_) : nullptr;
    if (item != nullptr && item->IsFolderItem()) {
        const int iconArea = int(float(iconWidth_) * Ui().UiScale() * float(selection_.stage + 1));
        if (point.x - GetRect().left < iconArea) {
            Toggle(row);
        }
    }
    return true;
}

bool CEditShowList::OnLButtonUp(uint32_t, Point point) {
    return !IsDisabled() && ReleaseAt(state_, point);
}

bool CEditShowList::OnRButtonUp(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    state_ = ButtonState::Hover;
    SelectAt(point);
    Point at = point;
    Notify(NotifyCode::RightReleased, reinterpret_cast<uintptr_t>(&at));
    return true;
}

bool CEditShowList::OnLButtonDblClk(uint32_t, Point point) {
    if (IsDisabled() || !HitTest(point)) {
        return false;
    }
    state_ = ButtonState::Hover;
    const int row = Scroll().RowAt(point.y - GetRect().top, Ui().Scale(kRowHeight));
    const LibraryItem* item = row >= 0 ? library_.ItemAt(library_.RowToLocation(row)) : nullptr;
    if (item != nullptr && item->IsFolderItem()) {
        Toggle(row);
        Notify(NotifyCode::DoubleClick);
    }
    return true;
}

void CEditShowList::ReleaseImages() {
    open_.Reset();
    closed_.Reset();
}
