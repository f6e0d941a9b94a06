#pragma once

#include "device/DeviceEffects.h"
#include "platform/Platform.h"

#include <string>

// What the battery gauge (3406) and its text (3405) show after a tick of timer 110.
struct BatteryView {
    int level = 0;
    int charge = 0;
    int animationStep = 0;
    std::u16string text; // "85%"
    bool textVisible = true;
    friend bool operator==(const BatteryView&, const BatteryView&) = default;
};

// The main window's pages and controls as the application shell drives them.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual WindowId Window() const = 0;
    virtual void RefreshPages() = 0;
    virtual void ShowConnection(const ConnectionDisplay& display) = 0;
    virtual void SensorChanged() = 0;
    // The receiver-offline notice, text control 3024.
    virtual void ShowOfflineNotice(bool shown) = 0;
    virtual void ShowBattery(const BatteryView& battery) = 0;
    // Ends the main window's modal run with OK.
    virtual void EndMainDialog() = 0;
};
