#pragma once

#include "dialogs/COSDDialog.h"

#include <memory>

class ProfileSettings;
class SensorTables;

// What the display shows for a profile: its current DPI level, that level's resolution and the
// polling rate.
OsdLines OsdLinesFor(const ProfileSettings& profile, const SensorTables& sensor);

// The main window's side of the display: creates it on the first change, restarts the countdown
// on every later one, and counts it down on the main window's timer 50.
class OnScreenDisplay {
  public:
    static constexpr int kTimerId = 50;
    static constexpr int kPeriodMs = 300;
    static constexpr int kCountdown = 5;

    OnScreenDisplay(Platform& platform, WindowId timerWindow, COSDDialog::Style style,
                    std::function<std::u16string()> profileName);

    void Show(OsdLines lines);
    // Timer 50. True when this tick closed the display: the caller may now let a waiting
    // upload run.
    bool OnTimer();

    bool IsShown() const { return dialog_ != nullptr; }
    int Countdown() const { return countdown_; }
    const COSDDialog* Dialog() const { return dialog_.get(); }

  private:
    Platform& platform_;
    WindowId timerWindow_;
    COSDDialog::Style style_;
    std::function<std::u16string()> profileName_;
    std::unique_ptr<COSDDialog> dialog_;
    int countdown_ = 0;
};
