#include "ui/FillGeometry.h"
#include "ui/PopupRows.h"
#include "ui/ScrollThumb.h"
#include "ui/StopPositions.h"

#include <gtest/gtest.h>

namespace {

TEST(StopPositions, ElevenStopsOnA185WideSlider) {
    const int left = 40;
    const std::vector<int> stops = StopPositions(left + 6, left + 185 - 7, 11);
    const std::vector<int> fromLeft{6, 23, 40, 57, 74, 92, 109, 126, 143, 160, 178};
    ASSERT_EQ(stops.size(), fromLeft.size());
    for (size_t i = 0; i < stops.size(); ++i) {
        EXPECT_EQ(stops[i] - left, fromLeft[i]) << "stop " << i;
    }
}

TEST(StopPositions, OneStopLiesAtTheStartAndNoneGiveNothing) {
    EXPECT_EQ(StopPositions(10, 90, 1), std::vector<int>{10});
    EXPECT_TRUE(StopPositions(10, 90, 0).empty());
    EXPECT_EQ(NearestStop(StopPositions(10, 90, 1), 500), 0);
    EXPECT_EQ(NearestStop({}, 500), 0);
}

TEST(StopPositions, NearestStopSplitsAtTheMidpoints) {
    const std::vector<int> stops{0, 10, 20};
    struct Case {
        int x;
        int stop;
    } cases[] = {{-50, 0}, {4, 0}, {5, 1}, {14, 1}, {15, 2}, {400, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(NearestStop(stops, c.x), c.stop) << "x " << c.x;
    }
}

TEST(StopPositions, LevelOfPointRunsFromBottomToTop) {
    const int top = 100;
    const int bottom = 232;
    EXPECT_EQ(LevelOfPoint(top, bottom, bottom, 8), 0);
    EXPECT_EQ(LevelOfPoint(top, bottom, bottom + 40, 8), 0);
    EXPECT_EQ(LevelOfPoint(top, bottom, top + 1, 8), 7);
    EXPECT_EQ(LevelOfPoint(top, bottom, top, 8), 7);
    EXPECT_EQ(LevelOfPoint(top, bottom, top - 40, 8), 7);
    EXPECT_EQ(LevelOfPoint(top, bottom, 166, 8), 3);
    EXPECT_EQ(LevelOfPoint(top, top, top, 8), 0);
    EXPECT_EQ(LevelOfPoint(top, bottom, top, 0), 0);
}

TEST(FillGeometry, LevelBarShowsTheBottomOfThePicture) {
    const Size picture{7, 132};
    // Level 3 of 4 at scale 1 fills the whole bar.
    FillPlacement full = LevelBarFill({10, 20, 17, 152}, 3, 4, picture, 1.0f);
    EXPECT_EQ(full.source, (Rect{0, 0, 7, 132}));
    EXPECT_EQ(full.dest, (RectF{10, 20, 7, 132}));
    // Level 0 of 4: a quarter.
    FillPlacement quarter = LevelBarFill({10, 20, 17, 152}, 0, 4, picture, 1.0f);
    EXPECT_EQ(quarter.source, (Rect{0, 99, 7, 132}));
    EXPECT_EQ(quarter.dest, (RectF{10, 119, 7, 33}));
}

TEST(FillGeometry, OddFillAtFractionalScaleMovesUpOnePixel) {
    // Bar 198 high (132 x 1.5); level 0 of 6 fills 33 pixels, odd, so 34 are drawn.
    FillPlacement fill = LevelBarFill({0, 0, 10, 198}, 0, 6, {7, 132}, 1.5f);
    EXPECT_EQ(fill.dest.y, 198 - 34);
    EXPECT_EQ(fill.source.top, int(132 - 34 / 1.5f));
    EXPECT_FLOAT_EQ(fill.dest.height, float(fill.source.Height()) * 1.5f);
}

TEST(FillGeometry, LevelOutsideTheBarStaysInsideThePicture) {
    FillPlacement over = LevelBarFill({0, 0, 7, 132}, 40, 4, {7, 132}, 1.0f);
    EXPECT_EQ(over.source, (Rect{0, 0, 7, 132}));
    FillPlacement none = LevelBarFill({0, 0, 7, 132}, 2, 0, {7, 132}, 1.0f);
    EXPECT_EQ(none.source.Height(), 0);
}

TEST(FillGeometry, BatteryAtZeroShowsOnePixelAndAtFullTheWholeFillArea) {
    const Size picture{30, 61};
    const Rect gauge{100, 200, 130, 261};
    FillPlacement empty = BatteryFill(gauge, 0, 7, 50, picture, 1.0f);
    EXPECT_EQ(empty.dest.y, 200 + 56);
    EXPECT_EQ(empty.source, (Rect{0, 56, 30, 61}));
    FillPlacement full = BatteryFill(gauge, 100, 7, 50, picture, 1.0f);
    EXPECT_EQ(full.dest.y, 207);
    EXPECT_EQ(full.source, (Rect{0, 7, 30, 61}));
    FillPlacement half = BatteryFill(gauge, 50, 7, 50, picture, 1.0f);
    EXPECT_EQ(half.source.top, 7 + 25);
    EXPECT_EQ(BatteryFill(gauge, 250, 7, 50, picture, 1.0f).source, full.source);
}

TEST(FillGeometry, BatteryAtFractionalScale) {
    const Rect gauge{0, 0, 45, 91}; // 30 x 61 at 1.5, truncated
    FillPlacement fill = BatteryFill(gauge, 100, 7, 50, {30, 61}, 1.5f);
    // y = trunc(7 x 1.5) = 10; 81 rows below it is odd, so 9.
    EXPECT_EQ(fill.dest.y, 9);
    EXPECT_EQ(fill.source.top, int(61 - 82 / 1.5f));
}

TEST(ScrollThumb, ThumbFromPositionPageAndTotal) {
    // Track 100 pixels: rows 50 to 149.
    EXPECT_EQ(ThumbFor(50, 149, 0, 10, 40), (ThumbSpan{50, 74}));
    EXPECT_EQ(ThumbFor(50, 149, 30, 10, 40), (ThumbSpan{125, 149}));
    EXPECT_EQ(ThumbFor(50, 149, 0, 80, 40), (ThumbSpan{50, 149}));
    EXPECT_EQ(ThumbFor(50, 149, 3, 10, 0), (ThumbSpan{50, 149}));
    EXPECT_EQ(ThumbFor(50, 149, 90, 10, 40), (ThumbSpan{149, 149}));
}

TEST(ScrollThumb, PositionFollowsTheThumbTop) {
    EXPECT_EQ(PositionForThumb(50, 50, 149, 40), 0);
    EXPECT_EQ(PositionForThumb(125, 50, 149, 40), 30);
    EXPECT_EQ(PositionForThumb(77, 50, 149, 40), 10);
    EXPECT_EQ(PositionForThumb(77, 50, 40, 40), 0);
}

std::vector<PopupItem> Items(int count) {
    std::vector<PopupItem> items(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        items[size_t(i)].number = i + 1;
    }
    return items;
}

TEST(PopupRows, ThreeRowsAtScaleOneAndAHalf) {
    std::vector<PopupItem> items = Items(3);
    const Size size = LayoutPopupItems(items, {162, 22, 1}, 1.5f);
    EXPECT_EQ(size, (Size{243, 1 + 3 * 33 + 1}));
    EXPECT_EQ(items[0].row, (Rect{1, 1, 241, 34}));
    EXPECT_EQ(items[2].row, (Rect{1, 67, 241, 100}));
}

TEST(PopupRows, SeparatorTakesFourUnitsAndIsNeverHit) {
    std::vector<PopupItem> items = Items(3);
    items[1].separator = true;
    const Size size = LayoutPopupItems(items, {162, 22, 1}, 2.0f);
    EXPECT_EQ(items[1].row, (Rect{2, 46 + 4, 322, 46 + 6}));
    EXPECT_EQ(items[2].row.top, 46 + 8);
    EXPECT_EQ(size.height, 46 + 8 + 44 + 2);
    EXPECT_EQ(PopupItemAt(items, {10, 51}), -1);
    EXPECT_EQ(PopupItemAt(items, {10, 60}), 2);
    EXPECT_EQ(PopupItemAt(items, {322, 60}), -1);
}

TEST(PopupRows, ProfileListRowsStartAtTheLeftEdge) {
    std::vector<PopupItem> items = Items(6);
    const Size size = LayoutPopupItems(items, {230, 25, 0}, 1.0f);
    EXPECT_EQ(items[0].row, (Rect{0, 1, 229, 26}));
    EXPECT_EQ(size, (Size{230, 1 + 150 + 1}));
}

} // namespace
