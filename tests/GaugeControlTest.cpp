#include "ControlTestSupport.h"

#include "ui/CBattery.h"
#include "ui/CVScrollBar.h"
#include "ui/FillGeometry.h"

#include <gtest/gtest.h>

namespace {

using control_test::ControlWorld;
using control_test::Note;

std::u16string FileOf(const PaintOp& op) {
    return op.image.substr(op.image.rfind(u'/') + 1);
}

struct BatteryFixture : testing::Test {
    BatteryFixture() : battery(world.ui, world.window, 9999, {40, 60, 85, 151}, u"") {
        battery.LoadImages(u"skins\\battery_full.png", u"skins\\battery_empty.png",
                           u"skins\\battery_charging.png", u"skins\\battery_lighting.png");
    }
    std::vector<std::u16string> Files() const {
        std::vector<std::u16string> files;
        for (const PaintOp& op : ControlWorld::DrawOps(const_cast<CBattery&>(battery))) {
            files.push_back(FileOf(op));
        }
        return files;
    }
    ControlWorld world{1.5f};
    CBattery battery;
};

TEST_F(BatteryFixture, IsControl3406AndNeverNotifies) {
    EXPECT_EQ(battery.Identifier(), 3406u);
    EXPECT_TRUE(battery.IsDisabled());
    EXPECT_FALSE(battery.OnLButtonDown(0, {50, 70}));
    EXPECT_FALSE(battery.OnLButtonUp(0, {50, 70}));
    EXPECT_TRUE(world.notes.empty());
}

TEST_F(BatteryFixture, EachModeDrawsItsPictures) {
    using Names = std::vector<std::u16string>;
    EXPECT_EQ(Files(), (Names{u"battery_empty.png", u"battery_full.png"}));
    battery.SetMode(CBattery::Charging);
    EXPECT_EQ(Files(), (Names{u"battery_charging.png", u"battery_lighting.png"}));
    battery.SetMode(CBattery::Full);
    EXPECT_EQ(Files(), (Names{u"battery_full.png", u"battery_lighting.png"}));
}

TEST_F(BatteryFixture, FillFollowsTheLevel) {
    struct Case {
        uint8_t percent;
    } cases[] = {{0}, {37}, {100}};
    for (const Case& c : cases) {
        battery.SetLevel(c.percent);
        const std::vector<PaintOp> ops = ControlWorld::DrawOps(battery);
        ASSERT_EQ(ops.size(), 2u);
        EXPECT_EQ(ops[0].dest, (RectF{40, 60, 45, 91})) << "outline over the whole control";
        const FillPlacement fill = BatteryFill(battery.GetRect(), c.percent, 7, 50, {30, 61}, 1.5f);
        EXPECT_EQ(ops[1].dest, fill.dest);
        EXPECT_EQ(ops[1].source, fill.source);
    }
    battery.SetLevel(0);
    EXPECT_GT(ControlWorld::DrawOps(battery)[1].dest.height, 0.0f) << "never empty";
}

TEST_F(BatteryFixture, ChargingAnimatesItsOwnLevel) {
    battery.SetMode(CBattery::Charging);
    battery.SetLevel(90);
    battery.SetChargingLevel(50);
    const std::vector<PaintOp> ops = ControlWorld::DrawOps(battery);
    const FillPlacement fill = BatteryFill(battery.GetRect(), 50, 7, 50, {30, 61}, 1.5f);
    EXPECT_EQ(ops[0].source, fill.source);
}

struct ScrollFixture : testing::Test {
    ScrollFixture() : bar(world.ui, world.window, kId, {300, 30, 327, 436}, u"") {
        loaded = bar.LoadArrows();
        bar.SetScrollInfo(0, 10, 40);
        world.notes.clear();
    }
    static constexpr unsigned kId = 2021;
    ControlWorld world{1.5f};
    CVScrollBar bar;
    bool loaded = false;
};

TEST_F(ScrollFixture, ArrowsAndTrackAtScaleOneAndAHalf) {
    ASSERT_TRUE(loaded);
    EXPECT_EQ(bar.UpArrowRect(), (Rect{300, 30, 327, 57}));
    EXPECT_EQ(bar.DownArrowRect(), (Rect{300, 409, 327, 436}));
    EXPECT_EQ(bar.TrackTop(), 57);
    EXPECT_EQ(bar.TrackBottom(), 408);
    // 352 track pixels; a quarter for the page.
    EXPECT_EQ(bar.ThumbRect(), (Rect{300, 57, 327, 57 + 88}));
}

TEST_F(ScrollFixture, TotalZeroFillsTheTrackAndKeepsTheValues) {
    bar.SetScrollInfo(5, 3, 0);
    EXPECT_EQ(bar.ThumbRect(), (Rect{300, 57, 327, 409}));
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Page(), 10);
    EXPECT_EQ(bar.Total(), 40);
}

TEST_F(ScrollFixture, PressNamesThePart) {
    bar.SetScrollInfo(10, 10, 40);
    const Rect thumb = bar.ThumbRect();
    struct Case {
        int y;
        uintptr_t part;
    } cases[] = {{31, 6}, {56, 6}, {435, 7}, {409, 7}, {thumb.top + 3, 0}, {60, 8}, {400, 9}};
    for (const Case& c : cases) {
        world.notes.clear();
        bar.OnLButtonDown(0, {310, c.y});
        bar.OnLButtonUp(0, {310, c.y});
        ASSERT_FALSE(world.notes.empty());
        EXPECT_EQ(world.notes[0], (Note{kId, c.part, 1})) << "y " << c.y;
    }
}

TEST_F(ScrollFixture, DraggingTheThumbReportsNewPositionsAndEndsWithARelease) {
    bar.OnLButtonDown(0, {310, 60});
    ASSERT_TRUE(bar.IsDragging());
    bar.OnMouseMove(MouseFlag::LeftButton, {310, 61});
    bar.OnMouseMove(MouseFlag::LeftButton, {310, 60 + 88});
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_TRUE(bar.DragTo(500, 900));
    EXPECT_EQ(bar.ThumbRect(), (Rect{300, 409 - 88, 327, 409}));
    EXPECT_EQ(bar.Position(), 30);
    bar.OnLButtonUp(0, {500, 900});
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_EQ(world.notes, (std::vector<Note>{{kId, 0, 1}, {kId, 0, 3}, {kId, 0, 3}, {kId, 0, 2}}))
        << "no report for a move that keeps the position";
    EXPECT_EQ(bar.ThumbRect(), (Rect{300, 57 + 264, 327, 57 + 264 + 88}));
}

TEST_F(ScrollFixture, ReleaseOutsideWithoutADragSendsNothing) {
    bar.OnLButtonDown(0, {310, 400});
    bar.OnLButtonUp(0, {10, 10});
    EXPECT_EQ(world.Codes(kId), (std::vector<intptr_t>{1}));
    EXPECT_EQ(bar.State(), ButtonState::Normal);
}

TEST_F(ScrollFixture, HoverLightsTheArrowFrameAndTheThumb) {
    EXPECT_TRUE(bar.OnMouseMove(0, {310, 40}));
    std::vector<PaintOp> ops = ControlWorld::DrawOps(bar);
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].colour, 0x101010u);
    EXPECT_EQ(ops[1].source.left, 18) << "hovered up arrow: frame 1";
    EXPECT_EQ(ops[2].source.left, 0);
    EXPECT_EQ(ops[2].dest, (RectF{300, 409, 27, 27}));
    EXPECT_EQ(ops[3].colour, 0x1F1F1Fu);
    EXPECT_EQ(ops[4].colour, 0x323232u);
    EXPECT_FALSE(bar.OnMouseMove(0, {310, 41}));
    EXPECT_TRUE(bar.OnMouseMove(0, {310, 70}));
    ops = ControlWorld::DrawOps(bar);
    EXPECT_EQ(ops[1].source.left, 0);
    EXPECT_EQ(ops[3].colour, 0xDEA035u);
    EXPECT_EQ(ops[4].colour, 0x1F1F1Fu);
    EXPECT_EQ(ops[4].rect, (Rect{301, 58, 326, 57 + 88}));
}

TEST(VScrollBar, WithoutArrowsTheTrackTakesTheWholeBar) {
    ControlWorld world;
    world.platform.SetFolders(u"/nonexistent/", u"/nonexistent/", u"/nonexistent/");
    CVScrollBar bar(world.ui, world.window, 7, {0, 0, 18, 100}, u"");
    EXPECT_FALSE(bar.LoadArrows());
    EXPECT_TRUE(bar.UpArrowRect().IsEmpty());
    EXPECT_EQ(bar.TrackTop(), 0);
    EXPECT_EQ(bar.TrackBottom(), 99);
}

} // namespace
