#include <gtest/gtest.h>

#include "host/global_str.h"
#include "host/zk_timer.h"
#include "win/globalmem.h"

TEST(ZkTimer, AccumulatesIntervalsAndTracksRunning) {
    Zk_Timer t(L"gCalcMain");
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.duration(), 0.0);
    t.end();  // not running: nothing
    EXPECT_EQ(t.count(), 0);
    t.start();
    t.start();  // running: stays one interval
    EXPECT_TRUE(t.isRunning());
    t.end();
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 1);
    const double first = t.duration();
    EXPECT_GE(first, 0.0);
    {
        Zk_FunctionTimer scope(t);
        EXPECT_TRUE(t.isRunning());
    }
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 2);
    EXPECT_GE(t.duration(), first);
    t.reset();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.duration(), 0.0);
    EXPECT_EQ(t.name(), L"gCalcMain");
}

TEST(GlobalStr, RoundTripAndFailures) {
    const std::size_t before = win::GlobalBlocksInUse();
    HGLOBAL h = setGlobalStr(Zk_String(L"HEA 200 \u2022 \U0001F600"));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(getGlobalStr(h), L"HEA 200 \u2022 \U0001F600");
    ASSERT_TRUE(setGlobalStr(h, L""));
    EXPECT_EQ(getGlobalStr(h), L"");
    win::FailNextGlobalAlloc();
    HGLOBAL kept = h;
    EXPECT_FALSE(setGlobalStr(h, L"x"));
    EXPECT_EQ(h, kept);
    GlobalFree(h);
    EXPECT_EQ(win::GlobalBlocksInUse(), before);
    EXPECT_EQ(getGlobalStr(nullptr), L"");
}
