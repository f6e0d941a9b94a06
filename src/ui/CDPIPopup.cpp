#include "ui/CDPIPopup.h"

CDPIPopup::CDPIPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CDPIPopup::InitItems() {
    AddSubmenu(ButtonSubmenu::Dpi);
}
