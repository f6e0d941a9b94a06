#include "ui/CComboActionInsertPopup.h"

namespace {

constexpr PopupEntry kEntries[] = {
    {20, {}, false, {{0, 0, 0}}},  {21, {}, false, {{1, 0, 0}}},  {22, {}, false, {{2, 0, 0}}},
    {205, {}, false, {{3, 0, 0}}}, {206, {}, false, {{4, 0, 0}}}, {207, {}, false, {{5, 0, 0}}},
    {208, {}, false, {{6, 0, 0}}}, {209, {}, false, {{7, 0, 0}}}, {210, {}, false, {{8, 0, 0}}},
};

} // namespace

CComboActionInsertPopup::CComboActionInsertPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {118, 22, 1}) {}

void CComboActionInsertPopup::InitItems() {
    AddEntries(kEntries);
}
