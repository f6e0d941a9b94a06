#include <gtest/gtest.h>

#include <memory>

#include "HeadlessTestWindow.h"

using headless_test::LogWindow;
using Log = std::vector<std::string>;

namespace {

struct HeadlessWindows : testing::Test {
    HeadlessPlatform platform;
    Log log;
    LogWindow main{log, "main"};
    LogWindow dialog{log, "dlg"};
    WindowId wMain = platform.MakeWindow(main, WindowKind::Main, 0, {100, 100, 500, 400});
    WindowId wDialog = platform.MakeWindow(dialog, WindowKind::Dialog, wMain, {200, 150, 300, 250});
};

TEST_F(HeadlessWindows, IdsAreNeverReusedAndWindowsStartHidden) {
    platform.DestroyWindow(wDialog);
    LogWindow other(log);
    const WindowId next = platform.MakeWindow(other, WindowKind::Dialog, wMain, {0, 0, 10, 10});
    EXPECT_GT(next, wDialog);
    EXPECT_FALSE(platform.IsWindow(wDialog));
    EXPECT_FALSE(platform.IsVisible(next));
    EXPECT_EQ(platform.Owner(next), wMain);
    EXPECT_EQ(platform.Windows(), (std::vector<WindowId>{wMain, next}));
}

TEST_F(HeadlessWindows, ClientAndScreenCoordinatesFollowTheWindowRect) {
    EXPECT_EQ(platform.ClientRect(wDialog), (Rect{0, 0, 100, 100}));
    EXPECT_EQ(platform.ClientToScreen(wDialog, {5, 7}), (Point{205, 157}));
    platform.SetWindowRect(wDialog, {10, 20, 50, 80});
    EXPECT_EQ(platform.ScreenToClient(wDialog, {15, 30}), (Point{5, 10}));
    EXPECT_EQ(platform.ClientRect(wDialog), (Rect{0, 0, 40, 60}));
}

TEST_F(HeadlessWindows, ModalRunShowsTheWindowAndReturnsTheHookEndResult) {
    platform.SetModalHook([&](WindowId window) {
        EXPECT_TRUE(platform.IsVisible(window));
        EXPECT_FALSE(platform.IsEnabled(wMain));
        platform.Click(wMain, {1, 1}); // the owner gets no input meanwhile
        platform.Post(window, 1500, 0, 0);
        platform.EndModal(window, 7);
    });
    EXPECT_EQ(platform.RunModal(wDialog), 7);
    EXPECT_EQ(log, (Log{"dlg: paint 100x100", "dlg: msg 1500 0 0"}));
    EXPECT_TRUE(platform.IsEnabled(wMain));
    EXPECT_FALSE(platform.IsVisible(wDialog));
}

TEST_F(HeadlessWindows, ModalRunEndedByAQueuedMessage) {
    dialog.onMessage = [&](uint32_t message, uintptr_t, intptr_t) -> intptr_t {
        if (message == Msg::Close) {
            platform.EndModal(wDialog, 2);
        }
        return 0;
    };
    platform.SetModalHook([&](WindowId window) { platform.Post(window, Msg::Close, 0, 0); });
    EXPECT_EQ(platform.RunModal(wDialog), 2);
}

TEST_F(HeadlessWindows, ModalRunThatNothingCanEndReturnsMinusOne) {
    EXPECT_EQ(platform.RunModal(wDialog), -1);
    platform.SetModalHook([](WindowId) {});
    EXPECT_EQ(platform.RunModal(wDialog), -1);
}

TEST_F(HeadlessWindows, NestedModalRunsEachGetTheirOwnResult) {
    LogWindow inner(log, "inner");
    const WindowId wInner = platform.MakeWindow(inner, WindowKind::Dialog, wDialog, {0, 0, 20, 20});
    int innerResult = 0;
    platform.SetModalHook([&](WindowId window) {
        if (window == wDialog) {
            innerResult = platform.RunModal(wInner);
            EXPECT_EQ(platform.ModalStack(), (std::vector<WindowId>{wDialog}));
            platform.EndModal(wDialog, 1);
        } else {
            EXPECT_EQ(platform.ModalStack(), (std::vector<WindowId>{wDialog, wInner}));
            EXPECT_FALSE(platform.IsEnabled(wDialog));
            platform.EndModal(window, 2);
        }
    });
    EXPECT_EQ(platform.RunModal(wDialog), 1);
    EXPECT_EQ(innerResult, 2);
    EXPECT_TRUE(platform.ModalStack().empty());
}

TEST_F(HeadlessWindows, QuitEndsModalRuns) {
    platform.SetModalHook([&](WindowId window) {
        platform.EndModal(window, 1);
        platform.Quit();
    });
    EXPECT_EQ(platform.RunModal(wMain), -1);
    EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(HeadlessWindows, CaptureRoutesMouseInputToTheCapturingWindow) {
    platform.CaptureMouse(wDialog);
    platform.MouseMove(wMain, {150, 60}); // screen 250, 160 = dialog 50, 10
    platform.LeftDown(wMain, {0, 0});
    platform.ReleaseMouse();
    platform.LeftUp(wMain, {0, 0});
    EXPECT_EQ(log, (Log{"dlg: move 0 50,10", "dlg: down 1 -100,-50", "main: up 0 0,0"}));
    EXPECT_EQ(platform.CursorPos(), (Point{100, 100}));
}

TEST_F(HeadlessWindows, DoubleClickArrivesAsTheWindowSystemSendsIt) {
    platform.DoubleClick(wMain, {3, 4});
    EXPECT_EQ(log,
              (Log{"main: down 1 3,4", "main: up 0 3,4", "main: dbl 1 3,4", "main: up 0 3,4"}));
    EXPECT_FALSE(platform.IsLeftButtonDown());
}

TEST_F(HeadlessWindows, LeftButtonStateFollowsInjection) {
    platform.LeftDown(wMain, {1, 1});
    EXPECT_TRUE(platform.IsLeftButtonDown());
    platform.MouseMove(wMain, {2, 2});
    EXPECT_EQ(log.back(), "main: move 1 2,2");
    platform.LeftUp(wMain, {2, 2});
    EXPECT_FALSE(platform.IsLeftButtonDown());
}

TEST_F(HeadlessWindows, TrackedWindowGetsLeaveWhenThePointerMovesToAnother) {
    platform.MouseMove(wMain, {1, 1});
    ASSERT_TRUE(platform.TrackMouse(wMain, 1));
    platform.MouseMove(wDialog, {1, 1});
    platform.MouseMove(wMain, {1, 1}); // no longer tracked: no second leave
    platform.MouseMove(wDialog, {1, 1});
    EXPECT_EQ(std::count(log.begin(), log.end(), "main: leave"), 1);
    EXPECT_FALSE(platform.IsTracking(wMain));
}

TEST_F(HeadlessWindows, HoverFiresOnceAfterThePointerRests) {
    platform.MouseMove(wMain, {5, 6});
    ASSERT_TRUE(platform.TrackMouse(wMain, 50));
    platform.AdvanceMs(30);
    platform.MouseMove(wMain, {7, 8}); // restarts the rest time
    platform.AdvanceMs(49);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main: hover 0 7,8"), 0);
    platform.AdvanceMs(1);
    platform.AdvanceMs(500);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main: hover 0 7,8"), 1);
}

TEST_F(HeadlessWindows, TrackMouseCanBeMadeToFail) {
    platform.SetTrackMouseFails(true);
    EXPECT_FALSE(platform.TrackMouse(wMain, 1));
    platform.SetTrackMouseFails(false);
    EXPECT_TRUE(platform.TrackMouse(wMain, 1));
    EXPECT_EQ(platform.TrackMouseCalls(), 2);
}

TEST_F(HeadlessWindows, KeysAskTheWindowFirstAndDeactivationIsDelivered) {
    main.swallowKeys = true;
    platform.KeyDown(wMain, 13);
    platform.Deactivate(wMain);
    EXPECT_EQ(log, (Log{"main: key 13", "main: deactivate"}));
}

// Deletes itself when its window has gone, as the popups do.
class SelfDeleting : public WindowHandler {
  public:
    explicit SelfDeleting(Log& log) : log_(log) {}
    void OnPaint(Surface&, const Rect&) override {}
    intptr_t OnMessage(uint32_t message, uintptr_t, intptr_t) override {
        if (message == Msg::Close) {
            platform->DestroyWindow(window);
        }
        return 0;
    }
    void OnDestroyed() override {
        log_.push_back("deleted");
        delete this;
    }
    HeadlessPlatform* platform = nullptr;
    WindowId window = 0;

  private:
    Log& log_;
};

TEST_F(HeadlessWindows, HandlerMayDeleteItselfWhenItsWindowIsDestroyedInsideItsOwnMessage) {
    auto* popup = new SelfDeleting(log);
    popup->platform = &platform;
    popup->window = platform.MakeWindow(*popup, WindowKind::PopupList, wDialog, {0, 0, 5, 5});
    const WindowId id = popup->window;
    platform.CaptureMouse(id);
    platform.SetTimer(id, 1, 10);
    platform.Post(id, Msg::Close, 0, 0);
    platform.Post(id, 1600, 0, 0); // dropped: the window is gone by then
    platform.Pump();
    EXPECT_EQ(log, (Log{"deleted"}));
    EXPECT_FALSE(platform.IsWindow(id));
    EXPECT_EQ(platform.MouseCapture(), 0u);
    EXPECT_FALSE(platform.IsTimerArmed(id, 1));
}

TEST_F(HeadlessWindows, DestroyingAWindowDestroysTheWindowsItOwnsFirst) {
    LogWindow popup(log, "popup");
    const WindowId wPopup =
        platform.MakeWindow(popup, WindowKind::PopupList, wDialog, {0, 0, 5, 5});
    platform.DestroyWindow(wMain);
    EXPECT_EQ(log, (Log{"popup: destroyed", "dlg: destroyed", "main: destroyed"}));
    EXPECT_FALSE(platform.IsWindow(wPopup));
    platform.DestroyWindow(wMain); // gone already: nothing
    EXPECT_EQ(log.size(), 3u);
}

struct HeadlessEditTyping : HeadlessWindows {
    std::unique_ptr<Font> font = platform.MakeFont({u"Tahoma", 13});
    std::unique_ptr<EditField> edit =
        platform.CreateEdit(wDialog, 2017, {10, 10, 80, 30}, *font, {.maxLength = 5});
    const std::string changed = "dlg: msg 273 " + std::to_string(2017 | kEditChanged << 16) + " 0";
};

TEST_F(HeadlessEditTyping, TypingIntoTheFocusedFieldChangesItAndNotifiesTheParent) {
    edit->Focus();
    platform.Type(wDialog, u"12");
    EXPECT_EQ(edit->Text(), u"12");
    EXPECT_EQ(log, (Log{"dlg: char 49", changed, "dlg: char 50", changed}));
}

TEST_F(HeadlessEditTyping, WithoutFocusOrWhenSwallowedTheFieldStaysAsItIs) {
    platform.Char(wDialog, u'1');
    edit->Focus();
    dialog.swallowChars = true;
    platform.Char(wDialog, u'2');
    EXPECT_EQ(edit->Text(), u"");
    EXPECT_EQ(log, (Log{"dlg: char 49", "dlg: char 50"}));
}

TEST_F(HeadlessEditTyping, EditingKeysSelectionBackspaceAndTheLengthLimit) {
    struct Case {
        std::u16string start;
        std::function<void(HeadlessEditTyping&)> act;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"123", [](auto& t) { t.platform.Char(t.wDialog, 8); }, u"12"},
        {u"123",
         [](auto& t) {
             t.edit->SelectAll();
             t.platform.Char(t.wDialog, u'9');
         },
         u"9"},
        {u"123",
         [](auto& t) {
             t.platform.KeyDown(t.wDialog, 0x24); // Home
             t.platform.KeyDown(t.wDialog, 0x2E); // Delete
         },
         u"23"},
        {u"123",
         [](auto& t) {
             t.platform.KeyDown(t.wDialog, 0x25); // Left
             t.platform.Char(t.wDialog, u'x');
         },
         u"12x3"},
        {u"12345", [](auto& t) { t.platform.Char(t.wDialog, u'6'); }, u"12345"},
        {u"12", [](auto& t) { t.platform.Char(t.wDialog, 13); }, u"12"},
    };
    for (const Case& c : cases) {
        edit->SetText(c.start);
        edit->CaretToEnd();
        edit->Focus();
        c.act(*this);
        EXPECT_EQ(edit->Text(), c.expected);
    }
}

TEST_F(HeadlessEditTyping, SetTextNotifiesOnlyWhenTheTextChanges) {
    edit->SetText(u"42");
    edit->SetText(u"42");
    EXPECT_EQ(log, (Log{changed}));
}

TEST_F(HeadlessEditTyping, FieldsAreFoundAndLoseFocusWithTheirWindow) {
    HeadlessEdit* found = platform.FindEdit(wDialog, 2017);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Font().face, u"Tahoma");
    edit->Focus();
    EXPECT_TRUE(edit->HasFocus());
    platform.DestroyWindow(wDialog);
    EXPECT_FALSE(edit->HasFocus());
    edit.reset();
    EXPECT_EQ(platform.FindEdit(wDialog, 2017), nullptr);
}

TEST(HeadlessEditLifetime, FieldOutlivingItsBackendIsHarmless) {
    std::unique_ptr<EditField> edit;
    {
        HeadlessPlatform platform;
        Log log;
        LogWindow window(log);
        const WindowId w = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
        auto font = platform.MakeFont({u"Tahoma", 13});
        edit = platform.CreateEdit(w, 1, {0, 0, 5, 5}, *font, {});
    }
    edit->SetText(u"still here");
    EXPECT_EQ(edit->Text(), u"still here");
    EXPECT_FALSE(edit->HasFocus());
}

} // namespace
