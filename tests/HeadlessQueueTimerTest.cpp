#include <gtest/gtest.h>

#include <thread>

#include "HeadlessTestWindow.h"

using headless_test::LogWindow;
using Log = std::vector<std::string>;

namespace {

struct HeadlessQueue : testing::Test {
    HeadlessPlatform platform;
    Log log;
    LogWindow a{log, "a"};
    LogWindow b{log, "b"};
    WindowId wa = platform.MakeWindow(a, WindowKind::Main, 0, {0, 0, 100, 50});
    WindowId wb = platform.MakeWindow(b, WindowKind::Dialog, wa, {10, 10, 60, 40});
};

TEST_F(HeadlessQueue, NothingRunsUntilPumpThenEverythingInPostingOrder) {
    platform.Post(wa, 1100, 1, 2);
    platform.PostTask([&] { log.push_back("task"); });
    platform.Post(wb, 1101, 3, 4);
    EXPECT_TRUE(log.empty());
    platform.Pump();
    EXPECT_EQ(log, (Log{"a: msg 1100 1 2", "task", "b: msg 1101 3 4"}));
    EXPECT_EQ(platform.QueuedCount(), 0u);
}

TEST_F(HeadlessQueue, MessagesQueuedWhilePumpingAreDeliveredInTheSamePump) {
    a.onMessage = [&](uint32_t message, uintptr_t, intptr_t) -> intptr_t {
        if (message == 1200) {
            platform.Post(wb, 1201, 0, 0);
            platform.PostTask([&] { log.push_back("task"); });
        }
        return 0;
    };
    platform.Post(wa, 1200, 0, 0);
    platform.Post(wa, 1202, 0, 0);
    platform.Pump();
    EXPECT_EQ(log, (Log{"a: msg 1200 0 0", "a: msg 1202 0 0", "b: msg 1201 0 0", "task"}));
}

TEST_F(HeadlessQueue, SendRunsNowAndReturnsTheHandlersResult) {
    a.onMessage = [](uint32_t, uintptr_t wParam, intptr_t) -> intptr_t {
        return intptr_t(wParam) * 2;
    };
    EXPECT_EQ(platform.Send(wa, 2999, 21, 0), 42);
    EXPECT_EQ(platform.Send(wa + 100, 2999, 21, 0), 0);
}

TEST_F(HeadlessQueue, MessagesToAWindowThatHasGoneAreDropped) {
    platform.Post(wb, 1300, 0, 0);
    platform.Post(wa, 1301, 0, 0);
    platform.DestroyWindow(wb);
    log.clear();
    platform.Post(wb, 1302, 0, 0); // posted after it went
    platform.Pump();
    EXPECT_EQ(log, (Log{"a: msg 1301 0 0"}));
}

TEST_F(HeadlessQueue, PostsFromOtherThreadsWaitForThePump) {
    std::thread reader([&] {
        for (int i = 0; i < 100; ++i) {
            platform.Post(wa, 1067, 1, i);
        }
        platform.SetTimer(wa, 80, 100);
    });
    reader.join();
    EXPECT_TRUE(log.empty());
    platform.Pump();
    ASSERT_EQ(log.size(), 100u);
    EXPECT_EQ(log.front(), "a: msg 1067 1 0");
    EXPECT_EQ(log.back(), "a: msg 1067 1 99");
    EXPECT_TRUE(platform.IsTimerArmed(wa, 80));
}

TEST_F(HeadlessQueue, TimersFireInTimeOrderThenArmingOrderUntilKilled) {
    platform.SetTimer(wa, 1, 30);
    platform.SetTimer(wb, 2, 20);
    platform.SetTimer(wa, 3, 60);
    platform.AdvanceMs(59);
    EXPECT_EQ(log, (Log{"b: timer 2", "a: timer 1", "b: timer 2"}));
    log.clear();
    platform.AdvanceMs(1); // t = 60: timer 1 (armed first), timer 2, timer 3
    EXPECT_EQ(log, (Log{"a: timer 1", "b: timer 2", "a: timer 3"}));
    EXPECT_EQ(platform.NowMs(), 60u);
    platform.KillTimer(wb, 2);
    log.clear();
    platform.AdvanceMs(30);
    EXPECT_EQ(log, (Log{"a: timer 1"}));
    EXPECT_FALSE(platform.IsTimerArmed(wb, 2));
}

TEST_F(HeadlessQueue, SettingAnArmedTimerRestartsItsPeriod) {
    platform.SetTimer(wa, 30, 20);
    platform.AdvanceMs(15);
    platform.SetTimer(wa, 30, 20);
    platform.AdvanceMs(15);
    EXPECT_TRUE(log.empty());
    platform.AdvanceMs(5);
    EXPECT_EQ(log, (Log{"a: timer 30"}));
}

TEST_F(HeadlessQueue, OneShotTimerKillingItselfFiresOnceAndSeesItsTime) {
    std::vector<uint32_t> times;
    a.onTimer = [&](int id) {
        platform.KillTimer(wa, id);
        times.push_back(platform.NowMs());
    };
    platform.SetTimer(wa, 20, 100);
    platform.AdvanceMs(1000);
    EXPECT_EQ(times, (std::vector<uint32_t>{100}));
    EXPECT_FALSE(platform.IsTimerArmed(wa, 20));
}

TEST_F(HeadlessQueue, MessagesPostedByATimerAreDeliveredBeforeTheNextTimer) {
    a.onTimer = [&](int id) { platform.Post(wb, 1400, uintptr_t(id), 0); };
    platform.SetTimer(wa, 1, 10);
    platform.AdvanceMs(20);
    EXPECT_EQ(log, (Log{"a: timer 1", "b: msg 1400 1 0", "a: timer 1", "b: msg 1400 1 0"}));
}

TEST_F(HeadlessQueue, DestroyingAWindowDropsItsTimers) {
    platform.SetTimer(wb, 5, 10);
    platform.DestroyWindow(wb);
    log.clear();
    platform.AdvanceMs(50);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(platform.IsTimerArmed(wb, 5));
}

TEST_F(HeadlessQueue, AZeroPeriodTimerDoesNotSpinForever) {
    platform.SetTimer(wa, 9, 0);
    platform.AdvanceMs(3);
    EXPECT_EQ(log.size(), 3u);
}

} // namespace
