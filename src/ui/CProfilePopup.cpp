#include "ui/CProfilePopup.h"

namespace {

struct ProfileItem {
    int number;
    std::u16string_view text;
};

constexpr ProfileItem kItems[] = {
    {18, u"Profile Cycle"},
    {19, u"Profile Up"},
    {20, u"Profile Down"},
};

} // namespace

CProfilePopup::CProfilePopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CProfilePopup::InitItems() {
    for (const ProfileItem& item : kItems) {
        AddItem(std::u16string(item.text), item.number, false);
    }
}

void CProfilePopup::OnChoose(const PopupItem& item) {
    MutableResult().code.bytes[0] = uint8_t(item.number - 2);
    ReportChoice();
}
