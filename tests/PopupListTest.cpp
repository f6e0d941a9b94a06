#include "PopupTestSupport.h"

#include "ui/CDPIPopup.h"
#include "ui/CMultimediaPopup.h"

#include <gtest/gtest.h>

namespace {

using popup_test::PopupWorld;

// A list with a separator between its two items, for the rules that only separators show.
class SeparatedPopup : public CListPopup {
  public:
    explicit SeparatedPopup(UiContext& ui) : CListPopup(ui, 3, kMenuPictures, {162, 22, 1}) {}

  protected:
    void InitItems() override {
        AddItem(u"one", 1, false);
        AddSeparator();
        AddItem(u"two", 2, true);
    }
};

struct Opened {
    CListPopup* popup;
    WindowId window;
};

template <class T> Opened OpenList(PopupWorld& world) {
    auto popup = std::make_unique<T>(world.ui);
    T* raw = popup.get();
    return {raw, world.Open(std::move(popup))};
}

TEST(PopupList, LaysOutAtScaleOneAndAHalfAndShowsAtItsPosition) {
    PopupWorld world;
    Opened dpi = OpenList<CDPIPopup>(world);
    ASSERT_NE(dpi.window, 0u);
    EXPECT_EQ(world.platform.WindowRect(dpi.window), (Rect{300, 200, 300 + 243, 200 + 101}));
    EXPECT_EQ(world.platform.Kind(dpi.window), WindowKind::PopupList);
    EXPECT_EQ(world.platform.Owner(dpi.window), world.ownerWindow);
    EXPECT_TRUE(world.platform.IsVisible(dpi.window));
    EXPECT_EQ(dpi.popup->Items().size(), 3u);
    EXPECT_EQ(dpi.popup->Items()[1].row, (Rect{1, 34, 241, 67}));
    EXPECT_EQ(dpi.popup->Items()[1].text, u"T41");
}

TEST(PopupList, HoverPaintsTheHoverRowAndWhiteText) {
    PopupWorld world;
    Opened list = OpenList<SeparatedPopup>(world);
    world.platform.ClearPaints();
    world.platform.MouseMove(list.window, world.RowCentre(*list.popup, 2));
    EXPECT_EQ(list.popup->HoverIndex(), 2);
    const std::vector<PaintOp>& ops = world.platform.LastPaintOps(list.window);
    std::vector<std::u16string> pictures;
    std::vector<Colour> textColours;
    for (const PaintOp& op : ops) {
        if (op.kind == PaintKind::DrawImage) {
            pictures.push_back(op.image.substr(op.image.rfind(u'/') + 1));
        }
        if (op.kind == PaintKind::DrawString) {
            textColours.push_back(op.colour);
            EXPECT_EQ(op.flags, 0x40025u);
        }
    }
    EXPECT_EQ(pictures, (std::vector<std::u16string>{u"menu_nr.png", u"menusub_ov.png"}));
    EXPECT_EQ(textColours, (std::vector<Colour>{0xB4B4B4, 0xFFFFFF}));
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, PaintKind::Fill);
    EXPECT_EQ(ops[0].colour, 0u);
    bool separatorFilled = false;
    for (const PaintOp& op : ops) {
        separatorFilled |= op.kind == PaintKind::Fill && op.colour == 0xDEA035 &&
                           op.rect == list.popup->Items()[1].row;
    }
    EXPECT_TRUE(separatorFilled);
}

TEST(PopupList, PointingAtASeparatorClearsTheHoverAndReportsNothing) {
    PopupWorld world;
    Opened list = OpenList<SeparatedPopup>(world);
    world.platform.MouseMove(list.window, world.RowCentre(*list.popup, 0));
    ASSERT_EQ(list.popup->HoverIndex(), 0);
    const Rect separator = list.popup->Items()[1].row;
    world.platform.MouseMove(list.window, {20, separator.top});
    EXPECT_EQ(list.popup->HoverIndex(), -1);
    world.platform.Click(list.window, {20, separator.top});
    EXPECT_TRUE(world.Messages(PopupWorld::kChoice).empty());
}

TEST(PopupList, ClickReportsTheChoiceWithTextAndCode) {
    PopupWorld world;
    Opened list = OpenList<CMultimediaPopup>(world);
    const Point row = world.RowCentre(*list.popup, 5);
    world.platform.MouseMove(list.window, row);
    world.platform.Click(list.window, row);
    const auto choices = world.Messages(PopupWorld::kChoice);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].wParam, PopupWorld::kParam);
    EXPECT_EQ(choices[0].resultText, u"T50");
    EXPECT_EQ(choices[0].resultCode, (ButtonFunction{{0x80, 0xE2, 0x00}}));
}

TEST(PopupList, PressOnOneItemAndReleaseOnAnotherReportsNothingAndRepaints) {
    PopupWorld world;
    Opened list = OpenList<CDPIPopup>(world);
    world.platform.MouseMove(list.window, world.RowCentre(*list.popup, 0));
    world.platform.LeftDown(list.window, world.RowCentre(*list.popup, 0));
    EXPECT_EQ(world.platform.MouseCapture(), list.window);
    world.platform.MouseMove(list.window, world.RowCentre(*list.popup, 2));
    EXPECT_EQ(list.popup->HoverIndex(), 0) << "no hover change while the button is down";
    const size_t paints = world.platform.Paints(list.window).size();
    world.platform.LeftUp(list.window, world.RowCentre(*list.popup, 2));
    EXPECT_EQ(world.platform.MouseCapture(), 0u);
    EXPECT_TRUE(world.Messages(PopupWorld::kChoice).empty());
    EXPECT_EQ(list.popup->HoverIndex(), -1);
    EXPECT_GT(world.platform.Paints(list.window).size(), paints);
}

TEST(PopupList, LosingActivationSendsTheDismissalOnce) {
    PopupWorld world;
    Opened list = OpenList<CMultimediaPopup>(world);
    world.platform.Deactivate(list.window);
    const auto dismissals = world.Messages(0x415);
    ASSERT_EQ(dismissals.size(), 1u);
    EXPECT_EQ(dismissals[0].wParam, PopupWorld::kParam);
    EXPECT_EQ(dismissals[0].lParam, 3);
    EXPECT_EQ(world.received.size(), 1u);
    EXPECT_TRUE(world.platform.IsWindow(list.window)) << "the owner closes it";
}

TEST(PopupList, CloseRequestTellsTheOwnerAndTheWindowDeletesThePopup) {
    PopupWorld world;
    const WindowId window = OpenList<CDPIPopup>(world).window;
    world.platform.Post(window, Msg::Close, 0, 0);
    world.platform.Pump();
    EXPECT_EQ(world.Messages(0x401).size(), 1u);
    EXPECT_FALSE(world.platform.IsWindow(window));
    // A second close to the id that has gone is dropped.
    world.platform.Post(window, Msg::Close, 0, 0);
    world.platform.Pump();
    EXPECT_EQ(world.Messages(0x401).size(), 1u);
}

TEST(PopupList, OwnerMayCloseThePopupOutrightFromItsChoiceHandler) {
    PopupWorld world;
    Opened list = OpenList<CDPIPopup>(world);
    world.onOwnerMessage = [&](uint32_t message, uintptr_t, intptr_t) {
        if (message == PopupWorld::kChoice) {
            world.platform.DestroyWindow(list.window);
        }
    };
    const Point row = world.RowCentre(*list.popup, 1);
    world.platform.MouseMove(list.window, row);
    world.platform.Click(list.window, row);
    EXPECT_FALSE(world.platform.IsWindow(list.window));
    EXPECT_EQ(world.Messages(PopupWorld::kChoice).size(), 1u);
}

TEST(PopupList, OwnerClosingOnDismissalAndOnChoiceTogether) {
    PopupWorld world;
    Opened list = OpenList<CDPIPopup>(world);
    world.onOwnerMessage = [&](uint32_t message, uintptr_t, intptr_t) {
        if (message == 0x412 || message == PopupWorld::kChoice) {
            world.platform.Post(list.window, Msg::Close, 0, 0);
        }
    };
    const Point row = world.RowCentre(*list.popup, 0);
    world.platform.MouseMove(list.window, row);
    world.platform.LeftDown(list.window, row);
    world.platform.Deactivate(list.window);
    EXPECT_FALSE(world.platform.IsWindow(list.window));
    world.platform.LeftUp(list.window, row);
    EXPECT_TRUE(world.Messages(PopupWorld::kChoice).empty());
}

TEST(PopupList, DestroyingTheOwnerTakesThePopupWithIt) {
    PopupWorld world;
    const WindowId window = OpenList<CDPIPopup>(world).window;
    world.platform.DestroyWindow(world.ownerWindow);
    EXPECT_FALSE(world.platform.IsWindow(window));
}

TEST(PopupList, WithoutAnOwnerReportsAreDropped) {
    PopupWorld world;
    auto popup = std::make_unique<CDPIPopup>(world.ui);
    CDPIPopup* raw = popup.get();
    const WindowId window =
        CWndPopup::Open(std::move(popup), 0, {10, 10, 20, 20}, PopupWorld::kChoice, 1);
    ASSERT_NE(window, 0u);
    const Point row = world.RowCentre(*raw, 0);
    world.platform.MouseMove(window, row);
    world.platform.Click(window, row);
    world.platform.Deactivate(window);
    EXPECT_TRUE(world.received.empty());
    world.platform.DestroyWindow(window);
}

TEST(PopupList, LeavingTheWindowClearsTheHover) {
    PopupWorld world;
    Opened list = OpenList<CDPIPopup>(world);
    world.platform.MouseMove(list.window, world.RowCentre(*list.popup, 0));
    ASSERT_EQ(list.popup->HoverIndex(), 0);
    world.platform.MouseMove(world.ownerWindow, {5, 5});
    world.platform.MouseLeave(list.window);
    EXPECT_EQ(list.popup->HoverIndex(), -1);
}

} // namespace
