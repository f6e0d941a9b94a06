#include <gtest/gtest.h>

#include <QTimer>
#include <thread>

#include "QtTestSupport.h"

using namespace qt_test;

TEST_F(QtPlatformTest, SendRunsTheHandlerNowAndReturnsItsResult) {
    LogWindow window(log);
    window.onMessage = [](uint32_t message, uintptr_t w, intptr_t l) {
        return intptr_t(message + w + uintptr_t(l));
    };
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    EXPECT_EQ(platform.Send(id, 1000, 2, 3), 1005);
    EXPECT_EQ(log, (std::vector<std::string>{"w: msg 1000 2 3"}));
    EXPECT_EQ(platform.Send(id + 100, 1000, 2, 3), 0) << "no window, no handler";
}

TEST_F(QtPlatformTest, PostedMessagesAndTasksArriveInPostingOrder) {
    LogWindow window(log);
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    platform.Post(id, 1067, 1, 0);
    platform.PostTask([&] { log.push_back("task"); });
    platform.Post(id, 1068, 2, 0);
    EXPECT_TRUE(log.empty()) << "nothing arrives before the event loop runs";
    std::thread other([&] { platform.Post(id, 1069, 3, 0); });
    other.join();
    ASSERT_TRUE(WaitFor([&] { return log.size() == 4; }));
    EXPECT_EQ(log, (std::vector<std::string>{"w: msg 1067 1 0", "task", "w: msg 1068 2 0",
                                             "w: msg 1069 3 0"}));
}

TEST_F(QtPlatformTest, SendFromAnotherThreadRunsOnTheUiThread) {
    LogWindow window(log);
    std::thread::id ranOn;
    window.onMessage = [&](uint32_t, uintptr_t, intptr_t) {
        ranOn = std::this_thread::get_id();
        return intptr_t(42);
    };
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    intptr_t result = 0;
    std::thread other([&] { result = platform.Send(id, 1174, 0, 0); });
    ASSERT_TRUE(WaitFor([&] { return result == 42; }));
    other.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(QtPlatformTest, TimersFireInTheOrderOfTheirPeriods) {
    LogWindow window(log);
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    window.onTimer = [&](int timer) { platform.KillTimer(id, timer); };
    platform.SetTimer(id, 1, 90);
    platform.SetTimer(id, 2, 30);
    platform.SetTimer(id, 3, 60);
    EXPECT_TRUE(platform.IsTimerArmed(id, 1));
    ASSERT_TRUE(WaitFor([&] { return log.size() == 3; }));
    EXPECT_EQ(log, (std::vector<std::string>{"w: timer 2", "w: timer 3", "w: timer 1"}));
    EXPECT_FALSE(platform.IsTimerArmed(id, 1)) << "a timer that killed itself is disarmed";
}

TEST_F(QtPlatformTest, PeriodicTimerRepeatsUntilKilledAndRestartsWhenSetAgain) {
    LogWindow window(log);
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    platform.SetTimer(id, 50, 10);
    ASSERT_TRUE(WaitFor([&] { return log.size() >= 3; }));
    platform.KillTimer(id, 50);
    const size_t fired = log.size();
    Settle(40);
    EXPECT_EQ(log.size(), fired);
    platform.SetTimer(id, 70, 80);
    Settle(50);
    platform.SetTimer(id, 70, 80);
    Settle(50);
    EXPECT_EQ(log.size(), fired) << "setting it again restarted its period";
    ASSERT_TRUE(WaitFor([&] { return log.size() > fired; }));
    EXPECT_EQ(log.back(), "w: timer 70");
}

TEST_F(QtPlatformTest, TimerSetFromAnotherThreadFiresOnTheUiThread) {
    LogWindow window(log);
    const WindowId id = platform.MakeWindow(window, WindowKind::Dialog, 0, {0, 0, 10, 10});
    window.onTimer = [&](int timer) { platform.KillTimer(id, timer); };
    std::thread other([&] { platform.SetTimer(id, 80, 5); });
    other.join();
    ASSERT_TRUE(WaitFor([&] { return !log.empty(); }));
    EXPECT_EQ(log, (std::vector<std::string>{"w: timer 80"}));
}

TEST_F(QtPlatformTest, WindowDestroyedFromItsTimerIsSafe) {
    LogWindow window(log);
    const WindowId id = Open(window, {0, 0, 10, 10});
    Settle();
    log.clear();
    window.onTimer = [&](int) { platform.DestroyWindow(id); };
    platform.SetTimer(id, 1, 5);
    ASSERT_TRUE(WaitFor([&] { return !platform.IsWindow(id); }));
    Settle(30);
    EXPECT_EQ(log, (std::vector<std::string>{"w: timer 1", "w: destroyed"}));
}

TEST_F(QtPlatformTest, ModalRunEndsWithItsResultAndIsModalToTheOwner) {
    LogWindow owner(log, "o"), dialog(log, "d");
    const WindowId ownerId = Open(owner, {0, 0, 100, 100}, WindowKind::Main);
    const WindowId dialogId =
        platform.MakeWindow(dialog, WindowKind::Dialog, ownerId, {10, 10, 60, 60});
    bool modalToOwner = false;
    dialog.onTimer = [&](int) {
        QtWindow* widget = platform.Widget(dialogId);
        modalToOwner = QApplication::activeModalWidget() == widget &&
                       widget->windowModality() == Qt::WindowModal &&
                       widget->parentWidget() == platform.Widget(ownerId);
        platform.EndModal(dialogId, 7);
    };
    platform.SetTimer(dialogId, 1, 10);
    EXPECT_EQ(platform.RunModal(dialogId), 7);
    EXPECT_TRUE(modalToOwner);
    EXPECT_FALSE(platform.IsVisible(dialogId));
}

TEST_F(QtPlatformTest, NestedModalRunsEndInnerFirst) {
    LogWindow outer(log, "a"), inner(log, "b");
    const WindowId outerId = platform.MakeWindow(outer, WindowKind::Dialog, 0, {0, 0, 50, 50});
    const WindowId innerId =
        platform.MakeWindow(inner, WindowKind::Dialog, outerId, {0, 0, 20, 20});
    int innerResult = 0;
    outer.onTimer = [&](int) {
        platform.KillTimer(outerId, 1);
        platform.SetTimer(innerId, 2, 10);
        innerResult = platform.RunModal(innerId);
        platform.EndModal(outerId, 1);
    };
    inner.onTimer = [&](int) {
        platform.KillTimer(innerId, 2);
        platform.EndModal(innerId, 2);
    };
    platform.SetTimer(outerId, 1, 10);
    EXPECT_EQ(platform.RunModal(outerId), 1);
    EXPECT_EQ(innerResult, 2);
}

TEST_F(QtPlatformTest, ModalEndedBeforeItsRunReturnsAtOnce) {
    LogWindow dialog(log);
    const WindowId id = platform.MakeWindow(dialog, WindowKind::Dialog, 0, {0, 0, 20, 20});
    platform.EndModal(id, 5);
    EXPECT_EQ(platform.RunModal(id), 5);
}

TEST_F(QtPlatformTest, ModalRunOfADestroyedWindowAndAfterQuitGiveMinusOne) {
    LogWindow a(log, "a"), b(log, "b");
    const WindowId aId = platform.MakeWindow(a, WindowKind::Dialog, 0, {0, 0, 20, 20});
    a.onTimer = [&](int) { platform.DestroyWindow(aId); };
    platform.SetTimer(aId, 1, 10);
    EXPECT_EQ(platform.RunModal(aId), -1);
    const WindowId bId = platform.MakeWindow(b, WindowKind::Dialog, 0, {0, 0, 20, 20});
    b.onTimer = [&](int) {
        platform.KillTimer(bId, 1);
        platform.EndModal(bId, 3);
        platform.Quit();
    };
    platform.SetTimer(bId, 1, 10);
    EXPECT_EQ(platform.RunModal(bId), -1);
    EXPECT_EQ(platform.RunModal(bId), -1) << "nothing runs once the program quits";
}
