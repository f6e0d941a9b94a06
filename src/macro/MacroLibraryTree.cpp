#include "macro/MacroLibraryTree.h"

#include <algorithm>
#include <utility>

const SiblingList* MacroLibraryTree::ChildList(const MacroLocation& parent) const {
    if (parent.IsNone())
        return &level0_;
    if (parent.stage > 1)
        return nullptr;
    const LibraryItem* item = ItemAt(parent);
    return item ? item->children.get() : nullptr;
}

SiblingList* MacroLibraryTree::ChildList(const MacroLocation& parent) {
    if (parent.IsNone())
        return &level0_;
    if (parent.stage > 1)
        return nullptr;
    LibraryItem* item = ItemAt(parent);
    if (!item)
        return nullptr;
    if (!item->children)
        item->children = std::make_unique<SiblingList>();
    return item->children.get();
}

const LibraryItem* MacroLibraryTree::ItemAt(const MacroLocation& location) const {
    if (location.IsNone() || !location.IsValid())
        return nullptr;
    const SiblingList* list = ChildList(location.Parent());
    return list ? &(*list)[location.Index()] : nullptr;
}

LibraryItem* MacroLibraryTree::ItemAt(const MacroLocation& location) {
    if (location.IsNone() || !location.IsValid())
        return nullptr;
    SiblingList* list = ChildList(location.Parent());
    return list ? &(*list)[location.Index()] : nullptr;
}

MacroLocation MacroLibraryTree::AddItem(const MacroLocation& parent, std::u16string name,
                                        bool folder) {
    SiblingList* list = ChildList(parent);
    int32_t slot = list ? list->FirstFree() : -1;
    if (slot < 0)
        return MacroLocation::None();
    LibraryItem& item = (*list)[slot];
    if (!folder) {
        item.macro = std::make_unique<MacroRecord>(name);
        item.macro->MacroKeyIndex = static_cast<uint32_t>(NextMacroIndex++);
    }
    item.name = std::move(name);
    item.IsFolder = folder ? 1 : 0;
    item.IsOpen = 0;
    return parent.Child(slot);
}

MacroLocation MacroLibraryTree::AddMacro(const MacroLocation& parent, std::u16string name) {
    return AddItem(parent, std::move(name), false);
}

MacroLocation MacroLibraryTree::AddFolder(const MacroLocation& parent, std::u16string name) {
    return AddItem(parent, std::move(name), true);
}

MacroLocation MacroLibraryTree::TargetParent(const SelectedLocation& selection) const {
    const LibraryItem* item = ItemAt(selection);
    if (item && item->IsFolderItem() && (selection.stage == 0 || selection.stage == 1))
        return selection;
    return MacroLocation::None();
}

CreateResult MacroLibraryTree::CreateMacroAt(std::u16string name, SelectedLocation& selection) {
    MacroLocation parent = TargetParent(selection);
    if (ChildList(parent)->NameExists(name))
        return CreateResult::Duplicate;
    MacroLocation created = AddMacro(parent, std::move(name));
    if (created.IsNone())
        return CreateResult::NotCreated;
    selection = created;
    return CreateResult::Created;
}

CreateResult MacroLibraryTree::CreateFolderAt(std::u16string name, SelectedLocation& selection) {
    MacroLocation parent = TargetParent(selection);
    // Folders do not nest below level 1.
    if (parent.stage == 1)
        return CreateResult::NotCreated;
    if (ChildList(parent)->NameExists(name))
        return CreateResult::Duplicate;
    MacroLocation created = AddFolder(parent, std::move(name));
    if (created.IsNone())
        return CreateResult::NotCreated;
    selection = created;
    return CreateResult::Created;
}

void MacroLibraryTree::DeleteItem(const MacroLocation& location) {
    if (!ItemAt(location))
        return;
    SiblingList& list = *ChildList(location.Parent());
    auto first = list.items.begin() + location.Index();
    // The moved items carry their subtrees; the freed last slot ends up default-empty.
    std::move(first + 1, list.items.end(), first);
    list.items.back() = LibraryItem{};
}

void MacroLibraryTree::ClearLibrary() {
    while (!level0_[0].IsFree())
        DeleteItem(MacroLocation::At(0));
}

void MacroLibraryTree::CollapseAllFolders() {
    for (int32_t i = 0; i < level0_.UsedCount(); ++i) {
        LibraryItem& item = level0_[i];
        item.IsOpen = 0;
        if (!item.children)
            continue;
        for (int32_t j = 0; j < item.children->UsedCount(); ++j)
            (*item.children)[j].IsOpen = 0;
    }
}

bool MacroLibraryTree::MacroInUse(uint32_t macroKeyIndex, const MacroLocation& location) const {
    const LibraryItem* item = ItemAt(location);
    if (!item)
        return false;
    if (item->macro && item->macro->MacroKeyIndex == macroKeyIndex)
        return true;
    if (!item->IsFolderItem() || !item->children || location.stage > 1)
        return false;
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i)
        if (MacroInUse(macroKeyIndex, location.Child(i)))
            return true;
    return false;
}

MacroLocation MacroLibraryTree::FindIn(const MacroLocation& parent, uint32_t macroKeyIndex) const {
    const SiblingList* list = ChildList(parent);
    if (!list)
        return MacroLocation::None();
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i) {
        const LibraryItem& item = (*list)[i];
        if (item.macro && item.macro->MacroKeyIndex == macroKeyIndex)
            return parent.Child(i);
        if (MacroLocation below = FindIn(parent.Child(i), macroKeyIndex); !below.IsNone())
            return below;
    }
    return MacroLocation::None();
}

MacroLocation MacroLibraryTree::FindMacro(uint32_t macroKeyIndex) const {
    return FindIn(MacroLocation::None(), macroKeyIndex);
}

const MacroRecord* MacroLibraryTree::MacroById(uint32_t macroKeyIndex) const {
    const LibraryItem* item = ItemAt(FindMacro(macroKeyIndex));
    return item ? item->macro.get() : nullptr;
}

void MacroLibraryTree::CollectRows(const MacroLocation& parent,
                                   std::vector<MacroLocation>& rows) const {
    const SiblingList* list = ChildList(parent);
    if (!list)
        return;
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i) {
        const LibraryItem& item = (*list)[i];
        if (item.IsFree())
            continue;
        MacroLocation here = parent.Child(i);
        rows.push_back(here);
        if (item.IsFolder == 1 && item.IsOpen == 1)
            CollectRows(here, rows);
    }
}

std::vector<MacroLocation> MacroLibraryTree::VisibleRows() const {
    std::vector<MacroLocation> rows;
    CollectRows(MacroLocation::None(), rows);
    return rows;
}

int MacroLibraryTree::VisibleRowCount() const {
    return static_cast<int>(VisibleRows().size());
}

MacroLocation MacroLibraryTree::RowToLocation(int row) const {
    auto rows = VisibleRows();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return MacroLocation::None();
    return rows[static_cast<size_t>(row)];
}

int MacroLibraryTree::LocationToRow(const MacroLocation& location) const {
    auto rows = VisibleRows();
    auto it = std::find(rows.begin(), rows.end(), location);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}
