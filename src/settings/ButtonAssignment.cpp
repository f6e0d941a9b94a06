#include "settings/ButtonAssignment.h"

std::size_t KeyIndexOfControl(int controlId) {
    const int index = controlId - kFirstKeyControl;
    if (index < 0 || index >= static_cast<int>(kKeyCount))
        return 2;
    return static_cast<std::size_t>(index);
}

bool IsLeftButton(const ButtonFunction& code) {
    return code.Type() == 0x10 && code.bytes[1] == 0x01;
}

bool IsMacroFunction(const ButtonFunction& code) {
    return code.Type() == kMacroCode.Type();
}

MacroChoice MacroSelectResult(const MacroRecord* found, std::u16string_view macroPrefix,
                              std::u16string_view noFunctionName) {
    if (!found)
        return {std::u16string(noFunctionName), kNoFunctionCode, nullptr};
    return {std::u16string(macroPrefix) + found->Name(), kMacroCode, found};
}
