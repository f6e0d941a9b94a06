#include "ui/CComboPopup.h"

#include <vector>

namespace {

struct ItemMessage {
    MenuItemAction action;
    ButtonSubmenu submenu;
    uint32_t message;
};

// What the pointer reaching an item reports.
constexpr ItemMessage kHoverMessages[] = {
    {MenuItemAction::OpenSubmenu, ButtonSubmenu::Dpi, CComboPopup::kHoverDpi},
    {MenuItemAction::OpenSubmenu, ButtonSubmenu::Multimedia, CComboPopup::kHoverMultimedia},
    {MenuItemAction::OpenSubmenu, ButtonSubmenu::Office, CComboPopup::kHoverOffice},
    {MenuItemAction::OpenSubmenu, ButtonSubmenu::Windows, CComboPopup::kHoverWindows},
    {MenuItemAction::OpenSubmenu, ButtonSubmenu::DpiLock, CComboPopup::kHoverDpiLock},
};

// What a release on a dialog item reports.
constexpr ItemMessage kDialogMessages[] = {
    {MenuItemAction::OpenFireKey, ButtonSubmenu::None, CComboPopup::kOpenFireKey},
    {MenuItemAction::OpenMacroSelect, ButtonSubmenu::None, CComboPopup::kOpenMacroSelect},
    {MenuItemAction::OpenShortcut, ButtonSubmenu::None, CComboPopup::kOpenShortcut},
    {MenuItemAction::OpenQuickLaunch, ButtonSubmenu::None, CComboPopup::kOpenQuickLaunch},
};

// Pressing on the first four items only brings the open popups to the front.
constexpr int kFrontItems = 4;

const MainMenuItem* MainItem(int number) {
    for (const MainMenuItem& item : MainMenu()) {
        if (item.item == number) {
            return &item;
        }
    }
    return nullptr;
}

uint32_t MessageFor(std::span<const ItemMessage> table, const MainMenuItem& item) {
    for (const ItemMessage& entry : table) {
        if (entry.action == item.action && entry.submenu == item.submenu) {
            return entry.message;
        }
    }
    return 0;
}

} // namespace

CComboPopup::CComboPopup(UiContext& ui, const RowPictures& pictures)
    : CListPopup(ui, kKind, pictures, {162, 22, 1}) {}

void CComboPopup::InitItems() {
    std::vector<PopupEntry> entries;
    for (const MainMenuItem& item : MainMenu()) {
        entries.push_back(
            {item.textNumber, {}, item.action == MenuItemAction::OpenSubmenu, item.code});
    }
    AddEntries(entries);
}

bool CComboPopup::OnItemLButtonDown(Point point) {
    const bool repaint = CListPopup::OnItemLButtonDown(point);
    if (const PopupItem* item = Hovered(); item && item->number <= kFrontItems) {
        SendToOwner(NotifyMessage(), 0, 0);
    }
    return repaint;
}

void CComboPopup::OnHoverChanged() {
    const PopupItem* hovered = Hovered();
    const MainMenuItem* item = hovered ? MainItem(hovered->number) : nullptr;
    if (item == nullptr) {
        return;
    }
    const uint32_t message = MessageFor(kHoverMessages, *item);
    SendToOwner(message != 0 ? message : kHoverOrdinary, NotifyParam(), item->item);
}

void CComboPopup::OnChoose(const PopupItem& chosen) {
    const MainMenuItem* item = MainItem(chosen.number);
    if (item == nullptr || item->action == MenuItemAction::OpenSubmenu) {
        return;
    }
    if (const uint32_t message = MessageFor(kDialogMessages, *item); message != 0) {
        SendToOwner(message, NotifyParam(), 0);
        return;
    }
    CListPopup::OnChoose(chosen);
}
