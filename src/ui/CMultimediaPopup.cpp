#include "ui/CMultimediaPopup.h"

CMultimediaPopup::CMultimediaPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CMultimediaPopup::InitItems() {
    AddSubmenu(ButtonSubmenu::Multimedia);
}
