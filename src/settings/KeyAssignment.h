#pragma once

#include "macro/MacroRecord.h"
#include "settings/ButtonFunction.h"

#include <cstdint>
#include <string>

// The function of one mouse button, with its own copy of the macro sent to the mouse.
struct KeyAssignment {
    std::u16string Name;
    std::u16string URL;
    ButtonFunction Value;
    uint32_t MacroKeyIndex = 0;
    MacroRecord Macro;

    // Empties the macro; with a source, copies it in. Without one the name and id stay.
    void AssignMacro(const MacroRecord* source);
};
