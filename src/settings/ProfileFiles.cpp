#include "settings/ProfileFiles.h"

#include "settings/ProfileFile.h"
#include "settings/SettingsStore.h"

namespace {

std::filesystem::path SlotPath(const SettingsStore& settings, size_t index) {
    return std::filesystem::path(settings.ProfileSlotPath(index));
}

} // namespace

bool ProfileFiles::WriteProfileFile(size_t index, const std::filesystem::path& path) const {
    return ProfileFile::Write(table_[index], path);
}

bool ProfileFiles::ReadProfileFile(size_t index, const std::filesystem::path& path) {
    if (ProfileFile::Read(table_[index], path))
        return true;
    ResetProfile(index);
    WriteProfileFile(index, SlotPath(settings_, ProfileTable::Clamp(index)));
    return false;
}

void ProfileFiles::SaveAllProfiles() const {
    for (size_t i = 0; i < ProfileTable::kCount; ++i)
        WriteProfileFile(i, SlotPath(settings_, i));
}

void ProfileFiles::ResetProfile(size_t index) {
    table_[index].Reset(static_cast<unsigned>(ProfileTable::Clamp(index)), texts_,
                        FindDpiResetSteps(settings_.SensorModel()));
}

void ProfileFiles::ResetAllDpi() {
    DpiResetSteps steps = FindDpiResetSteps(settings_.SensorModel());
    for (size_t i = 0; i < ProfileTable::kCount; ++i)
        table_[i].ResetDpi(steps);
}
