#pragma once

#include "macro/MacroLibraryTree.h"
#include "macro/MacroLocation.h"

#include <filesystem>
#include <optional>
#include <string>

// Why a library file was not read to its end; line is 1-based, 0 when the file did not open.
struct LoadError {
    int line = 0;
    std::string reason;
};

// Data folder + "config\MacroLibraryFile.mlf".
std::filesystem::path LibraryFilePath(const std::filesystem::path& dataFolder);

// Writes the whole tree with `header` as the "Select Locaton" line; false when nothing was stored.
bool SaveLibraryFile(const MacroLibraryTree& tree, const std::filesystem::path& path,
                     const MacroLocation& header);

// Clears the tree and reads the file into it; a stop keeps the items read so far. An unopenable
// file leaves the tree as it was. True when the file was read to its end. The header location
// goes to `header` once it has been read.
bool LoadLibraryFile(const std::filesystem::path& path, MacroLibraryTree& tree,
                     MacroLocation* header = nullptr, LoadError* error = nullptr);

// The four numbers after successive "=" signs; nullopt as soon as one "=" is missing or last.
// `partial` receives the numbers read before a failure.
std::optional<MacroLocation> ParseLocation(const std::u16string& line,
                                           MacroLocation* partial = nullptr);
