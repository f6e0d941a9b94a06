// corvex: the configuration program. Without options it runs on the desktop with the platform's
// HID; --demo puts an emulated mouse on its cable, --virtual-device uses the virtual HID bus.
#include "MouseEmulator.h"
#include "app/AppFolders.h"
#include "app/AppModel.h"
#include "app/CCorvexApp.h"
#include "app/CMainWindow.h"
#include "device/hid/InProcessHidBus.h"
#include "device/hid/VirtualHidBus.h"
#include "platform/qt/QtPlatform.h"
#include "ui/UiContext.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct Options {
    bool demo = false;
    std::string virtualDevice;
};

std::u16string ExecutableFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().u16string();
}

// The HID bus the run talks to; the emulator, when there is one, lives beside it.
struct DeviceBus {
    std::unique_ptr<MouseEmulator> emulator;
    std::unique_ptr<HidBus> owned;
    HidBus* bus = nullptr;
};

bool OpenBus(const Options& options, Platform& platform, DeviceBus& device) {
    if (options.demo) {
        device.emulator = std::make_unique<MouseEmulator>();
        device.emulator->Plug(MouseConnection::Cable);
        device.emulator->SetDemo(true);
        device.owned = std::make_unique<InProcessHidBus>(*device.emulator);
    } else if (!options.virtualDevice.empty()) {
        std::string error;
        device.owned = VirtualHidBus::Connect(options.virtualDevice, &error);
        if (!device.owned) {
            std::fprintf(stderr, "corvex: virtual HID bus %s: %s\n", options.virtualDevice.c_str(),
                         error.c_str());
            return false;
        }
    } else {
        device.owned = platform.NativeHidBus();
    }
    device.bus = device.owned.get();
    return device.bus != nullptr;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    CLI::App cli{"corvex: settings for the mouse, its buttons, DPI levels, lighting and macros"};
    cli.add_flag("--demo", options.demo, "run against an emulated mouse on the cable");
    cli.add_option("--virtual-device", options.virtualDevice,
                   "HOST:PORT of a virtual HID bus (corvex-sim) instead of hidraw");
    CLI11_PARSE(cli, argc, argv);

    QtPlatformOptions qtOptions;
    qtOptions.programFolder = ResolveProgramFolder(
        ExecutableFolder(), std::filesystem::path(CORVEX_ASSETS_DIR).u16string());
    std::unique_ptr<Platform> platform = MakeQtPlatform(argc, argv, qtOptions);
    DeviceBus device;
    if (!OpenBus(options, *platform, device))
        return 1;

    CCorvexApp app(*platform, [&](Platform& p) {
        AppModel model;
        LoadAppModel(p, model);
        UiContext ui(p, model.texts, model.folders.program, model.uiScale);
        CMainWindow window(ui, model, *device.bus);
        if (device.emulator)
            window.SetTick([&](uint32_t ms) { device.emulator->Advance(ms); });
        window.DoModal();
    });
    app.InitInstance();
    return 0;
}
