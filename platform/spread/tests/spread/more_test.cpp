// Formula texts after edits, clipboard text, count changes, look-up edge cases and result
// kinds of custom functions.
#include "spread_fixture.h"

#include "win/globalmem.h"

namespace spread_test {
namespace {

class MoreTest : public SpreadTest {};

TEST_F(MoreTest, FormulaTextIsKeptAsWrittenAndRenderedAfterChanges) {
    ASSERT_TRUE(SSSetFormula(ss, 5, 5, L"=  sum( A1:B2 ) + 1"));
    std::wstring f;
    SSGetFormula(ss, 5, 5, f);
    EXPECT_EQ(f, L"  sum( A1:B2 ) + 1");
    ASSERT_TRUE(SSInsCols(ss, 1, 1));
    SSGetFormula(ss, 6, 5, f);
    EXPECT_EQ(f, L"SUM(B1:C2)+1");
    // Rendering keeps what parsing needs: parentheses, unary signs, percent, quotes.
    ASSERT_TRUE(SSSetFormula(ss, 1, 9, L"-(B1+2)*3%-\"a\"\"b\"&IF(B1,1)"));
    ASSERT_TRUE(SSInsRows(ss, 1, 1));
    SSGetFormula(ss, 1, 10, f);
    EXPECT_EQ(f, L"-(B2+2)*3%-\"a\"\"b\"&IF(B2,1)");
    EXPECT_TRUE(SSSetFormula(ss, 1, 11, f.c_str()));
    // An empty formula removes the formula.
    ASSERT_TRUE(SSSetFormula(ss, 1, 11, L""));
    EXPECT_EQ(Val(1, 11), L"");
}

TEST_F(MoreTest, ClipTextRoundTripsABlock) {
    ASSERT_TRUE(SSSetClipText(ss, 2, 2, L"a\tb\r\n1\t2.5\r\n"));
    EXPECT_EQ(Val(3, 3), L"2.5");
    std::wstring t;
    ASSERT_TRUE(SSGetClipText(ss, 2, 2, 3, 3, t));
    EXPECT_EQ(t, L"a\tb\r\n1\t2.5");
    EXPECT_FALSE(SSGetClipText(ss, 0, 0, SSGetMaxCols(ss) + 1, 1, t));
}

TEST_F(MoreTest, ShrinkingTheSheetDropsWhatLiesBeyond) {
    SSSetFloat(ss, 3, 8, 4);
    ASSERT_TRUE(SSSetFormula(ss, 1, 1, L"C8*2"));
    EXPECT_EQ(Val(1, 1), L"8");
    ASSERT_TRUE(SSSetMaxRows(ss, 5));
    EXPECT_EQ(Val(1, 1), L"#REF!");
    ASSERT_TRUE(SSSetMaxRows(ss, 10));
    EXPECT_EQ(Val(3, 8), L"");
    EXPECT_FALSE(SSSetMaxCols(ss, -1));
    EXPECT_FALSE(SSSetData(ss, 1, 11, L"x"));
}

TEST_F(MoreTest, LookupsOverLargeTablesUseTheSameRules) {
    // Above the size where exact look-ups are indexed: first match wins, case ignored.
    SSSetMaxRows(ss, 3000);
    for (SS_COORD r = 1; r <= 2000; ++r) {
        SSSetData(ss, 1, r, (L"K" + std::to_wstring(r % 1000)).c_str());
        SSSetFloat(ss, 2, r, r);
    }
    EXPECT_EQ(Calc(L"VLOOKUP(\"k7\",A1:B2000,2,FALSE)", 5, 1), L"7");
    EXPECT_EQ(Calc(L"MATCH(\"K999\",A1:A2000,0)", 5, 2), L"999");
    EXPECT_EQ(Calc(L"VLOOKUP(\"none\",A1:B2000,2,FALSE)", 5, 3), L"#N/A");
    // The index follows changes of the table.
    SSSetData(ss, 1, 3, L"NEW");
    EXPECT_EQ(Calc(L"MATCH(\"new\",A1:A2000,0)", 5, 4), L"3");
    EXPECT_EQ(Calc(L"SUM(B1:B2000)-SUM(B1:B1999)", 5, 5), L"2000");
    SSSetFloat(ss, 2, 1000, 0);
    EXPECT_EQ(Val(5, 5), L"2000");
    EXPECT_EQ(Calc(L"SUM(B1:B2000)", 5, 6), L"2000000");
}

// The index of a one-column table is kept from one calculation to the next while no value
// of its column changes; every way of changing the column is seen.
TEST_F(MoreTest, AKeptTableIndexFollowsEveryChangeOfItsColumn) {
    SSSetMaxRows(ss, 400);
    for (SS_COORD r = 1; r <= 200; ++r) SSSetFloat(ss, 1, r, r * 2);
    ASSERT_TRUE(SSSetFormula(ss, 1, 50, L"C1"));  // a formula's value in the table
    SSSetFloat(ss, 3, 1, 5);
    ASSERT_TRUE(SSSetFormula(ss, 5, 1, L"MATCH(D1,A1:A200,0)"));
    ASSERT_TRUE(SSSetFormula(ss, 5, 2, L"MATCH(D2,A1:A200,0)"));
    SSSetFloat(ss, 4, 1, 20);
    SSSetFloat(ss, 4, 2, 7);
    EXPECT_EQ(Val(5, 1), L"10");
    EXPECT_EQ(Val(5, 2), L"#N/A");
    // Changes elsewhere: the same answers.
    for (int i = 0; i < 3; ++i) SSSetFloat(ss, 2, 1 + i, i);
    EXPECT_EQ(Val(5, 1), L"10");

    SSSetFloat(ss, 3, 1, 7);  // the formula in the table now gives 7
    EXPECT_EQ(Val(5, 2), L"50");
    SSSetFloat(ss, 1, 10, 7);  // set: the first 7 is now row 10
    EXPECT_EQ(Val(5, 2), L"10");
    SSSetData(ss, 1, 10, L"x");  // set by text
    EXPECT_EQ(Val(5, 2), L"50");
    SSSetFloat(ss, 4, 1, 40);
    SSClearData(ss, 1, 20, 1, 20);  // cleared
    EXPECT_EQ(Val(5, 1), L"#N/A");
    ASSERT_TRUE(SSCopyRange(ss, 1, 5, 1, 5, 1, 30));  // copied onto: 10 at row 30
    SSSetFloat(ss, 4, 1, 10);
    EXPECT_EQ(Val(5, 1), L"5");
    SSSetFloat(ss, 1, 5, 0);
    EXPECT_EQ(Val(5, 1), L"30");
    ASSERT_TRUE(SSInsRows(ss, 1, 1));  // the table moves down a row, the look-ups with it
    EXPECT_EQ(Val(5, 2), L"30");
    EXPECT_EQ(Val(5, 3), L"50");
    SSSetFloat(ss, 1, 1, 10);  // the column, but outside the table
    EXPECT_EQ(Val(5, 2), L"30");
    SSSetFloat(ss, 1, 3, 10);
    EXPECT_EQ(Val(5, 2), L"2");
    ASSERT_TRUE(SSDelRows(ss, 1, 1));
    EXPECT_EQ(Val(5, 1), L"2");
    EXPECT_EQ(Val(5, 2), L"50");
}

BOOL ReturnsError(SS_CALCVALUE* r, SS_CALCVALUE*, short) {
    r->Status = SS_VALUE_STATUS_ERROR;
    r->Type = SS_VALUE_TYPE_LONG;
    r->Val.ValLong = SS_ERROR_NA;
    return TRUE;
}
BOOL ReturnsEmpty(SS_CALCVALUE*, SS_CALCVALUE*, short) { return TRUE; }
BOOL ReturnsCell(SS_CALCVALUE* r, SS_CALCVALUE*, short) {
    r->Status = SS_VALUE_STATUS_OK;
    r->Type = SS_VALUE_TYPE_CELL;
    r->Val.ValCell = {1, 1};
    return TRUE;
}

TEST_F(MoreTest, CustomResultKinds) {
    SSSetData(ss, 1, 1, L"from A1");
    SSAddCustomFunctionExt(ss, L"ERR", 0, 0, ReturnsError, 0);
    SSAddCustomFunctionExt(ss, L"NOTHING", 0, 0, ReturnsEmpty, 0);
    SSAddCustomFunctionExt(ss, L"CELLREF", 0, 0, ReturnsCell, 0);
    EXPECT_EQ(Calc(L"ERR()"), L"#N/A");
    EXPECT_EQ(Calc(L"NOTHING()"), L"");
    EXPECT_EQ(Calc(L"NOTHING()&\"x\""), L"x");
    EXPECT_EQ(Calc(L"CELLREF()"), L"from A1");
    // A custom function hides a built-in of the same name; removing it brings it back.
    SSAddCustomFunctionExt(ss, L"len", 1, 1, ReturnsError, 0);
    EXPECT_EQ(Calc(L"LEN(\"abc\")"), L"#N/A");
    EXPECT_TRUE(SSRemoveCustomFunction(ss, L"LEN"));
    EXPECT_EQ(Calc(L"LEN(\"abc\")"), L"3");
}

TEST_F(MoreTest, CalcValueAndTypeCodesForReaders) {
    SSSetTypeInteger(ss, 1, 1, 1, 1, 0, 100);
    SSSetTypeNumber(ss, 1, 2, 1, 2, 7, 99999999999999.0, -99999999999999.0, FALSE);   // limits in either order
    SSSetData(ss, 1, 1, L"42");
    SSSetData(ss, 1, 2, L"1.25");
    EXPECT_EQ(SSGetCellType(ss, 1, 1), SS_TYPE_INTEGER);
    EXPECT_EQ(SSGetCellType(ss, 1, 2), SS_TYPE_NUMBER);
    EXPECT_EQ(Data(1, 2), L"1.2500000");
    EXPECT_EQ(SSGetCellType(ss, 0, 0), SS_TYPE_GENERAL);
    EXPECT_EQ(SSGetCellType(ss, -1, 1), -1);
    SS_CALCVALUE v;
    ASSERT_TRUE(SSGetCalcValue(ss, 1, 2, &v));
    EXPECT_EQ(v.Type, SS_VALUE_TYPE_DOUBLE);
    EXPECT_DOUBLE_EQ(v.Val.ValDouble, 1.25);
    LONG i = 0;
    EXPECT_TRUE(SSGetInteger(ss, 1, 1, &i));
    EXPECT_EQ(i, 42);
    SSSetData(ss, 2, 2, L"txt");
    ASSERT_TRUE(SSGetCalcValue(ss, 2, 2, &v));
    EXPECT_EQ(SSGetGlobalStr(v.Val.hValStr), L"txt");
    GlobalFree(v.Val.hValStr);
}

TEST_F(MoreTest, ChangedFlagFollowsEdits) {
    EXPECT_FALSE(SSGetBool(ss, SSB_CHANGEMADE));
    SSSetData(ss, 1, 1, L"x");
    EXPECT_TRUE(SSGetBool(ss, SSB_CHANGEMADE));
    SSSetBool(ss, SSB_CHANGEMADE, FALSE);
    SSSetFormula(ss, 1, 2, L"1+1");
    EXPECT_TRUE(SSGetBool(ss, SSB_CHANGEMADE));
    EXPECT_FALSE(SSSetBool(ss, SSB_COUNT, TRUE));
}

}  // namespace
}  // namespace spread_test
