#include "macro/LibraryItem.h"

#include <algorithm>

int32_t SiblingList::UsedCount() const {
    int32_t n = 0;
    while (n < MacroLocation::kListSize && !items[static_cast<size_t>(n)].IsFree())
        ++n;
    return n;
}

int32_t SiblingList::FirstFree() const {
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i)
        if (items[static_cast<size_t>(i)].IsFree())
            return i;
    return -1;
}

bool SiblingList::NameExists(const std::u16string& name) const {
    return std::any_of(items.begin(), items.end(),
                       [&](const LibraryItem& item) { return item.name == name; });
}
