#include "ui/COfficePopup.h"

COfficePopup::COfficePopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void COfficePopup::InitItems() {
    AddSubmenu(ButtonSubmenu::Office);
}
