// Formulas calculated without being set into a cell, what a formula reads, and the change
// stamp that tells whether anything changed a sheet.
#include <string>
#include <vector>

#include "spread_fixture.h"

namespace spread_test {
namespace {

int gCalls = 0;
HWND gCalledFrom = nullptr;

BOOL Twice(SS_CALCVALUE* result, SS_CALCVALUE* args, short) {
    ++gCalls;
    gCalledFrom = SSGetCalcWindow();
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_DOUBLE;
    const double v = args[0].Type == SS_VALUE_TYPE_LONG ? args[0].Val.ValLong : args[0].Val.ValDouble;
    result->Val.ValDouble = 2 * v;
    return TRUE;
}

using EvalFormulaTest = SpreadTest;

// What SSEvalFormula gives equals what setting the formula into the cell and reading it
// gives, for every kind of value and both kinds of cell; the sheet keeps what it held.
TEST_F(EvalFormulaTest, GivesWhatTheCellWouldHoldAndStoresNothing) {
    ASSERT_TRUE(SSSetData(ss, 1, 1, L"4"));
    ASSERT_TRUE(SSSetData(ss, 1, 2, L"text"));
    ASSERT_TRUE(SSSetData(ss, 3, 3, L"x = A1 * 2"));
    const wchar_t* formulas[] = {L"A1*2.5", L"A2&\"!\"", L"A1>3", L"A1/0", L"ROUND(A1/3, 4)", L"=A1+1",
                                 L"IF(A1>3, \"big\", 1)", L"A9", L"ROW()*10+COLUMN()", L" ==A1*3 "};
    for (const int type : {SS_TYPE_NUMBER, SS_TYPE_EDIT}) {
        for (const wchar_t* f : formulas) {
            std::wstring direct;
            ASSERT_TRUE(SSEvalFormula(ss, 3, 3, f, type, direct)) << f;
            EXPECT_EQ(Val(3, 3), L"x = A1 * 2") << f;
            std::wstring formula;
            SSGetFormula(ss, 3, 3, formula);
            EXPECT_EQ(formula, L"");

            // The same formula set into a cell of that type elsewhere in the same column.
            if (type == SS_TYPE_NUMBER)
                ASSERT_TRUE(SSSetTypeNumber(ss, 3, 7, 3, 7, 7, -1e12, 1e12, FALSE));
            else
                ASSERT_TRUE(SSSetTypeEdit(ss, 3, 7, 3, 7, 200, SS_CASE_NOCASE));
            std::wstring moved = f;
            if (moved.find(L"ROW()") != std::wstring::npos) moved = L"3*10+3";
            ASSERT_TRUE(SSSetFormula(ss, 3, 7, moved.c_str()));
            EXPECT_EQ(direct, Val(3, 7)) << f << " as type " << type;
            ASSERT_TRUE(SSClear(ss, 3, 7, 3, 7));
        }
    }
    std::wstring text;
    EXPECT_TRUE(SSEvalFormula(ss, 3, 3, L"A1>3", SS_TYPE_NUMBER, text));
    EXPECT_EQ(text, L"1");
    EXPECT_TRUE(SSEvalFormula(ss, 3, 3, L"A1>3", SS_TYPE_EDIT, text));
    EXPECT_EQ(text, L"TRUE");
}

TEST_F(EvalFormulaTest, AFormulaThatDoesNotParseFailsAndCustomFunctionsSeeTheControl) {
    std::wstring text = L"old";
    EXPECT_FALSE(SSEvalFormula(ss, 1, 1, L"1 +", SS_TYPE_NUMBER, text));
    EXPECT_EQ(text, L"");
    EXPECT_FALSE(SSEvalFormula(ss, 0, 1, L"1", SS_TYPE_NUMBER, text));

    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"TWICE", 1, 1, &Twice, SS_CUSTFUNC_WANTVALUES));
    ASSERT_TRUE(SSSetData(ss, 1, 1, L"21"));
    gCalls = 0;
    gCalledFrom = nullptr;
    ASSERT_TRUE(SSEvalFormula(ss, 2, 2, L"TWICE(A1)", SS_TYPE_NUMBER, text));
    EXPECT_EQ(text, L"42");
    EXPECT_EQ(gCalls, 1);
    EXPECT_EQ(gCalledFrom, ss);
    EXPECT_EQ(SSGetCalcWindow(), nullptr);
}

BOOL Thrice(SS_CALCVALUE* result, SS_CALCVALUE* args, short) {
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_DOUBLE;
    result->Val.ValDouble = 3 * (args[0].Type == SS_VALUE_TYPE_LONG ? args[0].Val.ValLong : args[0].Val.ValDouble);
    return TRUE;
}

// Evaluated into a cell: the same text as SSEvalFormula, and the cell as SSSetData of that
// text leaves it (typed cells read it their way, a text too long for its cell is refused);
// prepared formulas give the same, on this control and another, and again where the
// sheet's limits changed since they were prepared.
TEST_F(EvalFormulaTest, EvaluatedIntoACellAsItsTextWouldBeSetThere) {
    ASSERT_TRUE(SSSetData(ss, 1, 1, L"4"));
    ASSERT_TRUE(SSSetData(ss, 1, 2, L"text"));
    // Rows 1-9: a number with 2 decimals, a number up to 10, a text up to 4 characters, an
    // upper-case text, an integer from -5 to 100, a percent, a currency with a digit for a
    // symbol, a check box, a general cell.
    HWND other = MakeSheet(parent, 101);
    for (HWND h : {ss, other}) {
        for (SS_COORD col = 5; col <= 6; ++col) {  // E written into, F its twin set by text
            ASSERT_TRUE(SSSetTypeNumber(h, col, 1, col, 1, 2, -1e6, 1e6, FALSE));
            ASSERT_TRUE(SSSetTypeNumber(h, col, 2, col, 2, 0, -10, 10, FALSE));
            ASSERT_TRUE(SSSetTypeEdit(h, col, 3, col, 3, 4, SS_CASE_NOCASE));
            ASSERT_TRUE(SSSetTypeEdit(h, col, 4, col, 4, 200, SS_CASE_UPPER));
            ASSERT_TRUE(SSSetTypeInteger(h, col, 5, col, 5, -5, 100));
            ASSERT_TRUE(SSSetTypePercent(h, col, 6, col, 6, 1));
            ASSERT_TRUE(SSSetTypeCurrency(h, col, 7, col, 7, 2, L"1", FALSE));
            ASSERT_TRUE(SSSetTypeCheckBox(h, col, 8, col, 8, L"x", L"", L""));
        }
    }
    ASSERT_TRUE(SSSetData(other, 1, 1, L"4"));
    ASSERT_TRUE(SSSetData(other, 1, 2, L"text"));
    const wchar_t* formulas[] = {L"A1*2.5", L"A1/3", L"A1*1000", L"A2&\"!\"", L"A1>3", L"A1/0", L"A9", L"\"abcdef\"",
                                 L"ROW()*10+COLUMN()", L"-A1/8", L"-A1*3.1", L"A1-4", L"1/A1", L"A1*1e20", L"-A1*2"};
    for (const wchar_t* f : formulas) {
        for (const int type : {SS_TYPE_NUMBER, SS_TYPE_EDIT}) {
            for (SS_COORD destRow = 1; destRow <= 9; ++destRow) {
                std::wstring plain;
                ASSERT_TRUE(SSEvalFormula(ss, 3, 3, f, type, plain)) << f;
                // What SSSetData of that text does to the twin cell in column F.
                const BOOL setTook = SSSetData(ss, 6, destRow, plain.c_str());
                const std::wstring expected = Val(6, destRow);

                ASSERT_TRUE(SSSetData(ss, 5, destRow, L""));
                std::wstring text;
                BOOL written = FALSE;
                ASSERT_TRUE(SSEvalFormulaToCell(ss, 3, 3, f, type, 5, destRow, text, written)) << f;
                EXPECT_EQ(text, plain) << f;
                EXPECT_EQ(written, setTook) << f << " into E" << destRow;
                if (written) {
                    EXPECT_EQ(Val(5, destRow), expected) << f << " into E" << destRow;
                }

                SS_PREPAREDFORMULA prepared;
                ASSERT_TRUE(SSPrepareFormula(ss, 3, 3, f, prepared)) << f;
                for (HWND h : {ss, other}) {
                    ASSERT_TRUE(SSSetData(h, 5, destRow, L""));
                    ASSERT_TRUE(SSEvalPreparedToCell(h, prepared, type, 5, destRow, text, written)) << f;
                    EXPECT_EQ(text, plain) << f;
                    EXPECT_EQ(written, setTook) << f;
                    if (written) {
                        EXPECT_EQ(Val(5, destRow, h), expected) << f;
                    }
                }
            }
        }
    }
    // A control that reads references in the other style reads the prepared text its way.
    ASSERT_TRUE(SSSetRefStyle(other, SS_REFSTYLE_R1C1));
    SS_PREPAREDFORMULA relative, a1;
    ASSERT_TRUE(SSPrepareFormula(other, 3, 3, L"R[-2]C[-2]*3", relative));
    ASSERT_TRUE(SSPrepareFormula(ss, 3, 3, L"SUM(A1,2)", a1));
    std::wstring rows, plain;
    BOOL written = FALSE;
    ASSERT_TRUE(SSEvalPreparedToCell(other, relative, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"12");
    ASSERT_TRUE(SSSetData(ss, 5, 1, L"7"));
    EXPECT_FALSE(SSEvalPreparedToCell(ss, relative, SS_TYPE_NUMBER, 5, 1, rows, written));  // no A1 form
    EXPECT_EQ(Val(5, 1), L"7");
    ASSERT_TRUE(SSEvalPreparedToCell(ss, a1, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"6");
    ASSERT_TRUE(SSEvalFormula(other, 3, 3, L"SUM(A1,2)", SS_TYPE_NUMBER, plain));
    ASSERT_TRUE(SSEvalPreparedToCell(other, a1, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, plain);
    EXPECT_NE(rows, L"6");

    // Functions are looked up when calculated: a prepared call sees the one registered now.
    SS_PREPAREDFORMULA call;
    ASSERT_TRUE(SSPrepareFormula(ss, 3, 3, L"TIMES(A1)", call));
    ASSERT_TRUE(SSEvalPreparedToCell(ss, call, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"#NAME?");
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"TIMES", 1, 1, &Twice, SS_CUSTFUNC_WANTVALUES));
    ASSERT_TRUE(SSEvalPreparedToCell(ss, call, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"8");
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"TIMES", 1, 1, &Thrice, SS_CUSTFUNC_WANTVALUES));
    ASSERT_TRUE(SSEvalPreparedToCell(ss, call, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"12");
    ASSERT_TRUE(SSRemoveCustomFunction(ss, L"TIMES"));
    ASSERT_TRUE(SSEvalPreparedToCell(ss, call, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_EQ(rows, L"#NAME?");

    // Nothing prepared, or a formula that does not parse: refused, nothing changed.
    SS_PREPAREDFORMULA none;
    ASSERT_TRUE(SSSetData(ss, 5, 1, L"7"));
    EXPECT_FALSE(SSEvalPreparedToCell(ss, none, SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_FALSE(SSPrepareFormula(ss, 3, 3, L"1 +", none));
    EXPECT_FALSE(none.state);
    EXPECT_FALSE(SSEvalFormulaToCell(ss, 3, 3, L"1 +", SS_TYPE_NUMBER, 5, 1, rows, written));
    EXPECT_FALSE(written);
    EXPECT_EQ(Val(5, 1), L"7");
    DestroyWindow(other);
}

TEST_F(EvalFormulaTest, ReadsNameCellsAndRangesWhereTheFormulaWouldStand) {
    SS_FORMULAREADS reads;
    ASSERT_TRUE(SSGetFormulaReads(ss, 2, 5, L"A1 + B$2 * SUM(C3:D4) + A4 + A1", reads));
    ASSERT_EQ(reads.ranges.size(), 4u);
    auto has = [&](SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2) {
        for (const SS_RANGEREF& r : reads.ranges)
            if (r.Col1 == c1 && r.Row1 == r1 && r.Col2 == c2 && r.Row2 == r2) return true;
        return false;
    };
    EXPECT_TRUE(has(1, 1, 1, 1));
    EXPECT_TRUE(has(2, 2, 2, 2));
    EXPECT_TRUE(has(1, 4, 1, 4));
    EXPECT_TRUE(has(3, 3, 4, 4));
    EXPECT_FALSE(reads.volatileCalls);
    EXPECT_FALSE(reads.otherCalls);

    ASSERT_TRUE(SSGetFormulaReads(ss, 1, 1, L"ROUND(INDIRECT(\"A2\"), 1)", reads));
    EXPECT_TRUE(reads.volatileCalls);
    EXPECT_FALSE(reads.otherCalls);
    ASSERT_TRUE(SSGetFormulaReads(ss, 1, 1, L"NOT_BUILT_IN(1)", reads));
    EXPECT_FALSE(reads.volatileCalls);
    EXPECT_TRUE(reads.otherCalls);
    EXPECT_FALSE(SSGetFormulaReads(ss, 1, 1, L"SUM(", reads));
    EXPECT_TRUE(reads.ranges.empty());
}

// Every change of data, formulas, formats, settings, custom functions or the whole sheet
// moves the stamp; reading, calculating detached formulas and refused writes do not.
TEST_F(EvalFormulaTest, TheChangeStampMovesWithEveryChangeOnly) {
    unsigned long long stamp = SSGetChangeStamp(ss);
    auto moved = [&] {
        const unsigned long long now = SSGetChangeStamp(ss);
        const bool changed = now != stamp;
        stamp = now;
        return changed;
    };
    ASSERT_TRUE(SSSetTypeNumber(ss, 1, 1, 1, 1, 2, 0, 100, FALSE));
    EXPECT_TRUE(moved());
    ASSERT_TRUE(SSSetTypeNumber(ss, 1, 1, 1, 1, 2, 0, 100, FALSE));
    EXPECT_FALSE(moved()) << "the same type again";
    ASSERT_TRUE(SSSetData(ss, 1, 1, L"5"));
    EXPECT_TRUE(moved());
    EXPECT_FALSE(SSSetData(ss, 1, 1, L"letters"));
    EXPECT_FALSE(moved());
    std::wstring text;
    SSGetValue(ss, 1, 1, text);
    ASSERT_TRUE(SSEvalFormula(ss, 2, 2, L"A1*2", SS_TYPE_NUMBER, text));
    EXPECT_FALSE(moved());
    ASSERT_TRUE(SSSetFormula(ss, 2, 2, L"A1*2"));
    EXPECT_TRUE(moved());
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    EXPECT_TRUE(moved());
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    EXPECT_FALSE(moved());
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"TWICE", 1, 1, &Twice, SS_CUSTFUNC_WANTVALUES));
    EXPECT_TRUE(moved());
    ASSERT_TRUE(SSSetMaxRows(ss, 50));
    EXPECT_TRUE(moved());

    std::string saved;
    ASSERT_TRUE(SSSaveToBuffer(ss, saved, FALSE));
    EXPECT_FALSE(moved());
    ASSERT_TRUE(SSLoadFromBuffer(ss, saved, L"saved"));
    EXPECT_TRUE(moved());
    // Another control's sheet never shares a stamp.
    HWND other = MakeSheet(parent, 101);
    EXPECT_NE(SSGetChangeStamp(other), SSGetChangeStamp(ss));
}

}  // namespace
}  // namespace spread_test
