#include "settings/SettingsStore.h"

#include "settings/CStdioFileEx.h"
#include "settings/DataFolder.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/TextFormat.h"

#include <algorithm>
#include <filesystem>

namespace {

// Slot paths (pairs 11-15) are built from the data folder.
const TextPair kDefaults[SettingsStore::kPairCount] = {
    {u"Sensor", u"0x3311"},      {u"PreST", u"0xCCEE"},       {u"Mac_ID", u"0xFFFFFFFF"},
    {u"DataChange", u"0x1234"},  {u"CurrentProfile", u"0"},   {u"ProfileShowCount", u"3"},
    {u"ProfileShowList0", u"0"}, {u"ProfileShowList1", u"1"}, {u"ProfileShowList2", u"2"},
    {u"ProfileShowList3", u"3"}, {u"ProfileShowList4", u"4"}, {u"ProfileSlot0URL", u""},
    {u"ProfileSlot1URL", u""},   {u"ProfileSlot2URL", u""},   {u"ProfileSlot3URL", u""},
    {u"ProfileSlot4URL", u""},
};

constexpr size_t kSensor = 0;
constexpr size_t kPreST = 1;
constexpr size_t kCurrentProfile = 4;
constexpr size_t kShowCount = 5;
constexpr size_t kShowList = 6;

} // namespace

SettingsStore::SettingsStore(std::u16string dataFolder) : data_folder_(std::move(dataFolder)) {
    SetDefaults();
}

std::u16string SettingsStore::SettingsPath() const {
    return DataFolder::ConfigFile(data_folder_, u"config.ini");
}

void SettingsStore::SetDefaults() {
    std::copy(std::begin(kDefaults), std::end(kDefaults), pairs_.begin());
    for (size_t i = 0; i < ProfileTable::kCount; ++i)
        pairs_[kSlotUrlPair + i].value = DataFolder::ConfigFile(
            data_folder_, u"default" + TextFormat::Dec(static_cast<int64_t>(i)) + u".psf");
}

bool SettingsStore::ReadFile() {
    return ReadPairs(std::filesystem::path(SettingsPath()), pairs_);
}

bool SettingsStore::ReadPairs(const std::filesystem::path& path,
                              std::array<TextPair, kPairCount>& pairs, std::string* why) {
    auto fail = [why](std::string reason) {
        if (why)
            *why = std::move(reason);
        return false;
    };
    CStdioFileEx file;
    std::u16string line;
    if (!file.OpenForRead(path))
        return fail("cannot be opened");
    if (!file.ReadString(line) || line != u"[Setting]")
        return fail("line 1: not \"[Setting]\"");
    for (size_t n = 0; file.ReadString(line); ++n) {
        auto where = "line " + std::to_string(file.LineNumber()) + ": ";
        if (n >= kPairCount)
            return fail(where + "more than 16 values");
        size_t eq = line.find(u'=');
        if (eq == std::u16string::npos || eq == 0 || eq + 1 == line.size())
            return fail(where + "not key=value with both parts present");
        pairs[n] = {line.substr(0, eq), line.substr(eq + 1)};
    }
    return true;
}

bool SettingsStore::WriteFile() const {
    CStdioFileEx file;
    if (!file.OpenForWrite(std::filesystem::path(SettingsPath())))
        return false;
    file.WriteString(u"[Setting]");
    for (const auto& pair : pairs_)
        file.WriteString(pair.key + u"=" + pair.value);
    return file.Close();
}

bool SettingsStore::LoadSettings(ProfileFiles& profiles) {
    bool accepted = ReadFile();
    // The sensor is known before any profile is reset, so reset profiles get its DPI steps.
    if (!accepted) {
        SetDefaults();
        WriteFile();
    }
    sensor_model_ = static_cast<uint16_t>(TextFormat::ParseHexSetting(pairs_[kSensor].value));
    for (size_t i = 0; i < ProfileTable::kCount; ++i) {
        std::filesystem::path slot(ProfileSlotPath(i));
        if (accepted) {
            profiles.ReadProfileFile(i, slot);
        } else {
            profiles.ResetProfile(i);
            profiles.WriteProfileFile(i, slot);
        }
    }
    if (ProfilesSensorModel() != sensor_model_) {
        SetPreST(static_cast<uint16_t>(~sensor_model_));
        // Nothing has chosen a profile yet at start-up.
        SaveSettings(0);
        profiles.ResetAllDpi();
        profiles.SaveAllProfiles();
    }
    return accepted;
}

bool SettingsStore::SaveSettings(unsigned currentProfile) {
    SetCurrentProfile(currentProfile);
    return WriteFile();
}

std::u16string SettingsStore::GetSetting(size_t index, int part) const {
    if (index >= kPairCount)
        return {};
    return part == 0 ? pairs_[index].key : pairs_[index].value;
}

std::u16string SettingsStore::ProfileSlotPath(size_t profile) const {
    return pairs_[kSlotUrlPair + ProfileTable::Clamp(profile)].value;
}

uint16_t SettingsStore::ProfilesSensorModel() const {
    return static_cast<uint16_t>(~TextFormat::ParseHexSetting(pairs_[kPreST].value));
}

void SettingsStore::SetSensor(uint16_t model) {
    sensor_model_ = model;
    pairs_[kSensor].value = TextFormat::HexSetting(model);
}

void SettingsStore::SetPreST(uint16_t value) {
    pairs_[kPreST].value = TextFormat::HexSetting(value);
}

unsigned SettingsStore::ProfileIndexAt(size_t pair) const {
    int64_t value = TextFormat::ParseDec(pairs_[pair].value);
    return static_cast<unsigned>(std::clamp<int64_t>(value, 0, ProfileTable::kCount - 1));
}

void SettingsStore::SetNumber(size_t pair, int64_t value) {
    pairs_[pair].value = TextFormat::Dec(value);
}

unsigned SettingsStore::GetCurrentProfile() const {
    return ProfileIndexAt(kCurrentProfile);
}

void SettingsStore::SetCurrentProfile(unsigned index) {
    SetNumber(kCurrentProfile, index);
}

unsigned SettingsStore::GetProfileShowCount() const {
    int64_t value = TextFormat::ParseDec(pairs_[kShowCount].value);
    return static_cast<unsigned>(std::clamp<int64_t>(value, 0, ProfileTable::kCount));
}

void SettingsStore::SetProfileShowCount(unsigned count) {
    SetNumber(kShowCount, count);
}

unsigned SettingsStore::GetProfileShowList(size_t position) const {
    return ProfileIndexAt(kShowList + ProfileTable::Clamp(position));
}

void SettingsStore::SetProfileShowList(size_t position, unsigned index) {
    if (position < ProfileTable::kCount)
        SetNumber(kShowList + position, index);
}
