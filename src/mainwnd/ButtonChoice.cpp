#include "mainwnd/ButtonChoice.h"

#include "settings/ButtonAssignment.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileSettings.h"

ButtonChoiceResult AssignButtonChoice(ProfileSettings& profile, int controlId, std::u16string name,
                                      const ButtonFunction& code, const MacroRecord* macro,
                                      std::u16string url, const LanguageTexts& texts,
                                      PendingFlags& pending) {
    AssignFunction(profile.Keys, controlId, std::move(name), code, macro, std::move(url));
    if (CheckLeftButton(profile.Keys, controlId, texts.Get(kLeftButtonTextNumber)) ==
        LeftButtonCheck::LeftButtonRestored)
        return {kLeftButtonWarningTimer, kLeftButtonWarningMs};
    pending.buttons = true;
    return {kApplyTimer, kApplyTimerMs};
}

bool MacroManagerClosed(const ProfileSettings& profile, PendingFlags& pending) {
    for (const KeyAssignment& key : profile.Keys)
        if (IsMacroFunction(key.Value)) {
            pending.buttons = true;
            return true;
        }
    return false;
}
