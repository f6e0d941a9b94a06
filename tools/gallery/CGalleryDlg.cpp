#include "CGalleryDlg.h"

#include <cstdio>
#include <functional>
#include <span>

#include "GalleryButtons.h"
#include "OffsetSurface.h"
#include "ui/CBattery.h"
#include "ui/CComboActionInsertPopup.h"
#include "ui/CComboLightingPopup.h"
#include "ui/CComboPollingRatePopup.h"
#include "ui/CComboPopup.h"
#include "ui/CComboProfilePopup.h"
#include "ui/CDPILockPopup.h"
#include "ui/CDPIPopup.h"
#include "ui/CEditShowList.h"
#include "ui/CImageShowList.h"
#include "ui/CLevelBar.h"
#include "ui/CMacroListPopup.h"
#include "ui/CMultimediaPopup.h"
#include "ui/COfficePopup.h"
#include "ui/CProfilePopup.h"
#include "ui/CProfileRKeyPopup.h"
#include "ui/CRadioButton.h"
#include "ui/CSliderControl.h"
#include "ui/CVScrollBar.h"
#include "ui/CWindowsManagePopup.h"
#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace {

constexpr Size kBaseSize{1380, 935};
// The main window's picture lies above the band of buttons at the bottom.
constexpr int kBandTop = 790;
constexpr Colour kBackground = 0x141414;
constexpr Colour kLabel = 0xB4B4B4;
constexpr int kLabelHeight = 16;
constexpr int kMainBackground = 364;

// Notification message the gallery gives its popups, and the one it posts itself to open them.
constexpr uint32_t kPopupMessage = 0x500;
constexpr uint32_t kOpenPopups = 0x501;

constexpr unsigned kSlider = 3220;
constexpr unsigned kLevelSlider = 3280;
constexpr unsigned kLevelShow = 3300;
constexpr unsigned kScrollBar = 2021;

struct PopupPlace {
    const char* label;
    std::function<std::unique_ptr<CWndPopup>(UiContext&)> make;
    Point at; // base units
};

template <class T> std::function<std::unique_ptr<CWndPopup>(UiContext&)> Make() {
    return [](UiContext& ui) { return std::make_unique<T>(ui); };
}

const PopupPlace kPopups[] = {
    {"CComboPopup", Make<CComboPopup>(), {500, 40}},
    {"CDPIPopup", Make<CDPIPopup>(), {500, 440}},
    {"CProfilePopup", Make<CProfilePopup>(), {500, 530}},
    {"CComboProfilePopup",
     [](UiContext& ui) {
         auto popup = std::make_unique<CComboProfilePopup>(ui, u"skins\\header2_nr.png");
         popup->SetProfileName(0, u"Work");
         popup->SetProfileName(1, u"Games");
         popup->SetProfileName(4, u"");
         popup->SetCurrentRow(2);
         return popup;
     },
     {500, 620}},
    {"CDPILockPopup", Make<CDPILockPopup>(), {750, 40}},
    {"CMultimediaPopup", Make<CMultimediaPopup>(), {750, 310}},
    {"CProfileRKeyPopup", Make<CProfileRKeyPopup>(), {750, 560}},
    {"CComboPollingRatePopup", Make<CComboPollingRatePopup>(), {750, 680}},
    {"CComboLightingPopup", Make<CComboLightingPopup>(), {960, 40}},
    {"COfficePopup", Make<COfficePopup>(), {960, 310}},
    {"CWindowsManagePopup", Make<CWindowsManagePopup>(), {960, 540}},
    {"CComboActionInsertPopup", Make<CComboActionInsertPopup>(), {1170, 40}},
    {"CMacroListPopup",
     [](UiContext& ui) {
         return std::make_unique<CMacroListPopup>(ui, CMacroListPopup::kMacroSelected);
     },
     {1170, 280}},
};

constexpr GalleryCaption kControlLabels[] = {
    {"CSliderControl", {24, 310, 200, 326}},       {"CVerticalSliderControl", {30, 385, 205, 401}},
    {"CDPIValueShowControl", {30, 405, 205, 421}}, {"CBattery", {270, 310, 400, 326}},
    {"CEditShowList", {20, 466, 170, 482}},        {"CImageShowList", {190, 466, 330, 482}},
    {"CVScrollBar", {360, 745, 480, 761}},
};
// The slider's bar is a picture of its own.
constexpr Rect kSliderBar{30, 345, 175, 348};

// Row of the popup that the screenshot shows hovered, by label.
struct HoverShown {
    const char* label;
    size_t row;
};
constexpr HoverShown kHovered[] = {{"CComboPopup", 5}, {"CComboLightingPopup", 2}};

std::u16string Wide(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

void FillDemoLibrary(MacroLibraryTree& library, MacroRecord& macro) {
    const MacroLocation games = library.AddFolder(MacroLocation::None(), u"Games");
    library.AddMacro(games, u"Jump and duck");
    library.AddMacro(games, u"Reload");
    library.AddFolder(MacroLocation::None(), u"Work");
    library.AddMacro(MacroLocation::None(), u"Signature");
    library.ItemAt(games)->IsOpen = 1;
    const MacroAction steps[] = {
        MacroAction::Key(0x11, false), MacroAction::Delay(50),       MacroAction::Key(0x43, false),
        MacroAction::Delay(120),       MacroAction::Key(0x43, true), {{0xE5, 0, 0, 0xF6}},
        {{0xE7, 0, 0, 0x02}},          MacroAction::Key(0x11, true),
    };
    uint32_t index = 0;
    for (const MacroAction& step : steps) {
        macro.InsertAction(index++, step);
    }
}

} // namespace

CGalleryDlg::CGalleryDlg(UiContext& ui, bool logNotifications)
    : CDlgBase(ui, 0, WindowKind::Main), logNotifications_(logNotifications) {
    SetWindowSize(ui.Scale(kBaseSize.width), ui.Scale(kBaseSize.height));
    FillDemoLibrary(library_, macro_);
    background_ = ui.GetPlatform().LoadResourceImage(kMainBackground);
    int width = 0;
    int height = 0;
    LoadSkinImage(ui.GetPlatform(), ui.SkinPath(u"skins\\Slider_bar.png"), sliderBar_, width,
                  height);
}

bool CGalleryDlg::OnInitDialog() {
    if (!CDlgBase::OnInitDialog()) {
        return false;
    }
    Ui().GetPlatform().Post(Window(), kOpenPopups, 0, 0);
    return true;
}

void CGalleryDlg::CreateControls(int, int, int, int) {
    if (ControlsCreated()) {
        return;
    }
    SetControlsCreated();
    CreateButtons();
    CreateGauges();
    CreateLists();
}

void CGalleryDlg::CreateButtons() {
    AddGalleryButtons(*this, 0);
}

void CGalleryDlg::CreateGauges() {
    UiContext& ui = Ui();
    auto* slider = Add<CSliderControl>(1, kSlider, ui.Scale({24, 340, 181, 353}), u"", 11,
                                       ui.Scale(6), ui.Scale(7));
    slider->LoadImage(u"skins\\Slider_Circle.png");
    slider->SetPos(4);
    auto* levelSlider =
        Add<CVerticalSliderControl>(1, kLevelSlider, ui.Scale({210, 335, 217, 467}), u"", 8, 0, 0);
    levelSlider->LoadImages(u"skins\\mouse\\dpi_bar_1.png", u"skins\\mouse\\dpi_bar_2.png");
    levelSlider->SetLevel(5);
    auto* levelShow =
        Add<CDPIValueShowControl>(1, kLevelShow, ui.Scale({230, 335, 237, 467}), u"", 8, 0, 0);
    levelShow->LoadImages(u"skins\\mouse\\dpi_bar_1.png", u"skins\\mouse\\dpi_bar_2.png");
    levelShow->SetLevel(1);
    const int modes[] = {CBattery::Normal, CBattery::Charging, CBattery::Full};
    for (int i = 0; i < 3; ++i) {
        const int left = 270 + i * 40;
        auto* battery =
            Add<CBattery>(1, CBattery::kIdentifier, ui.Scale({left, 340, left + 30, 401}), u"");
        battery->LoadImages(u"skins\\battery_full.png", u"skins\\battery_empty.png",
                            u"skins\\battery_charging.png", u"skins\\battery_lighting.png");
        battery->SetMode(modes[i]);
        battery->SetLevel(60);
    }
}

void CGalleryDlg::CreateLists() {
    UiContext& ui = Ui();
    auto* tree = Add<CEditShowList>(2, 0, ui.Scale({20, 490, 163, 759}), u"", library_, selection_);
    tree->LoadIcons(u"skins\\foldr_open.png", u"skins\\foldr_close.png");
    tree->SetSelectedRow(1);
    auto* steps = Add<CImageShowList>(2, 0, ui.Scale({190, 490, 333, 759}), u"");
    steps->LoadIcons(u"skins\\macro_time.png", u"skins\\macro_down.png", u"skins\\macro_up.png");
    steps->SetMacro(&macro_);
    steps->SetSelectedRow(2);
    auto* scroll = Add<CVScrollBar>(2, kScrollBar, ui.Scale({335, 490, 353, 761}), u"");
    scroll->LoadArrows();
    scroll->SetScrollInfo(0, steps->VisibleRows(), 20);
}

void CGalleryDlg::OpenPopups() {
    if (!popups_.empty()) {
        return;
    }
    UiContext& ui = Ui();
    Platform& platform = ui.GetPlatform();
    for (const PopupPlace& place : kPopups) {
        std::unique_ptr<CWndPopup> popup = place.make(ui);
        CWndPopup* raw = popup.get();
        const Point at{ui.Scale(place.at.x), ui.Scale(place.at.y)};
        const Point screen = platform.ClientToScreen(Window(), at);
        const WindowId id = CWndPopup::Open(std::move(popup), Window(),
                                            {screen.x, screen.y, screen.x + 1, screen.y + 1},
                                            kPopupMessage, popups_.size());
        if (id != 0) {
            popups_.push_back({raw, id, at});
        }
    }
}

std::unique_ptr<Image> CGalleryDlg::Render() {
    Platform& platform = Ui().GetPlatform();
    const Rect client = platform.ClientRect(Window());
    std::unique_ptr<Image> picture = platform.CreateImage({client.right, client.bottom});
    ShowGalleryButtonStates(*this);
    platform.PaintInto(*picture, [&](Surface& surface) {
        OnPaint(surface, client);
        for (size_t i = 0; i < popups_.size(); ++i) {
            const OpenPopup& open = popups_[i];
            if (!platform.IsWindow(open.window)) {
                continue;
            }
            for (const HoverShown& hovered : kHovered) {
                if (Wide(hovered.label) == Wide(kPopups[i].label)) {
                    auto* list = dynamic_cast<CListPopup*>(open.popup);
                    const Rect row = list->Items().at(hovered.row).row;
                    open.popup->OnMouseMove(0, {row.left + 4, row.top + 4});
                }
            }
            OffsetSurface placed(surface, open.at);
            open.popup->OnPaint(placed, platform.ClientRect(open.window));
        }
    });
    return picture;
}

void CGalleryDlg::Draw(Surface& surface, const Rect& client) {
    FillSolid(surface, client, kBackground);
    if (background_) {
        const Rect above{client.left, client.top, client.right, Ui().Scale(kBandTop)};
        surface.StretchBitmap(*background_, above, {0, 0, 1127, 740}, true);
    }
    DrawSkinImage(surface, sliderBar_, Ui().Scale(kSliderBar));
    const Font* font = DialogFont();
    for (const auto& captions :
         {std::span<const GalleryCaption>(kControlLabels), GalleryButtonCaptions()}) {
        for (const GalleryCaption& caption : captions) {
            DrawCaption(surface, Wide(caption.label), Ui().Scale(caption.at), font, kLabel,
                        kCaptionFormat);
        }
    }
    for (const PopupPlace& place : kPopups) {
        const Rect label = Ui().Scale(
            {place.at.x, place.at.y - kLabelHeight - 2, place.at.x + 200, place.at.y - 2});
        DrawCaption(surface, Wide(place.label), label, font, kLabel, kCaptionFormat);
    }
    DrawControls(surface, client);
}

intptr_t CGalleryDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == kOpenPopups) {
        OpenPopups();
        return 0;
    }
    if (logNotifications_) {
        Log(message, wParam, lParam);
    }
    // Selecting a radio changes the look of the other members of its group too.
    if (lParam == NotifyCode::Released && dynamic_cast<CRadioButton*>(FindControl(message))) {
        Invalidate();
    }
    return CDlgBase::OnMessage(message, wParam, lParam);
}

void CGalleryDlg::Log(uint32_t message, uintptr_t wParam, intptr_t lParam) const {
    if (message == kPopupMessage && lParam > 0xFFFF) {
        const auto* result = reinterpret_cast<const PopupResult*>(lParam);
        std::printf("choice %zu %02X %02X %02X\n", size_t(wParam), result->code.bytes[0],
                    result->code.bytes[1], result->code.bytes[2]);
    } else if (FindControl(message) != nullptr) {
        std::printf("notify %u %ld\n", message, long(lParam));
    } else if (message == kGalleryComboMessage) {
        std::printf("notify %zu %ld\n", size_t(wParam), long(lParam));
    } else {
        std::printf("message %u %zu %ld\n", message, size_t(wParam), long(lParam));
    }
    // A script reads the lines while the window runs.
    std::fflush(stdout);
}

void CGalleryDlg::OnMouseMove(uint32_t flags, Point point) {
    CDlgBase::OnMouseMove(flags, point);
    if ((flags & MouseFlag::LeftButton) == 0) {
        return;
    }
    if (auto* slider = dynamic_cast<CSliderControl*>(FindControl(kSlider))) {
        slider->DragTo(point.x, point.y);
    }
    if (auto* scroll = dynamic_cast<CVScrollBar*>(FindControl(kScrollBar))) {
        scroll->DragTo(point.x, point.y);
    }
}
