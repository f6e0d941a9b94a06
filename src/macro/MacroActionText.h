#pragma once

#include "macro/MacroAction.h"

#include <string>

// How the action list shows one step: its text and the picture beside it.
struct MacroActionDisplay {
    std::u16string text;
    std::u16string picture; // file name inside the skins folder
};

MacroActionDisplay MacroActionText(const MacroAction& action);
