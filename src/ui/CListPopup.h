#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ButtonFunction.h"
#include "settings/ButtonMenu.h"
#include "ui/CWndPopup.h"
#include "ui/PopupRows.h"
#include "ui/SkinImage.h"

// What a list popup hands its owner with a choice: a text and three bytes (for most lists the
// chosen item's name and its button function).
struct PopupResult {
    std::u16string text;
    ButtonFunction code;
};

// One entry of a list class's item table: a language text (or a fixed text when textNumber is
// negative), whether it is flagged, and the bytes a choice of it reports.
struct PopupEntry {
    int textNumber = -1;
    std::u16string_view fixedText;
    bool flagged = false;
    ButtonFunction code;
};

// The four row pictures, as skin paths: normal, hover, flagged, flagged hover. An empty path
// loads nothing.
using RowPictures = std::array<std::u16string_view, 4>;
inline constexpr RowPictures kMenuPictures{u"skins\\menu_nr.png", u"skins\\menu_ov.png",
                                           u"skins\\menusub_nr.png", u"skins\\menusub_ov.png"};

// The shared mechanics of the list classes: rows laid out by AddItem, the hovered row, the
// standard hover, press and release rules, and the standard row drawing.
class CListPopup : public CWndPopup {
  public:
    CListPopup(UiContext& ui, int kind, const RowPictures& pictures, PopupGeometry geometry);

    // Appends an item, lays the rows out again (which resizes the window) and returns the item
    // count.
    int AddItem(std::u16string text, int number, bool flagged);
    void AddSeparator();

    const std::vector<PopupItem>& Items() const { return items_; }
    int HoverIndex() const { return hover_; }
    const PopupResult& Result() const { return result_; }

  protected:
    void DrawItems(Surface& surface, const Rect& client) override;
    bool OnItemMouseMove(Point point) override;
    bool OnItemLButtonDown(Point point) override;
    bool OnItemLButtonUp(Point point) override;

    // Adds the table's entries, numbered from 1, with their texts; the codes are kept.
    void AddEntries(std::span<const PopupEntry> entries);
    // Adds the items of a submenu of the button function menu with their codes.
    void AddSubmenu(ButtonSubmenu submenu);
    std::u16string EntryText(const PopupEntry& entry) const;

    // A new item became hovered (the hover index is set).
    virtual void OnHoverChanged();
    // The release landed on the hovered item: the class fills the result and reports. The
    // standard fills the item's text and its table code and sends the choice.
    virtual void OnChoose(const PopupItem& item);
    // The bytes a choice of the item reports; the standard is the code of its table entry.
    virtual ButtonFunction CodeOf(const PopupItem& item) const;
    // Sends the owner's notification message with the address of the result.
    void ReportChoice();

    PopupItem* Hovered();
    PopupResult& MutableResult() { return result_; }

  private:
    PopupGeometry geometry_;
    std::vector<PopupItem> items_;
    std::vector<PopupEntry> entries_;
    int hover_ = -1;
    PopupResult result_;
    std::array<SkinImage, 4> rows_;
};
