#include "ControlTestSupport.h"

#include "ui/CLevelBar.h"
#include "ui/CSliderControl.h"
#include "ui/FillGeometry.h"

#include <gtest/gtest.h>

namespace {

using control_test::ControlWorld;
using control_test::Note;

constexpr unsigned kSlider = 3220;
constexpr unsigned kBar = 3280;

struct SliderFixture : testing::Test {
    SliderFixture() : slider(world.ui, world.window, kSlider, {40, 10, 225, 23}, u"", 11, 6, 7) {
        slider.LoadImage(u"skins\\Slider_Circle.png");
    }
    int Stop(int i) const { return slider.Stops()[size_t(i)]; }

    ControlWorld world;
    CSliderControl slider;
};

TEST_F(SliderFixture, StopsAndThumbFollowSetPos) {
    EXPECT_EQ(Stop(0), 46);
    EXPECT_EQ(Stop(5), 132);
    EXPECT_EQ(Stop(10), 218);
    slider.SetPos(5);
    EXPECT_EQ(slider.ThumbRect(), (Rect{132 - 6, 10, 132 + 7, 23}));
    EXPECT_TRUE(world.notes.empty()) << "SetPos does not notify";
}

TEST_F(SliderFixture, ClickOffTheThumbSelectsTheNearestStop) {
    slider.OnLButtonDown(0, {150, 15});
    EXPECT_FALSE(slider.IsDragging());
    slider.OnMouseMove(MouseFlag::LeftButton, {190, 15});
    EXPECT_TRUE(slider.OnLButtonUp(0, {150, 15}));
    EXPECT_EQ(slider.GetPos(), 6);
    EXPECT_EQ(world.Codes(kSlider), (std::vector<intptr_t>{1, 2}));
    EXPECT_EQ(slider.State(), ButtonState::Hover);
}

TEST_F(SliderFixture, DragReportsEachMoveAndKeepsTheLastStopPastTheEnd) {
    slider.OnLButtonDown(0, {Stop(0), 15});
    ASSERT_TRUE(slider.IsDragging());
    slider.OnMouseMove(MouseFlag::LeftButton, {Stop(3) + 2, 15});
    slider.OnMouseMove(MouseFlag::LeftButton, {224, 15});
    EXPECT_TRUE(slider.DragTo(400, 80)) << "the dialog continues the drag outside";
    EXPECT_TRUE(slider.DragTo(500, 80));
    EXPECT_EQ(slider.GetPos(), 10);
    std::vector<Note> drags;
    for (const Note& n : world.notes) {
        if (n.lParam == 3) {
            drags.push_back(n);
        }
    }
    EXPECT_EQ(drags, (std::vector<Note>{
                         {kSlider, 3, 3}, {kSlider, 10, 3}, {kSlider, 10, 3}, {kSlider, 10, 3}}));
    // Drawn at the pointer, held inside the control.
    const std::vector<PaintOp> ops = ControlWorld::DrawOps(slider);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].dest, (RectF{225 - 13, 10, 13, 13}));
    slider.OnLButtonUp(0, {500, 80});
    EXPECT_FALSE(slider.IsDragging());
    EXPECT_FALSE(slider.DragTo(300, 15));
    EXPECT_EQ(world.Codes(kSlider).back(), 3) << "no release code outside";
    EXPECT_EQ(slider.State(), ButtonState::Normal);
}

TEST_F(SliderFixture, ThumbIsDrawnAtItsStopWhenIdle) {
    slider.SetPos(2);
    const std::vector<PaintOp> ops = ControlWorld::DrawOps(slider);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].dest, (RectF{float(Stop(2) - 6), 10, 13, 13}));
}

TEST_F(SliderFixture, DisabledSliderIgnoresTheMouse) {
    slider.SetDisabled(true);
    EXPECT_FALSE(slider.OnLButtonDown(0, {Stop(0), 15}));
    EXPECT_FALSE(slider.OnMouseMove(0, {Stop(4), 15}));
    EXPECT_FALSE(slider.OnLButtonUp(0, {Stop(4), 15}));
    EXPECT_TRUE(world.notes.empty());
    EXPECT_EQ(slider.GetPos(), 0);
}

TEST(SliderControl, OneStopAlwaysGivesStopZero) {
    ControlWorld world;
    CSliderControl slider(world.ui, world.window, kSlider, {0, 0, 100, 10}, u"", 1, 5, 5);
    EXPECT_EQ(slider.Stops(), std::vector<int>{5});
    slider.OnLButtonDown(0, {90, 5});
    slider.OnLButtonUp(0, {90, 5});
    EXPECT_EQ(slider.GetPos(), 0);
}

struct BarFixture : testing::Test {
    BarFixture() : bar(world.ui, world.window, kBar, {100, 50, 111, 248}, u"", 8, 0, 0) {
        bar.LoadImages(u"skins\\mouse\\dpi_bar_1.png", u"skins\\mouse\\dpi_bar_2.png");
    }
    ControlWorld world{1.5f};
    CVerticalSliderControl bar;
};

TEST_F(BarFixture, PressAndDragReportTheLevelUnderThePointer) {
    bar.OnLButtonDown(0, {105, 247});
    EXPECT_EQ(bar.Level(), 0);
    bar.OnMouseMove(MouseFlag::LeftButton, {105, 51});
    EXPECT_EQ(bar.Level(), 7);
    bar.OnMouseMove(MouseFlag::LeftButton, {105, 150});
    bar.OnLButtonUp(0, {105, 150});
    EXPECT_EQ(world.notes,
              (std::vector<Note>{{kBar, 0, 1}, {kBar, 7, 3}, {kBar, 3, 3}, {kBar, 0, 2}}));
    EXPECT_FALSE(bar.IsDragging());
}

TEST_F(BarFixture, LeavingWithoutTheButtonEndsTheDrag) {
    bar.OnLButtonDown(0, {105, 200});
    bar.OnLButtonUp(0, {300, 300});
    EXPECT_EQ(bar.State(), ButtonState::Normal);
    bar.OnMouseMove(0, {105, 60});
    EXPECT_EQ(world.Codes(kBar), (std::vector<intptr_t>{1}));
}

TEST_F(BarFixture, DrawsTheBackgroundThenTheBottomOfTheFill) {
    bar.SetLevel(2);
    const std::vector<PaintOp> ops = ControlWorld::DrawOps(bar);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_NE(ops[0].image.find(u"dpi_bar_2.png"), std::u16string::npos);
    EXPECT_EQ(ops[0].dest, (RectF{100, 50, 10, 198}));
    EXPECT_NE(ops[1].image.find(u"dpi_bar_1.png"), std::u16string::npos);
    const FillPlacement fill = LevelBarFill(bar.GetRect(), 2, 8, {7, 132}, 1.5f);
    EXPECT_EQ(ops[1].dest, fill.dest);
    EXPECT_EQ(ops[1].source, fill.source);
    EXPECT_EQ(ops[1].source.bottom, 132);
}

TEST_F(BarFixture, NoLevelsDrawOnlyTheBackground) {
    bar.SetLevelCount(0);
    EXPECT_TRUE(bar.Stops().empty());
    EXPECT_EQ(ControlWorld::DrawOps(bar).size(), 1u);
    bar.SetLevelCount(4);
    EXPECT_EQ(bar.Stops(), (std::vector<int>{50, 116, 182, 248}));
}

TEST(DPIValueShowControl, ClicksWithoutDragging) {
    ControlWorld world;
    CDPIValueShowControl show(world.ui, world.window, 3300, {0, 0, 7, 132}, u"", 6, 0, 0);
    show.OnLButtonDown(0, {3, 100});
    show.OnMouseMove(MouseFlag::LeftButton, {3, 10});
    show.OnLButtonUp(0, {3, 10});
    EXPECT_EQ(world.Codes(3300), (std::vector<intptr_t>{1, 2}));
    EXPECT_EQ(show.Level(), 0);
}

} // namespace
