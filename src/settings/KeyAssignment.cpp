#include "settings/KeyAssignment.h"

void KeyAssignment::AssignMacro(const MacroRecord* source) {
    Macro.SetActionCount(0);
    if (source == nullptr)
        return;
    Macro.SetName(source->Name());
    Macro.MacroKeyIndex = source->MacroKeyIndex;
    Macro.MacroKeyLoopType = source->MacroKeyLoopType;
    Macro.MacroKeyLoopNum = source->MacroKeyLoopNum;
    Macro.MacroCommandActionNum = source->MacroCommandActionNum;
    for (uint32_t i = 0; i < source->ValidActionCount(); ++i) {
        Macro.SetAction(i, source->GetAction(i));
        Macro.SetActionCount(i + 1);
    }
}
