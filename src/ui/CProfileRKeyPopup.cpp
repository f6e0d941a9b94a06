#include "ui/CProfileRKeyPopup.h"

namespace {

constexpr PopupEntry kEntries[] = {
    {90, {}, false, {{0, 0, 0}}},
    {91, {}, false, {{1, 0, 0}}},
    {92, {}, false, {{2, 0, 0}}},
    {93, {}, false, {{3, 0, 0}}},
};

} // namespace

CProfileRKeyPopup::CProfileRKeyPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CProfileRKeyPopup::InitItems() {
    AddEntries(kEntries);
}
