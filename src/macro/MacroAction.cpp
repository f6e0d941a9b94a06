#include "macro/MacroAction.h"

MacroAction MacroAction::Delay(uint32_t ms) {
    return {{3, static_cast<uint8_t>(ms >> 16), static_cast<uint8_t>(ms >> 8),
             static_cast<uint8_t>(ms)}};
}

MacroAction MacroAction::Key(uint8_t code, bool release) {
    return {{code, static_cast<uint8_t>(release ? 0x80 : 0x00), 0, 0}};
}
