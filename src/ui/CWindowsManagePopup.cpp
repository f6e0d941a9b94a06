#include "ui/CWindowsManagePopup.h"

CWindowsManagePopup::CWindowsManagePopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CWindowsManagePopup::InitItems() {
    AddSubmenu(ButtonSubmenu::Windows);
}
