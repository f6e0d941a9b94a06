#include "app/AppModel.h"
#include "app/CCorvexApp.h"
#include "app/ScreenScale.h"
#include "settings/CStdioFileEx.h"
#include "settings/DataFolder.h"

#include "HeadlessTestWindow.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using headless_test::LogWindow;
using Log = std::vector<std::string>;

// A headless screen whose program folder holds the product's assets and whose per-user base is
// a fresh temporary folder.
struct FreshMachine {
    fs::path base;
    HeadlessPlatform platform;

    FreshMachine()
        : base(apptest::FreshTestFolder("corvex-app-")), platform(apptest::ProgramSetup(base)) {}
    ~FreshMachine() { fs::remove_all(base); }

    fs::path Config(const std::u16string& name) const {
        return base / "CorvexData20250321A" / "config" / fs::path(name);
    }
};

} // namespace

TEST(ScreenScale, UiScaleFollowsTheFullScreenArea) {
    struct Case {
        Size screen;
        float scale;
    };
    const Case cases[] = {{{2560, 1440}, 1.5f}, {{1920, 1040}, 1.0f}, {{3840, 2080}, 2.0f},
                          {{2401, 1601}, 2.0f}, {{2400, 1601}, 1.5f}, {{1801, 1200}, 1.0f},
                          {{1801, 1201}, 1.5f}, {{800, 600}, 1.0f}};
    for (const Case& c : cases)
        EXPECT_EQ(ScreenScale::UiScaleFor(c.screen), c.scale)
            << c.screen.width << " x " << c.screen.height;
    EXPECT_EQ(ScreenScale::DpiScaleFor(144), 1.5f);
    EXPECT_EQ(ScreenScale::DpiScaleFor(0), 1.0f);
}

TEST(ScreenScale, MainWindowIsCentredOrPutAtTheOriginWhenTooLarge) {
    EXPECT_EQ(ScreenScale::MainWindowRect({1920, 1040}, 1.0f), (Rect{396, 150, 1523, 890}));
    EXPECT_EQ(ScreenScale::MainWindowRect({2560, 1440}, 1.5f), (Rect{435, 165, 2125, 1275}));
    EXPECT_EQ(ScreenScale::MainWindowRect({1024, 1000}, 1.0f), (Rect{0, 130, 1127, 870}));
    EXPECT_EQ(ScreenScale::MainWindowRect({3000, 700}, 2.0f), (Rect{373, 0, 2627, 1480}));
}

TEST(AppStartup, FirstStartCopiesTheLanguageFilesAndWritesDefaults) {
    FreshMachine machine;
    AppModel model;
    LoadAppModel(machine.platform, model);

    for (const char16_t* name : kLanguageFileNames) {
        const fs::path copied = machine.Config(name);
        ASSERT_TRUE(fs::exists(copied)) << copied;
        EXPECT_EQ(fs::file_size(copied),
                  fs::file_size(fs::path(CORVEX_ASSETS_DIR) / "lang" / name));
    }
    EXPECT_EQ(model.folders.data,
              (machine.base / "CorvexData20250321A").u16string() + DataFolder::kSeparator);
    EXPECT_FALSE(model.texts.Get(1).empty()) << "texts were read from the copies";
    // Profiles come after the texts: their default names are language texts 85 to 89.
    for (unsigned i = 0; i < 5; ++i) {
        EXPECT_EQ(model.profiles[i].SettingPairs[0].value, model.texts.Get(85 + i));
        EXPECT_TRUE(fs::exists(fs::path(model.settings->ProfileSlotPath(i))));
    }
    EXPECT_TRUE(fs::exists(machine.Config(u"config.ini")));
    EXPECT_EQ(model.sensor.Model(), model.settings->SensorModel());
    EXPECT_GT(model.sensor.DpiStepCount(), 0u);
}

TEST(AppStartup, LanguageFilesAlreadyThereAreKept) {
    FreshMachine machine;
    fs::create_directories(machine.Config(u"").parent_path());
    ASSERT_TRUE(CStdioFileEx::WriteLines(machine.Config(u"LanSetting.ini"),
                                         {u"[ChangeLanguage]", u"Language=CN"}));
    AppModel model;
    LoadAppModel(machine.platform, model);
    EXPECT_EQ(LanguageTexts::ReadLanguageCode(machine.Config(u"LanSetting.ini")), u"CN");
    EXPECT_TRUE(fs::exists(machine.Config(u"Lan.txt")));
    EXPECT_EQ(SeedLanguageFiles(model.folders), 0);
    EXPECT_EQ(model.texts.Get(0), u"中文") << "the user's choice of language was kept";
    EXPECT_EQ(model.texts.GetFont().face, u"宋体");
}

TEST(AppStartup, MissingProductFilesLeaveTheTextsEmptyButTheProfilesUsable) {
    FreshMachine machine;
    machine.platform.SetFolders(u"/nonexistent/program/", machine.base.u16string() + u"/", u"/");
    AppModel model;
    LoadAppModel(machine.platform, model);
    EXPECT_TRUE(model.texts.Get(1).empty());
    EXPECT_TRUE(fs::exists(fs::path(model.settings->ProfileSlotPath(0))));
}

TEST(AppStartup, ScalesComeFromTheScreen) {
    FreshMachine machine;
    machine.platform.SetScreen({3840, 2080}, {0, 0, 3840, 2040}, 144);
    AppModel model;
    LoadAppModel(machine.platform, model);
    EXPECT_EQ(model.uiScale, 2.0f);
    EXPECT_EQ(model.dpiScale, 1.5f);
}

TEST(AppStartup, SaveAllWritesTheCurrentProfileIndexAndEveryProfile) {
    FreshMachine machine;
    AppModel model;
    LoadAppModel(machine.platform, model);
    model.settings->SetCurrentProfile(3);
    model.profiles[3].SettingPairs[0].value = u"Arena";
    model.SaveAll();

    AppModel again;
    LoadAppModel(machine.platform, again);
    EXPECT_EQ(again.settings->GetCurrentProfile(), 3u);
    EXPECT_EQ(again.CurrentProfile().SettingPairs[0].value, u"Arena");
}

TEST(CCorvexApp, SecondStartHandsOverToTheRunningWindowAndEnds) {
    SingleInstanceRegistry registry;
    HeadlessPlatform first({}, &registry);
    HeadlessPlatform second({}, &registry);
    Log log;
    LogWindow mainWindow(log, "main");
    int secondRuns = 0;
    bool secondResult = true;

    CCorvexApp app(first, [&](Platform& platform) {
        const WindowId w = platform.MakeWindow(mainWindow, WindowKind::Main, 0, {0, 0, 10, 10});
        platform.SetHandOverWindow(w, CCorvexApp::kHandOverMessage);
        CCorvexApp other(second, [&](Platform&) { ++secondRuns; });
        secondResult = other.InitInstance();
        platform.DestroyWindow(w);
    });
    EXPECT_TRUE(app.InitInstance());
    EXPECT_FALSE(secondResult);
    EXPECT_EQ(secondRuns, 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main: msg 2999 0 0"), 1);
}

TEST(CCorvexApp, SecondStartBeforeTheFirstWindowExistsEndsSilently) {
    SingleInstanceRegistry registry;
    HeadlessPlatform first({}, &registry);
    HeadlessPlatform second({}, &registry);
    bool secondResult = true;
    CCorvexApp app(first, [&](Platform&) {
        secondResult = CCorvexApp(second, [](Platform&) { FAIL() << "second ran"; }).InitInstance();
    });
    EXPECT_TRUE(app.InitInstance());
    EXPECT_FALSE(secondResult);
}

TEST(CCorvexApp, StartAfterTheFirstInstanceEndedRunsNormally) {
    SingleInstanceRegistry registry;
    {
        HeadlessPlatform first({}, &registry);
        EXPECT_TRUE(CCorvexApp(first, nullptr).InitInstance());
    }
    HeadlessPlatform later({}, &registry);
    int runs = 0;
    EXPECT_TRUE(CCorvexApp(later, [&](Platform&) { ++runs; }).InitInstance());
    EXPECT_EQ(runs, 1);
}

TEST(AppFolders, ProgramFolderIsTheInstalledShareFolderOrTheBuildAssets) {
    const fs::path root = fs::temp_directory_path() / "corvex-app-program-folder";
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    fs::create_directories(root / "build");
    const std::u16string assets = (root / "assets").u16string();
    EXPECT_EQ(ResolveProgramFolder((root / "bin").u16string(), assets), assets + u"/");
    fs::create_directories(root / "share" / "corvex" / "skins");
    EXPECT_EQ(ResolveProgramFolder((root / "bin").u16string(), assets),
              (root / "share" / "corvex").u16string() + u"/");
    fs::remove_all(root / "share");
    EXPECT_EQ(ResolveProgramFolder((root / "build").u16string() + u"/", assets + u"/"),
              assets + u"/")
        << "a build folder beside no share/corvex";
    fs::remove_all(root);
}
