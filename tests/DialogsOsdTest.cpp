#include "device/SensorTable.h"
#include "dialogs/OnScreenDisplay.h"
#include "dialogs/SecondaryWindowTable.h"
#include "settings/ProfileSettings.h"

#include "HeadlessTestWindow.h"

#include <gtest/gtest.h>

namespace {

using headless_test::LogWindow;
using Log = std::vector<std::string>;

// The main window's timer 50 drives the display; the test window stands in for it.
struct OsdBench : ::testing::Test {
    HeadlessPlatform platform{{{1920, 1080}, {0, 0, 1920, 1040}, 96}};
    Log log;
    LogWindow main{log, "main"};
    WindowId mainId = platform.MakeWindow(main, WindowKind::Main, 0, {0, 0, 100, 100});
    std::u16string profileName = u"Profile 1";
    std::unique_ptr<OnScreenDisplay> osd;
    int closes = 0;

    void Make(float scale, std::u16string face = u"Tahoma") {
        osd = std::make_unique<OnScreenDisplay>(platform, mainId,
                                                COSDDialog::Style{scale, std::move(face), 1},
                                                [this] { return profileName; });
        main.onTimer = [this](int id) {
            if (id == OnScreenDisplay::kTimerId && osd->OnTimer())
                ++closes;
        };
    }
    WindowId OsdWindow() const { return osd->Dialog() ? osd->Dialog()->Window() : 0; }
    const PaintOp* TextOp(const std::u16string& text) const {
        for (const PaintOp& op : platform.LastPaintOps(OsdWindow()))
            if (op.kind == PaintKind::DrawString && op.text == text)
                return &op;
        return nullptr;
    }
};

} // namespace

TEST_F(OsdBench, SitsInTheLowerRightOfTheWorkAreaHalfTransparentOnTop) {
    platform.SetScreen({2560, 1440}, {100, 0, 2560, 1400}, 96);
    Make(1.5f);
    osd->Show({u"DPI-2", u"1600", u"1000Hz"});
    platform.Pump();
    const WindowId w = OsdWindow();
    ASSERT_NE(w, 0u);
    EXPECT_EQ(platform.WindowRect(w), (Rect{2290, 1190, 2560, 1400}));
    EXPECT_EQ(platform.Kind(w), WindowKind::Osd);
    EXPECT_EQ(platform.Opacity(w), 128);
    EXPECT_TRUE(platform.IsTopmost(w));
    EXPECT_EQ(platform.ShowHistory(w), (std::vector<ShowCommand>{ShowCommand::ShowNoActivate}));
    EXPECT_EQ(platform.Pixel(w, {2, 2}), COSDDialog::kBackground);
}

TEST_F(OsdBench, PaintsTheFourLinesAtTheirPlacesInTheirFonts) {
    Make(2.0f);
    osd->Show({u"DPI-2", u"1600", u"125Hz"});
    platform.Pump();
    const PaintOp* line1 = TextOp(u"DPI-2");
    const PaintOp* line2 = TextOp(u"1600");
    const PaintOp* line3 = TextOp(u"125Hz");
    const PaintOp* name = TextOp(u"Profile 1");
    ASSERT_TRUE(line1 && line2 && line3 && name);
    EXPECT_EQ((Point{line1->rect.left, line1->rect.top}), (Point{116, 40}));
    EXPECT_EQ((Point{line2->rect.left, line2->rect.top}), (Point{68, 88}));
    EXPECT_EQ((Point{line3->rect.left, line3->rect.top}), (Point{114, 184}));
    EXPECT_EQ((Point{name->rect.left, name->rect.top}), (Point{114, 232}));
    EXPECT_EQ(line1->colour, 0xFFFFFFu);
    EXPECT_EQ(line1->font, (FontRequest{u"Tahoma", 48, 24, 700, 1, 0x22}));
    EXPECT_EQ(line2->font, (FontRequest{u"Tahoma", 96, 48, 400, 1, 0x22}));

    profileName = u"Renamed"; // read again at the next paint
    platform.Invalidate(OsdWindow());
    platform.Pump();
    EXPECT_NE(TextOp(u"Renamed"), nullptr);
}

TEST(COSDDialog, LineTwoAndThreeMoveWithTheirLengthAndTheFace) {
    struct Case {
        std::u16string text;
        std::u16string face;
        int x;
    };
    const Case cases[] = {{u"12000", u"宋体", 34},  {u"1600", u"宋体", 44},
                          {u"800", u"宋体", 50},    {u"12000", u"Tahoma", 16},
                          {u"1600", u"Tahoma", 34}, {u"800", u"Tahoma", 50}};
    for (const Case& c : cases)
        EXPECT_EQ(COSDDialog::Line2X(c.text, c.face), c.x)
            << std::string(c.text.begin(), c.text.end());
}

TEST_F(OsdBench, CountsDownOnTimer50AndClosesAtTheSixthTick) {
    Make(1.0f);
    osd->Show({u"DPI-1", u"800", u"1000Hz"});
    EXPECT_TRUE(platform.IsTimerArmed(mainId, 50));
    EXPECT_EQ(osd->Countdown(), 5);
    platform.AdvanceMs(5 * 300);
    EXPECT_TRUE(osd->IsShown());
    EXPECT_EQ(osd->Countdown(), 0);
    const WindowId w = OsdWindow();
    platform.AdvanceMs(300);
    EXPECT_FALSE(osd->IsShown());
    EXPECT_FALSE(platform.IsWindow(w)) << "destroyed, not hidden";
    EXPECT_FALSE(platform.IsTimerArmed(mainId, 50));
    EXPECT_EQ(closes, 1);
}

TEST_F(OsdBench, ChangesWhileShownKeepOneWindowAndRestartTheCountdown) {
    Make(1.0f);
    osd->Show({u"DPI-1", u"800", u"1000Hz"});
    const WindowId w = OsdWindow();
    platform.AdvanceMs(400);
    osd->Show({u"DPI-2", u"1600", u"1000Hz"});
    platform.AdvanceMs(400);
    osd->Show({u"DPI-3", u"3200", u"1000Hz"});
    platform.Pump();
    EXPECT_EQ(OsdWindow(), w);
    EXPECT_EQ(osd->Dialog()->Lines().line1, u"DPI-3");
    EXPECT_NE(TextOp(u"3200"), nullptr);
    // The third change came at 800 ms; timer ticks fall at 900, 1200, ... so the sixth tick
    // after it is at 2400 ms, about 1.8 s later.
    platform.AdvanceMs(2400 - 800 - 1);
    EXPECT_TRUE(osd->IsShown());
    platform.AdvanceMs(1);
    EXPECT_FALSE(osd->IsShown());
    EXPECT_EQ(closes, 1);
}

TEST(OsdLinesFor, ShowsLevelResolutionAndPollingRate) {
    SensorTables sensor;
    ASSERT_TRUE(sensor.BuildSensorTables(0x3311));
    ProfileSettings profile;
    profile.CurrentDPILevelValue = 1;
    profile.XYSettingX[1] = 15;
    profile.PollingRateValue[0] = 3;
    EXPECT_EQ(OsdLinesFor(profile, sensor), (OsdLines{u"DPI-2", u"1600", u"1000Hz"}));

    struct Rate {
        uint8_t index;
        std::u16string text;
    };
    for (const Rate& r :
         {Rate{0, u"125Hz"}, Rate{5, u"4000Hz"}, Rate{6, u"8000Hz"}, Rate{200, u"8000Hz"}}) {
        profile.PollingRateValue[0] = r.index;
        EXPECT_EQ(OsdLinesFor(profile, sensor).line3, r.text);
    }
}

TEST(OsdLinesFor, LevelAboveSevenShowsLevelZerosResolutionAndABadStepShowsZero) {
    SensorTables sensor;
    ASSERT_TRUE(sensor.BuildSensorTables(0x3311));
    ProfileSettings profile;
    profile.CurrentDPILevelValue = 9;
    profile.XYSettingX[0] = 15;
    EXPECT_EQ(OsdLinesFor(profile, sensor).line1, u"DPI-10");
    EXPECT_EQ(OsdLinesFor(profile, sensor).line2, u"1600");
    profile.XYSettingX[0] = 60000;
    EXPECT_EQ(OsdLinesFor(profile, sensor).line2, u"0");
}

TEST(SecondaryWindowTable, KeepsTenAtTheFrontAndClosesThemAll) {
    HeadlessPlatform platform;
    Log log;
    SecondaryWindowTable table;
    std::vector<std::unique_ptr<LogWindow>> handlers;
    std::vector<WindowId> ids;
    for (int i = 0; i < 11; ++i) {
        handlers.push_back(std::make_unique<LogWindow>(log, "d" + std::to_string(i)));
        const WindowId id = platform.MakeWindow(*handlers.back(), WindowKind::Dialog, 0, {});
        ids.push_back(id);
        // A dialog leaves the table while it handles the close, as the real ones do.
        handlers.back()->onMessage = [&, id](uint32_t m, uintptr_t, intptr_t) -> intptr_t {
            if (m == Msg::Close)
                table.Remove(id);
            return 0;
        };
        EXPECT_EQ(table.Add(id), i < 10);
    }
    EXPECT_FALSE(table.Add(ids[0])) << "listed once";
    table.Remove(ids[3]);
    EXPECT_EQ(table.Count(), 9u);
    EXPECT_EQ(table.At(3), ids[4]);
    EXPECT_EQ(table.At(9), 0u);

    table.CloseAll(platform);
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.ends_with("msg 16 0 0"); }),
              9);
}
