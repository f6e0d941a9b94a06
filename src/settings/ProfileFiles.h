#pragma once

#include "settings/ProfileTable.h"

#include <filesystem>

class LanguageTexts;
class SettingsStore;

// Moves the five profiles between the table and their files; a profile that cannot be read
// falls back to its defaults and its slot file is rewritten.
class ProfileFiles {
  public:
    ProfileFiles(ProfileTable& table, const SettingsStore& settings, const LanguageTexts& texts)
        : table_(table), settings_(settings), texts_(texts) {}

    bool WriteProfileFile(size_t index, const std::filesystem::path& path) const;
    // True on success; on failure resets the profile and rewrites its slot file (not `path`).
    bool ReadProfileFile(size_t index, const std::filesystem::path& path);
    void SaveAllProfiles() const;

    // Defaults for the sensor model of the settings.
    void ResetProfile(size_t index);
    void ResetAllDpi();

    ProfileTable& Table() { return table_; }

  private:
    ProfileTable& table_;
    const SettingsStore& settings_;
    const LanguageTexts& texts_;
};
