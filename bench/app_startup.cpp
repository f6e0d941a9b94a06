// Start-up of the application's model and shell on the headless backend with the emulated mouse
// on the cable: first start (language files copied, defaults written) and a second start over
// the same data folder. Prints the time of each and the resident memory afterwards.
#include "app/AppModel.h"
#include "app/CorvexShell.h"
#include "device/hid/InProcessHidBus.h"
#include "platform/headless/HeadlessPlatform.h"

#include "MouseEmulator.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Only what the shell needs to run: no pages, no dialogs.
class BareMainWindow : public WindowHandler, public MainWindowView, public NoticeDialogs {
  public:
    WindowId id = 0;
    CorvexShell* shell = nullptr;
    void OnPaint(Surface&, const Rect&) override {}
    void OnTimer(int timer) override { shell->OnTimer(timer); }
    WindowId Window() const override { return id; }
    void RefreshPages() override {}
    void ShowConnection(const ConnectionDisplay&) override {}
    void SensorChanged() override {}
    void ShowOfflineNotice(bool) override {}
    void ShowBattery(const BatteryView&) override {}
    void EndMainDialog() override {}
    void ShowAttention(int) override {}
    void OpenAttention(int) override {}
    void ShowSupportContact() override {}
    void ShowProgress(int) override {}
};

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

double StartOnce(const fs::path& base) {
    const auto begin = std::chrono::steady_clock::now();
    HeadlessSetup setup;
    setup.programFolder = fs::path(CORVEX_ASSETS_DIR).u16string() + u"/";
    setup.userDataBase = base.u16string() + u"/";
    HeadlessPlatform platform(setup);
    MouseEmulator mouse;
    mouse.Plug(MouseConnection::Cable);
    InProcessHidBus bus(mouse);
    AppModel model;
    LoadAppModel(platform, model);
    BareMainWindow main;
    main.id = platform.MakeWindow(main, WindowKind::Main, 0, {0, 0, 10, 10});
    CorvexShell shell(platform, model, main, main, bus);
    main.shell = &shell;
    shell.Start();
    platform.Pump();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

} // namespace

int main() {
    const fs::path base = fs::temp_directory_path() / "corvex-bench-app-startup";
    fs::remove_all(base);
    fs::create_directories(base);
    const double first = StartOnce(base);
    const double second = StartOnce(base);
    std::printf("first start (copies language files, writes defaults): %.2f ms\n", first);
    std::printf("later start: %.2f ms\n", second);
    std::printf("resident memory after start: %ld kB\n", ResidentKb());
    fs::remove_all(base);
    return 0;
}
