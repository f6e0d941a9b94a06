#pragma once

#include "app/AppModel.h"
#include "app/MainWindowView.h"
#include "app/NoticeDialogs.h"
#include "app/PlatformBridges.h"
#include "app/SupportSequence.h"
#include "device/DeviceEffects.h"
#include "device/DeviceSession.h"
#include "dialogs/OnScreenDisplay.h"

#include <memory>

class HidBus;

// The main window's life as an application: placing it, the tray icon and its menu, the hand-over
// from a second start, the device link with its timers, the on-screen display, the deferred save
// and the shutdown. The main window passes its messages, timers and keys here first.
class CorvexShell : public DeviceEffects {
  public:
    static constexpr uint32_t kTrayMessage = 1056;
    static constexpr int kTrayIconId = 128;
    static constexpr uint32_t kShowOsdMessage = 1067;
    static constexpr int kOpenCommand = 2075;
    static constexpr int kExitCommand = 2076;
    static constexpr int kStartNoticeTimerMs = 2000;

    CorvexShell(Platform& platform, AppModel& model, MainWindowView& view, NoticeDialogs& dialogs,
                HidBus& bus);

    // After the controls exist: place and show the window, reset the run state, tray icon, page
    // refresh, device notifications, cache priming and first scan, timer 80.
    void Start();
    // True when the message was the shell's; `result` is its answer.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    bool OnTimer(int id);
    // Pre-translation of a key-down: true swallows it.
    bool OnKeyDown(int vk);
    // The window is going: the pending save, then the tray icon.
    void Shutdown();

    DeviceSession& Session() { return session_; }
    const OnScreenDisplay& Osd() const { return *osd_; }
    int OfflineNoticeState() const { return noticeState_; }

    // ---- DeviceEffects ----
    void StartTimer(DeviceTimer timer, uint32_t ms) override;
    void RefreshPages() override { view_.RefreshPages(); }
    void ShowOnScreenDisplay() override;
    void OpenAttention(int textNumber) override { dialogs_.OpenAttention(textNumber); }
    void CloseSecondaryWindows() override;
    void ShowProgress(int textNumber) override { dialogs_.ShowProgress(textNumber); }
    void LaunchProgram(const std::u16string& path) override { platform_.ShellOpen(path); }
    void ShowConnection(const ConnectionDisplay& display) override {
        view_.ShowConnection(display);
    }
    void SensorChanged() override { view_.SensorChanged(); }
    bool OfflineNoticeShown() const override { return noticeState_ == 2; }

  private:
    WindowId Window() const { return view_.Window(); }
    void BringForward();
    void OnTray(intptr_t event);
    void Exit();
    void UpdateOfflineNotice();
    void UpdateBattery();

    Platform& platform_;
    AppModel& model_;
    MainWindowView& view_;
    NoticeDialogs& dialogs_;
    PlatformUiQueue queue_;
    PlatformDeviceClock clock_;
    DeviceSession session_;
    std::unique_ptr<OnScreenDisplay> osd_;
    SupportSequence support_;
    int noticeState_ = 0; // 1 notice hidden, 2 shown
    int batteryStep_ = 0;
};
