#include "app/CorvexShell.h"

#include "app/ScreenScale.h"
#include "dialogs/SecondaryWindowTable.h"
#include "ui/CControlBase.h"

#include <string>

namespace {

constexpr int kVkReturn = 13;
constexpr int kVkEscape = 27;
constexpr int kOpenText = 1;
constexpr int kExitText = 2;
constexpr int kNoDeviceText = 155;

// The close and minimise buttons of the title area: the window goes, the program stays in the
// tray.
bool IsHideButton(uint32_t message) {
    return message == 2001 || message == 2002 || message == 2048;
}

DeviceContext ContextOf(AppModel& model) {
    return {*model.settings, model.profiles, *model.profileFiles,
            model.texts,     model.sensor,   model.library};
}

} // namespace

CorvexShell::CorvexShell(Platform& platform, AppModel& model, MainWindowView& view,
                         NoticeDialogs& dialogs, HidBus& bus)
    : platform_(platform), model_(model), view_(view), dialogs_(dialogs), queue_(platform),
      clock_(platform), session_(bus, queue_, *this, clock_, ContextOf(model)) {}

void CorvexShell::Start() {
    const WindowId window = Window();
    // The display belongs to the main window, which exists only from here on.
    const auto& font = model_.texts.GetFont();
    osd_ = std::make_unique<OnScreenDisplay>(
        platform_, window, COSDDialog::Style{model_.uiScale, font.face, font.charset},
        [this] { return model_.CurrentProfile().SettingPairs[0].value; });
    platform_.SetWindowRect(
        window, ScreenScale::MainWindowRect(platform_.FullScreenSize(), model_.uiScale));
    platform_.Show(window, ShowCommand::Show);

    SecondaryWindows().Clear();
    session_.Status() = DeviceStatus{};
    session_.Status().deviceOnline = true;
    session_.Sync().Pending() = PendingFlags{};
    session_.Sync().ClearDeferredSave();
    noticeState_ = 0;

    platform_.AddTrayIcon(window, kTrayIconId, u"Vantor Mouse", kTrayMessage);
    view_.RefreshPages();
    session_.Start();
    if (session_.Link().AnyPresent())
        view_.RefreshPages();
    platform_.SetTimer(window, static_cast<int>(DeviceTimer::OfflineNotice), kStartNoticeTimerMs);
    platform_.SetHandOverWindow(window, 2999);
}

bool CorvexShell::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    result = 0;
    if (IsHideButton(message) && lParam == NotifyCode::Released) {
        platform_.Show(Window(), ShowCommand::Hide);
        return true;
    }
    switch (message) {
    case 2999:
        BringForward();
        return true;
    case kTrayMessage:
        if (wParam == kTrayIconId)
            OnTray(lParam);
        return true;
    case kShowOsdMessage:
        if (wParam == 1 && osd_)
            osd_->Show(OsdLinesFor(model_.CurrentProfile(), model_.sensor));
        return true;
    case Msg::Command:
        if ((wParam & 0xFFFF) == kOpenCommand) {
            BringForward();
            return true;
        }
        if ((wParam & 0xFFFF) == kExitCommand) {
            Exit();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool CorvexShell::OnTimer(int id) {
    const WindowId window = Window();
    switch (static_cast<DeviceTimer>(id)) {
    case DeviceTimer::ApplyPending:
        platform_.KillTimer(window, id);
        session_.Sync().ApplyPendingChanges();
        return true;
    case DeviceTimer::OsdCountdown:
        if (osd_ && osd_->OnTimer())
            session_.Sync().OnDisplayClosed();
        return true;
    case DeviceTimer::DeferredSave:
        platform_.KillTimer(window, id);
        session_.Sync().ClearDeferredSave();
        model_.SaveAll();
        return true;
    case DeviceTimer::OfflineNotice:
        platform_.KillTimer(window, id);
        UpdateOfflineNotice();
        return true;
    case DeviceTimer::BatteryDisplay:
        UpdateBattery();
        return true;
    case DeviceTimer::BleRescan:
        platform_.KillTimer(window, id);
        session_.Link().RescanAfterBleLoss();
        return true;
    }
    return false;
}

bool CorvexShell::OnKeyDown(int vk) {
    if (vk == kVkReturn || vk == kVkEscape) {
        support_.Reset();
        return true;
    }
    if (support_.OnKey(vk))
        dialogs_.ShowSupportContact();
    return false;
}

void CorvexShell::Shutdown() {
    const WindowId window = Window();
    if (platform_.IsTimerArmed(window, static_cast<int>(DeviceTimer::DeferredSave)) ||
        session_.Sync().DeferredSavePending()) {
        platform_.KillTimer(window, static_cast<int>(DeviceTimer::DeferredSave));
        session_.Sync().ClearDeferredSave();
        model_.SaveAll();
    }
    platform_.RemoveTrayIcon(window);
}

void CorvexShell::StartTimer(DeviceTimer timer, uint32_t ms) {
    platform_.SetTimer(Window(), static_cast<int>(timer), static_cast<int>(ms));
}

void CorvexShell::ShowOnScreenDisplay() {
    platform_.Post(Window(), kShowOsdMessage, 1, 0);
}

void CorvexShell::CloseSecondaryWindows() {
    SecondaryWindows().CloseAll(platform_);
}

void CorvexShell::BringForward() {
    platform_.Show(Window(), ShowCommand::Foreground);
}

void CorvexShell::OnTray(intptr_t event) {
    if (event == TrayEvent::LeftUp) {
        BringForward();
    } else if (event == TrayEvent::RightUp) {
        platform_.PopupMenu(Window(),
                            {{kOpenCommand, model_.texts.Get(kOpenText)},
                             {0, u""},
                             {kExitCommand, model_.texts.Get(kExitText)}},
                            platform_.CursorPos());
    }
}

void CorvexShell::Exit() {
    CloseSecondaryWindows();
    view_.EndMainDialog();
}

void CorvexShell::UpdateOfflineNotice() {
    if (session_.Sync().MouseReachable()) {
        if (noticeState_ != 1) {
            noticeState_ = 1;
            view_.ShowOfflineNotice(false);
        }
    } else if (session_.Link().CommandOpen(ConnectionKind::Receiver)) {
        if (noticeState_ != 2) {
            noticeState_ = 2;
            view_.ShowOfflineNotice(true);
        }
    } else {
        session_.Link().SetAttentionPending();
        dialogs_.OpenAttention(kNoDeviceText);
    }
}

void CorvexShell::UpdateBattery() {
    DeviceStatus& status = session_.Status();
    if (status.battery > 100)
        status.battery = 0;
    batteryStep_ += 25;
    if (batteryStep_ > 100)
        batteryStep_ = 25;
    const std::string text = std::to_string(status.battery) + "%";
    view_.ShowBattery({status.battery, status.charge, batteryStep_,
                       std::u16string(text.begin(), text.end()), status.charge != 1});
}
