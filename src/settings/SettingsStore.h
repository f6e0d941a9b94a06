#pragma once

#include "settings/ProfileSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class ProfileFiles;

// The sixteen named values of config/config.ini. Keys are taken by line position, and the keys
// read are written back as they were.
class SettingsStore {
  public:
    static constexpr size_t kPairCount = 16;
    static constexpr size_t kSlotUrlPair = 11;

    // `dataFolder` ends with the platform separator.
    explicit SettingsStore(std::u16string dataFolder);

    const std::u16string& DataFolder() const { return data_folder_; }
    std::u16string SettingsPath() const;

    // Start-up: reads the settings, then the five profiles (rewriting what is missing or bad),
    // and resets every DPI block when the sensor changed since the profiles were made.
    // True when the settings file itself was accepted.
    bool LoadSettings(ProfileFiles& profiles);
    // Stores `currentProfile` as "CurrentProfile" and writes the file; false if it failed.
    bool SaveSettings(unsigned currentProfile);

    // Key (part 0) or value (part 1); empty for an index of 16 or more.
    std::u16string GetSetting(size_t index, int part) const;
    std::u16string ProfileSlotPath(size_t profile) const;

    // The sensor model the program works with; set from "Sensor" at load.
    uint16_t SensorModel() const { return sensor_model_; }
    // The sensor model the profiles' DPI blocks were made for (complement of "PreST").
    uint16_t ProfilesSensorModel() const;
    void SetSensor(uint16_t model);
    void SetPreST(uint16_t value);

    // Clamped to 0..4: the value indexes the profile table.
    unsigned GetCurrentProfile() const;
    void SetCurrentProfile(unsigned index);
    unsigned GetProfileShowCount() const;
    void SetProfileShowCount(unsigned count);
    unsigned GetProfileShowList(size_t position) const;
    void SetProfileShowList(size_t position, unsigned index);

    // The file's pairs by position, without any fallback; `why` says what stopped a failed read.
    static bool ReadPairs(const std::filesystem::path& path,
                          std::array<TextPair, kPairCount>& pairs, std::string* why = nullptr);

  private:
    void SetDefaults();
    bool ReadFile();
    bool WriteFile() const;
    unsigned ProfileIndexAt(size_t pair) const;
    void SetNumber(size_t pair, int64_t value);

    std::u16string data_folder_;
    std::array<TextPair, kPairCount> pairs_;
    uint16_t sensor_model_ = 0;
};
