// A cell given a type again and custom functions called with many arguments: the
// shortcuts taken for the common cases must not change what the control does.
#include "spread_fixture.h"

#include "win/globalmem.h"

namespace spread_test {
namespace {

class RetypeTest : public SpreadTest {};

TEST_F(RetypeTest, TheSameTypeAgainKeepsValueAndFormat) {
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 2, 2, 2, 2, -10, 10, FALSE));
    ASSERT_TRUE(SSSetData(ss, 2, 2, L"3.14159"));
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 2, 2, 2, 2, -10, 10, FALSE));
    EXPECT_EQ(Data(2, 2), L"3.14");
    EXPECT_EQ(Val(2, 2), L"3.14159");
    EXPECT_EQ(SSGetCellType(ss, 2, 2), SS_TYPE_NUMBER);
}

TEST_F(RetypeTest, ATypeDifferingInOneFieldIsApplied) {
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 2, 2, 2, 2, -10, 10, FALSE));
    EXPECT_FALSE(SSSetData(ss, 2, 2, L"50"));  // out of range
    // Only the range differs: the wider one must take effect.
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 2, 2, 2, 2, -100, 100, FALSE));
    EXPECT_TRUE(SSSetData(ss, 2, 2, L"50"));
    // Only the decimals differ.
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 2, 2, 2, 3, -100, 100, FALSE));
    EXPECT_EQ(Data(2, 2), L"50.000");
    // Only the separator differs.
    ASSERT_TRUE(SSSetData(ss, 2, 2, L"12.5"));
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 3, 2, 3, 0, 0, 1e9, FALSE));
    ASSERT_TRUE(SSSetData(ss, 2, 3, L"1234567"));
    ASSERT_TRUE(SSSetTypeNumber(ss, 2, 3, 2, 3, 0, 0, 1e9, TRUE));
    EXPECT_NE(Data(2, 3), L"1234567");
    // An edit cell's length limit alone.
    ASSERT_TRUE(SSSetTypeEdit(ss, 3, 3, 3, 3, 3, SS_CASE_NOCASE));
    EXPECT_FALSE(SSSetData(ss, 3, 3, L"IPE200"));
    ASSERT_TRUE(SSSetTypeEdit(ss, 3, 3, 3, 3, 9, SS_CASE_NOCASE));
    EXPECT_TRUE(SSSetData(ss, 3, 3, L"IPE200"));
}

// Sums its numeric arguments and counts the text ones (x 1000).
BOOL SumAll(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    double sum = 0;
    for (short i = 0; i < argCount; ++i) {
        if (args[i].Type == SS_VALUE_TYPE_DOUBLE) sum += args[i].Val.ValDouble;
        else if (args[i].Type == SS_VALUE_TYPE_LONG) sum += args[i].Val.ValLong;
        else if (args[i].Type == SS_VALUE_TYPE_STR) sum += 1000;
    }
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_DOUBLE;
    result->Val.ValDouble = sum;
    return TRUE;
}

TEST_F(RetypeTest, CustomFunctionsTakeFewAndManyArgumentsAlike) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"SUMALL", 0, 20, SumAll, 0));
    const std::size_t blocks = win::GlobalBlocksInUse();
    EXPECT_EQ(Calc(L"SUMALL()"), L"0");
    EXPECT_EQ(Calc(L"SUMALL(1,2,3,4,5,6,7,8)"), L"36");
    EXPECT_EQ(Calc(L"SUMALL(1,2,3,4,5,6,7,8,9)"), L"45");
    EXPECT_EQ(Calc(L"SUMALL(\"a\",2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,\"t\")"), L"2189");
    // Text arguments travel in global memory, freed after the call, few or many.
    EXPECT_EQ(win::GlobalBlocksInUse(), blocks);
}

}  // namespace
}  // namespace spread_test
