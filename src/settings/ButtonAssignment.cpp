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
