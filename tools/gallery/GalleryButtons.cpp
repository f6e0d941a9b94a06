#include "GalleryButtons.h"

#include <array>
#include <string>

#include "platform/Messages.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"
#include "ui/CColorSelectCheckButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CDlgBase.h"
#include "ui/CImageButton.h"
#include "ui/CLinkButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/CTabControl.h"
#include "ui/UiContext.h"

namespace {

enum class Kind {
    Image,
    Check,
    Radio,
    DpiRadio,
    Swatch,
    SwatchCheck,
    Combo,
    Link,
    Tab,
    Picture,
    Label,
};

// The state a control is shown in: checked, marked, selected or current are set at creation;
// hover and press only for the screenshot, since the mouse drives them on a live window.
enum class Look { Plain, Checked, Hovered, Pressed };

constexpr Colour kGrey = 0xB4B4B4;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kYellow = 0x00FFFF;
constexpr uint32_t kLeft = TextFlag::Left;
constexpr uint32_t kCentre = TextFlag::Center;
constexpr unsigned kLabelId = 3402;
constexpr unsigned kPictureId = 3400;

struct ButtonPlace {
    Kind kind;
    unsigned id;
    Rect at; // base units
    std::array<const char16_t*, 4> pictures{};
    const char16_t* text = u"";
    Look look = Look::Plain;
    uint32_t format = kCentre;
    Colour colour = kGrey;
    int value = 0;      // DPI label: steps of 50
    int fontHeight = 0; // base units of a Tahoma font of its own; 0 keeps the control font
    int leftInset = 0;  // base units
};

const ButtonPlace kButtons[] = {
    // Image buttons in their three states, and two without a caption.
    {.kind = Kind::Image,
     .id = 2062,
     .at = {24, 820, 254, 845},
     .pictures = {u"button1_nr.png", u"button1_ov.png"},
     .text = u"Macro manager"},
    {.kind = Kind::Image,
     .id = 2047,
     .at = {264, 822, 333, 842},
     .pictures = {u"button2_nr.png", u"button2_ov.png"},
     .text = u"Profile",
     .look = Look::Hovered},
    {.kind = Kind::Image,
     .id = 2054,
     .at = {343, 822, 412, 842},
     .pictures = {u"button2_nr.png", u"button2_ov.png"},
     .text = u"Pair",
     .look = Look::Pressed},
    {.kind = Kind::Image,
     .id = 2004,
     .at = {430, 825, 445, 840},
     .pictures = {u"exit_nr.png", u"exit_ov.png"}},
    {.kind = Kind::Image,
     .id = 2002,
     .at = {455, 825, 470, 840},
     .pictures = {u"min_nr.png", u"min_ov.png"},
     .look = Look::Hovered},
    {.kind = Kind::Combo,
     .id = 2020,
     .at = {640, 822, 802, 843},
     .pictures = {u"combo2_nr.png", u"combo2_ov.png"},
     .text = u"Left click"},
    {.kind = Kind::Combo,
     .id = 3120,
     .at = {812, 820, 1001, 845},
     .pictures = {u"combo3_nr.png", u"combo3_ov.png"},
     .text = u"Static",
     .look = Look::Hovered},
    {.kind = Kind::Link,
     .id = CLinkButton::kIdentifier,
     .at = {1020, 822, 1220, 840},
     .text = u"https://corvex.example/",
     .fontHeight = 18},
    // Check buttons: off, on, the small DPI one, and a section header that is open.
    {.kind = Kind::Check,
     .id = 3540,
     .at = {24, 893, 39, 908},
     .pictures = {u"check_nr.png", u"check_ov.png", u"check_dn.png"}},
    {.kind = Kind::Check,
     .id = 3541,
     .at = {49, 893, 64, 908},
     .pictures = {u"check_nr.png", u"check_ov.png", u"check_dn.png"},
     .look = Look::Checked},
    {.kind = Kind::Check,
     .id = 3260,
     .at = {74, 895, 85, 906},
     .pictures = {u"check_button_dpi_nr.png", u"check_button_dpi_ov.png",
                  u"check_button_dpi_dn.png"},
     .look = Look::Checked},
    {.kind = Kind::Check,
     .id = 3002,
     .at = {95, 890, 357, 915},
     .pictures = {u"header_nr.png", u"header_nr.png", u"header_ov.png"},
     .text = u"Lighting",
     .look = Look::Checked,
     .format = kLeft,
     .leftInset = 10},
    // Two radio groups, one member of each selected.
    {.kind = Kind::Radio,
     .id = 3034,
     .at = {380, 893, 395, 908},
     .pictures = {u"radio_nr.png", u"radio_ov.png", u"radio_dn.png"}},
    {.kind = Kind::Radio,
     .id = 3035,
     .at = {402, 893, 417, 908},
     .pictures = {u"radio_nr.png", u"radio_ov.png", u"radio_dn.png"},
     .look = Look::Checked},
    {.kind = Kind::Radio,
     .id = 3036,
     .at = {424, 893, 439, 908},
     .pictures = {u"radio_nr.png", u"radio_ov.png", u"radio_dn.png"}},
    {.kind = Kind::Radio,
     .id = 3240,
     .at = {450, 891, 479, 909},
     .pictures = {u"up_nr.png", u"up_ov.png", u"up_check.png"},
     .look = Look::Checked},
    {.kind = Kind::Radio,
     .id = 3250,
     .at = {489, 891, 518, 909},
     .pictures = {u"down_nr.png", u"down_ov.png", u"down_check.png"}},
    {.kind = Kind::DpiRadio,
     .id = 3290,
     .at = {540, 895, 566, 906},
     .pictures = {u"dpi_value.png", u"dpi_value.png", u"dpi_value.png"},
     .value = 8,
     .fontHeight = 11},
    {.kind = Kind::DpiRadio,
     .id = 3291,
     .at = {572, 895, 598, 906},
     .pictures = {u"dpi_value.png", u"dpi_value.png", u"dpi_value.png"},
     .value = 32,
     .fontHeight = 11},
    {.kind = Kind::DpiRadio,
     .id = 3292,
     .at = {604, 895, 630, 906},
     .pictures = {u"dpi_value.png", u"dpi_value.png", u"dpi_value.png"},
     .value = 64,
     .fontHeight = 11},
    {.kind = Kind::Swatch, .id = 3270, .at = {680, 895, 706, 907}, .colour = 0x0000FF},
    {.kind = Kind::Swatch, .id = 3271, .at = {716, 895, 742, 907}, .colour = 0xFF8000},
    {.kind = Kind::SwatchCheck,
     .id = 3180,
     .at = {850, 890, 871, 910},
     .pictures = {u"color_select_nr.png", u"color_select_check.png"},
     .colour = 0x00C000},
    {.kind = Kind::SwatchCheck,
     .id = 3181,
     .at = {876, 890, 897, 910},
     .pictures = {u"color_select_nr.png", u"color_select_check.png"},
     .look = Look::Checked,
     .colour = 0xFF00C0},
    {.kind = Kind::SwatchCheck,
     .id = 3182,
     .at = {902, 890, 923, 910},
     .pictures = {u"color_select_nr.png", u"color_select_check.png"},
     .colour = 0x00A0FF},
    // Profile tabs: the first current, the second hovered.
    {.kind = Kind::Tab,
     .id = CTabControl::kFirstIdentifier,
     .at = {24, 40, 104, 64},
     .pictures = {u"profile_slot_nr.png", u"profile_slot_ov.png", u"profile_slot_nr2.png",
                  u"profile_slot_ov2.png"},
     .text = u"Profile 1",
     .look = Look::Checked,
     .leftInset = 6},
    {.kind = Kind::Tab,
     .id = CTabControl::kFirstIdentifier + 1,
     .at = {106, 40, 186, 64},
     .pictures = {u"profile_slot_nr.png", u"profile_slot_ov.png", u"profile_slot_nr2.png",
                  u"profile_slot_ov2.png"},
     .text = u"Profile 2",
     .look = Look::Hovered,
     .leftInset = 6},
    {.kind = Kind::Tab,
     .id = CTabControl::kFirstIdentifier + 2,
     .at = {188, 40, 268, 64},
     .pictures = {u"profile_slot_nr.png", u"profile_slot_ov.png", u"profile_slot_nr2.png",
                  u"profile_slot_ov2.png"},
     .text = u"Profile 3",
     .leftInset = 6},
    {.kind = Kind::Picture,
     .id = kPictureId,
     .at = {24, 160, 74, 210},
     .pictures = {u"Status_Wired.png"}},
    {.kind = Kind::Picture,
     .id = kPictureId,
     .at = {84, 160, 134, 210},
     .pictures = {u"Status_Wireless.png"}},
    {.kind = Kind::Picture,
     .id = kPictureId,
     .at = {144, 175, 164, 195},
     .pictures = {u"mouse\\serial_number1.png"}},
    // Labels: plain, wrapped over two lines, and cut with an ellipsis.
    {.kind = Kind::Label,
     .id = kLabelId,
     .at = {200, 160, 360, 178},
     .text = u"Motion wake-up",
     .format = kLeft},
    {.kind = Kind::Label,
     .id = kLabelId,
     .at = {200, 182, 360, 218},
     .text = u"The mouse behind the receiver is offline.",
     .format = kLeft | TextFlag::WordBreak,
     .colour = kYellow},
    {.kind = Kind::Label,
     .id = kLabelId,
     .at = {200, 222, 360, 240},
     .text = u"The mouse behind the receiver is offline.",
     .format = kLeft | TextFlag::SingleLine,
     .colour = kWhite},
};

constexpr Rect kPowerDial{1216, 810, 1356, 894};
constexpr int kPowerDialWedge = 2;
constexpr std::array<std::u16string_view, CPowerManageButton::kWedges> kPowerDialPictures{
    u"skins\\power_manage_3min.png", u"skins\\power_manage_4min.png",
    u"skins\\power_manage_5min.png", u"skins\\power_manage_6min.png",
    u"skins\\power_manage_7min.png", u"skins\\power_manage_8min.png",
    u"skins\\power_manage_9min.png", u"skins\\power_manage_10min.png"};

constexpr GalleryCaption kCaptions[] = {
    {"CTabControl", {24, 20, 224, 36}},
    {"CStaticImage", {24, 140, 184, 156}},
    {"CStaticText", {200, 140, 360, 156}},
    {"CImageButton", {24, 800, 224, 816}},
    {"CImageButton, no caption", {430, 800, 630, 816}},
    {"CComboButton", {640, 800, 840, 816}},
    {"CLinkButton", {1020, 800, 1220, 816}},
    {"CPowerManageButton", {1216, 800, 1380, 816}},
    {"CCheckButton", {24, 870, 224, 886}},
    {"CRadioButton", {380, 870, 530, 886}},
    {"CDPIRadioButton", {540, 870, 670, 886}},
    {"CColorSelectButton", {680, 870, 840, 886}},
    {"CColorSelectCheckButton", {850, 870, 1050, 886}},
};

std::u16string Skin(const char16_t* relative) {
    return std::u16string(u"skins\\") + relative;
}

CControlBase* AddCheck(CDlgBase& dialog, int list, const ButtonPlace& place, const Rect& rect) {
    auto* check = dialog.Add<CCheckButton>(list, place.id, rect, place.text, place.format);
    check->SetCheck(place.look == Look::Checked);
    // Headers write their open caption white, as the main window's do.
    check->SetCheckedTextColor(kWhite);
    return check;
}

CControlBase* AddSwatchCheck(CDlgBase& dialog, int list, const ButtonPlace& place,
                             const Rect& rect) {
    auto* swatch = dialog.Add<CColorSelectCheckButton>(list, place.id, rect, place.text);
    swatch->SetColor(place.colour);
    swatch->SetMarked(place.look == Look::Checked);
    return swatch;
}

CControlBase* AddControl(CDlgBase& dialog, int list, const ButtonPlace& place) {
    UiContext& ui = dialog.Ui();
    const Rect rect = ui.Scale(place.at);
    const bool chosen = place.look == Look::Checked;
    switch (place.kind) {
    case Kind::Image:
        return dialog.Add<CImageButton>(list, place.id, rect, place.text, place.format);
    case Kind::Check:
        return AddCheck(dialog, list, place, rect);
    case Kind::Radio:
        if (chosen) {
            ui.RadioGroups().Select(place.id);
        }
        return dialog.Add<CRadioButton>(list, place.id, rect, place.text);
    case Kind::DpiRadio: {
        auto* label = dialog.Add<CDPIRadioButton>(list, place.id, rect, place.text);
        label->SetValue(place.value);
        return label;
    }
    case Kind::Swatch: {
        auto* swatch = dialog.Add<CColorSelectButton>(list, place.id, rect, place.text, rect);
        swatch->SetColor(place.colour);
        return swatch;
    }
    case Kind::SwatchCheck:
        return AddSwatchCheck(dialog, list, place, rect);
    case Kind::Combo:
        return dialog.Add<CComboButton>(list, kGalleryComboMessage, place.id, rect, u"",
                                        place.format, ControlFlags{}, place.text);
    case Kind::Link:
        return dialog.Add<CLinkButton>(list, place.id, rect, place.text, place.format);
    case Kind::Tab: {
        auto* tab = dialog.Add<CTabControl>(list, place.id, rect, u"", place.format, place.text);
        if (chosen) {
            ui.SetProfileTabIndex(tab->TabIndex());
        }
        return tab;
    }
    case Kind::Picture:
        return dialog.Add<CStaticImage>(list, place.id, rect, place.text);
    case Kind::Label:
        return dialog.Add<CStaticText>(list, place.id, rect, place.text, place.colour,
                                       place.format);
    }
    return nullptr;
}

void LoadPictures(const UiContext& ui, CButtonBase& button, const ButtonPlace& place) {
    for (size_t slot = 0; slot < place.pictures.size() && place.pictures[slot]; ++slot) {
        button.LoadPicture(slot, Skin(place.pictures[slot]));
    }
    if (place.leftInset != 0) {
        button.SetTextInsets(ui.Scale(place.leftInset), 0);
    }
}

void AddPowerDial(CDlgBase& dialog, int list) {
    auto* dial = dialog.Add<CPowerManageButton>(list, CPowerManageButton::kIdentifier,
                                                dialog.Ui().Scale(kPowerDial), u"", 0);
    dial->LoadImages(kPowerDialPictures);
    dial->SelectWedge(kPowerDialWedge);
}

} // namespace

void AddGalleryButtons(CDlgBase& dialog, int list) {
    UiContext& ui = dialog.Ui();
    for (const ButtonPlace& place : kButtons) {
        CControlBase* control = AddControl(dialog, list, place);
        if (auto* button = dynamic_cast<CButtonBase*>(control)) {
            LoadPictures(ui, *button, place);
        }
        if (place.fontHeight != 0) {
            control->SetFont(ui.Scale(place.fontHeight), u"Tahoma");
        }
    }
    AddPowerDial(dialog, list);
}

std::span<const GalleryCaption> GalleryButtonCaptions() {
    return kCaptions;
}

void ShowGalleryButtonStates(CDlgBase& dialog) {
    for (const ButtonPlace& place : kButtons) {
        if (place.look != Look::Hovered && place.look != Look::Pressed) {
            continue;
        }
        CControlBase* control = dialog.FindControl(place.id);
        const Rect rect = control->GetRect();
        const Point centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        control->OnMouseMove(0, centre);
        if (place.look == Look::Pressed) {
            control->OnLButtonDown(MouseFlag::LeftButton, centre);
        }
    }
}
