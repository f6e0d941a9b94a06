#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/ConnectionKind.h"

// Main-window timers the device link starts.
enum class DeviceTimer : uint32_t {
    ApplyPending = 30,    // 20 ms: ApplyPendingChanges
    OsdCountdown = 50,    // the on-screen display counts down
    DeferredSave = 70,    // 10 s: settings and all profiles are saved
    OfflineNotice = 80,   // receiver-offline notice and the no-device dialog
    BatteryDisplay = 110, // 1 s: battery display
    BleRescan = 120,      // 300 ms: scan again after the Bluetooth connection went
};

// What the status icon area shows after a scan.
struct ConnectionDisplay {
    std::optional<ConnectionKind> icon;   // the one visible icon; none when no kind is present
    bool performanceHeaderEnabled = true; // section header 3004
    // Ble has just become the connection: close header 3004 if open, apply the sections and
    // repaint the whole window before disabling it.
    bool collapsePerformanceHeader = false;
    // Receiver only: the maximum-rate class decides which polling-rate buttons are enabled
    // (8: 3034 to 3040, 4: 3034 to 3039, 1: leave them); 0 when not applicable.
    uint8_t receiverRateClass = 0;
};

// The effects of the device link that belong to the UI. The main window implements it; every
// call comes on the UI thread.
class DeviceEffects {
  public:
    virtual ~DeviceEffects() = default;

    virtual void StartTimer(DeviceTimer timer, uint32_t ms) = 0;
    // Refresh every page from the current profile.
    virtual void RefreshPages() = 0;
    // Message 1067: the on-screen display shows the current status.
    virtual void ShowOnScreenDisplay() = 0;
    // Non-modal attention dialog, always on top, with a numbered language text.
    virtual void OpenAttention(int textNumber) = 0;
    // WM_CLOSE to every window of the secondary-window table.
    virtual void CloseSecondaryWindows() = 0;
    // Modal progress dialog with a numbered language text.
    virtual void ShowProgress(int textNumber) = 0;
    // Shell "open" of a program path, normal show state.
    virtual void LaunchProgram(const std::u16string& path) = 0;
    virtual void ShowConnection(const ConnectionDisplay& display) = 0;
    // The sensor model changed and the DPI tables were rebuilt: show or hide section header
    // 3011, give the DPI value boxes the new step count, refresh and repaint everything.
    virtual void SensorChanged() = 0;
    // Whether the receiver-offline notice is on screen.
    virtual bool OfflineNoticeShown() const = 0;
};

// For programs without a window (the command-line tool, benchmarks): every effect is dropped.
class SilentDeviceEffects : public DeviceEffects {
  public:
    void StartTimer(DeviceTimer, uint32_t) override {}
    void RefreshPages() override {}
    void ShowOnScreenDisplay() override {}
    void OpenAttention(int) override {}
    void CloseSecondaryWindows() override {}
    void ShowProgress(int) override {}
    void LaunchProgram(const std::u16string&) override {}
    void ShowConnection(const ConnectionDisplay&) override {}
    void SensorChanged() override {}
    bool OfflineNoticeShown() const override { return false; }
};
