#pragma once

#include "settings/ProfileSettings.h"

#include <array>
#include <cstddef>
#include <memory>

// The five profiles of the mouse; indices beyond 4 are clamped to 4.
class ProfileTable {
  public:
    static constexpr size_t kCount = 5;

    ProfileTable() : profiles_(std::make_unique<std::array<ProfileSettings, kCount>>()) {}

    ProfileSettings& operator[](size_t index) { return (*profiles_)[Clamp(index)]; }
    const ProfileSettings& operator[](size_t index) const { return (*profiles_)[Clamp(index)]; }

    static size_t Clamp(size_t index) { return index < kCount ? index : kCount - 1; }

  private:
    // Five records with sixteen macros each are too big for a stack frame.
    std::unique_ptr<std::array<ProfileSettings, kCount>> profiles_;
};
