#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectCheckButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CImageButton.h"
#include "ui/CLinkButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/CTabControl.h"

using ui_test::Notice;
using ui_test::TestDialog;
using ui_test::UiWorld;

namespace {

std::vector<PaintOp> OpsOf(const std::vector<PaintOp>& ops, PaintKind kind) {
    std::vector<PaintOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [kind](const PaintOp& op) { return op.kind == kind; });
    return out;
}

const Rect kButton{10, 10, 60, 30};
const Point kInside{20, 20};
const Point kOutside{200, 200};

} // namespace

TEST(UiRadioGroupTest, SelectingClearsOnlyItsOwnGroup) {
    struct Case {
        unsigned id;
        uint32_t before;
        uint32_t after;
    };
    const Case cases[] = {
        {3036, RadioGroupState::kInitial, (RadioGroupState::kInitial & ~0x7Fu) | 0x4},
        {2010, RadioGroupState::kInitial, (RadioGroupState::kInitial & ~0x180u) | 0x100},
        {3502, 0xFFFFFFFF, (0xFFFFFFFFu & ~0x600u) | 0x400},
        {3030, 0, 0x10000},
        {3511, 0x100000, 0x200000},
        {9999, 0x1234, 0x1234},
    };
    for (const Case& c : cases) {
        RadioGroupState state;
        state.SetWord(c.before);
        EXPECT_EQ(state.Select(c.id), c.id != 9999) << c.id;
        EXPECT_EQ(state.Word(), c.after) << c.id;
        EXPECT_EQ(state.IsSelected(c.id), c.id != 9999) << c.id;
    }
    RadioGroupState initial;
    for (unsigned id : {3039u, 2009u, 3501u, 3033u, 3511u}) {
        EXPECT_TRUE(initial.IsSelected(id)) << id;
    }
}

TEST(UiRadioButtonTest, ClickSelectsInTheSharedWordThenNotifies) {
    UiWorld world;
    CRadioButton* radio = nullptr;
    uint32_t wordSeenByHandler = 0;
    world.Open([&](TestDialog& d) { radio = d.Add<CRadioButton>(0, 3036, kButton, u""); });
    world.dialog->onMessage = [&](uint32_t, uintptr_t, intptr_t code) {
        if (code == NotifyCode::Released) {
            wordSeenByHandler = world.ui.RadioGroups().Word();
        }
        return false;
    };
    world.Click(kInside);
    EXPECT_TRUE(radio->IsSelected());
    EXPECT_FALSE(world.ui.RadioGroups().IsSelected(3039));
    EXPECT_EQ(wordSeenByHandler, (RadioGroupState::kInitial & ~0x7Fu) | 0x4);
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{3036, 0, NotifyCode::Pressed},
                                                        {3036, 0, NotifyCode::Released}}));
}

TEST(UiCheckButtonTest, TwoClicksReturnToUncheckedAndSendCodeTwoTwice) {
    UiWorld world;
    CCheckButton* check = nullptr;
    world.Open([&](TestDialog& d) { check = d.Add<CCheckButton>(0, 3504, kButton, u"", 0); });
    world.Click(kInside);
    EXPECT_TRUE(check->GetCheck());
    world.Click(kInside);
    EXPECT_FALSE(check->GetCheck());
    const std::vector<Notice> expected{{3504, 0, 1}, {3504, 0, 2}, {3504, 0, 1}, {3504, 0, 2}};
    EXPECT_EQ(world.TakeNotices(), expected);
}

TEST(UiCheckButtonTest, CaptionsAndColoursFollowTheFrame) {
    UiWorld world;
    CCheckButton* check = nullptr;
    world.Open([&](TestDialog& d) {
        check = d.Add<CCheckButton>(0, 3504, kButton, u"text", TextFlag::Left);
        check->LoadImages(u"skins\\check_nr.png", u"skins\\check_ov.png", u"skins\\check_dn.png");
        check->SetCaptions(u"Off", u"On");
    });
    world.platform.Invalidate(world.Window());
    world.platform.Pump();
    auto strings = OpsOf(world.platform.LastPaintOps(world.Window()), PaintKind::DrawString);
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_EQ(strings[0].text, u"Off");
    EXPECT_EQ(strings[0].colour, 0xB4B4B4u);
    EXPECT_EQ(strings[0].flags, 0x40024u);
    check->SetCheck(true);
    world.platform.Invalidate(world.Window());
    world.platform.Pump();
    const auto ops = world.platform.LastPaintOps(world.Window());
    strings = OpsOf(ops, PaintKind::DrawString);
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_EQ(strings[0].text, u"On");
    EXPECT_EQ(strings[0].colour, 0x00FFFFu);
    const auto images = OpsOf(ops, PaintKind::DrawImage);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NE(images[0].image.find(u"check_dn.png"), std::u16string::npos);
}

TEST(UiImageButtonTest, ReleaseOutsideResetsWithoutCodeTwoAndReleaseInsideCarriesTheId) {
    UiWorld world;
    CImageButton* button = nullptr;
    world.Open([&](TestDialog& d) { button = d.Add<CImageButton>(0, 2062, kButton, u"", 0); });
    world.Move(kInside);
    world.Down(kInside);
    EXPECT_EQ(button->State(), ButtonState::Pressed);
    world.Move(kOutside);
    EXPECT_EQ(button->State(), ButtonState::Pressed) << "moves do not change a pressed button";
    world.Up(kOutside);
    EXPECT_EQ(button->State(), ButtonState::Normal);
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{2062, 0, 1}}));

    world.Move(kInside);
    world.Down(kInside);
    world.Move(kOutside);
    world.Move(kInside);
    world.Up(kInside);
    EXPECT_EQ(button->State(), ButtonState::Hover);
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{2062, 0, 1}, {2062, 2062, 2}}));
}

TEST(UiImageButtonTest, Button3502ReportsEveryMoveInside) {
    UiWorld world;
    world.Open([&](TestDialog& d) { d.Add<CImageButton>(0, 3502, kButton, u"", 0); });
    world.Move({20, 20});
    world.Move({21, 20});
    world.Move({22, 20});
    world.Move(kOutside);
    const std::vector<Notice> expected{{3502, 0, 12}, {3502, 0, 12}, {3502, 0, 12}};
    EXPECT_EQ(world.TakeNotices(), expected);
}

TEST(UiImageButtonTest, DisabledButtonIgnoresTheMouse) {
    UiWorld world;
    CImageButton* button = nullptr;
    world.Open([&](TestDialog& d) {
        button = d.Add<CImageButton>(0, 2062, kButton, u"", 0, ControlFlags{.disabled = true});
    });
    world.Click(kInside);
    EXPECT_EQ(button->State(), ButtonState::Normal);
    EXPECT_TRUE(world.TakeNotices().empty());
}

TEST(UiImageButtonTest, MissingHoverPictureDrawsNothingWhileHovered) {
    UiWorld world;
    world.Open([&](TestDialog& d) {
        auto* b = d.Add<CImageButton>(0, 2062, kButton, u"", 0);
        b->LoadImages(u"skins\\exit_nr.png", u"skins\\no_such_ov.png");
    });
    world.Move(kInside);
    world.platform.Pump();
    EXPECT_TRUE(OpsOf(world.platform.LastPaintOps(world.Window()), PaintKind::DrawImage).empty());
    world.Move(kOutside);
    world.platform.Invalidate(world.Window());
    world.platform.Pump();
    EXPECT_EQ(OpsOf(world.platform.LastPaintOps(world.Window()), PaintKind::DrawImage).size(), 1u);
}

TEST(UiControlTest, SetTextWithTheSameTextDoesNotRepaint) {
    UiWorld world;
    CImageButton* button = nullptr;
    world.Open([&](TestDialog& d) { button = d.Add<CImageButton>(0, 2062, kButton, u"A", 0); });
    button->SetText(u"A");
    EXPECT_FALSE(world.platform.IsInvalid(world.Window()));
    button->SetText(u"a");
    EXPECT_TRUE(world.platform.IsInvalid(world.Window()));
    EXPECT_EQ(button->GetText(), u"a");
}

TEST(UiComboButtonTest, HoverIsReportedOnAtMostFiveMovesAndLeaveOnce) {
    UiWorld world;
    CComboButton* combo = nullptr;
    world.Open([&](TestDialog& d) {
        combo = d.Add<CComboButton>(0, 1028, 2013, kButton, u"", 0, ControlFlags{}, u"Disable");
    });
    for (int x = 11; x < 19; ++x) {
        world.Move({x, 20});
    }
    world.Move(kOutside);
    world.Move({201, 200});
    std::vector<Notice> expected(5, Notice{1028, 2013, 4});
    expected.push_back({1028, 2013, 5});
    EXPECT_EQ(world.TakeNotices(), expected);

    world.Move(kInside);
    combo->SetPopupOpen(true);
    world.Move(kOutside);
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{1028, 2013, 4}}));
}

TEST(UiComboButtonTest, PressUnderTheIdentifierReleaseUnderItsMessageNothingWhenLocked) {
    UiWorld world;
    CComboButton* combo = nullptr;
    world.Open([&](TestDialog& d) {
        combo = d.Add<CComboButton>(0, 1028, 2013, kButton, u"", 0, ControlFlags{}, u"Left");
    });
    world.Move(kInside);
    world.TakeNotices();
    world.platform.Click(world.Window(), kInside);
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{2013, 0, 1}, {1028, 2013, 2}}));
    combo->SetLocked(true);
    world.platform.Click(world.Window(), kInside);
    EXPECT_TRUE(world.TakeNotices().empty());
}

TEST(UiLinkButtonTest, EnterAndLeaveAreReportedOnce) {
    UiWorld world;
    world.Open([&](TestDialog& d) { d.Add<CLinkButton>(0, 1, kButton, u"web", 0); });
    world.Move({20, 20});
    world.Move({21, 20});
    world.Move(kOutside);
    world.Move({201, 200});
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{3503, 0, 4}, {3503, 0, 5}}));
}

TEST(UiTabControlTest, ClickSelectsTheProfileTabAndRightReleaseAsksForItsMenu) {
    UiWorld world;
    CTabControl* tab = nullptr;
    world.Open([&](TestDialog& d) { tab = d.Add<CTabControl>(0, 2051, kButton, u"", 0, u"P3"); });
    world.Click(kInside);
    EXPECT_EQ(world.ui.ProfileTabIndex(), 2);
    EXPECT_TRUE(tab->IsSelected());
    world.platform.RightUp(world.Window(), kInside);
    EXPECT_EQ(world.TakeNotices(),
              (std::vector<Notice>{{2051, 0, 1}, {2051, 0, 2}, {2051, 2051, 11}}));
}

TEST(UiColorSelectCheckButtonTest, DoubleClickSendsTenAndReleaseKeepsTheMark) {
    UiWorld world;
    CColorSelectCheckButton* swatch = nullptr;
    world.Open(
        [&](TestDialog& d) { swatch = d.Add<CColorSelectCheckButton>(0, 3061, kButton, u""); });
    world.Move(kInside);
    world.platform.DoubleClick(world.Window(), kInside);
    EXPECT_FALSE(swatch->IsMarked());
    // The window system sends down, up, double click, up.
    const std::vector<Notice> expected{{3061, 0, 1}, {3061, 0, 2}, {3061, 0, 10}, {3061, 0, 2}};
    EXPECT_EQ(world.TakeNotices(), expected);
}

TEST(UiStaticControlsTest, StaticsAreDisabledAndTextWraps) {
    UiWorld world;
    CStaticText* label = nullptr;
    world.Open([&](TestDialog& d) {
        d.Add<CStaticImage>(0, 3401, kButton, u"")->LoadImage(u"skins\\battery_green.png");
        label = d.Add<CStaticText>(0, 3402, Rect{10, 40, 200, 80}, u"A long label", 0xFFFFFF,
                                   TextFlag::Left);
    });
    EXPECT_TRUE(label->IsDisabled());
    EXPECT_TRUE(world.dialog->FindControl(3401)->IsDisabled());
    world.platform.Invalidate(world.Window());
    world.platform.Pump();
    const auto ops = world.platform.LastPaintOps(world.Window());
    const auto strings = OpsOf(ops, PaintKind::DrawString);
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_EQ(strings[0].flags, 0x40004u);
    EXPECT_EQ(strings[0].text, u"A long label");
    ASSERT_EQ(OpsOf(ops, PaintKind::DrawImage).size(), 1u);
}

TEST(UiPowerManageButtonTest, ReleaseOnAWedgeSelectsItsValue) {
    UiWorld world;
    CPowerManageButton* dial = nullptr;
    world.Open([&](TestDialog& d) {
        dial = d.Add<CPowerManageButton>(0, 0, Rect{100, 50, 240, 134}, u"", 0);
    });
    EXPECT_EQ(dial->Identifier(), 3500u);
    // Far left of the dial: wedge 0; the top: wedge 3 / 4 boundary (70, 5) to the centre.
    world.Click({100 + 10, 50 + 68});
    EXPECT_EQ(dial->SelectedWedge(), 0);
    EXPECT_EQ(dial->Value(), 1);
    world.Click({100 + 70, 50 + 30});
    EXPECT_EQ(dial->SelectedWedge(), 3) << "the shared edge goes to the lower wedge";
    EXPECT_EQ(dial->Value(), 4);
    world.Click({100 + 130, 50 + 68});
    EXPECT_EQ(dial->Value(), 20);
    world.TakeNotices();
    world.Click({100 + 2, 50 + 2});
    EXPECT_EQ(dial->Value(), 20) << "inside the rectangle but on no wedge";
    EXPECT_EQ(world.TakeNotices(), (std::vector<Notice>{{3500, 0, 1}}));
}

class UiScaledDrawingTest : public ::testing::TestWithParam<float> {};

TEST_P(UiScaledDrawingTest, PicturesFillTheScaledRectangleAndDpiValueUsesTheTopStrip) {
    const float scale = GetParam();
    UiWorld world(scale);
    const Rect base{337, 100, 352, 115};
    world.Open([&](TestDialog& d) {
        d.Add<CImageButton>(0, 2004, d.Ui().Scale(base), u"", 0)
            ->LoadImages(u"skins\\exit_nr.png", u"skins\\exit_ov.png");
        auto* label = d.Add<CDPIRadioButton>(1, 3290, d.Ui().Scale(Rect{10, 10, 60, 40}), u"");
        label->SetValue(8);
    });
    world.platform.Invalidate(world.Window());
    world.platform.Pump();
    const auto ops = world.platform.LastPaintOps(world.Window());
    const auto images = OpsOf(ops, PaintKind::DrawImage);
    ASSERT_EQ(images.size(), 1u);
    const Rect r = world.ui.Scale(base);
    EXPECT_EQ(r.left, int(337 * scale));
    EXPECT_EQ(images[0].dest,
              (RectF{float(r.left), float(r.top), float(r.Width()), float(r.Height())}));
    EXPECT_EQ(images[0].source, (Rect{0, 0, 15, 15})) << "source sizes are not scaled";
    const auto strings = OpsOf(ops, PaintKind::DrawString);
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_EQ(strings[0].text, u"400");
    EXPECT_EQ(strings[0].flags, 0x40021u);
    const Rect label = world.ui.Scale(Rect{10, 10, 60, 40});
    EXPECT_EQ(strings[0].rect,
              (Rect{label.left, label.top, label.right, label.top + int(11 * scale)}));
}

INSTANTIATE_TEST_SUITE_P(Scales, UiScaledDrawingTest, ::testing::Values(1.0f, 1.5f, 2.0f),
                         [](const ::testing::TestParamInfo<float>& info) {
                             return "Scale" + std::to_string(int(info.param * 10));
                         });
