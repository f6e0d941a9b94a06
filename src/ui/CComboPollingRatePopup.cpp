#include "ui/CComboPollingRatePopup.h"

namespace {

constexpr PopupEntry kEntries[] = {
    {-1, u"125HZ", false, {{0, 0, 0}}},
    {-1, u"250HZ", false, {{1, 0, 0}}},
    {-1, u"500HZ", false, {{2, 0, 0}}},
    {-1, u"1000HZ", false, {{3, 0, 0}}},
};

} // namespace

CComboPollingRatePopup::CComboPollingRatePopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {189, 22, 1}) {}

void CComboPollingRatePopup::InitItems() {
    AddEntries(kEntries);
}
