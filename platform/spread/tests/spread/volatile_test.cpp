// Formulas with made references (INDIRECT, OFFSET) and clock functions stay current through
// every way a sheet changes: edits, clearing, copying, structure changes, manual and
// single-cell recalculation, saving and loading.
#include <unistd.h>

#include <cstdio>

#include "function_table.h"

namespace spread_test {
namespace {

double gNow = 45000;
double Clock() { return gNow; }

class VolatileTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        previous = SSSetNowFunc(Clock);
        gNow = 45000;
        Put(1, 1, 1);
        Put(1, 2, 2);
        Put(1, 3, 3);
        Put(2, 1, L"A2");   // B1 names a cell
    }
    void TearDown() override {
        SSSetNowFunc(previous);
        FunctionTest::TearDown();
    }
    SS_NOWFUNC previous = nullptr;
};

TEST_F(VolatileTest, ClearingTheNamedCellRecalculates) {
    Formula(3, 1, L"INDIRECT(B1)*2");
    EXPECT_EQ(Val(3, 1), L"4");
    SSClearData(ss, 1, 2, 1, 2);
    EXPECT_EQ(Val(3, 1), L"0");
    SSClearData(ss, 2, 1, 2, 1);   // the text itself: no reference any more
    EXPECT_EQ(Val(3, 1), L"#REF!");
}

TEST_F(VolatileTest, AReplacedOrRemovedVolatileFormulaIsNoLongerFollowed) {
    Formula(3, 1, L"TODAY()");
    EXPECT_EQ(Val(3, 1), L"45000");
    Formula(3, 1, L"A1+100");          // no longer volatile
    gNow = 45100;
    Put(1, 1, 5);
    EXPECT_EQ(Val(3, 1), L"105");
    Formula(3, 2, L"NOW()");
    ASSERT_TRUE(SSSetFormula(ss, 3, 2, L""));   // removed
    gNow = 45200;
    Put(1, 1, 6);
    EXPECT_EQ(Val(3, 2), L"");
    EXPECT_EQ(Val(3, 1), L"106");
}

TEST_F(VolatileTest, ManualCalculationWaitsForRecalc) {
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    Formula(3, 1, L"OFFSET(A1,2,0)");
    EXPECT_EQ(Val(3, 1), L"3");
    Put(1, 3, 30);
    EXPECT_EQ(Val(3, 1), L"3");          // nothing recalculates by itself
    SSReCalcCell(ss, 3, 1);
    EXPECT_EQ(Val(3, 1), L"30");
    gNow = 45001;
    Formula(3, 2, L"TODAY()");
    gNow = 45002;
    SSReCalc(ss);
    EXPECT_EQ(Val(3, 2), L"45002");
}

TEST_F(VolatileTest, RecalcCellCalculatesWhatAMadeReferenceReads) {
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    Formula(4, 1, L"A3*10");              // D1
    Formula(3, 1, L"INDIRECT(\"D1\")+1"); // C1 reads D1 only through the text
    SSReCalc(ss);
    EXPECT_EQ(Val(3, 1), L"31");
    Put(1, 3, 4);
    SSReCalcCell(ss, 3, 1);               // D1 comes first: it was read last time
    EXPECT_EQ(Val(4, 1), L"40");
    EXPECT_EQ(Val(3, 1), L"41");
}

TEST_F(VolatileTest, InsertedAndDeletedRowsKeepFormulasVolatile) {
    Formula(3, 1, L"INDIRECT(\"A3\")");
    Formula(3, 2, L"OFFSET(A1,0,0)+TODAY()-TODAY()");
    SSInsRows(ss, 1, 2);                  // C1, C2 move to C3, C4; A3 now holds the old A1
    EXPECT_EQ(Val(3, 3), L"1");
    EXPECT_EQ(Val(3, 4), L"1");
    Put(1, 3, 50);
    EXPECT_EQ(Val(3, 3), L"50");
    EXPECT_EQ(Val(3, 4), L"50");
    SSDelRows(ss, 1, 2);
    EXPECT_EQ(Val(3, 1), L"3");           // A3 is the old A3 again
    Put(1, 3, 7);
    EXPECT_EQ(Val(3, 1), L"7");
    EXPECT_EQ(Val(3, 2), L"50");
}

TEST_F(VolatileTest, CopiedFormulasAreVolatileToo) {
    Formula(3, 1, L"OFFSET(A1,1,0)");
    ASSERT_TRUE(SSCopyRange(ss, 3, 1, 3, 1, 3, 2));   // C2 = OFFSET(A2,1,0)
    std::wstring f;
    SSGetFormula(ss, 3, 2, f);
    EXPECT_EQ(f, L"OFFSET(A2,1,0)");
    EXPECT_EQ(Val(3, 2), L"3");
    Put(1, 3, 9);
    EXPECT_EQ(Val(3, 2), L"9");
}

TEST_F(VolatileTest, CopyingASingleReferenceAlongOneAxisKeepsItValid) {
    // Down a column and along a row: the reference moves, it does not become #REF!.
    Formula(4, 1, L"A1*10");
    ASSERT_TRUE(SSCopyRange(ss, 4, 1, 4, 1, 4, 2));
    ASSERT_TRUE(SSCopyRange(ss, 4, 1, 4, 1, 5, 1));
    std::wstring f;
    SSGetFormula(ss, 4, 2, f);
    EXPECT_EQ(f, L"A2*10");
    EXPECT_EQ(Val(4, 2), L"20");
    SSGetFormula(ss, 5, 1, f);
    EXPECT_EQ(f, L"B1*10");
    EXPECT_EQ(Val(5, 1), L"#VALUE!");   // B1 holds a text
}

TEST_F(VolatileTest, LoadedSheetsRecalculateVolatileFormulas) {
    Formula(3, 1, L"INDIRECT(B1)+TODAY()");
    EXPECT_EQ(Val(3, 1), L"45002");
    std::wstring path = L"/tmp/spread_volatile_test_" + std::to_wstring(::getpid()) + L".kms";
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    gNow = 46000;
    HWND other = MakeSheet(parent, 101);
    ASSERT_TRUE(SSLoadFromFile(other, path.c_str()));
    std::remove(std::string(path.begin(), path.end()).c_str());
    EXPECT_EQ(Val(3, 1, other), L"46002");
    SSSetData(other, 1, 2, L"10");
    EXPECT_EQ(Val(3, 1, other), L"46010");
}

// Row r of column F reads row r + 1 through a text, the last row holds a number: however
// the rows are calculated, each needs the one below first.
void WriteChain(HWND ss, int rows) {
    for (int r = 1; r < rows; ++r) {
        std::wstring f = L"INDIRECT(\"F" + std::to_wstring(r + 1) + L"\")+1";
        SSSetFormula(ss, 6, r, f.c_str());
    }
    SSSetFloat(ss, 6, rows, 100);
}

TEST_F(VolatileTest, LongChainsOfMadeReferencesSettleInOnePass) {
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    WriteChain(ss, 40);
    SSReCalc(ss);
    EXPECT_EQ(Val(6, 1), L"139");
    // Loaded from a file, the references are not known until each formula ran once.
    std::wstring path = L"/tmp/spread_chain_test_" + std::to_wstring(::getpid()) + L".kms";
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    HWND other = MakeSheet(parent, 101);
    ASSERT_TRUE(SSLoadFromFile(other, path.c_str()));
    std::remove(std::string(path.begin(), path.end()).c_str());
    EXPECT_EQ(Val(6, 1, other), L"139");
    EXPECT_EQ(Val(6, 20, other), L"120");
    SSSetBool(other, SSB_AUTOCALC, TRUE);
    SSSetFloat(other, 6, 40, 0);
    EXPECT_EQ(Val(6, 1, other), L"39");
}

TEST_F(VolatileTest, SubtotalsStayLeftOutAfterLoadingAndRestructuring) {
    Formula(2, 2, L"SUBTOTAL(9,A1:A3)");   // B2 = 6
    Formula(2, 3, L"SUBTOTAL(9,A1:B2)");   // A1 + A2, B2 left out: 3
    EXPECT_EQ(Val(2, 3), L"3");
    SSInsRows(ss, 1, 1);
    EXPECT_EQ(Val(2, 4), L"3");
    std::wstring path = L"/tmp/spread_subtotal_test_" + std::to_wstring(::getpid()) + L".kms";
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    HWND other = MakeSheet(parent, 101);
    ASSERT_TRUE(SSLoadFromFile(other, path.c_str()));
    std::remove(std::string(path.begin(), path.end()).c_str());
    EXPECT_EQ(Val(2, 4, other), L"3");
    SSSetFormula(other, 2, 3, L"A2*100");   // no longer a subtotal (100): counted now
    EXPECT_EQ(Val(2, 4, other), L"103");
}

LONG gCalls = 0;
BOOL CountCalls(SS_CALCVALUE* result, SS_CALCVALUE*, short) {
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_LONG;
    result->Val.ValLong = ++gCalls;
    return TRUE;
}

TEST_F(VolatileTest, ResetAndShrinkingForgetVolatileFormulas) {
    // The formulas made after a reset are not volatile because the ones before were.
    for (int r = 1; r <= 20; ++r) Formula(3, r, L"OFFSET(A1,0,0)+TODAY()");
    ASSERT_TRUE(SSReset(ss));
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"CALLS", 0, 0, CountCalls, SS_CUSTFUNC_WANTVALUES));
    Formula(3, 1, L"CALLS()");
    Formula(3, 2, L"CALLS()");
    const std::wstring first = Val(3, 1), second = Val(3, 2);
    Put(1, 1, 5);
    EXPECT_EQ(Val(3, 1), first);
    EXPECT_EQ(Val(3, 2), second);
    Formula(3, 3, L"INDIRECT(\"A1\")");
    EXPECT_EQ(Val(3, 3), L"5");
    Formula(3, 30, L"NOW()");
    ASSERT_TRUE(SSSetMaxRows(ss, 10));   // the formula in row 30 is dropped
    Put(1, 1, 6);
    EXPECT_EQ(Val(3, 3), L"6");
    SSDelRows(ss, 1, 1);                 // row 1 deleted: C3 is now C2, and still names A1
    Put(1, 1, 7);
    EXPECT_EQ(Val(3, 2), L"7");
}

TEST_F(VolatileTest, SheetsWithoutVolatileFormulasDoNotRecalculateOnEveryChange) {
    // A formula that reads nothing is calculated once and left alone.
    Formula(3, 1, L"NOW()-NOW()+1");
    Formula(3, 2, L"1+1");
    SSSetBool(ss, SSB_AUTOCALC, TRUE);
    gNow = 45500;
    Put(5, 5, 1);
    EXPECT_EQ(Val(3, 1), L"1");
    EXPECT_EQ(Val(3, 2), L"2");
}

}  // namespace
}  // namespace spread_test
