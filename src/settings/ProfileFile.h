#pragma once

#include "settings/ProfileSettings.h"

#include <filesystem>

// The ".psf" text form of one profile: 180 lines in fixed order, values found by position.
namespace ProfileFile {

// False when the file could not be written.
bool Write(const ProfileSettings& profile, const std::filesystem::path& path);
// False on a missing or malformed file; the record may then be partly filled, and `failedLine`
// (when given) is the line where reading stopped (0 when the file could not be opened).
bool Read(ProfileSettings& profile, const std::filesystem::path& path, int* failedLine = nullptr);

} // namespace ProfileFile
