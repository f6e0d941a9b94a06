#include "macro/MacroRecord.h"

#include <algorithm>

bool MacroRecord::SetAction(uint32_t i, const MacroAction& action) {
    if (i >= kMaxActions)
        return false;
    actions_[i] = action;
    return true;
}

bool MacroRecord::InsertAction(uint32_t i, const MacroAction& action) {
    if (action_count_ >= kMaxActions)
        return false;
    i = std::min(i, action_count_);
    std::move_backward(actions_.begin() + i, actions_.end() - 1, actions_.end());
    actions_[i] = action;
    ++action_count_;
    return true;
}

bool MacroRecord::DeleteAction(uint32_t i) {
    if (i >= ValidActionCount())
        return false;
    std::move(actions_.begin() + i + 1, actions_.end(), actions_.begin() + i);
    actions_.back() = MacroAction{};
    --action_count_;
    return true;
}
