#include "win/globalmem.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GlobalMemory, MoveableBlocksLockUnlockAndFree) {
    const std::size_t before = win::GlobalBlocksInUse();
    HGLOBAL h = GlobalAlloc(GHND, 16);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 16u);
    auto* p = static_cast<unsigned char*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void*>(p), h);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
    std::memcpy(p, "hello", 6);
    EXPECT_EQ(GlobalLock(h), p);
    EXPECT_TRUE(GlobalUnlock(h));   // one lock remains
    EXPECT_FALSE(GlobalUnlock(h));  // last lock released
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SUCCESS));

    h = GlobalReAlloc(h, 64, GMEM_ZEROINIT);
    ASSERT_NE(h, nullptr);
    p = static_cast<unsigned char*>(GlobalLock(h));
    EXPECT_STREQ(reinterpret_cast<char*>(p), "hello");
    EXPECT_EQ(p[63], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(win::GlobalBlocksInUse(), before);
}

TEST(GlobalMemory, FixedBlocksAreTheirOwnAddress) {
    HGLOBAL h = GlobalAlloc(GPTR, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalLock(h), h);
    EXPECT_EQ(GlobalSize(h), 0u);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, FailNextAllocationHook) {
    win::FailNextGlobalAlloc();
    EXPECT_EQ(GlobalAlloc(GHND, 8), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
    HGLOBAL h = GlobalAlloc(GHND, 8);
    ASSERT_NE(h, nullptr);
    win::FailNextGlobalAlloc();
    EXPECT_EQ(GlobalReAlloc(h, 100, 0), nullptr);
    EXPECT_EQ(GlobalSize(h), 8u);  // the old block stays
    GlobalFree(h);
}
