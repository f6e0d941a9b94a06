#include "macro/MacroExchange.h"

#include <vector>

namespace {

bool IsNamed(const LibraryItem* item) {
    return item && !item->IsFree();
}

bool IsFolderAt(const MacroLibraryTree& tree, const MacroLocation& location) {
    const LibraryItem* item = tree.ItemAt(location);
    return IsNamed(item) && item->IsFolderItem();
}

// Everything but the identifier, which the library has just given.
void CopyImportedRecord(const LibraryItem& from, MacroLibraryTree& library,
                        const MacroLocation& to) {
    LibraryItem* target = library.ItemAt(to);
    if (!from.macro || !target || !target->macro)
        return;
    uint32_t id = target->macro->MacroKeyIndex;
    *target->macro = *from.macro;
    target->macro->MacroKeyIndex = id;
}

// False only when the file did not open; a file that stops early gives what was read.
bool ReadImport(const std::filesystem::path& path, MacroLibraryTree& scratch, MacroLocation& header,
                LoadError* error) {
    header = MacroLocation::None();
    LoadError local;
    LoadError& e = error ? *error : local;
    return LoadLibraryFile(path, scratch, &header, &e) || e.line > 0;
}

// The sibling run an import takes: from the named item (level-0 position 0 for None) up to
// the first free name.
std::vector<MacroLocation> SiblingRun(const MacroLibraryTree& tree, const MacroLocation& start) {
    std::vector<MacroLocation> run;
    MacroLocation first = start.IsNone() ? MacroLocation::At(0) : start;
    const MacroLocation parent = first.Parent();
    for (int32_t i = first.Index(); i < MacroLocation::kListSize; ++i) {
        MacroLocation here = parent.Child(i);
        if (!IsNamed(tree.ItemAt(here)))
            break;
        run.push_back(here);
    }
    return run;
}

bool AnyDuplicate(const MacroLibraryTree& library, const SelectedLocation& selected,
                  const MacroLibraryTree& scratch, const std::vector<MacroLocation>& names) {
    const SiblingList* target = library.ChildList(library.TargetParent(selected));
    // A folder that never had children has no list yet, so no names either.
    if (!target)
        return false;
    for (const auto& location : names)
        if (target->NameExists(scratch.ItemAt(location)->name))
            return true;
    return false;
}

void OpenSelectedFolder(MacroLibraryTree& library, const SelectedLocation& selected) {
    if (IsFolderAt(library, selected))
        library.ItemAt(selected)->IsOpen = 1;
}

bool ImportMacroItem(MacroLibraryTree& library, SelectedLocation& selected,
                     const LibraryItem& item) {
    if (library.CreateMacroAt(item.name, selected) != CreateResult::Created)
        return false;
    CopyImportedRecord(item, library, selected);
    return true;
}

// Child folders are not imported; folders do not nest that deep.
bool ImportFolderItem(MacroLibraryTree& library, SelectedLocation& selected,
                      const MacroLibraryTree& scratch, const MacroLocation& from) {
    if (library.CreateFolderAt(scratch.ItemAt(from)->name, selected) != CreateResult::Created)
        return false;
    const MacroLocation folder = selected;
    for (int32_t i = 0; i < MacroLocation::kListSize; ++i) {
        const LibraryItem* child = scratch.ItemAt(from.Child(i));
        if (!IsNamed(child))
            break;
        selected = folder;
        if (!child->IsFolderItem())
            ImportMacroItem(library, selected, *child);
    }
    selected = folder;
    return true;
}

} // namespace

std::u16string ExportMacroFileName(const MacroLibraryTree& library,
                                   const SelectedLocation& selected) {
    const LibraryItem* item = library.ItemAt(selected);
    return (IsNamed(item) ? item->name : u"") + u".mkf";
}

std::u16string ExportGroupFileName(const MacroLibraryTree& library,
                                   const SelectedLocation& selected) {
    const LibraryItem* item = library.ItemAt(selected);
    return IsNamed(item) ? item->name + u".mbf" : u"AllMacroKey.mbf";
}

bool ExportMacro(const MacroLibraryTree& library, const SelectedLocation& selected,
                 const std::filesystem::path& path) {
    const LibraryItem* item = library.ItemAt(selected);
    if (!IsNamed(item) || item->IsFolderItem())
        return false;
    return SaveLibraryFile(library, path, selected);
}

bool ExportGroup(const MacroLibraryTree& library, const SelectedLocation& selected,
                 const std::filesystem::path& path) {
    bool named = IsNamed(library.ItemAt(selected));
    return SaveLibraryFile(library, path, named ? selected : MacroLocation::None());
}

ImportResult ImportMacro(MacroLibraryTree& library, SelectedLocation& selected,
                         const std::filesystem::path& path, LoadError* error) {
    MacroLibraryTree scratch;
    MacroLocation header;
    if (!ReadImport(path, scratch, header, error))
        return ImportResult::Nothing;
    const LibraryItem* item = scratch.ItemAt(header);
    if (!item)
        return ImportResult::Nothing;
    // A free slot's empty name always collides with the free slots of the target list.
    if (item->IsFree())
        return ImportResult::Duplicate;
    const SelectedLocation remembered = selected;
    if (library.ChildList(library.TargetParent(selected))->NameExists(item->name))
        return ImportResult::Duplicate;
    OpenSelectedFolder(library, remembered);
    return ImportMacroItem(library, selected, *item) ? ImportResult::Imported
                                                     : ImportResult::Nothing;
}

ImportResult ImportGroup(MacroLibraryTree& library, SelectedLocation& selected,
                         const std::filesystem::path& path, LoadError* error) {
    MacroLibraryTree scratch;
    MacroLocation header;
    if (!ReadImport(path, scratch, header, error))
        return ImportResult::Nothing;
    if (!header.IsNone() && !IsNamed(scratch.ItemAt(header)))
        return ImportResult::Nothing;
    auto run = SiblingRun(scratch, header);
    auto checked = IsFolderAt(scratch, header) ? std::vector<MacroLocation>{header} : run;
    if (AnyDuplicate(library, selected, scratch, checked))
        return ImportResult::Duplicate;

    const SelectedLocation remembered = selected;
    OpenSelectedFolder(library, remembered);
    MacroLocation last = MacroLocation::None();
    for (const auto& from : run) {
        selected = remembered;
        const LibraryItem& item = *scratch.ItemAt(from);
        bool created = false;
        if (!item.IsFolderItem())
            created = ImportMacroItem(library, selected, item);
        else if (remembered.stage == 0)
            created = ImportFolderItem(library, selected, scratch, from);
        if (created)
            last = selected;
    }
    selected = last.IsNone() ? remembered : last;
    return last.IsNone() ? ImportResult::Nothing : ImportResult::Imported;
}
