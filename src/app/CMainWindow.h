#pragma once

#include "app/AppModel.h"
#include "app/CorvexShell.h"
#include "app/MainWindowView.h"
#include "app/NoticeDialogs.h"
#include "mainwnd/CCorvexDlg.h"

#include <functional>
#include <memory>
#include <vector>

class CAttentionDlg;
class HidBus;

// Holds the shell ahead of the window base, so the window can hand the shell's pending flags to
// its pages while both are built.
struct ShellHolder {
    CorvexShell shell;
};

// The program's main window: the pages of CCorvexDlg driven by the application shell, which
// sees its messages, timers and keys first.
class CMainWindow : public MainWindowView,
                    public NoticeDialogs,
                    private ShellHolder,
                    public CCorvexDlg {
  public:
    CMainWindow(UiContext& ui, AppModel& model, HidBus& bus);
    ~CMainWindow() override;

    // Called every kTickMs on the UI thread while the window runs (the demo's emulated mouse).
    static constexpr int kTickTimer = 9001;
    static constexpr uint32_t kTickMs = 100;
    void SetTick(std::function<void(uint32_t ms)> tick) { tick_ = std::move(tick); }

    CorvexShell& Shell() { return shell; }
    // The non-modal attention dialogs whose windows are still open, oldest first.
    std::vector<const CAttentionDlg*> OpenNotices() const;

    // ---- MainWindowView ----
    WindowId Window() const override { return CDlgBase::Window(); }
    void RefreshPages() override { CCorvexDlg::RefreshPages(); }
    void ShowConnection(const ConnectionDisplay& display) override {
        CCorvexDlg::ShowConnection(display);
    }
    void SensorChanged() override { CCorvexDlg::SensorChanged(); }
    void ShowOfflineNotice(bool shown) override;
    void ShowBattery(const BatteryView& battery) override;
    void EndMainDialog() override { EndDialog(DialogResult::Ok); }

    // ---- NoticeDialogs ----
    void ShowAttention(int textNumber) override;
    void OpenAttention(int textNumber) override;
    void ShowSupportContact() override;
    void ShowProgress(int textNumber) override;

  protected:
    bool OnInitDialog() override;
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    bool OnKeyDown(int vk) override { return shell.OnKeyDown(vk); }
    void OnDestroyed() override;

  private:
    void OnAnyTimer(int id);
    // Button 2062: the library is read again, as the macro manager may have changed it; the
    // buttons go to the mouse again when one of them holds a macro.
    void OnMacroManagerButton();

    void ForgetClosedNotices();

    AppModel& model_;
    std::function<void(uint32_t)> tick_;
    // Non-modal notices live until their window goes; the next opening drops the closed ones.
    std::vector<std::unique_ptr<CAttentionDlg>> notices_;
};
