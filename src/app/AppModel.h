#pragma once

#include "app/AppFolders.h"
#include "device/SensorTable.h"
#include "macro/MacroLibraryTree.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

#include <memory>

class Platform;

// The records that live for the whole run: texts, macro library, settings, the five profiles
// and the DPI tables of the current sensor.
struct AppModel {
    AppFolders folders;
    float uiScale = 1.0f;
    float dpiScale = 1.0f;
    LanguageTexts texts;
    MacroLibraryTree library;
    ProfileTable profiles;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<ProfileFiles> profileFiles;
    SensorTables sensor;

    ProfileSettings& CurrentProfile() { return profiles[settings->GetCurrentProfile()]; }
    // Settings file first, then every profile file: what the deferred save and shutdown write.
    void SaveAll() const;
};

// The model's share of the start-up, in its fixed order: folders (with the language files on
// the first start), the two scales from the screen, then texts, macro library, settings and
// profiles (their default names come from the texts) and the sensor's DPI tables.
void LoadAppModel(Platform& platform, AppModel& model);
