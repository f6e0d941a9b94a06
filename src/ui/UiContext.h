#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/LanguageTexts.h"
#include "ui/RadioGroupState.h"

// What every skinned dialog and control of one process shares: the platform, the language
// texts (which also choose the control font), the program folder the skins lie in, the
// interface scale and the process-wide selection state of radios and profile tabs.
//
// One UiContext lives as long as the process's user interface (a test makes its own). It is
// passed by reference to every dialog and control; nothing in it is locked, it belongs to the UI
// thread.
class UiContext {
  public:
    // programFolder ends with the platform's separator; uiScale is 1, 1.5 or 2.
    UiContext(Platform& platform, const LanguageTexts& texts, std::u16string programFolder,
              float uiScale);

    Platform& GetPlatform() const { return platform_; }
    const LanguageTexts& Texts() const { return texts_; }
    // Numbered interface text; empty outside 0..499.
    const std::u16string& Text(size_t number) const { return texts_.Get(number); }
    const std::u16string& ProgramFolder() const { return programFolder_; }

    float UiScale() const { return uiScale_; }
    // A base-unit value in pixels: multiplied in 32-bit floating point, truncated toward zero.
    int Scale(int base) const { return static_cast<int>(static_cast<float>(base) * uiScale_); }
    // A base-unit rectangle placed in a client area whose top-left is origin (also in base
    // units); every edge is scaled and truncated separately.
    Rect Scale(const Rect& base, Point origin = {}) const;

    // The full path of a skin file given as the Parts write it ("skins\\check_nr.png"): the
    // program folder followed by the relative path with the program folder's separator.
    std::u16string SkinPath(std::u16string_view relative) const;

    // Control font settings (face, character set, height in pixels), read at construction.
    const LanguageTexts::Font& ControlFontSettings() const { return texts_.GetFont(); }

    // The process-wide radio selection word.
    RadioGroupState& RadioGroups() { return radioGroups_; }
    const RadioGroupState& RadioGroups() const { return radioGroups_; }
    // The process-wide working copy of the current profile index (0 to 4).
    int ProfileTabIndex() const { return profileTabIndex_; }
    void SetProfileTabIndex(int index) { profileTabIndex_ = index; }

  private:
    Platform& platform_;
    const LanguageTexts& texts_;
    std::u16string programFolder_;
    float uiScale_;
    RadioGroupState radioGroups_;
    int profileTabIndex_ = 0;
};
