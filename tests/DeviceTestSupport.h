#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "MouseEmulator.h"
#include "RecordingDeviceEffects.h"
#include "device/DeviceStatus.h"
#include "device/UiQueue.h"
#include "device/hid/HidBus.h"

namespace devicetest {

// Pumps the UI queue until `done` holds or two seconds have passed; returns `done()`.
inline bool PumpUntil(PumpedUiQueue& queue, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        queue.WaitAndPump(std::chrono::milliseconds(10));
    return done();
}

// Passes everything on to another bus and counts the enumerations.
class CountingHidBus : public HidBus {
  public:
    explicit CountingHidBus(HidBus& inner) : inner_(inner) {}
    std::vector<HidInterfaceInfo> Enumerate() override {
        ++enumerations;
        return inner_.Enumerate();
    }
    std::unique_ptr<HidHandle> Open(const std::string& path) override { return inner_.Open(path); }
    void SetChangeListener(ChangeListener listener) override {
        inner_.SetChangeListener(std::move(listener));
    }
    int enumerations = 0;

  private:
    HidBus& inner_;
};

inline MouseConnection EmulatorKind(ConnectionKind kind) {
    switch (kind) {
    case ConnectionKind::Wired:
        return MouseConnection::Cable;
    case ConnectionKind::Receiver:
        return MouseConnection::Receiver;
    default:
        return MouseConnection::Ble;
    }
}

} // namespace devicetest

#include "SettingsTestSupport.h"
#include "device/DeviceContext.h"
#include "device/SensorTable.h"
#include "macro/MacroLibraryTree.h"

namespace devicetest {

// The program's model over a fresh data folder: settings and five default profiles loaded,
// DPI tables of the stored sensor, an empty macro library.
struct DeviceWorld {
    settings_test::ProfileWorld world;
    SensorTables sensor;
    MacroLibraryTree library;
    DeviceContext context{world.settings, world.table, world.files, world.texts, sensor, library};

    DeviceWorld() {
        world.texts.Set(34, u"No function");
        world.settings.LoadSettings(world.files);
        sensor.BuildSensorTables(world.settings.SensorModel());
    }

    ProfileSettings& Current() { return world.table[world.settings.GetCurrentProfile()]; }

    // A library macro of key presses and delays, placed at top level; returns its id.
    uint32_t AddMacro(const std::u16string& name, const std::vector<MacroAction>& actions) {
        const MacroLocation at = library.AddMacro(MacroLocation::None(), name);
        MacroRecord* macro = library.ItemAt(at)->macro.get();
        for (uint32_t i = 0; i < actions.size(); ++i)
            macro->InsertAction(i, actions[i]);
        macro->SetActionCount(static_cast<uint32_t>(actions.size()));
        uint8_t keys = 0;
        for (const auto& a : actions)
            keys += a.bytes[0] != 3 ? 1 : 0;
        macro->MacroCommandActionNum = keys;
        return macro->MacroKeyIndex;
    }

    // Puts the library macro on a button of a profile, its own copy included.
    void AssignMacro(size_t profile, size_t button, uint32_t id) {
        KeyAssignment& key = world.table[profile].Keys[button];
        key.Value.bytes = {0x90, 0, 0};
        key.MacroKeyIndex = id;
        key.AssignMacro(library.MacroById(id));
    }
};

inline MacroAction Press(uint8_t code) {
    return MacroAction::Key(code, false);
}
inline MacroAction Release(uint8_t code) {
    return MacroAction::Key(code, true);
}

} // namespace devicetest
