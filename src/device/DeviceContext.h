#pragma once

class LanguageTexts;
class MacroLibraryTree;
class ProfileFiles;
class ProfileTable;
class SensorTables;
class SettingsStore;

// The process-wide model the device link reads and changes, all on the UI thread.
struct DeviceContext {
    SettingsStore& settings;
    ProfileTable& profiles;
    ProfileFiles& files;
    const LanguageTexts& texts;
    SensorTables& sensor;
    const MacroLibraryTree& library;
};
