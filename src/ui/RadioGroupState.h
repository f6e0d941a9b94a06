#pragma once

#include <cstdint>
#include <optional>

// The word in which every radio button owns one bit of its group. Selecting a radio clears the
// other bits of its group and keeps every other group, so selections survive re-creation of the
// controls and are shared by all dialogs.
class RadioGroupState {
  public:
    // Radios 3039, 2009, 3501, 3033 and 3511 selected.
    static constexpr uint32_t kInitial = 0x2802A0;

    struct Membership {
        uint32_t groupBits = 0;
        uint32_t bit = 0;
    };
    // The group and bit of a radio identifier; nothing for an identifier outside every group.
    static std::optional<Membership> Find(unsigned identifier);

    uint32_t Word() const { return word_; }
    void SetWord(uint32_t word) { word_ = word; }
    // False for an identifier outside every group.
    bool IsSelected(unsigned identifier) const;
    // Makes the radio the selected one of its group; false (word unchanged) outside every group.
    bool Select(unsigned identifier);

  private:
    uint32_t word_ = kInitial;
};
