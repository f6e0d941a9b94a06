#pragma once

#include "macro/MacroRecord.h"
#include "settings/ButtonFunction.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

inline constexpr int kFirstKeyControl = 2013;
inline constexpr std::size_t kKeyCount = 16;
inline constexpr ButtonFunction kLeftButtonCode{{0x10, 0x01, 0x00}};
// Language texts of the left-button rule.
inline constexpr int kLeftButtonTextNumber = 20;
inline constexpr int kLeftButtonWarningTextNumber = 151;

// Key index of a button control: 2013-2028 give 0-15, any other identifier key 2.
std::size_t KeyIndexOfControl(int controlId);

// A plain left click: type 10 with exactly the left-button bit in byte 1.
bool IsLeftButton(const ButtonFunction& code);

// What the caller must do after `CheckLeftButton`.
enum class LeftButtonCheck {
    ButtonsPending,     // mark the buttons pending and start the apply timer
    LeftButtonRestored, // the key was made the left button again; warn the user, send nothing
};

// Stores a function on the key of a button control. `Key` offers `Name`, `URL`, `Value`,
// `MacroKeyIndex` and `AssignMacro(const MacroRecord*)`.
template <class Key>
void AssignFunction(std::span<Key, kKeyCount> keys, int controlId, std::u16string name,
                    const ButtonFunction& code, const MacroRecord* macro, std::u16string url) {
    Key& key = keys[KeyIndexOfControl(controlId)];
    key.Name = std::move(name);
    key.URL = std::move(url);
    key.Value = code;
    key.AssignMacro(macro);
    if (macro)
        key.MacroKeyIndex = macro->MacroKeyIndex;
}

// Keeps at least one left button: without one, the key just changed becomes it again.
template <class Key>
LeftButtonCheck CheckLeftButton(std::span<Key, kKeyCount> keys, int controlId,
                                std::u16string_view leftButtonName) {
    const bool hasLeft =
        std::any_of(keys.begin(), keys.end(), [](const Key& k) { return IsLeftButton(k.Value); });
    if (hasLeft)
        return LeftButtonCheck::ButtonsPending;
    AssignFunction(keys, controlId, std::u16string(leftButtonName), kLeftButtonCode, nullptr, u"");
    return LeftButtonCheck::LeftButtonRestored;
}
