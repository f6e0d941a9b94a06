#include "ui/CComboLightingPopup.h"

namespace {

constexpr PopupEntry kEntries[] = {
    {100, {}, false, {{1, 0, 0}}},  {101, {}, false, {{2, 0, 0}}}, {102, {}, false, {{3, 0, 0}}},
    {103, {}, false, {{4, 0, 0}}},  {104, {}, false, {{5, 0, 0}}}, {105, {}, false, {{6, 0, 0}}},
    {106, {}, false, {{7, 0, 0}}},  {107, {}, false, {{8, 0, 0}}}, {108, {}, false, {{9, 0, 0}}},
    {109, {}, false, {{10, 0, 0}}}, {110, {}, false, {{0, 0, 0}}},
};

} // namespace

CComboLightingPopup::CComboLightingPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {189, 22, 1}) {}

void CComboLightingPopup::InitItems() {
    AddEntries(kEntries);
}
