#include <gtest/gtest.h>

#include "host/global_str.h"
#include "host/zk_timer.h"
#include "win/globalmem.h"

namespace {
// A clock that moves only when the test says so.
Zk_Timer::Clock::time_point gFakeNow{};
Zk_Timer::Clock::time_point fakeNow() { return gFakeNow; }
void advance(double seconds) {
    gFakeNow += std::chrono::duration_cast<Zk_Timer::Clock::duration>(std::chrono::duration<double>(seconds));
}
struct FakeClock {
    FakeClock() { Zk_Timer::setClock(&fakeNow); }
    ~FakeClock() { Zk_Timer::setClock(nullptr); }
};
}  // namespace

TEST(ZkTimer, AccumulatesIntervalsAndTracksRunning) {
    FakeClock clock;
    Zk_Timer t(L"gCalcMain");
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.duration(), 0.0);
    t.end();  // not running: nothing
    EXPECT_EQ(t.count(), 0);
    advance(5);  // time while stopped does not count
    t.start();
    advance(2);
    t.start();  // running: stays one interval, its start unchanged
    advance(1);
    EXPECT_TRUE(t.isRunning());
    EXPECT_DOUBLE_EQ(t.duration(), 3.0);  // the running interval counts
    t.end();
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 1);
    advance(10);
    EXPECT_DOUBLE_EQ(t.duration(), 3.0);
    {
        Zk_FunctionTimer scope(t);
        EXPECT_TRUE(t.isRunning());
        advance(0.5);
    }
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 2);
    EXPECT_DOUBLE_EQ(t.duration(), 3.5);
    t.start();
    advance(4);
    t.reset();  // also stops a running interval
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.duration(), 0.0);
    EXPECT_EQ(t.name(), L"gCalcMain");
}

TEST(ZkTimer, SwitchedOffItCountsIntervalsWithoutTakingTime) {
    FakeClock clock;
    Zk_Timer t;
    t.start();
    advance(1);
    t.end();
    Zk_Timer::setMeasuring(false);
    EXPECT_FALSE(Zk_Timer::measuring());
    t.start();
    advance(7);
    EXPECT_TRUE(t.isRunning());
    EXPECT_DOUBLE_EQ(t.duration(), 1.0);
    t.end();
    EXPECT_EQ(t.count(), 2);
    t.start();  // begun unmeasured: switching on meanwhile does not time it
    Zk_Timer::setMeasuring(true);
    advance(2);
    t.end();
    EXPECT_DOUBLE_EQ(t.duration(), 1.0);
    t.start();  // begun measured: ends measured though switched off meanwhile
    Zk_Timer::setMeasuring(false);
    advance(0.5);
    t.end();
    Zk_Timer::setMeasuring(true);
    EXPECT_EQ(t.count(), 4);
    EXPECT_DOUBLE_EQ(t.duration(), 1.5);
}

TEST(ZkTimer, TheRealClockMoves) {
    Zk_Timer t;
    t.start();
    const auto begun = Zk_Timer::Clock::now();
    while (Zk_Timer::Clock::now() == begun) {
    }
    t.end();
    EXPECT_GT(t.duration(), 0.0);
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
