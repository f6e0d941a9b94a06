#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "HeadlessTestWindow.h"

using headless_test::LogWindow;
using Log = std::vector<std::string>;

namespace {

struct HeadlessServices : testing::Test {
    HeadlessPlatform platform;
    Log log;
    LogWindow handler{log, "main"};
    WindowId window = platform.MakeWindow(handler, WindowKind::Main, 0, {0, 0, 100, 100});
};

TEST(HeadlessSingleInstance, SecondInstanceHandsOverToTheFirstSynchronously) {
    SingleInstanceRegistry registry;
    HeadlessPlatform first({}, &registry);
    HeadlessPlatform second({}, &registry);
    Log log;
    LogWindow main(log, "first");
    const WindowId w = first.MakeWindow(main, WindowKind::Main, 0, {0, 0, 10, 10});
    ASSERT_TRUE(first.ClaimSingleInstance(u"Corvex_QLN"));
    first.SetHandOverWindow(w, 2999);
    EXPECT_FALSE(second.ClaimSingleInstance(u"Corvex_QLN"));
    EXPECT_EQ(log, (Log{"first: msg 2999 0 0"}));
    EXPECT_TRUE(second.ClaimSingleInstance(u"Other"));
    EXPECT_TRUE(first.ClaimSingleInstance(u"Corvex_QLN")); // its own name again
}

TEST(HeadlessSingleInstance, NameIsFreeAgainWhenTheFirstBackendHasGone) {
    SingleInstanceRegistry registry;
    {
        HeadlessPlatform first({}, &registry);
        ASSERT_TRUE(first.ClaimSingleInstance(u"Corvex_QLN"));
    }
    HeadlessPlatform second({}, &registry);
    EXPECT_TRUE(second.ClaimSingleInstance(u"Corvex_QLN"));
}

TEST(HeadlessSingleInstance, BackendsWithoutASharedRegistryAreAlwaysFirst) {
    HeadlessPlatform first;
    HeadlessPlatform second;
    EXPECT_TRUE(first.ClaimSingleInstance(u"Corvex_QLN"));
    EXPECT_TRUE(second.ClaimSingleInstance(u"Corvex_QLN"));
}

TEST_F(HeadlessServices, TrayEventsArriveAsTheCallbackMessage) {
    ASSERT_TRUE(platform.AddTrayIcon(window, 128, u"Vantor Mouse", 1056));
    platform.ClickTray(TrayEvent::RightUp);
    EXPECT_EQ(log, (Log{"main: msg 1056 128 517"}));
    platform.RemoveTrayIcon(window);
    EXPECT_FALSE(platform.Tray().has_value());
    platform.SetTrayAvailable(false);
    EXPECT_FALSE(platform.AddTrayIcon(window, 128, u"Vantor Mouse", 1056));
}

TEST_F(HeadlessServices, PopupMenuReturnsTheAnswerAndPostsItsCommand) {
    const std::vector<MenuItem> items = {{2075, u"Open"}, {0, u""}, {2076, u"Exit"}};
    platform.SetMenuAnswer(2076);
    EXPECT_EQ(platform.PopupMenu(window, items, {5, 6}), 2076);
    EXPECT_TRUE(log.empty());
    platform.Pump();
    EXPECT_EQ(log, (Log{"main: msg 273 2076 0"}));
    platform.SetMenuAnswer(3000); // not offered: the menu was dismissed
    EXPECT_EQ(platform.PopupMenu(window, items, {5, 6}), 0);
    ASSERT_EQ(platform.Menus().size(), 2u);
    EXPECT_EQ(platform.Menus()[0].items[2].text, u"Exit");
    EXPECT_EQ(platform.Menus()[0].screen, (Point{5, 6}));
}

TEST_F(HeadlessServices, FileDialogsGiveTheAnswersAndRecordWhatWasAsked) {
    FileDialogRequest import;
    import.title = u"Import";
    EXPECT_EQ(platform.OpenFileDialog(window, import), std::nullopt);
    platform.SetSaveFileAnswer(u"/tmp/p.psf");
    const FileDialogRequest request{u"Export", u"Profile files", u"psf", u"Profile 1", u""};
    EXPECT_EQ(platform.SaveFileDialog(window, request), u"/tmp/p.psf");
    ASSERT_EQ(platform.FileDialogs().size(), 2u);
    EXPECT_FALSE(platform.FileDialogs()[0].save);
    EXPECT_TRUE(platform.FileDialogs()[1].save);
    EXPECT_EQ(platform.FileDialogs()[1].request.initialName, u"Profile 1");
}

TEST_F(HeadlessServices, ShellRequestsAreRecorded) {
    EXPECT_TRUE(platform.ShellOpen(u"https://corvex.example/"));
    platform.SetShellOpenResult(false);
    EXPECT_FALSE(platform.ShellOpen(u"/missing"));
    EXPECT_TRUE(platform.OpenMouseSettings());
    EXPECT_EQ(platform.ShellOpened(),
              (std::vector<std::u16string>{u"https://corvex.example/", u"/missing"}));
    EXPECT_EQ(platform.MouseSettingsOpened(), 1);
}

TEST_F(HeadlessServices, CapturedKeysArriveAsMessage0x401WithTimeAndReleaseBit) {
    platform.InjectCapturedKey(0x41, false); // capture off: nothing
    ASSERT_TRUE(platform.StartKeyCapture(window));
    platform.AdvanceMs(1234);
    platform.InjectCapturedKey(0x141, false);
    platform.InjectCapturedKey(0x41, true, 0xFFFFFFFFu);
    platform.StopKeyCapture();
    platform.InjectCapturedKey(0x41, true);
    EXPECT_EQ(log,
              (Log{"main: msg 1025 65 1234", "main: msg 1025 65 " + std::to_string(0xFFFFFFFFu)}));
}

TEST_F(HeadlessServices, ScreenMetricsAreTheTestsChoice) {
    EXPECT_EQ(platform.FullScreenSize(), (Size{1920, 1080}));
    platform.SetScreen({2560, 1600}, {0, 0, 2560, 1560}, 144);
    EXPECT_EQ(platform.FullScreenSize(), (Size{2560, 1600}));
    EXPECT_EQ(platform.WorkArea(), (Rect{0, 0, 2560, 1560}));
    EXPECT_EQ(platform.LogicalDpi(), 144);
    HeadlessPlatform small({.screen = {1280, 720}, .workArea = {0, 0, 1280, 680}, .dpi = 120});
    EXPECT_EQ(small.FullScreenSize(), (Size{1280, 720}));
    EXPECT_EQ(small.LogicalDpi(), 120);
}

TEST_F(HeadlessServices, FoldersGetATrailingSeparatorAndEnsureFolderCreatesThem) {
    std::random_device random;
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() / ("corvex-headless-" + std::to_string(random()));
    platform.SetFolders(u"/prog", base.u16string(), u"/cwd/");
    EXPECT_EQ(platform.ProgramFolder(), u"/prog/");
    EXPECT_EQ(platform.CurrentFolder(), u"/cwd/");
    const std::u16string config = platform.UserDataBase() + u"CorvexData20250321A/config/";
    EXPECT_TRUE(platform.EnsureFolder(config));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(config)));
    EXPECT_TRUE(platform.EnsureFolder(config));
    std::filesystem::remove_all(base);
}

TEST_F(HeadlessServices, FontsAndTextMeasuresAreDeterministic) {
    const auto narrow = platform.MakeFont({u"Tahoma", 16});
    const auto wide = platform.MakeFont({u"Tahoma", -24, 12, 700});
    EXPECT_EQ(platform.MeasureText(u"1234", *narrow), (Size{32, 16}));
    EXPECT_EQ(platform.MeasureText(u"12", *wide), (Size{24, 24}));
    EXPECT_EQ(platform.FontsMade().size(), 2u);
    EXPECT_EQ(platform.DefaultGuiFont().face, u"MS Shell Dlg");
}

TEST_F(HeadlessServices, SleepAdvancesNothingAndThereIsNoNativeHidBus) {
    platform.SleepMs(60);
    EXPECT_EQ(platform.NowMs(), 0u);
    EXPECT_EQ(platform.SleptMs(), 60u);
    EXPECT_EQ(platform.NativeHidBus(), nullptr);
}

TEST_F(HeadlessServices, DragRequestsAndWindowAttributesAreRecorded) {
    platform.BeginWindowDrag(window);
    platform.SetTitle(window, u"Vantor Mouse");
    platform.SetIcon(window, 128);
    platform.SetOpacity(window, 128);
    platform.Show(window, ShowCommand::Foreground);
    EXPECT_EQ(platform.DragRequests(), (std::vector<WindowId>{window}));
    EXPECT_EQ(platform.Title(window), u"Vantor Mouse");
    EXPECT_EQ(platform.IconId(window), 128);
    EXPECT_EQ(platform.Opacity(window), 128);
    EXPECT_EQ(platform.ShowHistory(window), (std::vector<ShowCommand>{ShowCommand::Foreground}));
}

TEST_F(HeadlessServices, ForegroundBringsAMinimisedWindowBack) {
    platform.SetMinimized(window, true);
    EXPECT_TRUE(platform.IsMinimized(window));
    platform.Show(window, ShowCommand::Foreground);
    EXPECT_FALSE(platform.IsMinimized(window));
}

} // namespace
