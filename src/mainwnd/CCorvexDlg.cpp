#include "mainwnd/CCorvexDlg.h"

#include "device/SensorTable.h"
#include "dialogs/CAttentionDlg.h"
#include "mainwnd/ButtonChoice.h"
#include "mainwnd/MainWindowColumn.h"
#include "mainwnd/SectionRule.h"
#include "settings/ButtonAssignment.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"
#include "ui/CBattery.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"
#include "ui/CColorSelectCheckButton.h"
#include "ui/CComboButton.h"
#include "ui/CComboPopup.h"
#include "ui/CDPILockPopup.h"
#include "ui/CDPIPopup.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CImageButton.h"
#include "ui/CLevelBar.h"
#include "ui/CLinkButton.h"
#include "ui/CMultimediaPopup.h"
#include "ui/COfficePopup.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CSliderControl.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/CTabControl.h"
#include "ui/CWindowsManagePopup.h"
#include "ui/UiContext.h"

#include <algorithm>
#include <memory>

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kBackgroundResource = 364;
constexpr std::array<int, 5> kSwitches{3501, 3504, 3540, 3541, 3542};
// Lighting controls the page keeps invisible while the section is open.
constexpr std::array<int, 12> kHiddenLighting{3161, 3190, 3191, 3200, 3210, 3163,
                                              3220, 3230, 3240, 3250, 3162, 3164};

// The sliders whose positions the pages keep.
struct SliderValue {
    int id;
    int PageValues::*stop;
};
constexpr std::array<SliderValue, 6> kSliderValues{{
    {3200, &PageValues::speedStop},
    {3220, &PageValues::brightnessStop},
    {3530, &PageValues::debounceStop},
    {2041, &PageValues::wheelSpeedStop},
    {2043, &PageValues::pointerSpeedStop},
    {2044, &PageValues::doubleClickStop},
}};

// Rows of the function menu and its sub-lists, one pixel of frame above and below.
constexpr int kMenuWidth = 162;
constexpr int kMenuRow = 22;
constexpr int kMainMenuRows = 17;
// The function menu in slot 0, the sub-list beside it in slot 1.
constexpr int kMenuSlot = 0;
constexpr int kSubmenuSlot = 1;

struct SubmenuPopup {
    ButtonSubmenu submenu;
    std::unique_ptr<CWndPopup> (*make)(UiContext&);
};

template <class Popup> std::unique_ptr<CWndPopup> MakePopup(UiContext& ui) {
    return std::make_unique<Popup>(ui);
}

constexpr std::array<SubmenuPopup, 5> kSubmenuPopups{{
    {ButtonSubmenu::Dpi, MakePopup<CDPIPopup>},
    {ButtonSubmenu::Multimedia, MakePopup<CMultimediaPopup>},
    {ButtonSubmenu::Office, MakePopup<COfficePopup>},
    {ButtonSubmenu::Windows, MakePopup<CWindowsManagePopup>},
    {ButtonSubmenu::DpiLock, MakePopup<CDPILockPopup>},
}};

// The function menu's items that open a dialog of their own; the menu closes before it.
bool IsDialogItemMessage(uint32_t message) {
    return message == CComboPopup::kOpenFireKey || message == CComboPopup::kOpenMacroSelect ||
           message == CComboPopup::kOpenShortcut || message == CComboPopup::kOpenQuickLaunch;
}

int SubmenuRows(ButtonSubmenu submenu) {
    return submenu == ButtonSubmenu::DpiLock ? int(DpiLockMenu().size())
                                             : int(SubmenuItems(submenu).size());
}

std::u16string Skin(const std::u16string& relative) {
    std::u16string path = u"skins\\" + relative;
    for (char16_t& c : path)
        if (c == u'/')
            c = u'\\';
    return path;
}

} // namespace

CCorvexDlg::CCorvexDlg(UiContext& ui, Model model)
    : CDlgBase(ui, 0, WindowKind::Main), model_(model) {
    SetWindowSize(ui.Scale(kMainWindowBaseSize.width), ui.Scale(kMainWindowBaseSize.height));
}

bool CCorvexDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    ShowSections();
    RefreshPages();
    return true;
}

CControlBase* CCorvexDlg::CreateControl(const ControlEntry& entry, const Rect& rect) {
    const ControlFlags flags{true, entry.display == Display::Shown, entry.disabled};
    std::u16string text =
        (entry.textNumber ? Ui().Text(size_t(entry.textNumber)) : entry.fixedText) +
        entry.textSuffix;
    const unsigned id = unsigned(entry.id);
    const uint32_t format = entry.textFormat;
    const int list = entry.list;
    switch (entry.kind) {
    case ControlKind::ImageButton:
        return Add<CImageButton>(list, id, rect, text, format, flags);
    case ControlKind::CheckButton: {
        auto* check = Add<CCheckButton>(list, id, rect, text, format, flags);
        check->SetCheck(entry.checked);
        if (entry.whiteCheckedText)
            check->SetCheckedTextColor(kWhite);
        return check;
    }
    case ControlKind::RadioButton:
        return Add<CRadioButton>(list, id, rect, text, flags);
    case ControlKind::DpiRadioButton:
        return Add<CDPIRadioButton>(list, id, rect, text, flags);
    case ControlKind::ColorSelectButton:
        return Add<CColorSelectButton>(list, id, rect, text, rect, flags);
    case ControlKind::ColorSelectCheckButton:
        return Add<CColorSelectCheckButton>(list, id, rect, text, flags);
    case ControlKind::ComboButton:
        return Add<CComboButton>(list, uint32_t(entry.message), id, rect, u"", format, flags, text);
    case ControlKind::LinkButton:
        return Add<CLinkButton>(list, id, rect, text, format, flags);
    case ControlKind::PowerManageButton:
        return Add<CPowerManageButton>(list, id, rect, text, format, flags);
    case ControlKind::TabControl:
        return Add<CTabControl>(list, id, rect, u"", format, text, flags);
    case ControlKind::StaticImage:
        return Add<CStaticImage>(list, id, rect, text, flags);
    case ControlKind::StaticText:
        return Add<CStaticText>(list, id, rect, text, entry.textColour, format, flags);
    case ControlKind::Slider:
        return CreateSlider(entry, rect, flags);
    case ControlKind::VerticalSlider:
        return CreateLevelBar<CVerticalSliderControl>(entry, rect, flags);
    case ControlKind::DpiValueShow:
        return CreateLevelBar<CDPIValueShowControl>(entry, rect, flags);
    case ControlKind::Battery: {
        auto* battery = Add<CBattery>(list, id, rect, text, flags);
        if (entry.pictures.size() == 4)
            battery->LoadImages(Skin(entry.pictures[0]), Skin(entry.pictures[1]),
                                Skin(entry.pictures[2]), Skin(entry.pictures[3]));
        return battery;
    }
    }
    return nullptr;
}

CControlBase* CCorvexDlg::CreateSlider(const ControlEntry& entry, const Rect& rect,
                                       ControlFlags flags) {
    auto* slider = Add<CSliderControl>(entry.list, unsigned(entry.id), rect, u"", entry.stops,
                                       Ui().Scale(entry.marginA), Ui().Scale(entry.marginB), flags);
    if (!entry.pictures.empty())
        slider->LoadImage(Skin(entry.pictures[0]));
    slider->SetPos(entry.initial);
    return slider;
}

template <class Bar>
CControlBase* CCorvexDlg::CreateLevelBar(const ControlEntry& entry, const Rect& rect,
                                         ControlFlags flags) {
    // Without a count of its own a bar has one level per DPI step of the sensor.
    const int levels = entry.stops ? entry.stops : int(model_.sensor.DpiStepCount());
    auto* bar = Add<Bar>(entry.list, unsigned(entry.id), rect, u"", levels,
                         Ui().Scale(entry.marginA), Ui().Scale(entry.marginB), flags);
    if (entry.pictures.size() == 2)
        bar->LoadImages(Skin(entry.pictures[0]), Skin(entry.pictures[1]));
    return bar;
}

void CCorvexDlg::CreateControls(int left, int top, int, int) {
    if (ControlsCreated())
        return;
    SetControlsCreated();
    clientOrigin_ = {left, top};
    for (const ControlEntry& entry : MainWindowControls()) {
        CControlBase* control =
            CreateControl(entry, ScaleRect(clientOrigin_, entry.rect, Ui().UiScale()));
        if (!control)
            continue;
        if (auto* button = dynamic_cast<CButtonBase*>(control)) {
            for (size_t slot = 0; slot < entry.pictures.size(); ++slot)
                button->LoadPicture(slot, Skin(entry.pictures[slot]));
            if (entry.leftInset)
                button->SetTextInsets(Ui().Scale(entry.leftInset), 0);
        }
        if (entry.font != FontKind::Control)
            control->SetFont(FontHeight(entry.font, Ui().UiScale()), u"Tahoma");
        if (entry.id == 3400 && !mouseViews_[1])
            mouseViews_[mouseViews_[0] ? 1 : 0] = control;
    }
}

bool CCorvexDlg::IsSectionOpen(int header) const {
    const auto* check = dynamic_cast<const CCheckButton*>(Control(header));
    return check && check->GetCheck();
}

void CCorvexDlg::Draw(Surface& surface, const Rect& client) {
    const float s = Ui().UiScale();
    Platform& platform = Ui().GetPlatform();
    surface.Fill(client, BackgroundColour());
    if (auto background = platform.LoadResourceImage(kBackgroundResource)) {
        const Size size = background->GetSize();
        surface.StretchBitmap(
            *background,
            {0, 0, Ui().Scale(kMainWindowBaseSize.width), Ui().Scale(kMainWindowBaseSize.height)},
            {0, 0, size.width, size.height}, true);
    }
    const auto isOpen = [this](int header) { return IsSectionOpen(header); };
    // Shown as well as hidden here: a sensor with the lift-off page may already be the stored
    // one at start, and its column space must not stay an empty gap.
    const bool sensorPage = model_.sensor.SensorPageShown();
    if (auto* header = Control(MainControl::LiftOffHeader))
        header->SetShown(sensorPage);
    const ColumnPlan plan = PlanMainWindow(isOpen, sensorPage, model_.status.rateClass, s, client);
    if (auto frame = platform.LoadImageFile(Ui().SkinPath(u"skins\\Frame_Lighting_Setting.bmp"))) {
        const Size size = frame->GetSize();
        for (const Rect& panel : plan.panels)
            surface.StretchBitmap(*frame, panel, {0, 0, size.width, size.height}, true);
    }
    for (const auto& [id, rect] : plan.headers)
        if (auto* header = Control(id))
            header->SetRect(rect);
    for (const auto& [id, rect] : plan.controls)
        if (auto* control = Control(id))
            control->SetRect(rect);
    DrawControls(surface, client);
}

void CCorvexDlg::ShowSections() {
    for (const SectionEntry& section : Sections()) {
        const bool open = IsSectionOpen(section.header);
        for (const ControlEntry& entry : MainWindowControls())
            if (entry.list == section.list)
                if (CControlBase* control = Control(entry.id))
                    control->SetVisible(open);
    }
}

void CCorvexDlg::HeaderReleased(int header) {
    if (IsSectionOpen(header))
        for (int other : HeadersToCloseOnOpen(header, [this](int h) { return IsSectionOpen(h); }))
            if (auto* check = dynamic_cast<CCheckButton*>(Control(other)))
                check->SetCheck(false);
    ShowSections();
    RefreshPages();
}

ProfileSettings& CCorvexDlg::CurrentProfile() {
    return model_.profiles[model_.settings.GetCurrentProfile()];
}

void CCorvexDlg::RefreshPages() {
    Ui().SetProfileTabIndex(int(model_.settings.GetCurrentProfile()));
    values_.radioWord = Ui().RadioGroups().Word();
    RefreshPageValues(CurrentProfile(), model_.sensor, model_.status.rateClass, Ui().Texts(),
                      values_);
    ApplyValues();
    Invalidate();
}

void CCorvexDlg::ApplyValues() {
    for (size_t k = 0; k < values_.buttonNames.size(); ++k)
        if (auto* combo = dynamic_cast<CComboButton*>(Control(kFirstKeyControl + int(k))))
            combo->SetValueText(values_.buttonNames[k]);
    for (int i = 0; i < PageValues::kLevels; ++i) {
        if (auto* level = dynamic_cast<CCheckButton*>(Control(3260 + i)))
            level->SetCheck(values_.levelEnabled[i]);
        if (auto* label = dynamic_cast<CDPIRadioButton*>(Control(3290 + i))) {
            label->SetValue(int(values_.labelValue[i]));
            label->SetTextColor(values_.labelColour[i]);
            label->SetDisabled(values_.labelDisabled[i]);
        }
        if (auto* colour = dynamic_cast<CColorSelectButton*>(Control(3270 + i)))
            colour->SetColor(values_.levelColour[i]);
        if (auto* box = dynamic_cast<CLevelBar*>(Control(MainControl::FirstValueBox + i))) {
            box->SetLevel(values_.valueX[i]);
            box->SetSecondValue(values_.valueY[i]);
        }
    }
    for (const SliderValue& slider : kSliderValues)
        if (auto* control = dynamic_cast<CSliderControl*>(Control(slider.id)))
            control->SetPos(values_.*slider.stop);
    Ui().RadioGroups().SetWord(values_.radioWord);
    for (const auto& [id, shown] : values_.pollingShown)
        if (auto* control = Control(id))
            control->SetShown(shown);
    const bool lightingOpen = IsSectionOpen(3002);
    if (auto* effect = dynamic_cast<CComboButton*>(Control(3120))) {
        effect->SetValueText(values_.effectName);
        effect->SetVisible(lightingOpen);
    }
    for (int i = 0; i < PageValues::kSlots; ++i)
        if (auto* slot = dynamic_cast<CColorSelectCheckButton*>(Control(3180 + i))) {
            slot->SetColor(values_.slotColour[i]);
            slot->SetMarked(values_.slotChecked[i]);
            if (lightingOpen)
                slot->SetVisible(false);
        }
    if (lightingOpen)
        for (int id : kHiddenLighting)
            if (auto* control = Control(id))
                control->SetVisible(false);
    if (auto* speed = dynamic_cast<CStaticText*>(Control(3210)))
        speed->SetDisplayText(values_.speedLabel);
    if (auto* brightness = dynamic_cast<CStaticText*>(Control(3230)))
        brightness->SetDisplayText(values_.brightnessLabel);
    for (const auto& [id, on] : values_.switches)
        if (auto* check = dynamic_cast<CCheckButton*>(Control(id)))
            check->SetCheck(on);
    if (auto* dial = dynamic_cast<CPowerManageButton*>(Control(3500)))
        dial->SelectValue(values_.powerValue);
    if (auto* label = dynamic_cast<CStaticText*>(Control(3407)))
        label->SetDisplayText(values_.powerLabel);
}

void CCorvexDlg::ReadValues() {
    values_.radioWord = Ui().RadioGroups().Word();
    for (int id : kSwitches)
        if (auto* check = dynamic_cast<CCheckButton*>(Control(id)))
            values_.switches[id] = check->GetCheck();
    if (auto* acceleration = dynamic_cast<CCheckButton*>(Control(2030)))
        values_.switches[2030] = acceleration->GetCheck();
    for (int i = 0; i < PageValues::kLevels; ++i)
        if (auto* level = dynamic_cast<CCheckButton*>(Control(3260 + i)))
            values_.levelEnabled[i] = level->GetCheck();
    if (auto* dial = dynamic_cast<CPowerManageButton*>(Control(3500)))
        values_.powerValue = dial->Value();
    for (const SliderValue& slider : kSliderValues)
        if (auto* control = dynamic_cast<CSliderControl*>(Control(slider.id)))
            values_.*slider.stop = control->GetPos();
}

void CCorvexDlg::CollectPages() {
    Ui().SetProfileTabIndex(int(model_.settings.GetCurrentProfile()));
    ReadValues();
    CollectPageValues(values_, CurrentProfile());
}

void CCorvexDlg::ButtonNotified(int controlId, intptr_t code) {
    const int key = controlId - kFirstKeyControl;
    if (key < 0 || key >= int(kKeyCount))
        return;
    if (code == 2)
        return OpenFunctionMenu(controlId);
    if (code == 4)
        highlight_.PointerEntered(key);
    else if (code == 5)
        highlight_.PointerLeft();
    else
        return;
    mouseViews_[0]->SetShown(!highlight_.SecondView());
    mouseViews_[1]->SetShown(highlight_.SecondView());
    Invalidate(mouseViews_[0]->GetRect());
}

intptr_t CCorvexDlg::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == ButtonMenuMsg::ButtonNotify) {
        ButtonNotified(int(wParam), lParam);
        return 0;
    }
    if (message == ButtonMenuMsg::Selection && lParam != 0 && menu_.IsOpen()) {
        const auto& result = *reinterpret_cast<const PopupResult*>(lParam);
        const int control = menu_.Choose();
        if (auto* combo = dynamic_cast<CComboButton*>(Control(control)))
            combo->SetPopupOpen(false);
        AssignButton(control, result.text, result.code);
        return 0;
    }
    if (menu_.IsOpen() && IsDialogItemMessage(message)) {
        DialogItemChosen(message);
        return 0;
    }
    if (message == ButtonMenuMsg::Dismissed && menu_.MainDismissed()) {
        CloseFunctionMenu();
        return 0;
    }
    if (menu_.IsOpen() && SubmenuOfHoverMessage(message)) {
        if (const auto submenu = menu_.Hover(message))
            ShowSubmenu(*submenu, int(lParam));
        return 0;
    }
    if (menu_.IsOpen() && menu_.Submenu() != ButtonSubmenu::None &&
        message == SubmenuDismissMessage(menu_.Submenu())) {
        SubmenuDismissed();
        return 0;
    }
    if (SectionList(int(message)) != 0 && lParam == 2) {
        HeaderReleased(int(message));
        return 0;
    }
    return CDlgBase::OnMessage(message, wParam, lParam);
}

void CCorvexDlg::AssignButton(int controlId, std::u16string name, const ButtonFunction& code,
                              const MacroRecord* macro, std::u16string url) {
    const ButtonChoiceResult result =
        AssignButtonChoice(CurrentProfile(), controlId, std::move(name), code, macro,
                           std::move(url), Ui().Texts(), model_.pending);
    for (int slot = 0; slot < kPopupSlots; ++slot)
        ClosePopup(slot);
    SetTimer(result.timer, result.timerMs);
    RefreshPages();
}

void CCorvexDlg::DialogItemChosen(uint32_t message) {
    const int control = menu_.Choose();
    CloseFunctionMenu();
    if (message == CComboPopup::kOpenMacroSelect &&
        MacroLimitReached(CurrentProfile().Keys, control))
        ShowNotice(kTooManyMacrosTextNumber);
}

void CCorvexDlg::ShowNotice(int textNumber) {
    CAttentionDlg notice(Ui(), u"", Ui().Text(size_t(textNumber)), Window());
    notice.DoModal();
}

void CCorvexDlg::OnTimer(int id) {
    if (id == kLeftButtonWarningTimer || id == kApplyTimer)
        KillTimer(id);
    if (timerHandler_)
        timerHandler_(id);
}

void CCorvexDlg::OpenFunctionMenu(int controlId) {
    auto* combo = dynamic_cast<CComboButton*>(Control(controlId));
    if (!combo)
        return;
    for (int slot = 0; slot < kPopupSlots; ++slot)
        ClosePopup(slot);
    combo->SetPopupOpen(true);
    menu_.Open(controlId);
    // One pixel above and below the seventeen rows.
    const Size size{Ui().Scale(kMenuWidth), Ui().Scale(2 + kMainMenuRows * kMenuRow)};
    const Point at = PopupOrigin(combo->GetRect(), size, Ui().Scale(kMainWindowBaseSize.height));
    const Point screen = Ui().GetPlatform().ClientToScreen(Window(), at);
    SetPopup(kMenuSlot,
             CWndPopup::Open(std::make_unique<CComboPopup>(Ui()), Window(),
                             {screen.x, screen.y, screen.x + size.width, screen.y + size.height},
                             ButtonMenuMsg::Selection, uintptr_t(controlId)));
}

void CCorvexDlg::CloseFunctionMenu() {
    for (int id = kFirstKeyControl; id < kFirstKeyControl + int(kKeyCount); ++id)
        if (auto* combo = dynamic_cast<CComboButton*>(Control(id)))
            combo->SetPopupOpen(false);
    for (int slot = 0; slot < kPopupSlots; ++slot)
        ClosePopup(slot);
    Invalidate();
}

void CCorvexDlg::ShowSubmenu(ButtonSubmenu submenu, int item) {
    ClosePopup(kSubmenuSlot);
    const auto entry = std::ranges::find(kSubmenuPopups, submenu, &SubmenuPopup::submenu);
    const WindowId menu = Popup(kMenuSlot);
    if (entry == kSubmenuPopups.end() || menu == 0 || item < 1)
        return;
    Platform& platform = Ui().GetPlatform();
    // Beside the hovered row, kept above the main window's bottom edge like the menu itself.
    const Rect menuRect = platform.WindowRect(menu);
    const int rowTop = menuRect.top + Ui().Scale(1 + (item - 1) * kMenuRow);
    const Size size{Ui().Scale(kMenuWidth), Ui().Scale(2 + SubmenuRows(submenu) * kMenuRow)};
    const int windowBottom =
        platform.ClientToScreen(Window(), {0, Ui().Scale(kMainWindowBaseSize.height)}).y;
    const Point at =
        PopupOrigin({menuRect.left, rowTop, menuRect.right, rowTop}, size, windowBottom);
    SetPopup(kSubmenuSlot, CWndPopup::Open(entry->make(Ui()), Window(),
                                           {at.x, at.y, at.x + size.width, at.y + size.height},
                                           ButtonMenuMsg::Selection, uintptr_t(menu_.Control())));
}

void CCorvexDlg::SubmenuDismissed() {
    const WindowId menu = Popup(kMenuSlot);
    Platform& platform = Ui().GetPlatform();
    const bool overMenu = menu != 0 && platform.WindowRect(menu).Contains(platform.CursorPos());
    if (menu_.SubmenuDismissed(overMenu))
        CloseFunctionMenu();
    else
        ClosePopup(kSubmenuSlot);
}
