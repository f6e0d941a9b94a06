#pragma once

#include "macro/MacroRecord.h"
#include "settings/ButtonFunction.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int kFirstKeyControl = 2013;
inline constexpr std::size_t kKeyCount = 16;
inline constexpr ButtonFunction kLeftButtonCode{{0x10, 0x01, 0x00}};
// Language texts of the left-button rule.
inline constexpr int kLeftButtonTextNumber = 20;
inline constexpr int kLeftButtonWarningTextNumber = 151;

inline constexpr ButtonFunction kNoFunctionCode{{0x00, 0x00, 0x00}};
inline constexpr ButtonFunction kMacroCode{{0x90, 0x00, 0x00}};
// One profile can hold this many different macros: the mouse has 15 macro slots.
inline constexpr std::size_t kMaxMacrosPerProfile = 15;
// Language texts of the macro item.
inline constexpr int kMacroPrefixTextNumber = 190;
inline constexpr int kNoFunctionTextNumber = 34;
inline constexpr int kTooManyMacrosTextNumber = 157;

// Key index of a button control: 2013-2028 give 0-15, any other identifier key 2.
std::size_t KeyIndexOfControl(int controlId);

// A plain left click: type 10 with exactly the left-button bit in byte 1.
bool IsLeftButton(const ButtonFunction& code);

bool IsMacroFunction(const ButtonFunction& code);

// Name and code to assign once the macro select dialog has closed with a choice.
struct MacroChoice {
    std::u16string name;
    ButtonFunction code;
    const MacroRecord* macro; // the library macro to copy, or nullptr
};

// `found` is the chosen library macro, or nullptr when it is gone from the library.
MacroChoice MacroSelectResult(const MacroRecord* found, std::u16string_view macroPrefix,
                              std::u16string_view noFunctionName);

// What the caller must do after `CheckLeftButton`.
enum class LeftButtonCheck {
    ButtonsPending,     // mark the buttons pending and start the apply timer
    LeftButtonRestored, // the key was made the left button again; warn the user, send nothing
};

// The templates below take the 16 key entries of a profile as any indexable range (array,
// span); each entry offers `Name`, `URL`, `Value`, `MacroKeyIndex` and
// `AssignMacro(const MacroRecord*)`.

// Stores a function on the key of a button control.
template <class Keys>
void AssignFunction(Keys&& keys, int controlId, std::u16string name, const ButtonFunction& code,
                    const MacroRecord* macro, std::u16string url) {
    auto& key = keys[KeyIndexOfControl(controlId)];
    key.Name = std::move(name);
    key.URL = std::move(url);
    key.Value = code;
    key.AssignMacro(macro);
    if (macro)
        key.MacroKeyIndex = macro->MacroKeyIndex;
}

// Keeps at least one left button: without one, the key just changed becomes it again.
template <class Keys>
LeftButtonCheck CheckLeftButton(Keys&& keys, int controlId, std::u16string_view leftButtonName) {
    const bool hasLeft =
        std::any_of(keys.begin(), keys.end(), [](const auto& k) { return IsLeftButton(k.Value); });
    if (hasLeft)
        return LeftButtonCheck::ButtonsPending;
    AssignFunction(keys, controlId, std::u16string(leftButtonName), kLeftButtonCode, nullptr, u"");
    return LeftButtonCheck::LeftButtonRestored;
}

// True when the macro item must refuse: the key holds no macro yet and the profile's buttons
// already use the most different macros the mouse can hold.
template <class Keys> bool MacroLimitReached(const Keys& keys, int controlId) {
    if (IsMacroFunction(keys[KeyIndexOfControl(controlId)].Value))
        return false;
    std::array<uint32_t, kKeyCount> ids{};
    std::size_t used = 0;
    for (const auto& k : keys) {
        const bool seen =
            std::find(ids.begin(), ids.begin() + used, k.MacroKeyIndex) != ids.begin() + used;
        if (IsMacroFunction(k.Value) && !seen)
            ids[used++] = k.MacroKeyIndex;
    }
    return used >= kMaxMacrosPerProfile;
}
