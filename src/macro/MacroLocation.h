#pragma once

#include <cstdint>

// A position in the macro library: stage -1 names nothing, 0 to 2 a level; unused indices are 0.
struct MacroLocation {
    int32_t stage = -1;
    int32_t stage0Index = 0;
    int32_t stage1Index = 0;
    int32_t stage2Index = 0;

    static constexpr int32_t kListSize = 60;

    static MacroLocation None() { return {}; }
    static MacroLocation At(int32_t i) { return {0, i, 0, 0}; }
    static MacroLocation At(int32_t i, int32_t j) { return {1, i, j, 0}; }
    static MacroLocation At(int32_t i, int32_t j, int32_t k) { return {2, i, j, k}; }

    bool IsNone() const { return stage == -1; }
    // Stage -1 to 2 and every index inside a sibling list.
    bool IsValid() const {
        auto inList = [](int32_t v) { return v >= 0 && v < kListSize; };
        return stage >= -1 && stage <= 2 && inList(stage0Index) && inList(stage1Index) &&
               inList(stage2Index);
    }
    // The location of child `index` of the item here; from None, a level-0 position.
    MacroLocation Child(int32_t index) const;
    // The folder whose child list holds this item; None for level 0.
    MacroLocation Parent() const;
    // Position within its sibling list.
    int32_t Index() const {
        return stage == 1 ? stage1Index : stage == 2 ? stage2Index : stage0Index;
    }

    friend bool operator==(const MacroLocation&, const MacroLocation&) = default;
};

// The location the user picked in a library tree view.
using SelectedLocation = MacroLocation;

inline MacroLocation MacroLocation::Child(int32_t index) const {
    switch (stage) {
    case -1:
        return At(index);
    case 0:
        return At(stage0Index, index);
    default:
        return At(stage0Index, stage1Index, index);
    }
}

inline MacroLocation MacroLocation::Parent() const {
    if (stage == 2)
        return At(stage0Index, stage1Index);
    if (stage == 1)
        return At(stage0Index);
    return None();
}
