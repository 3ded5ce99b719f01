#include "engine/standard_sizes.h"

#include <gtest/gtest.h>

namespace {

TEST(StandardSizes, ParsesPlainAndPairedLinesAroundComments) {
    KmSizeList sizes;
    ASSERT_TRUE(parseSizeList(Zk_String(L"/* widths\n of plates */\n100\r\n120x10 // common\n\n  140x12  \n"), sizes));
    EXPECT_EQ(sizes.a, (std::vector<double>{100, 120, 140}));
    EXPECT_EQ(sizes.b, (std::vector<double>{0, 10, 12}));
}

TEST(StandardSizes, MalformedLineInvalidatesTheFile) {
    KmSizeList sizes;
    sizes.a = {1};
    int bad = 0;
    EXPECT_FALSE(parseSizeList(Zk_String(L"100\nabc\n120"), sizes, &bad));
    EXPECT_EQ(bad, 2);
    EXPECT_EQ(sizes.a, (std::vector<double>{1}));  // untouched
    EXPECT_FALSE(parseSizeList(Zk_String(L"100x"), sizes));
    EXPECT_FALSE(parseSizeList(Zk_String(L"x10"), sizes));
}

TEST(StandardSizes, WidthCandidatesKeepMatchingAndUnboundThicknessSorted) {
    KmSizeList sizes;
    ASSERT_TRUE(parseSizeList(Zk_String(L"150x10\n100x12\n90\n120x10"), sizes));
    EXPECT_EQ(widthCandidates(sizes, 10), (std::vector<double>{90, 120, 150}));
    EXPECT_EQ(widthCandidates(sizes, 12), (std::vector<double>{90, 100}));
    EXPECT_EQ(widthCandidates(sizes, 8), (std::vector<double>{90}));
}

TEST(StandardSizes, NearestStandardWithinTolerances) {
    const std::vector<double> c{100, 120, 140};
    double r = 0;
    ASSERT_TRUE(nearestStandard(c, 118, 0, 5, r));
    EXPECT_EQ(r, 120);
    EXPECT_FALSE(nearestStandard(c, 123, 0, 1, r));
    // Below is nearer and acceptable.
    ASSERT_TRUE(nearestStandard(c, 121, 5, 5, r));
    EXPECT_EQ(r, 120);
    // Tie: the lower one wins.
    ASSERT_TRUE(nearestStandard(c, 130, 10, 10, r));
    EXPECT_EQ(r, 120);
    // Nearer one out of tolerance, the farther one taken.
    ASSERT_TRUE(nearestStandard(c, 121, 0, 19, r));
    EXPECT_EQ(r, 140);
    // An exact standard is "at or below".
    ASSERT_TRUE(nearestStandard(c, 140, 0, 0, r));
    EXPECT_EQ(r, 140);
    EXPECT_FALSE(nearestStandard({}, 10, 5, 5, r));
}

TEST(StandardSizes, RoundingToTheStepWhenNoStandardFits) {
    // Value 123, step 5, down 0, up 1: neither 120 nor 125 lies within, value kept.
    EXPECT_EQ(standardSizeWithTolerance({100, 120, 140}, 5, 123, 0, 1), 123);
    EXPECT_EQ(standardSizeWithTolerance({100, 120, 140}, 5, 118, 0, 5), 120);
    // Up within tolerance.
    EXPECT_EQ(roundToStepWithinTolerance(123, 5, 0, 2), 125);
    // Down within tolerance.
    EXPECT_EQ(roundToStepWithinTolerance(123, 5, 3, 0), 120);
    // Both acceptable: the nearer one.
    EXPECT_EQ(roundToStepWithinTolerance(124, 5, 5, 1), 125);
    EXPECT_EQ(roundToStepWithinTolerance(121, 5, 5, 4), 120);
    // A multiple is kept.
    EXPECT_EQ(roundToStepWithinTolerance(120, 5, 0, 0), 120);
    // No step to round to.
    EXPECT_EQ(roundToStepWithinTolerance(123, 0, 5, 5), 123);
}

TEST(StandardSizes, InvalidTolerancesText) {
    EXPECT_EQ(invalidTolerancesText(-1, 0.5),
              Zk_String(L"Invalid tolerances provided.\n DownTolerance is :-1.00UpTolerance is :0.50"
                        L"\nAdding both tolerances should result in a positive value."));
}

}  // namespace
