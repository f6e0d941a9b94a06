#pragma once

#include "macro/LibraryItem.h"
#include "macro/MacroLocation.h"

#include <cstdint>
#include <string>
#include <vector>

enum class CreateResult { Created, Duplicate, NotCreated };

// The macro library: three levels of 60-slot sibling lists; folders group macros.
class MacroLibraryTree {
  public:
    MacroLibraryTree() = default;
    MacroLibraryTree(const MacroLibraryTree&) = delete;
    MacroLibraryTree& operator=(const MacroLibraryTree&) = delete;

    int32_t NextMacroIndex = 1;

    // Null for stage -1 and for any location outside the tree.
    LibraryItem* ItemAt(const MacroLocation& location);
    const LibraryItem* ItemAt(const MacroLocation& location) const;

    // The list whose items are the children of `parent`; for None the level-0 list.
    // Null when `parent` cannot have children (level 2 or outside the tree).
    SiblingList* ChildList(const MacroLocation& parent);
    const SiblingList* ChildList(const MacroLocation& parent) const;

    // Both take the first free slot of the children of `parent`; None when the list is full.
    MacroLocation AddMacro(const MacroLocation& parent, std::u16string name);
    MacroLocation AddFolder(const MacroLocation& parent, std::u16string name);

    // On success the selection moves to the new item.
    CreateResult CreateMacroAt(std::u16string name, SelectedLocation& selection);
    CreateResult CreateFolderAt(std::u16string name, SelectedLocation& selection);
    // Where CreateMacroAt would put a new item for this selection.
    MacroLocation TargetParent(const SelectedLocation& selection) const;

    void DeleteItem(const MacroLocation& location);
    void ClearLibrary();
    void CollapseAllFolders();

    bool MacroInUse(uint32_t macroKeyIndex, const MacroLocation& location) const;
    // None when no macro of the library has this identifier.
    MacroLocation FindMacro(uint32_t macroKeyIndex) const;
    const MacroRecord* MacroById(uint32_t macroKeyIndex) const;

    // Rows of the tree view: named items, children only below open folders.
    int VisibleRowCount() const;
    MacroLocation RowToLocation(int row) const;
    int LocationToRow(const MacroLocation& location) const;

  private:
    MacroLocation AddItem(const MacroLocation& parent, std::u16string name, bool folder);
    MacroLocation FindIn(const MacroLocation& parent, uint32_t macroKeyIndex) const;
    void CollectRows(const MacroLocation& parent, std::vector<MacroLocation>& rows) const;
    std::vector<MacroLocation> VisibleRows() const;

    SiblingList level0_;
};
