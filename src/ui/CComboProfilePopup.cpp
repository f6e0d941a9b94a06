#include "ui/CComboProfilePopup.h"

#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr int kHeaderText = 10;
constexpr Rect kHeaderSource{0, 0, 230, 25};
constexpr Colour kEmptyRow = 0x1F1F1F;
constexpr Colour kCurrentRow = 0x000078;
constexpr Colour kHoverRow = 0x373737;
constexpr uint32_t kCentred = kCaptionFormat | TextFlag::Center;

} // namespace

CComboProfilePopup::CComboProfilePopup(UiContext& ui, std::u16string_view headerPicture)
    : CListPopup(ui, kKind, {}, {230, 25, 0}) {
    int width = 0;
    int height = 0;
    LoadSkinImage(ui.GetPlatform(), ui.SkinPath(headerPicture), header_, width, height);
    for (int k = 0; k < kProfileRows; ++k) {
        names_[size_t(k)] = u"defaultProfile" + std::u16string(1, char16_t(u'1' + k));
    }
}

void CComboProfilePopup::SetProfileName(int position, std::u16string name) {
    if (position >= 0 && position < kProfileRows) {
        names_[size_t(position)] = std::move(name);
    }
}

void CComboProfilePopup::InitItems() {
    AddItem(Ui().Text(kHeaderText), 1, false);
    for (int k = 0; k < kProfileRows; ++k) {
        AddItem(names_[size_t(k)], k + 2, false);
    }
}

bool CComboProfilePopup::Choosable(const PopupItem& item) {
    return item.number != 1 && !item.text.empty();
}

void CComboProfilePopup::DrawItems(Surface& surface, const Rect&) {
    const Font* font = GetFont();
    for (size_t i = 0; i < Items().size(); ++i) {
        const PopupItem& item = Items()[i];
        if (i == 0) {
            DrawSkinImage(surface, header_, item.row, kHeaderSource.left, kHeaderSource.top,
                          kHeaderSource.Width(), kHeaderSource.Height());
            const Rect text{item.row.left + Ui().Scale(8), item.row.top, item.row.right,
                            item.row.bottom};
            DrawCaption(surface, item.text, text, font, SkinColour::TextNormal, kCaptionFormat);
        } else if (item.text.empty()) {
            FillSolid(surface, item.row, kEmptyRow);
        } else {
            const bool current = int(i) == currentRow_;
            const bool hovered = int(i) == HoverIndex();
            FillSolid(surface, item.row, current ? kCurrentRow : hovered ? kHoverRow : kEmptyRow);
            const Colour colour =
                hovered && !current ? SkinColour::TextHover : SkinColour::TextNormal;
            DrawCaption(surface, item.text, item.row, font, colour, kCentred);
        }
    }
}

void CComboProfilePopup::OnChoose(const PopupItem& item) {
    if (Choosable(item)) {
        SendToOwner(NotifyMessage(), kLeftChoice, item.number);
    }
}

bool CComboProfilePopup::OnItemRButtonUp(Point point) {
    const int index = PopupItemAt(Items(), point);
    if (index >= 0 && Choosable(Items()[size_t(index)])) {
        SendToOwner(NotifyMessage(), kRightChoice, Items()[size_t(index)].number);
    }
    return false;
}
