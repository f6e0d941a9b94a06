#pragma once

#include "macro/MacroLocation.h"
#include "macro/MacroRecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

struct SiblingList;

// One slot of a sibling list; an empty name marks the slot free.
struct LibraryItem {
    std::u16string name;
    std::unique_ptr<MacroRecord> macro;
    int32_t IsFolder = 0;
    int32_t IsOpen = 0;
    // Created on first use, so an empty library stays small.
    std::unique_ptr<SiblingList> children;

    bool IsFree() const { return name.empty(); }
    bool IsFolderItem() const { return IsFolder != 0; }
};

struct SiblingList {
    std::array<LibraryItem, MacroLocation::kListSize> items;

    LibraryItem& operator[](int32_t i) { return items[static_cast<size_t>(i)]; }
    const LibraryItem& operator[](int32_t i) const { return items[static_cast<size_t>(i)]; }
    // Slots are packed, so the used ones end at the first free name.
    int32_t UsedCount() const;
    // -1 when the list is full.
    int32_t FirstFree() const;
    bool NameExists(const std::u16string& name) const;
};
