#include "app/AppModel.h"
#include "app/CCorvexApp.h"
#include "app/CorvexShell.h"
#include "app/ScreenScale.h"
#include "device/hid/InProcessHidBus.h"
#include "dialogs/SecondaryWindowTable.h"
#include "settings/CStdioFileEx.h"

#include "HeadlessTestWindow.h"
#include "MouseEmulator.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Log = std::vector<std::string>;

// The main window as the shell sees it: forwards what the shell handles and records the rest.
class FakeMainWindow : public WindowHandler, public MainWindowView, public NoticeDialogs {
  public:
    WindowId id = 0;
    CorvexShell* shell = nullptr;
    Log calls;
    bool ended = false;

    void OnPaint(Surface&, const Rect&) override {}
    intptr_t OnMessage(uint32_t m, uintptr_t w, intptr_t l) override {
        intptr_t result = 0;
        shell->OnMessage(m, w, l, result);
        return result;
    }
    void OnTimer(int timer) override { shell->OnTimer(timer); }
    bool OnKeyDown(int vk) override { return shell->OnKeyDown(vk); }

    WindowId Window() const override { return id; }
    void RefreshPages() override { calls.push_back("refresh"); }
    void ShowConnection(const ConnectionDisplay& d) override {
        calls.push_back("connection " + std::to_string(d.icon ? int(*d.icon) : -1));
    }
    void SensorChanged() override { calls.push_back("sensor"); }
    void ShowOfflineNotice(bool shown) override {
        calls.push_back(std::string("notice ") + (shown ? "shown" : "hidden"));
    }
    void ShowBattery(const BatteryView& b) override {
        calls.push_back("battery " + std::string(b.text.begin(), b.text.end()) +
                        (b.textVisible ? "" : " hidden") + " step " +
                        std::to_string(b.animationStep));
    }
    void EndMainDialog() override { ended = true; }
    void ShowAttention(int text) override { calls.push_back("attention " + std::to_string(text)); }
    void OpenAttention(int text) override {
        calls.push_back("notice-dialog " + std::to_string(text));
    }
    void ShowSupportContact() override { calls.push_back("support"); }
    void ShowProgress(int text) override { calls.push_back("progress " + std::to_string(text)); }

    size_t Count(const std::string& call) const {
        return size_t(std::count(calls.begin(), calls.end(), call));
    }
};

// A first start on a fresh machine with the emulated mouse plugged in by cable.
struct ShellWorld : ::testing::Test {
    fs::path base = apptest::FreshTestFolder("corvex-shell-");
    SingleInstanceRegistry registry;
    HeadlessPlatform platform{apptest::ProgramSetup(base), &registry};
    MouseEmulator mouse;
    std::unique_ptr<InProcessHidBus> bus;
    AppModel model;
    FakeMainWindow main;
    std::unique_ptr<CorvexShell> shell;

    void SetUp() override {
        SecondaryWindows().Clear();
        mouse.Plug(MouseConnection::Cable);
        bus = std::make_unique<InProcessHidBus>(mouse);
        LoadAppModel(platform, model);
        main.id = platform.MakeWindow(main, WindowKind::Main, 0, {0, 0, 10, 10});
        shell = std::make_unique<CorvexShell>(platform, model, main, main, *bus);
        main.shell = shell.get();
        ASSERT_TRUE(platform.ClaimSingleInstance(CCorvexApp::kInstanceName));
        shell->Start();
        platform.Pump();
    }
    void TearDown() override {
        shell.reset();
        fs::remove_all(base);
    }

    template <class F> bool PumpUntil(F done) { return apptest::PumpUntil(platform, done); }
    size_t FramesOf(CommandCode code) const {
        size_t n = 0;
        for (const FrameRecord& f : mouse.Frames())
            n += f.bytes.size() > 1 && f.bytes[1] == uint8_t(code);
        return n;
    }
};

} // namespace

TEST_F(ShellWorld, StartPlacesTheWindowAddsTheTrayAndFindsTheMouse) {
    EXPECT_EQ(platform.WindowRect(main.id),
              ScreenScale::MainWindowRect(platform.FullScreenSize(), model.uiScale));
    EXPECT_TRUE(platform.IsVisible(main.id));
    ASSERT_TRUE(platform.Tray().has_value());
    EXPECT_EQ(platform.Tray()->tip, u"Vantor Mouse");
    EXPECT_EQ(platform.Tray()->message, 1056u);
    EXPECT_EQ(platform.Tray()->iconId, 128);
    EXPECT_TRUE(shell->Session().Link().Present(ConnectionKind::Wired));
    EXPECT_EQ(main.Count("refresh"), 2u) << "once before the scan, once after it found the mouse";
    EXPECT_EQ(main.Count("connection 0"), 1u);
    EXPECT_TRUE(platform.IsTimerArmed(main.id, 80));
    EXPECT_TRUE(platform.IsTimerArmed(main.id, 110));
}

TEST_F(ShellWorld, SecondStartBringsTheWindowForwardAlsoWhenMinimised) {
    platform.SetMinimized(main.id, true);
    HeadlessPlatform second({}, &registry);
    EXPECT_FALSE(CCorvexApp(second, [](Platform&) { FAIL(); }).InitInstance());
    EXPECT_EQ(platform.ShowHistory(main.id).back(), ShowCommand::Foreground);
    EXPECT_FALSE(platform.IsMinimized(main.id));
}

TEST_F(ShellWorld, TrayMenuOpensAndExitClosesSecondaryWindowsThenTheMainWindow) {
    platform.ClickTray(TrayEvent::RightUp);
    ASSERT_EQ(platform.Menus().size(), 1u);
    const auto& items = platform.Menus()[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].command, 2075);
    EXPECT_EQ(items[0].text, model.texts.Get(1));
    EXPECT_EQ(items[1].command, 0);
    EXPECT_EQ(items[2].text, model.texts.Get(2));

    Log log;
    headless_test::LogWindow a(log, "a"), b(log, "b");
    for (auto* w : {&a, &b}) {
        const WindowId id = platform.MakeWindow(*w, WindowKind::Dialog, main.id, {});
        SecondaryWindows().Add(id);
    }
    platform.ClickTray(TrayEvent::LeftUp);
    EXPECT_EQ(platform.ShowHistory(main.id).back(), ShowCommand::Foreground);
    EXPECT_FALSE(main.ended);
    platform.SetMenuAnswer(2076);
    platform.ClickTray(TrayEvent::RightUp);
    EXPECT_TRUE(main.ended);
    EXPECT_EQ(log, (Log{"a: msg 16 0 0", "b: msg 16 0 0"}));
}

TEST_F(ShellWorld, ProfileChangeOnTheMouseShowsTheDisplayThenUploadsTheNewProfile) {
    mouse.ClearFrames();
    const unsigned before = model.settings->GetCurrentProfile();
    mouse.PressProfileButton();
    ASSERT_TRUE(PumpUntil([&] { return shell->Osd().IsShown(); }));
    EXPECT_NE(model.settings->GetCurrentProfile(), before);
    EXPECT_EQ(FramesOf(CommandCode::SetButtonTable), 0u) << "nothing before the display closed";

    platform.AdvanceMs(6 * 300);
    EXPECT_FALSE(shell->Osd().IsShown());
    platform.AdvanceMs(20);
    EXPECT_GE(FramesOf(CommandCode::SetButtonTable), 1u);
    EXPECT_EQ(main.Count("progress 146"), 1u);

    // Ten seconds after the change the settings file names the new profile.
    const unsigned now = model.settings->GetCurrentProfile();
    platform.AdvanceMs(10000);
    SettingsStore reread(model.folders.data);
    ProfileTable table;
    ProfileFiles files(table, reread, model.texts);
    reread.LoadSettings(files);
    EXPECT_EQ(reread.GetCurrentProfile(), now);
}

TEST_F(ShellWorld, RemovingTheOnlyDeviceClosesDialogsAndOpensTheNotice) {
    Log log;
    headless_test::LogWindow dialog(log, "d");
    SecondaryWindows().Add(platform.MakeWindow(dialog, WindowKind::Dialog, main.id, {}));
    mouse.Unplug(MouseConnection::Cable);
    ASSERT_TRUE(PumpUntil([&] { return main.Count("notice-dialog 155") == 1; }));
    EXPECT_EQ(log, (Log{"d: msg 16 0 0"}));
    EXPECT_TRUE(shell->Session().Link().AttentionPending());
}

TEST_F(ShellWorld, Timer80WithoutADeviceOpensTheNoticeAndWithTheCableHidesTheOfflineText) {
    platform.AdvanceMs(2000);
    EXPECT_EQ(main.Count("notice hidden"), 1u);
    EXPECT_EQ(main.Count("notice-dialog 155"), 0u);
    mouse.Unplug(MouseConnection::Cable);
    ASSERT_TRUE(PumpUntil([&] { return !shell->Session().Link().AnyPresent(); }));
    main.calls.clear();
    shell->OnTimer(80);
    EXPECT_EQ(main.Count("notice-dialog 155"), 1u);
}

TEST_F(ShellWorld, BatteryTickShowsTheLevelAndHidesItWhileCharging) {
    shell->Session().Status().battery = 85;
    shell->OnTimer(110);
    shell->Session().Status().charge = 1;
    shell->Session().Status().battery = 130;
    for (int i = 0; i < 4; ++i)
        shell->OnTimer(110);
    Log battery;
    for (const auto& c : main.calls)
        if (c.starts_with("battery"))
            battery.push_back(c);
    EXPECT_EQ(battery,
              (Log{"battery 85% step 25", "battery 0% hidden step 50", "battery 0% hidden step 75",
                   "battery 0% hidden step 100", "battery 0% hidden step 25"}));
}

TEST_F(ShellWorld, EnterAndEscapeAreSwallowedAndTheSupportSequenceShowsTheContact) {
    EXPECT_TRUE(shell->OnKeyDown(13));
    EXPECT_TRUE(shell->OnKeyDown(27));
    for (char c : std::string("CCORVEXHELP"))
        EXPECT_FALSE(shell->OnKeyDown(c));
    EXPECT_EQ(main.Count("support"), 1u);
    for (char c : std::string("CORVEX"))
        shell->OnKeyDown(c);
    shell->OnKeyDown(13); // breaks the sequence
    for (char c : std::string("HELP"))
        shell->OnKeyDown(c);
    EXPECT_EQ(main.Count("support"), 1u);
}

TEST_F(ShellWorld, ShutdownDoesThePendingSaveAndRemovesTheTray) {
    model.settings->SetCurrentProfile(2);
    shell->Session().Sync().SetDeferredSave();
    shell->StartTimer(DeviceTimer::DeferredSave, 10000);
    shell->Shutdown();
    EXPECT_FALSE(platform.IsTimerArmed(main.id, 70));
    EXPECT_FALSE(platform.Tray().has_value());
    SettingsStore reread(model.folders.data);
    ProfileTable table;
    ProfileFiles files(table, reread, model.texts);
    reread.LoadSettings(files);
    EXPECT_EQ(reread.GetCurrentProfile(), 2u);
}
