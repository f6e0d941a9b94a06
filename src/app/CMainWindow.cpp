#include "app/CMainWindow.h"

#include "dialogs/CAttentionDlg.h"
#include "dialogs/CProgressBarDlg.h"
#include "macro/MacroLibraryFile.h"
#include "mainwnd/ButtonChoice.h"
#include "settings/ButtonAssignment.h"
#include "ui/CBattery.h"
#include "ui/UiContext.h"

CMainWindow::CMainWindow(UiContext& ui, AppModel& model, HidBus& bus)
    : ShellHolder{CorvexShell(ui.GetPlatform(), model, *this, *this, bus)},
      CCorvexDlg(ui, Model{model.profiles, *model.settings, model.sensor,
                           shell.Session().Sync().Pending(), shell.Session().Status()}),
      model_(model) {
    SetTimerHandler([this](int id) { OnAnyTimer(id); });
}

namespace {

constexpr const char16_t* kSupportHeading = u"\u6280\u672F\u652F\u6301:";
constexpr const char16_t* kSupportContact =
    u"Technical support: write to support@corvex.example or visit https://corvex.example/.";

} // namespace

CMainWindow::~CMainWindow() = default;

bool CMainWindow::OnInitDialog() {
    if (!CCorvexDlg::OnInitDialog())
        return false;
    shell.Start();
    if (tick_)
        SetTimer(kTickTimer, kTickMs);
    return true;
}

intptr_t CMainWindow::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    if (shell.OnMessage(message, wParam, lParam, result))
        return result;
    if (message == MainControl::MacroManagerButton && lParam == NotifyCode::Released) {
        OnMacroManagerButton();
        return 0;
    }
    return CCorvexDlg::OnMessage(message, wParam, lParam);
}

void CMainWindow::OnMacroManagerButton() {
    LoadLibraryFile(LibraryFilePath(model_.folders.data), model_.library);
    if (MacroManagerClosed(model_.CurrentProfile(), shell.Session().Sync().Pending()))
        shell.Session().Sync().ApplyPendingChanges();
    CCorvexDlg::RefreshPages();
}

void CMainWindow::OnDestroyed() {
    shell.Shutdown();
    CCorvexDlg::OnDestroyed();
}

void CMainWindow::OnAnyTimer(int id) {
    if (id == kTickTimer && tick_) {
        tick_(kTickMs);
        return;
    }
    if (id == kLeftButtonWarningTimer) {
        ShowAttention(kLeftButtonWarningTextNumber);
        return;
    }
    shell.OnTimer(id);
}

void CMainWindow::ShowOfflineNotice(bool shown) {
    if (CControlBase* notice = FindControl(MainControl::OfflineNotice)) {
        notice->SetShown(shown);
        Invalidate(notice->GetRect());
    }
}

void CMainWindow::ShowBattery(const BatteryView& battery) {
    if (auto* gauge = dynamic_cast<CBattery*>(FindControl(MainControl::BatteryGauge))) {
        gauge->SetChargingLevel(battery.animationStep);
        gauge->SetLevel(uint8_t(battery.level));
        gauge->SetMode(battery.charge);
        Invalidate(gauge->GetRect());
    }
    if (CControlBase* text = FindControl(MainControl::BatteryText)) {
        text->SetText(battery.text);
        text->SetShown(battery.textVisible);
        Invalidate(text->GetRect());
    }
}

void CMainWindow::ShowProgress(int textNumber) {
    CProgressBarDlg progress(Ui(), Ui().Text(size_t(textNumber)));
    progress.DoModal();
}

void CMainWindow::ShowAttention(int textNumber) {
    ShowNotice(textNumber);
}

void CMainWindow::OpenAttention(int textNumber) {
    ForgetClosedNotices();
    auto notice = std::make_unique<CAttentionDlg>(Ui(), u"", Ui().Text(size_t(textNumber)), 0,
                                                  WindowKind::Notice);
    if (notice->Open())
        notices_.push_back(std::move(notice));
}

void CMainWindow::ShowSupportContact() {
    CAttentionDlg contact(Ui(), kSupportHeading, kSupportContact, Window());
    contact.DoModal();
}

std::vector<const CAttentionDlg*> CMainWindow::OpenNotices() const {
    std::vector<const CAttentionDlg*> open;
    for (const auto& notice : notices_)
        if (notice->Window() != 0)
            open.push_back(notice.get());
    return open;
}

void CMainWindow::ForgetClosedNotices() {
    std::erase_if(notices_, [](const auto& notice) { return notice->Window() == 0; });
}
