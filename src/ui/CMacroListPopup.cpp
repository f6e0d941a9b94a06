#include "ui/CMacroListPopup.h"

#include <span>

#include "ui/UiContext.h"

namespace {

constexpr int kFirstText = 245;

// Item numbers 1 to 8 stand for texts 245 to 252.
constexpr int kNothingItems[] = {1, 2, 4, 7, 8};
constexpr int kFolderItems[] = {1, 2, 4, 5, 6, 7, 8};
constexpr int kMacroItems[] = {1, 2, 3, 4, 5, 6, 7, 8};

std::span<const int> ItemsFor(int mode) {
    switch (mode) {
    case CMacroListPopup::kNothingSelected:
        return kNothingItems;
    case CMacroListPopup::kFolderSelected:
        return kFolderItems;
    default:
        return kMacroItems;
    }
}

} // namespace

CMacroListPopup::CMacroListPopup(UiContext& ui, int mode, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}), mode_(mode) {}

void CMacroListPopup::InitItems() {
    for (const int number : ItemsFor(mode_)) {
        AddItem(Ui().Text(size_t(kFirstText + number - 1)), number, false);
    }
}

void CMacroListPopup::OnChoose(const PopupItem& item) {
    MutableResult().text.clear();
    MutableResult().code = {{uint8_t(item.number - 1), 0, 0}};
    ReportChoice();
}
