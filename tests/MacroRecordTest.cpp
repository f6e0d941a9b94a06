#include "macro/MacroRecord.h"

#include <gtest/gtest.h>

namespace {

MacroRecord WithKeys(int n) {
    MacroRecord r(u"m");
    for (int i = 0; i < n; ++i)
        EXPECT_TRUE(r.InsertAction(static_cast<uint32_t>(i), MacroAction::Key(0x41 + i, false)));
    return r;
}

TEST(MacroRecord, NewRecordDefaults) {
    MacroRecord r(u"New");
    EXPECT_EQ(r.Name(), u"New");
    EXPECT_EQ(r.ActionCount(), 0u);
    EXPECT_EQ(r.MacroKeyLoopType, 2);
    EXPECT_EQ(r.MacroKeyLoopNum, 1);
    EXPECT_EQ(r.MacroCommandActionNum, 0);
    EXPECT_EQ(r.GetAction(249), MacroAction{});
}

TEST(MacroRecord, InsertPastEndAppends) {
    auto r = WithKeys(3);
    ASSERT_TRUE(r.InsertAction(7, MacroAction::Delay(50)));
    EXPECT_EQ(r.ActionCount(), 4u);
    EXPECT_EQ(r.GetAction(3), MacroAction::Delay(50));
    ASSERT_TRUE(r.InsertAction(0, MacroAction::Delay(1)));
    EXPECT_EQ(r.GetAction(0), MacroAction::Delay(1));
    EXPECT_EQ(r.GetAction(1), MacroAction::Key(0x41, false));
}

TEST(MacroRecord, FullRecordRefusesInsert) {
    auto r = WithKeys(250);
    auto before = r;
    EXPECT_FALSE(r.InsertAction(0, MacroAction::Delay(1)));
    EXPECT_EQ(r, before);
}

TEST(MacroRecord, DeleteShiftsDownAndZeroesLast) {
    auto r = WithKeys(1);
    ASSERT_TRUE(r.DeleteAction(0));
    EXPECT_EQ(r.ActionCount(), 0u);
    EXPECT_EQ(r.GetAction(249), MacroAction{});
    EXPECT_FALSE(r.DeleteAction(0));
}

TEST(MacroRecord, IndicesBeyondStorageAreSafe) {
    auto r = WithKeys(2);
    EXPECT_EQ(r.GetAction(300), r.GetAction(0));
    EXPECT_FALSE(r.SetAction(250, MacroAction::Delay(1)));
    EXPECT_TRUE(r.SetAction(249, MacroAction::Delay(1)));
}

TEST(MacroRecord, CountAboveLimitIsKeptButNeverTouchesBeyondStorage) {
    auto r = WithKeys(2);
    r.SetActionCount(300);
    EXPECT_EQ(r.ActionCount(), 300u);
    EXPECT_EQ(r.ValidActionCount(), 250u);
    EXPECT_FALSE(r.InsertAction(0, MacroAction::Delay(1)));
    EXPECT_TRUE(r.DeleteAction(249));
    EXPECT_FALSE(r.DeleteAction(260));
}

TEST(MacroAction, DelayIsBigEndian24Bit) {
    auto a = MacroAction::Delay(500);
    EXPECT_EQ(a.bytes, (std::array<uint8_t, 4>{3, 0x00, 0x01, 0xF4}));
    EXPECT_EQ(a.DelayMs(), 500u);
    EXPECT_TRUE(MacroAction{}.IsDelay());
    EXPECT_TRUE(MacroAction::Key(0x41, true).IsRelease());
}

} // namespace
