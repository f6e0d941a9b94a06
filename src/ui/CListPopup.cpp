#include "ui/CListPopup.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

enum RowPicture { Normal, Hover, Flagged, FlaggedHover };

constexpr uint32_t kRowFormat = kCaptionFormat | TextFlag::Center;

} // namespace

CListPopup::CListPopup(UiContext& ui, int kind, const RowPictures& pictures, PopupGeometry geometry)
    : CWndPopup(ui, kind), geometry_(geometry) {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (pictures[i].empty()) {
            continue;
        }
        int width = 0;
        int height = 0;
        LoadSkinImage(ui.GetPlatform(), ui.SkinPath(pictures[i]), rows_[i], width, height);
    }
}

int CListPopup::AddItem(std::u16string text, int number, bool flagged) {
    PopupItem item;
    item.number = number;
    item.text = std::move(text);
    item.flagged = flagged;
    items_.push_back(std::move(item));
    Resize(LayoutPopupItems(items_, geometry_, Ui().UiScale()));
    return int(items_.size());
}

void CListPopup::AddSeparator() {
    PopupItem item;
    item.separator = true;
    items_.push_back(std::move(item));
    Resize(LayoutPopupItems(items_, geometry_, Ui().UiScale()));
}

void CListPopup::AddEntries(std::span<const PopupEntry> entries) {
    entries_.assign(entries.begin(), entries.end());
    int number = 0;
    for (const PopupEntry& entry : entries) {
        AddItem(EntryText(entry), ++number, entry.flagged);
    }
}

void CListPopup::AddSubmenu(ButtonSubmenu submenu) {
    std::vector<PopupEntry> entries;
    for (const SubmenuItem& item : SubmenuItems(submenu)) {
        entries.push_back({item.textNumber, {}, false, item.code});
    }
    AddEntries(entries);
}

std::u16string CListPopup::EntryText(const PopupEntry& entry) const {
    return entry.textNumber >= 0 ? Ui().Text(size_t(entry.textNumber))
                                 : std::u16string(entry.fixedText);
}

PopupItem* CListPopup::Hovered() {
    return hover_ >= 0 && hover_ < int(items_.size()) ? &items_[size_t(hover_)] : nullptr;
}

bool CListPopup::OnItemMouseMove(Point point) {
    if (PopupItem* item = Hovered(); item && item->row.Contains(point)) {
        return false;
    }
    hover_ = PopupItemAt(items_, point);
    if (hover_ >= 0) {
        OnHoverChanged();
    }
    return true;
}

bool CListPopup::OnItemLButtonDown(Point point) {
    if (PopupItem* item = Hovered(); item && !item->row.Contains(point)) {
        hover_ = -1;
    }
    return false;
}

bool CListPopup::OnItemLButtonUp(Point point) {
    PopupItem* item = Hovered();
    if (item == nullptr) {
        return false;
    }
    if (!item->row.Contains(point)) {
        hover_ = -1;
        return true;
    }
    // The owner may close the popup while it handles the choice; the copy stays valid.
    const PopupItem chosen = *item;
    OnChoose(chosen);
    return false;
}

void CListPopup::OnHoverChanged() {}

void CListPopup::OnChoose(const PopupItem& item) {
    result_.text = item.text;
    result_.code = CodeOf(item);
    ReportChoice();
}

ButtonFunction CListPopup::CodeOf(const PopupItem& item) const {
    const size_t index = size_t(item.number - 1);
    return index < entries_.size() ? entries_[index].code : ButtonFunction{};
}

void CListPopup::ReportChoice() {
    SendToOwner(NotifyMessage(), NotifyParam(), reinterpret_cast<intptr_t>(&result_));
}

void CListPopup::DrawItems(Surface& surface, const Rect&) {
    for (size_t i = 0; i < items_.size(); ++i) {
        const PopupItem& item = items_[i];
        if (item.separator) {
            FillSolid(surface, item.row, SkinColour::Selection);
            continue;
        }
        const bool hovered = int(i) == hover_;
        const int picture = (item.flagged ? Flagged : Normal) + (hovered ? Hover : Normal);
        DrawSkinImage(surface, rows_[size_t(picture)], item.row);
        const Rect text{item.row.left + 2, item.row.top, item.row.right - 2, item.row.bottom};
        DrawCaption(surface, item.text, text, GetFont(),
                    hovered ? SkinColour::TextHover : SkinColour::TextNormal, kRowFormat);
    }
}
