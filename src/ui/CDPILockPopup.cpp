#include "ui/CDPILockPopup.h"

#include <vector>

#include "ui/UiContext.h"

CDPILockPopup::CDPILockPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CDPILockPopup::InitItems() {
    std::vector<PopupEntry> entries;
    for (const DpiLockItem& item : DpiLockMenu()) {
        entries.push_back({-1, item.name, false, item.code});
    }
    AddEntries(entries);
}

void CDPILockPopup::OnChoose(const PopupItem& chosen) {
    for (const DpiLockItem& item : DpiLockMenu()) {
        if (item.item == chosen.number) {
            MutableResult().text = DpiLockAssignmentName(Ui().Text(kDpiLockTextNumber), item);
            MutableResult().code = item.code;
            ReportChoice();
        }
    }
}
