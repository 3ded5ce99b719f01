#include "window_fixture.h"

namespace {
int gFired = 0;
UINT_PTR gLastId = 0;
void CountTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ++gFired;
    gLastId = id;
}
void OneShot(HWND, UINT, UINT_PTR id, DWORD) {
    ++gFired;
    KillTimer(nullptr, id);
}
}  // namespace

TEST_F(WindowTest, ThreadTimerFiresOnceAfterItsIntervalAndNotBefore) {
    gFired = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 50, &OneShot);
    ASSERT_NE(id, 0u);
    win::AdvanceVirtualTime(49);
    EXPECT_EQ(gFired, 0);
    win::AdvanceVirtualTime(1);
    EXPECT_EQ(gFired, 1);
    EXPECT_EQ(win::VirtualNow(), 50u);
    win::AdvanceVirtualTime(500);
    EXPECT_EQ(gFired, 1);
    EXPECT_EQ(win::ActiveTimerCount(), 0);
}

TEST_F(WindowTest, PeriodicTimersRepeatUntilKilledAndThreadTimersGetDistinctIds) {
    gFired = 0;
    UINT_PTR a = SetTimer(nullptr, 0, 30, &CountTimer);
    UINT_PTR b = SetTimer(nullptr, 0, 30, &CountTimer);
    EXPECT_NE(a, b);
    win::AdvanceVirtualTime(95);  // 30, 60, 90 for each
    EXPECT_EQ(gFired, 6);
    EXPECT_TRUE(KillTimer(nullptr, a));
    EXPECT_FALSE(KillTimer(nullptr, a));
    win::AdvanceVirtualTime(30);
    EXPECT_EQ(gFired, 7);
    EXPECT_EQ(gLastId, b);
}

TEST_F(WindowTest, WindowTimersPostWmTimerAndDieWithTheirWindow) {
    Recorder::ensure();
    Recorder::log().clear();
    HWND h = Top(L"TestRecorder");
    EXPECT_EQ(SetTimer(h, 7, 20, nullptr), 7u);
    win::AdvanceVirtualTime(19);
    EXPECT_EQ(Recorder::count(WM_TIMER), 0);
    win::AdvanceVirtualTime(41);
    EXPECT_EQ(Recorder::count(WM_TIMER), 3);
    DestroyWindow(h);
    EXPECT_EQ(win::ActiveTimerCount(), 0);
    EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u);  // dead window
}
