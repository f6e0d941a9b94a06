#pragma once

#include "device/DeviceSync.h"
#include "settings/ButtonFunction.h"

#include <string>

class LanguageTexts;
class MacroRecord;
class ProfileSettings;

// Main-window timers of the button page.
inline constexpr int kLeftButtonWarningTimer = 20; // 100 ms, then the attention dialog
inline constexpr int kLeftButtonWarningMs = 100;
inline constexpr int kApplyTimer = 30;
inline constexpr int kApplyTimerMs = 20;

struct ButtonChoiceResult {
    int timer; // the one-shot timer to start: kApplyTimer or kLeftButtonWarningTimer
    int timerMs;
};

// A function chosen for a button control: stores it on the key of the current profile, then
// keeps at least one left button. With a left button left, the buttons become pending and the
// apply timer runs; otherwise the key is the left button again, nothing is pending, and the
// warning timer runs.
ButtonChoiceResult AssignButtonChoice(ProfileSettings& profile, int controlId, std::u16string name,
                                      const ButtonFunction& code, const MacroRecord* macro,
                                      std::u16string url, const LanguageTexts& texts,
                                      PendingFlags& pending);

// The macro manager has closed and the library was reloaded: the buttons of the current profile
// must be sent again at once when any of them holds a macro (its copy may have changed). True
// when the caller must apply the pending changes now.
bool MacroManagerClosed(const ProfileSettings& profile, PendingFlags& pending);
