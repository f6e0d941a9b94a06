#pragma once

#include "settings/ProfileSettings.h"

#include <filesystem>

// The ".psf" text form of one profile: 180 lines in fixed order, values found by position.
namespace ProfileFile {

// False when the file could not be written.
bool Write(const ProfileSettings& profile, const std::filesystem::path& path);
// False on a missing or malformed file; the record may then be partly filled.
bool Read(ProfileSettings& profile, const std::filesystem::path& path);

} // namespace ProfileFile
