#include "SettingsTestSupport.h"
#include "device/SensorTable.h"
#include "mainwnd/CCorvexDlg.h"
#include "platform/headless/HeadlessPlatform.h"
#include "settings/ButtonAssignment.h"
#include "settings/ButtonMenu.h"
#include "ui/CBattery.h"
#include "ui/CCheckButton.h"
#include "ui/CComboButton.h"
#include "ui/CLevelBar.h"
#include "ui/CListPopup.h"
#include "ui/CSliderControl.h"
#include "ui/UiContext.h"

#include <gtest/gtest.h>

namespace {

struct MainWindow : ::testing::Test {
    settings_test::ProfileWorld world;
    HeadlessPlatform platform{HeadlessSetup{.programFolder = CORVEX_ASSETS_DIR u"/"}};
    SensorTables sensor;
    PendingFlags pending;
    DeviceStatus status;
    UiContext ui{platform, world.texts, CORVEX_ASSETS_DIR u"/", 1.0f};
    CCorvexDlg dlg{ui, {world.table, world.settings, sensor, pending, status}};

    void SetUp() override {
        ASSERT_TRUE(dlg.Create());
        platform.Pump();
    }
    Rect RectOf(int id) const { return dlg.FindControl(unsigned(id))->GetRect(); }
    void ClickAt(const Rect& r) {
        const Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        platform.MouseMove(dlg.Window(), p);
        platform.Click(dlg.Window(), p);
    }
    // The centre of a row (1-based) of a menu popup, in its client pixels.
    static Point Row(int item) { return {80, 1 + (item - 1) * 22 + 11}; }
};

TEST_F(MainWindow, StartStateIsLaidOutAtTheFirstPaint) {
    EXPECT_EQ(RectOf(3400), (Rect{437, 171, 837, 571}));
    EXPECT_EQ(RectOf(3002), (Rect{846, 290, 1108, 315}));
    EXPECT_EQ(RectOf(3120), (Rect{886, 326, 1075, 351}));
    EXPECT_EQ(RectOf(3013), (Rect{846, 490, 1108, 515}));
    EXPECT_TRUE(dlg.FindControl(3400)->IsDisplayed());
}

TEST_F(MainWindow, OpeningPollingClosesLightingAndMovesTheColumn) {
    ClickAt(RectOf(3004));
    EXPECT_TRUE(dlg.IsSectionOpen(3001));
    EXPECT_TRUE(dlg.IsSectionOpen(3004));
    EXPECT_FALSE(dlg.IsSectionOpen(3002));
    platform.Pump();
    EXPECT_EQ(RectOf(3004).top, 124 + 196);
    EXPECT_FALSE(dlg.FindControl(3120)->IsDisplayed());
    EXPECT_TRUE(dlg.FindControl(3030)->IsDisplayed()); // class 1: the picture radios
}

TEST_F(MainWindow, PointingAtAThumbButtonShowsTheSideView) {
    const Rect control = RectOf(2020);
    platform.MouseMove(dlg.Window(), {control.left + 5, control.top + 5});
    EXPECT_FALSE(dlg.FindControl(3400)->IsDisplayed());
    platform.MouseMove(dlg.Window(), {5, 400});
    EXPECT_FALSE(dlg.FindControl(3400)->IsDisplayed()); // leaving keeps the view
    const Rect top = RectOf(2019);
    platform.MouseMove(dlg.Window(), {top.left + 5, top.top + 5});
    EXPECT_TRUE(dlg.FindControl(3400)->IsDisplayed());
}

TEST_F(MainWindow, ValueControlsAreCreatedWithTheirStopsAndShowTheProfile) {
    ProfileSettings& profile = world.table[0];
    const size_t effect = profile.Lighting1.ModeValue[0];
    profile.Lighting1.Brightness[effect] = 3;
    profile.XYSettingX[4] = 9;
    profile.XYSettingY[4] = 11;
    profile.SetScrollWheelSpeed(7);
    dlg.RefreshPages();

    const auto* brightness = dynamic_cast<CSliderControl*>(dlg.FindControl(3220));
    ASSERT_NE(brightness, nullptr);
    EXPECT_EQ(brightness->Stops().size(), 4u);
    EXPECT_EQ(brightness->GetPos(), 3);
    const auto* wheel = dynamic_cast<CSliderControl*>(dlg.FindControl(2041));
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->GetPos(), 7);
    const auto* display = dynamic_cast<CDPIValueShowControl*>(dlg.FindControl(3304));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->LevelCount(), int(sensor.DpiStepCount()));
    EXPECT_EQ(display->Level(), 9);
    EXPECT_EQ(display->SecondValue(), 11);
    EXPECT_NE(dynamic_cast<CVerticalSliderControl*>(dlg.FindControl(3280)), nullptr);
    EXPECT_FALSE(dlg.FindControl(3280)->IsShown());
    EXPECT_NE(dynamic_cast<CBattery*>(dlg.FindControl(CBattery::kIdentifier)), nullptr);
}

TEST_F(MainWindow, RefreshShowsKeyNamesAndCollectStoresSwitches) {
    world.table[0].Keys[7].Name = u"Back";
    dlg.RefreshPages();
    auto* combo = dynamic_cast<CComboButton*>(dlg.FindControl(2020));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->ValueText(), u"Back");
    auto* snap = dynamic_cast<CCheckButton*>(dlg.FindControl(3540));
    ASSERT_NE(snap, nullptr);
    snap->SetCheck(!snap->GetCheck());
    const bool wanted = snap->GetCheck();
    dlg.CollectPages();
    EXPECT_EQ(world.table[0].GetPair(20, 1), wanted ? u"1" : u"0");
}

std::vector<PaintOp> OpsOf(const std::vector<PaintOp>& ops, PaintKind kind) {
    std::vector<PaintOp> out;
    for (const PaintOp& op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

TEST_F(MainWindow, PaintsBackgroundPanelsThenControls) {
    const auto& ops = platform.LastPaintOps(dlg.Window());
    const auto stretched = OpsOf(ops, PaintKind::StretchBitmap);
    ASSERT_EQ(stretched.size(), 1u + 4u + 2u); // background, left panels, DPI and lighting
    EXPECT_EQ(stretched[0].image, u"#364");
    EXPECT_EQ(stretched[0].rect, (Rect{0, 0, 1127, 740}));
    EXPECT_TRUE(stretched[0].halftone);
    EXPECT_EQ(stretched[5].rect, (Rect{846, 89, 1108, 285}));
    EXPECT_EQ(stretched[6].rect, (Rect{846, 315, 1108, 395}));
    const auto images = OpsOf(ops, PaintKind::DrawImage);
    ASSERT_FALSE(images.empty());
    EXPECT_NE(images[0].image.find(u"mouse_nr.png"), std::u16string::npos);

    ClickAt(RectOf(3002)); // closes lighting
    platform.Pump();
    EXPECT_EQ(OpsOf(platform.LastPaintOps(dlg.Window()), PaintKind::StretchBitmap).size(), 6u);
}

TEST_F(MainWindow, AssignedFunctionFollowsTheLeftButtonRule) {
    world.texts.Set(20, u"Left");
    world.table[0].Keys[0].Value = kLeftButtonCode;
    std::vector<int> fired;
    dlg.SetTimerHandler([&](int id) { fired.push_back(id); });
    const ButtonFunction copy{{0x70, 0x01, 0x06}};

    dlg.AssignButton(2014, u"Copy", copy);
    EXPECT_TRUE(pending.buttons);
    EXPECT_EQ(world.table[0].Keys[1].Value, copy);
    EXPECT_EQ(dynamic_cast<CComboButton*>(dlg.FindControl(2014))->ValueText(), u"Copy");
    EXPECT_TRUE(platform.IsTimerArmed(dlg.Window(), 30));
    platform.AdvanceMs(20);
    EXPECT_EQ(fired, std::vector<int>{30});
    EXPECT_FALSE(platform.IsTimerArmed(dlg.Window(), 30)); // one-shot

    pending.buttons = false;
    dlg.AssignButton(2013, u"Copy", copy); // the only left button
    EXPECT_FALSE(pending.buttons);
    EXPECT_EQ(world.table[0].Keys[0].Value, kLeftButtonCode);
    EXPECT_EQ(dynamic_cast<CComboButton*>(dlg.FindControl(2013))->ValueText(), u"Left");
    platform.AdvanceMs(100);
    EXPECT_EQ(fired, (std::vector<int>{30, 20}));
}

TEST_F(MainWindow, ClickOpensTheFunctionMenuAndAChoiceAssignsIt) {
    world.table[0].Keys[0].Value = kLeftButtonCode;
    ClickAt(RectOf(2015));
    const auto windows = platform.Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(platform.Kind(windows[1]), WindowKind::PopupList);
    EXPECT_TRUE(dynamic_cast<CComboButton*>(dlg.FindControl(2015))->IsPopupOpen());

    const PopupResult choice{u"Middle", ButtonFunction{{0x10, 0x04, 0x00}}};
    platform.Send(dlg.Window(), ButtonMenuMsg::Selection, 2015, intptr_t(&choice));
    platform.Pump();
    EXPECT_EQ(world.table[0].Keys[2].Name, u"Middle");
    EXPECT_EQ(world.table[0].Keys[2].Value, choice.code);
    EXPECT_TRUE(pending.buttons);
    EXPECT_FALSE(dynamic_cast<CComboButton*>(dlg.FindControl(2015))->IsPopupOpen());
    EXPECT_EQ(platform.Windows().size(), 1u); // the menu closed
}

TEST_F(MainWindow, DismissingTheMenuAssignsNothing) {
    ClickAt(RectOf(2020));
    ASSERT_EQ(platform.Windows().size(), 2u);
    platform.Deactivate(platform.Windows()[1]);
    platform.Pump();
    EXPECT_EQ(platform.Windows().size(), 1u);
    EXPECT_FALSE(pending.buttons);
    EXPECT_FALSE(dynamic_cast<CComboButton*>(dlg.FindControl(2020))->IsPopupOpen());
}

TEST_F(MainWindow, HoveringASubmenuItemOpensItsListAndAChoiceThereAssignsIt) {
    world.table[0].Keys[0].Value = kLeftButtonCode;
    struct Case {
        int item; // of the function menu
        ButtonSubmenu submenu;
        size_t rows;
        ButtonFunction firstCode;
    };
    const Case cases[] = {
        {6, ButtonSubmenu::Dpi, SubmenuItems(ButtonSubmenu::Dpi).size(),
         SubmenuItems(ButtonSubmenu::Dpi)[0].code},
        {11, ButtonSubmenu::Multimedia, SubmenuItems(ButtonSubmenu::Multimedia).size(),
         SubmenuItems(ButtonSubmenu::Multimedia)[0].code},
        {12, ButtonSubmenu::Office, SubmenuItems(ButtonSubmenu::Office).size(),
         SubmenuItems(ButtonSubmenu::Office)[0].code},
        {13, ButtonSubmenu::Windows, SubmenuItems(ButtonSubmenu::Windows).size(),
         SubmenuItems(ButtonSubmenu::Windows)[0].code},
        {15, ButtonSubmenu::DpiLock, DpiLockMenu().size(), DpiLockMenu()[0].code},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        pending.buttons = false;
        const bool lock = c.submenu == ButtonSubmenu::DpiLock;
        world.texts.Set(lock ? kDpiLockTextNumber : SubmenuItems(c.submenu)[0].textNumber,
                        u"First");
        ClickAt(RectOf(2015));
        ASSERT_EQ(platform.Windows().size(), 2u);
        const WindowId menu = platform.Windows()[1];
        platform.MouseMove(menu, Row(c.item));
        ASSERT_EQ(platform.Windows().size(), 3u);
        const WindowId list = platform.Windows()[2];
        EXPECT_EQ(platform.Kind(list), WindowKind::PopupList);
        const Rect menuRect = platform.WindowRect(menu);
        const Rect listRect = platform.WindowRect(list);
        EXPECT_EQ(listRect.left, menuRect.right);
        EXPECT_EQ(listRect.bottom - listRect.top, int(2 + 22 * c.rows));
        EXPECT_LE(listRect.top, menuRect.top + 1 + (c.item - 1) * 22);

        platform.MouseMove(list, Row(1));
        platform.Click(list, Row(1));
        EXPECT_EQ(world.table[0].Keys[2].Value, c.firstCode);
        EXPECT_EQ(world.table[0].Keys[2].Name, lock ? u"First-200" : u"First");
        EXPECT_TRUE(pending.buttons);
        EXPECT_TRUE(platform.IsTimerArmed(dlg.Window(), 30));
        EXPECT_FALSE(dynamic_cast<CComboButton*>(dlg.FindControl(2015))->IsPopupOpen());
        EXPECT_EQ(platform.Windows().size(), 1u); // menu and sub-list closed
        platform.AdvanceMs(20);
    }
}

TEST_F(MainWindow, AnOrdinaryItemClosesTheSubmenuAndLeavingItEndsTheMenu) {
    ClickAt(RectOf(2016));
    const WindowId menu = platform.Windows()[1];
    platform.MouseMove(menu, Row(6));
    ASSERT_EQ(platform.Windows().size(), 3u);
    platform.MouseMove(menu, Row(5));
    ASSERT_EQ(platform.Windows().size(), 2u); // the menu stays
    EXPECT_TRUE(dynamic_cast<CComboButton*>(dlg.FindControl(2016))->IsPopupOpen());

    platform.MouseMove(menu, Row(11));
    ASSERT_EQ(platform.Windows().size(), 3u);
    platform.MouseMove(dlg.Window(), {5, 5}); // the pointer leaves both lists
    platform.Deactivate(platform.Windows()[2]);
    EXPECT_EQ(platform.Windows().size(), 1u);
    EXPECT_FALSE(dynamic_cast<CComboButton*>(dlg.FindControl(2016))->IsPopupOpen());
    EXPECT_FALSE(pending.buttons);
}

} // namespace

TEST_F(MainWindow, ConnectionShowsOneIconAndBluetoothCollapsesThePollingSection) {
    const auto iconsShown = [&] {
        return std::array<bool, 3>{dlg.FindControl(3409)->IsShown(),
                                   dlg.FindControl(3410)->IsShown(),
                                   dlg.FindControl(3408)->IsShown()};
    };
    EXPECT_EQ(iconsShown(), (std::array<bool, 3>{false, false, false}));
    dlg.ShowConnection({.icon = ConnectionKind::Wired});
    EXPECT_EQ(iconsShown(), (std::array<bool, 3>{true, false, false}));

    ClickAt(RectOf(3004));
    ASSERT_TRUE(dlg.IsSectionOpen(3004));
    dlg.ShowConnection({.icon = ConnectionKind::Ble,
                        .performanceHeaderEnabled = false,
                        .collapsePerformanceHeader = true});
    EXPECT_EQ(iconsShown(), (std::array<bool, 3>{false, false, true}));
    EXPECT_FALSE(dlg.IsSectionOpen(3004));
    EXPECT_TRUE(dlg.FindControl(3004)->IsDisabled());
    EXPECT_FALSE(dlg.FindControl(3030)->IsDisplayed()) << "the section's controls went with it";
    ClickAt(RectOf(3004));
    EXPECT_FALSE(dlg.IsSectionOpen(3004)) << "a disabled header does not open";

    dlg.FindControl(3038)->SetDisabled(true);
    dlg.FindControl(3040)->SetDisabled(true);
    dlg.ShowConnection({.icon = ConnectionKind::Receiver, .receiverRateClass = 4});
    EXPECT_EQ(iconsShown(), (std::array<bool, 3>{false, true, false}));
    EXPECT_FALSE(dlg.FindControl(3004)->IsDisabled());
    EXPECT_FALSE(dlg.FindControl(3038)->IsDisabled());
    EXPECT_TRUE(dlg.FindControl(3040)->IsDisabled()) << "class 4 offers six rates";

    dlg.ShowConnection({});
    EXPECT_EQ(iconsShown(), (std::array<bool, 3>{false, false, false}));
}

TEST_F(MainWindow, ASensorWithTheLiftOffPageShowsItsHeaderAndNewStepCounts) {
    ASSERT_FALSE(sensor.SensorPageShown());
    ASSERT_TRUE(sensor.BuildSensorTables(0x3370));
    ASSERT_TRUE(sensor.SensorPageShown());
    dlg.SensorChanged();
    platform.Pump();
    EXPECT_TRUE(dlg.FindControl(3011)->IsDisplayed());
    EXPECT_EQ(RectOf(3011).top, 154 + 196 + 80);
    EXPECT_EQ(RectOf(3003).top, 154 + 30 + 196 + 80) << "no gap where the header would be";
    const auto* box = dynamic_cast<CDPIValueShowControl*>(dlg.FindControl(3307));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->LevelCount(), int(sensor.DpiStepCount()));
}
