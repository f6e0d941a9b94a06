#include "Commands.h"
#include "DeviceTool.h"

#include <iostream>

#include "device/DeviceContext.h"
#include "device/DeviceSync.h"
#include "device/SensorTable.h"
#include "macro/LibraryItem.h"
#include "macro/MacroLibraryTree.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

namespace {

// The profile's own macro copies stand in for the library the program would resolve from.
void LibraryFromProfile(const ProfileSettings& profile, MacroLibraryTree& library) {
    for (const auto& key : profile.Keys) {
        if (key.Value.Type() != kMacroFunction || library.MacroById(key.MacroKeyIndex))
            continue;
        const MacroLocation at = library.AddMacro(MacroLocation::None(), u"macro");
        if (LibraryItem* item = library.ItemAt(at)) {
            *item->macro = key.Macro;
            item->macro->MacroKeyIndex = key.MacroKeyIndex;
        }
    }
}

} // namespace

int RunApply(const std::string& virtualDevice, const std::string& file, uint16_t sensorModel) {
    ProfileTable table;
    int line = 0;
    if (!ProfileFile::Read(table[0], file, &line)) {
        std::cerr << "corvexctl: " << file << " is not a profile file (stopped at line " << line
                  << ")\n";
        return kExitBadFile;
    }
    SensorTables sensor;
    if (!sensor.BuildSensorTables(sensorModel)) {
        std::cerr << "corvexctl: unknown sensor model 0x" << std::hex << sensorModel << "\n";
        return kExitUsage;
    }
    DeviceTool tool;
    if (int code = tool.Connect(virtualDevice))
        return code;
    SettingsStore settings(u"");
    settings.SetCurrentProfile(0);
    LanguageTexts texts;
    ProfileFiles files(table, settings, texts);
    MacroLibraryTree library;
    LibraryFromProfile(table[0], library);
    const DeviceContext context{settings, table, files, texts, sensor, library};
    // The mouse is known to be there; a fresh sync has empty caches and sends every block.
    tool.status.deviceOnline = true;
    DeviceSync sync(context, tool.status, *tool.sender, *tool.link, tool.effects);
    PendingFlags& pending = sync.Pending();
    pending.buttons = pending.settings = pending.power = pending.motion = true;
    sync.ApplyPendingChanges();
    const uint64_t frames = tool.sender->FramesWritten();
    const uint64_t lost = tool.sender->TransfersGivenUp();
    std::cout << "applied " << file << ": " << frames << " frames written\n";
    if (lost > 0) {
        std::cerr << "corvexctl: " << lost << " frames were not acknowledged after "
                  << CommandSender::kAttempts << " attempts\n";
        return kExitNotAcknowledged;
    }
    return kExitOk;
}
