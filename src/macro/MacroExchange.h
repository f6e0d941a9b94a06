#pragma once

#include "macro/MacroLibraryFile.h"
#include "macro/MacroLibraryTree.h"
#include "macro/MacroLocation.h"

#include <filesystem>
#include <string>

// Duplicate: the caller shows the duplicate-name notice; nothing was created.
enum class ImportResult { Imported, Duplicate, Nothing };

// Initial names for the save dialogs: "<name>.mkf", "<name>.mbf" or "AllMacroKey.mbf".
std::u16string ExportMacroFileName(const MacroLibraryTree& library,
                                   const SelectedLocation& selected);
std::u16string ExportGroupFileName(const MacroLibraryTree& library,
                                   const SelectedLocation& selected);

// Both write the whole library with the selection as header location. ExportMacro writes only
// when a macro is selected. False when no file was written.
bool ExportMacro(const MacroLibraryTree& library, const SelectedLocation& selected,
                 const std::filesystem::path& path);
bool ExportGroup(const MacroLibraryTree& library, const SelectedLocation& selected,
                 const std::filesystem::path& path);

// Take the item (.mkf) or items (.mbf) that the file's header location names into the library
// beside or inside the selection; the selection moves to the last item created. Imported macros
// get fresh identifiers.
ImportResult ImportMacro(MacroLibraryTree& library, SelectedLocation& selected,
                         const std::filesystem::path& path, LoadError* error = nullptr);
ImportResult ImportGroup(MacroLibraryTree& library, SelectedLocation& selected,
                         const std::filesystem::path& path, LoadError* error = nullptr);
