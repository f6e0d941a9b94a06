// Status reports decoded per second, and the frames and protocol time of a full profile upload
// with fifteen macros (the waits added up by a simulated clock).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "MouseEmulator.h"
#include "device/DeviceClock.h"
#include "device/DeviceEffects.h"
#include "device/DeviceSession.h"
#include "device/SensorTable.h"
#include "device/UiQueue.h"
#include "device/hid/InProcessHidBus.h"
#include "macro/LibraryItem.h"
#include "macro/MacroLibraryTree.h"
#include "settings/DataFolder.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/ProfileTable.h"
#include "settings/SettingsStore.h"

namespace fs = std::filesystem;

namespace {

struct World {
    fs::path root = fs::temp_directory_path() / "corvex-bench-device";
    std::u16string folder;
    LanguageTexts texts;
    ProfileTable table;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<ProfileFiles> files;
    SensorTables sensor;
    MacroLibraryTree library;

    World() {
        fs::remove_all(root);
        fs::create_directories(root / "config");
        folder = root.u16string() + DataFolder::kSeparator;
        settings = std::make_unique<SettingsStore>(folder);
        files = std::make_unique<ProfileFiles>(table, *settings, texts);
        settings->LoadSettings(*files);
        sensor.BuildSensorTables(settings->SensorModel());
    }
    ~World() { fs::remove_all(root); }
    DeviceContext Context() { return {*settings, table, *files, texts, sensor, library}; }
};

void AddMacros(World& world, int count, int steps) {
    ProfileSettings& profile = world.table[world.settings->GetCurrentProfile()];
    for (int m = 0; m < count; ++m) {
        const MacroLocation at = world.library.AddMacro(MacroLocation::None(), u"bench");
        MacroRecord* macro = world.library.ItemAt(at)->macro.get();
        for (int s = 0; s < steps; ++s) {
            macro->InsertAction(macro->ActionCount(), MacroAction::Key(0x41, s % 2 == 1));
            macro->InsertAction(macro->ActionCount(), MacroAction::Delay(15));
        }
        macro->MacroCommandActionNum = static_cast<uint8_t>(steps);
        KeyAssignment& key = profile.Keys[m];
        key.Value.bytes = {0x90, 0, 0};
        key.MacroKeyIndex = macro->MacroKeyIndex;
        key.AssignMacro(macro);
    }
}

void BenchDecoding() {
    World world;
    MouseEmulator mouse;
    InProcessHidBus bus(mouse);
    PumpedUiQueue queue;
    SilentDeviceEffects effects;
    SimulatedDeviceClock clock;
    DeviceSession session(bus, queue, effects, clock, world.Context());
    std::vector<uint8_t> report(32, 0);
    report[0] = 4, report[3] = 0x02, report[4] = 80, report[6] = 1, report[8] = 8, report[9] = 0x11;
    constexpr int kReports = 200000;
    for (const bool changing : {false, true}) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kReports; ++i) {
            report[2] = changing ? static_cast<uint8_t>(i % 6) : 2;
            session.Reader().Decode(ConnectionKind::Wired, report);
        }
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("status reports decoded per second (%s): %.0f\n",
                    changing ? "DPI level changes in each, caches primed" : "identical",
                    kReports / s);
    }
}

void BenchFullUpload() {
    World world;
    constexpr int kMacros = 15;
    constexpr int kSteps = 40;
    AddMacros(world, kMacros, kSteps);
    MouseEmulator mouse;
    mouse.Plug(MouseConnection::Cable);
    InProcessHidBus bus(mouse);
    PumpedUiQueue queue;
    SilentDeviceEffects effects;
    SimulatedDeviceClock clock;
    DeviceSession session(bus, queue, effects, clock, world.Context());
    session.Link().ScanDevices();
    PendingFlags& pending = session.Sync().Pending();
    pending.buttons = pending.settings = pending.power = pending.motion = true;
    const auto start = std::chrono::steady_clock::now();
    session.Sync().ApplyPendingChanges();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("full profile with %d macros of %d steps: %llu frames, %llu ms of protocol "
                "waits (%.1f ms of computing)\n",
                kMacros, kSteps, static_cast<unsigned long long>(session.Sender().FramesWritten()),
                static_cast<unsigned long long>(clock.NowMs()), ms);
}

} // namespace

int main() {
    BenchDecoding();
    BenchFullUpload();
    return 0;
}
