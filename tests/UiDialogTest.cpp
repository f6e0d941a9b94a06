#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HeadlessTestWindow.h"
#include "UiTestSupport.h"
#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

using ui_test::Notice;
using ui_test::TestDialog;
using ui_test::UiWorld;

namespace {

// A control that fills its rectangle and writes every mouse call into a log.
class ProbeControl : public CControlBase {
  public:
    ProbeControl(UiContext& ui, WindowId parent, unsigned id, const Rect& rect,
                 std::vector<std::string>& log, Colour colour = 0x123456, ControlFlags flags = {})
        : CControlBase(ui, parent, id, rect, u"", flags), log_(log), colour_(colour) {}

    void Draw(Surface& surface, const Rect&) override { surface.Fill(GetRect(), colour_); }
    bool OnMouseMove(uint32_t, Point p) override { return Log("move", p); }
    bool OnLButtonDown(uint32_t, Point p) override {
        Notify(NotifyCode::Pressed);
        return Log("down", p);
    }
    bool OnLButtonUp(uint32_t, Point p) override {
        if (HitTest(p)) {
            Notify(NotifyCode::Released);
        }
        return Log("up", p);
    }
    bool OnRButtonUp(uint32_t, Point p) override { return Log("rup", p); }
    bool OnLButtonDblClk(uint32_t, Point p) override { return Log("dbl", p); }
    bool Deactivate(bool) override {
        log_.push_back(std::to_string(Identifier()) + " deactivate");
        return false;
    }
    void ReleaseImages() override { log_.push_back(std::to_string(Identifier()) + " release"); }

  private:
    bool Log(const std::string& what, Point p) {
        log_.push_back(std::to_string(Identifier()) + " " + what + " " + std::to_string(p.x) + "," +
                       std::to_string(p.y));
        return true;
    }
    std::vector<std::string>& log_;
    Colour colour_;
};

class UiDialogTest : public ::testing::Test {
  protected:
    TestDialog& OpenWith(std::vector<std::pair<unsigned, Rect>> controls) {
        return world.Open([this, controls](TestDialog& dlg) {
            for (const auto& [id, rect] : controls) {
                dlg.Add<ProbeControl>(0, id, rect, log);
            }
        });
    }
    UiWorld world;
    std::vector<std::string> log;
};

} // namespace

TEST(UiContextTest, ScalesEveryEdgeSeparatelyAndTruncates) {
    HeadlessPlatform platform;
    LanguageTexts texts;
    UiContext ui(platform, texts, u"/opt/corvex/", 1.5f);
    EXPECT_EQ(ui.Scale(437), 655);
    EXPECT_EQ(ui.Scale(Rect{437, 1, 438, 3}), (Rect{655, 1, 657, 4}));
    EXPECT_EQ(ui.Scale(Rect{1, 1, 2, 2}, Point{436, 0}), (Rect{655, 1, 657, 3}));
    EXPECT_EQ(ui.SkinPath(u"skins\\mouse\\mouse_nr.png"), u"/opt/corvex/skins/mouse/mouse_nr.png");
    UiContext windows(platform, texts, u"C:\\Corvex\\", 2.0f);
    EXPECT_EQ(windows.SkinPath(u"skins\\check_nr.png"), u"C:\\Corvex\\skins\\check_nr.png");
    EXPECT_EQ(windows.Scale(437), 874);
}

TEST_F(UiDialogTest, InitialisationSetsIconTitleFontAndCreatesControlsOnce) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    const WindowId w = dlg.Window();
    EXPECT_EQ(world.platform.Title(w), u"Vantor Mouse");
    EXPECT_EQ(world.platform.IconId(w), 128);
    EXPECT_FALSE(world.platform.IsTopmost(w));
    EXPECT_EQ(dlg.createCalls, 1);
    EXPECT_FALSE(dlg.Create());
    EXPECT_EQ(dlg.createCalls, 1);
    ASSERT_NE(dlg.DialogFont(), nullptr);
    EXPECT_EQ(dlg.DialogFont()->Attributes().weight, 600);
    EXPECT_EQ(dlg.DialogFont()->Attributes().height, 96 * -10 / 72);
    EXPECT_EQ(dlg.FindControl(100), dlg.List(0)[0].get());
    EXPECT_EQ(dlg.FindControl(101), nullptr);
}

TEST_F(UiDialogTest, WindowIsCentredOnTheWorkAreaWithoutOwner) {
    auto dlg = std::make_unique<TestDialog>(world.ui);
    ASSERT_TRUE(dlg->Create());
    const Rect r = world.platform.WindowRect(dlg->Window());
    EXPECT_EQ(r.Width(), 400);
    EXPECT_EQ(r.Height(), 300);
    EXPECT_EQ(r.left, (1920 - 400) / 2);
    EXPECT_EQ(r.top, (1040 - 300) / 2);
}

TEST_F(UiDialogTest, PressOnEmptyAreaDragsAndPressOnControlCaptures) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.Move({200, 200});
    world.Down({200, 200});
    EXPECT_EQ(world.platform.DragRequests().size(), 1u);
    world.Up({200, 200});

    world.Move({20, 20});
    world.Down({20, 20});
    EXPECT_EQ(world.platform.DragRequests().size(), 1u);
    EXPECT_EQ(world.platform.MouseCapture(), dlg.Window());
    EXPECT_EQ(dlg.PressedControl(), dlg.FindControl(100));
    world.Up({20, 20});
    EXPECT_EQ(world.platform.MouseCapture(), 0u);
    EXPECT_EQ(world.TakeNotices(),
              (std::vector<Notice>{{100, 0, NotifyCode::Pressed}, {100, 0, NotifyCode::Released}}));
}

TEST_F(UiDialogTest, LaterOverlappingControlBecomesTheHoverControl) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}, {101, {40, 10, 80, 30}}});
    world.Move({20, 20});
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(100));
    world.Move({45, 20});
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(100)) << "the hovered control keeps its moves";
    world.Move({60, 20});
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(101));
    world.Move({45, 20});
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(101));
    world.Move({5, 5});
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_EQ(dlg.LastPoint(), (Point{5, 5}));
}

TEST_F(UiDialogTest, EveryEligibleControlSeesAMoveNoHoveredControlTook) {
    OpenWith({{100, {10, 10, 50, 30}}, {101, {100, 10, 140, 30}}});
    world.Move({200, 200});
    EXPECT_EQ(log, (std::vector<std::string>{"100 move 200,200", "101 move 200,200"}));
}

TEST_F(UiDialogTest, WhilePressedOtherControlsGetNoMovesAndReleaseOutsideClearsHover) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}, {101, {100, 10, 140, 30}}});
    world.Move({20, 20});
    world.Down({20, 20});
    log.clear();
    world.Move({120, 20});
    world.Move({300, 200});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(100));
    world.Up({300, 200});
    EXPECT_EQ(log, (std::vector<std::string>{"100 up 300,200"}));
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_EQ(dlg.LastPoint(), (Point{-1, -1}));
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{100, 0, NotifyCode::Pressed}}));
}

TEST_F(UiDialogTest, NoControlIsHoveredWhileTrackingFails) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.platform.SetTrackMouseFails(true);
    world.Move({20, 20});
    world.Move({21, 20});
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_TRUE(log.empty());
    world.platform.SetTrackMouseFails(false);
    world.Move({22, 20});
    EXPECT_EQ(dlg.HoverControl(), dlg.FindControl(100));
    EXPECT_GE(world.platform.TrackMouseCalls(), 3);
}

TEST_F(UiDialogTest, LeavingTheWindowTellsTheHoverControlAndForgetsIt) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.Move({20, 20});
    log.clear();
    world.platform.MouseLeave(dlg.Window());
    EXPECT_EQ(log, (std::vector<std::string>{"100 move -1,-1"}));
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_EQ(dlg.LastPoint(), (Point{-1, -1}));
}

TEST_F(UiDialogTest, HiddenControlsAreNotDrawnNorHoveredButStillFound) {
    TestDialog& dlg = world.Open([this](TestDialog& d) {
        d.Add<ProbeControl>(0, 100, Rect{10, 10, 50, 30}, log, 0x111111);
        d.Add<ProbeControl>(1, 101, Rect{60, 10, 90, 30}, log, 0x222222,
                            ControlFlags{.visible = true, .shown = false});
        d.Add<ProbeControl>(2, 102, Rect{100, 10, 130, 30}, log, 0x333333,
                            ControlFlags{.visible = false, .shown = true});
    });
    world.platform.Invalidate(dlg.Window());
    world.platform.Pump();
    EXPECT_EQ(world.platform.Pixel(dlg.Window(), {20, 20}), 0x111111u);
    EXPECT_EQ(world.platform.Pixel(dlg.Window(), {70, 20}), dlg.BackgroundColour());
    EXPECT_EQ(world.platform.Pixel(dlg.Window(), {110, 20}), dlg.BackgroundColour());
    world.Move({70, 20});
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_NE(dlg.FindControl(101), nullptr);
    EXPECT_NE(dlg.FindControl(102), nullptr);
}

TEST_F(UiDialogTest, LaterListsPaintOverEarlierOnes) {
    TestDialog& dlg = world.Open([this](TestDialog& d) {
        d.Add<ProbeControl>(3, 100, Rect{10, 10, 50, 30}, log, 0x333333);
        d.Add<ProbeControl>(0, 101, Rect{10, 10, 50, 30}, log, 0x111111);
    });
    world.platform.Invalidate(dlg.Window());
    world.platform.Pump();
    EXPECT_EQ(world.platform.Pixel(dlg.Window(), {20, 20}), 0x333333u);
}

TEST_F(UiDialogTest, MinimisedWindowPaintsOneWhitePixel) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.platform.SetMinimized(dlg.Window(), true);
    world.platform.ClearPaints();
    world.platform.Invalidate(dlg.Window());
    world.platform.Pump();
    const auto& ops = world.platform.LastPaintOps(dlg.Window());
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, PaintKind::SetPixel);
    EXPECT_EQ(ops[0].rect, (Rect{10, 10, 11, 11}));
    EXPECT_EQ(ops[0].colour, 0xFFFFFFu);
}

TEST_F(UiDialogTest, CloseButtonReleaseEndsTheDialogAfterReleasingImages) {
    TestDialog& dlg = OpenWith({{2004, {10, 10, 30, 30}}, {100, {40, 10, 60, 30}}});
    world.Click({20, 20});
    EXPECT_EQ(dlg.Window(), 0u);
    EXPECT_NE(std::find(log.begin(), log.end(), "100 release"), log.end());
}

TEST_F(UiDialogTest, ModalRunEndsWithCancelFromTheCancelButton) {
    auto dlg = std::make_unique<TestDialog>(world.ui);
    std::vector<std::string> probeLog;
    dlg->build = [&](TestDialog& d) {
        d.Add<ProbeControl>(0, 2011, Rect{10, 10, 30, 30}, probeLog);
    };
    world.platform.SetModalHook([&](WindowId w) {
        world.platform.SetWindowRect(w, {0, 0, 400, 300});
        world.platform.MouseMove(w, {20, 20});
        world.platform.Click(w, {20, 20});
    });
    EXPECT_EQ(dlg->DoModal(), DialogResult::Cancel);
    EXPECT_EQ(dlg->Window(), 0u);
    EXPECT_EQ(dlg->DoModal(), -1) << "a dialog opens once";
}

TEST_F(UiDialogTest, ClosePopupPostsCloseToALiveWindowAndEmptiesTheSlot) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    std::vector<std::string> popupLog;
    headless_test::LogWindow popup(popupLog, "p");
    const WindowId pw =
        world.platform.MakeWindow(popup, WindowKind::PopupList, dlg.Window(), {0, 0, 10, 10});
    dlg.SetPopup(3, pw);
    dlg.ClosePopup(3);
    EXPECT_EQ(dlg.Popup(3), 0u);
    world.platform.Pump();
    EXPECT_NE(std::find(popupLog.begin(), popupLog.end(), "p: msg 16 0 0"), popupLog.end());
    world.platform.DestroyWindow(pw);
    dlg.SetPopup(4, pw);
    dlg.ClosePopup(4);
    EXPECT_EQ(dlg.Popup(4), 0u);
}

TEST(UiDrawingTest, AverageColourOfPlainAndHalvedBitmaps) {
    HeadlessPlatform platform;
    platform.AddImage(u"white", {1, 1}, {0xFFFFFF});
    platform.AddImage(u"half", {2, 1}, {0x000000, 0xFFFFFF});
    platform.AddImage(u"red", {2, 2}, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000});
    platform.AddImage(u"unknown", {2, 2});
    Colour c = 7;
    EXPECT_TRUE(AverageColor(*platform.LoadImageFile(u"white"), c));
    EXPECT_EQ(c, 0xFFFFFFu);
    EXPECT_TRUE(AverageColor(*platform.LoadImageFile(u"half"), c));
    EXPECT_EQ(c, Rgb(127, 127, 127));
    EXPECT_TRUE(AverageColor(*platform.LoadImageFile(u"red"), c));
    EXPECT_EQ(c, 0x0000FFu) << "red sits in the low byte of a colour reference";
    EXPECT_FALSE(AverageColor(*platform.LoadImageFile(u"unknown"), c));
    EXPECT_EQ(c, 0x0000FFu);
}

TEST(UiDrawingTest, FailedLoadKeepsTheLastGoodSizeAndDrawsNothing) {
    HeadlessPlatform platform;
    platform.AddImage(u"a.png", {30, 20});
    SkinImage image;
    int w = 0;
    int h = 0;
    EXPECT_TRUE(LoadSkinImage(platform, u"a.png", image, w, h));
    EXPECT_EQ(w, 30);
    EXPECT_EQ(h, 20);
    EXPECT_FALSE(LoadSkinImage(platform, u"missing.png", image, w, h));
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_EQ(w, 30);
    EXPECT_EQ(h, 20);
}

TEST(UiDrawingTest, ControlFontFollowsTheLanguageFontSettings) {
    HeadlessPlatform platform;
    LanguageTexts texts;
    UiContext ui(platform, texts, u"/x/", 1.0f);
    const auto font = CreateControlFont(ui);
    EXPECT_EQ(font->Attributes(), (FontRequest{u"宋体", 12, 0, 0, 134, 0x20}));
    const auto other = CreateControlFont(ui, 20, u"Tahoma");
    EXPECT_EQ(other->Attributes(), (FontRequest{u"Tahoma", 20, 0, 0, 134, 0x20}));
}

TEST_F(UiDialogTest, ReleaseOnAProfileTabRepaintsTheWholeWindowOtherwiseOnlyTheControl) {
    TestDialog& dlg = OpenWith({{2049, {10, 10, 50, 30}}, {100, {60, 10, 90, 30}}});
    const WindowId w = dlg.Window();
    world.Click({20, 20});
    world.platform.ClearPaints();
    world.Move({20, 21});
    world.platform.LeftDown(w, {20, 21});
    world.platform.ClearPaints();
    world.platform.LeftUp(w, {20, 21});
    ASSERT_FALSE(world.platform.Paints(w).empty());
    EXPECT_EQ(world.platform.Paints(w).back().invalid, (Rect{0, 0, 400, 300}));

    world.Move({70, 20});
    world.platform.LeftDown(w, {70, 20});
    world.platform.ClearPaints();
    world.platform.LeftUp(w, {70, 20});
    ASSERT_FALSE(world.platform.Paints(w).empty());
    EXPECT_EQ(world.platform.Paints(w).back().invalid, (Rect{60, 10, 90, 30}));
}

TEST_F(UiDialogTest, HandlerMayForgetTheHoverControlDuringTheRelease) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    dlg.onMessage = [&dlg](uint32_t, uintptr_t, intptr_t code) {
        if (code == NotifyCode::Released) {
            dlg.ClearHoverControl();
        }
        return false;
    };
    world.Click({20, 20});
    EXPECT_EQ(dlg.HoverControl(), nullptr);
    EXPECT_EQ(dlg.LastPoint(), (Point{20, 20}));
}

TEST_F(UiDialogTest, MaximisedWindowKeepsTheCursorPointOnLeaveWhenStillInside) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.Move({20, 20});
    world.platform.SetMaximized(dlg.Window(), true);
    log.clear();
    world.platform.MouseLeave(dlg.Window());
    EXPECT_EQ(log, (std::vector<std::string>{"100 move 20,20"}));
    EXPECT_EQ(dlg.HoverControl(), nullptr);
}

TEST_F(UiDialogTest, RightReleaseSearchesOnlyListZero) {
    TestDialog& dlg = world.Open([this](TestDialog& d) {
        d.Add<ProbeControl>(0, 100, Rect{10, 10, 50, 30}, log);
        d.Add<ProbeControl>(1, 101, Rect{60, 10, 90, 30}, log);
    });
    world.Move({20, 20});
    world.platform.RightUp(dlg.Window(), {20, 20});
    world.Move({70, 20});
    world.platform.RightUp(dlg.Window(), {70, 20});
    const auto rightUps = std::count_if(log.begin(), log.end(), [](const std::string& line) {
        return line.find(" rup ") != std::string::npos;
    });
    EXPECT_EQ(rightUps, 1);
    EXPECT_NE(std::find(log.begin(), log.end(), "100 rup 20,20"), log.end());
}

TEST_F(UiDialogTest, DoubleClickGoesToTheHoverControl) {
    TestDialog& dlg = OpenWith({{100, {10, 10, 50, 30}}});
    world.Move({20, 20});
    world.platform.DoubleClick(dlg.Window(), {20, 20});
    EXPECT_NE(std::find(log.begin(), log.end(), "100 dbl 20,20"), log.end());
    log.clear();
    world.Move({200, 200});
    world.platform.DoubleClick(dlg.Window(), {200, 200});
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.find(" dbl ") != l.npos; }),
              0);
}

TEST_F(UiDialogTest, BackgroundTakesTheAverageColourAndInsetOnlyWhenTheWindowIsLarger) {
    TestDialog& dlg = OpenWith({});
    world.platform.AddImage(u"/frames/small.bmp", {2, 1}, {0x000000, 0xFFFFFF});
    EXPECT_TRUE(dlg.SetBackgroundFromFile(u"/frames/small.bmp"));
    EXPECT_EQ(dlg.BackgroundSize(), (Size{2, 1}));
    EXPECT_EQ(dlg.BackgroundColour(), Rgb(127, 127, 127));
    EXPECT_EQ(dlg.BackgroundInset(), 1) << "smallest of width, 100 and height";
    ASSERT_NE(dlg.OffscreenBackground(), nullptr);
    EXPECT_EQ(dlg.OffscreenBackground()->GetSize(), (Size{2, 1}));

    world.platform.AddImage(u"/frames/big.bmp", {1127, 740});
    EXPECT_TRUE(dlg.SetBackgroundFromFile(u"/frames/big.bmp"));
    EXPECT_EQ(dlg.BackgroundInset(), 0);
    EXPECT_FALSE(dlg.SetBackgroundFromFile(u"/frames/missing.bmp"));
    EXPECT_EQ(dlg.BackgroundSize(), (Size{1127, 740}));
}
