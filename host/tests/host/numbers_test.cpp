#include "host/numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(Numbers, RoundToNearestStep) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.4, 5), 10);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.5, 5), 15);   // half away from zero
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.5, 5), -15);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.4, 5), -10);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7, 1), 7);
    // Decimal steps: no floating noise in the result or in the half test.
    EXPECT_EQ(ObjectExportRoundTo(0.29999, 0.1), 0.3);
    EXPECT_EQ(ObjectExportRoundTo(0.35, 0.1), 0.4);
    EXPECT_EQ(ObjectExportRoundTo(1.05, 0.1), 1.1);
    EXPECT_EQ(ObjectExportRoundTo(2.675, 0.01), 2.68);
    // A step that is not positive, or a value that is not finite, leaves the value.
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(3.3, 0), 3.3);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(3.3, -1), 3.3);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(3.3, std::nan("")), 3.3);
    EXPECT_TRUE(std::isinf(ObjectExportRoundTo(std::numeric_limits<double>::infinity(), 1)));
}

TEST(Numbers, RoundUpWithTolerance) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.1, 5), 15);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.0, 5), 10);   // on a multiple it stays
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(-10.1, 5), -10);
    EXPECT_EQ(ObjectExportRoundUp(0.3, 0.1), 0.3);        // 0.3/0.1 is not 3.0000001
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.5, 5, 0.5), 10);  // within tolerance: down
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.6, 5, 0.5), 15);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.6, 5, -3), 15);   // negative tolerance is 0
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(4.2, 0), 4.2);
}

TEST(Numbers, SortAndAddToSorted) {
    Zk_Array<double> v{3, -1, 2.5, 3, 0};
    ObjectExportSort(v);
    EXPECT_EQ(v, (Zk_Array<double>{-1, 0, 2.5, 3, 3}));
    ObjectExportSort(v, true);
    EXPECT_EQ(v, (Zk_Array<double>{3, 3, 2.5, 0, -1}));
    Zk_Array<double> s;
    EXPECT_EQ(ObjectExportAddToSorted(s, 5), 0);
    EXPECT_EQ(ObjectExportAddToSorted(s, 1), 0);
    EXPECT_EQ(ObjectExportAddToSorted(s, 9), 2);
    EXPECT_EQ(ObjectExportAddToSorted(s, 5), 2);        // after the equal value
    EXPECT_EQ(ObjectExportAddToSorted(s, 5, true), 1);  // present: index of the first
    EXPECT_EQ(s, (Zk_Array<double>{1, 5, 5, 9}));
    Zk_Array<int> i{4, 2};
    ObjectExportSort(i);
    EXPECT_EQ(ObjectExportAddToSorted(i, 3), 1);
    EXPECT_EQ(i, (Zk_Array<int>{2, 3, 4}));
}
