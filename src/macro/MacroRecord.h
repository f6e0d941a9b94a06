#pragma once

#include "macro/MacroAction.h"

#include <array>
#include <cstdint>
#include <string>

// One whole macro. Only the first ActionCount() actions are valid; the rest keep what they held.
class MacroRecord {
  public:
    static constexpr uint32_t kMaxActions = 250;

    MacroRecord() = default;
    explicit MacroRecord(std::u16string name) : name_(std::move(name)) {}

    const std::u16string& Name() const { return name_; }
    void SetName(std::u16string name) { name_ = std::move(name); }

    // A count above 250 read from a file is kept as read, but no operation looks past 250.
    uint32_t ActionCount() const { return action_count_; }
    void SetActionCount(uint32_t count) { action_count_ = count; }
    uint32_t ValidActionCount() const {
        return action_count_ < kMaxActions ? action_count_ : kMaxActions;
    }

    MacroAction GetAction(uint32_t i) const { return actions_[i < kMaxActions ? i : 0]; }
    bool SetAction(uint32_t i, const MacroAction& action);
    bool InsertAction(uint32_t i, const MacroAction& action);
    bool DeleteAction(uint32_t i);

    uint32_t MacroKeyIndex = 0;
    uint8_t MacroKeyLoopType = 2;
    uint8_t MacroKeyLoopNum = 1;
    uint8_t MacroCommandActionNum = 0;

    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;

  private:
    std::u16string name_;
    uint32_t action_count_ = 0;
    std::array<MacroAction, kMaxActions> actions_{};
};
