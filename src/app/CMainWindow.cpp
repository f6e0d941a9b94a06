#include "app/CMainWindow.h"

#include "dialogs/CProgressBarDlg.h"
#include "ui/UiContext.h"

CMainWindow::CMainWindow(UiContext& ui, AppModel& model, HidBus& bus)
    : ShellHolder{CorvexShell(ui.GetPlatform(), model, *this, *this, bus)},
      CCorvexDlg(ui, Model{model.profiles, *model.settings, model.sensor,
                           shell.Session().Sync().Pending()}) {
    SetTimerHandler([this](int id) { OnAnyTimer(id); });
}

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
    return CCorvexDlg::OnMessage(message, wParam, lParam);
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
    shell.OnTimer(id);
}

void CMainWindow::ShowConnection(const ConnectionDisplay& display) {
    if (display.receiverRateClass != 0)
        SetMaxRateClass(display.receiverRateClass);
    CCorvexDlg::RefreshPages();
}

void CMainWindow::ShowOfflineNotice(bool shown) {
    if (CControlBase* notice = FindControl(3024))
        notice->SetShown(shown);
}

void CMainWindow::ShowBattery(const BatteryView& battery) {
    if (CControlBase* text = FindControl(3405)) {
        text->SetText(battery.text);
        text->SetShown(battery.textVisible);
    }
}

void CMainWindow::ShowProgress(int textNumber) {
    CProgressBarDlg progress(Ui(), Ui().Text(size_t(textNumber)));
    progress.DoModal();
}
