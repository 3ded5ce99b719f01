// Custom functions, circular references, automatic calculation and re-entrant callbacks.
#include "spread_fixture.h"

#include "win/globalmem.h"

namespace spread_test {
namespace {

struct Seen { int calls = 0; short argc = 0; SS_CALCVALUE args[4]; std::wstring str; HWND calcWindow = nullptr; };
Seen gSeen;

BOOL Recorder(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    ++gSeen.calls;
    gSeen.argc = argCount;
    gSeen.calcWindow = SSGetCalcWindow();
    for (short i = 0; i < argCount && i < 4; ++i) gSeen.args[i] = args[i];
    if (argCount > 0 && args[0].Type == SS_VALUE_TYPE_STR) gSeen.str = SSGetGlobalStr(args[0].Val.hValStr);
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_DOUBLE;
    result->Val.ValDouble = 1.5 * argCount;
    return TRUE;
}

BOOL Upper(SS_CALCVALUE* result, SS_CALCVALUE* args, short) {
    std::wstring s = SSGetGlobalStr(args[0].Val.hValStr);
    for (auto& c : s) c = static_cast<wchar_t>(towupper(c));
    return SSSetCalcValueStr(result, s);
}

BOOL Fails(SS_CALCVALUE*, SS_CALCVALUE*, short) { return FALSE; }

class CalcTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        gSeen = Seen{};
    }
};

TEST_F(CalcTest, CustomFunctionGetsValuesWithFlags0) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"Probe", 1, 3, Recorder, SS_CUSTFUNC_WANTVALUES));
    SSSetFloat(ss, 1, 1, 7);
    SSSetFloat(ss, 1, 2, 2.25);
    SSSetData(ss, 1, 3, L"HEA200");
    EXPECT_EQ(Calc(L"probe(A1,A2,A3)"), L"4.5");
    EXPECT_EQ(gSeen.argc, 3);
    EXPECT_EQ(gSeen.args[0].Status, SS_VALUE_STATUS_OK);
    EXPECT_EQ(gSeen.args[0].Type, SS_VALUE_TYPE_LONG);
    EXPECT_EQ(gSeen.args[0].Val.ValLong, 7);
    EXPECT_EQ(gSeen.args[1].Type, SS_VALUE_TYPE_DOUBLE);
    EXPECT_DOUBLE_EQ(gSeen.args[1].Val.ValDouble, 2.25);
    EXPECT_EQ(gSeen.args[2].Type, SS_VALUE_TYPE_STR);
    EXPECT_EQ(gSeen.calcWindow, ss);
    EXPECT_EQ(SSGetCalcWindow(), nullptr);
    // An empty cell arrives as an empty value.
    Calc(L"PROBE(B9)");
    EXPECT_EQ(gSeen.args[0].Status, SS_VALUE_STATUS_EMPTY);
    // Strings go both ways through global memory, and nothing leaks.
    std::size_t blocks = win::GlobalBlocksInUse();
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"SHOUT", 1, 1, Upper, 0));
    EXPECT_EQ(Calc(L"SHOUT(\"ipe\"&A1)"), L"IPE7");
    EXPECT_EQ(win::GlobalBlocksInUse(), blocks);
}

TEST_F(CalcTest, CustomFunctionGetsReferencesWithFlags1) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"REFS", 2, 2, Recorder, SS_CUSTFUNC_WANTCELLREF));
    Calc(L"REFS(B3,C4:D6)");
    EXPECT_EQ(gSeen.args[0].Type, SS_VALUE_TYPE_CELL);
    EXPECT_EQ(gSeen.args[0].Val.ValCell.Col, 2);
    EXPECT_EQ(gSeen.args[0].Val.ValCell.Row, 3);
    EXPECT_EQ(gSeen.args[1].Type, SS_VALUE_TYPE_RANGE);
    EXPECT_EQ(gSeen.args[1].Val.ValRange.Col1, 3);
    EXPECT_EQ(gSeen.args[1].Val.ValRange.Row2, 6);
}

TEST_F(CalcTest, WrongArgumentCountsAndFailuresLeaveErrorsWithoutCalls) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"TWO", 2, 3, Recorder, 0));
    EXPECT_EQ(Calc(L"TWO(1)"), L"#VALUE!");
    EXPECT_EQ(Calc(L"TWO(1,2,3,4)"), L"#VALUE!");
    EXPECT_EQ(gSeen.calls, 0);
    EXPECT_EQ(Calc(L"TWO(1,2)"), L"3");
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"BROKEN", 0, 0, Fails, 0));
    EXPECT_EQ(Calc(L"BROKEN()"), L"#VALUE!");
    // Registration is per control.
    HWND other = MakeSheet(parent, 101);
    ASSERT_TRUE(SSSetFormula(other, 1, 1, L"TWO(1,2)"));
    EXPECT_EQ(Val(1, 1, other), L"#NAME?");
    EXPECT_FALSE(SSAddCustomFunctionExt(ss, L"9bad", 0, 1, Recorder, 0));
    EXPECT_FALSE(SSAddCustomFunctionExt(ss, L"OK", 3, 1, Recorder, 0));
}

// Joins its text arguments, seen as views, and answers with a view of its own text.
BOOL JoinViews(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    static std::wstring joined;
    joined.clear();
    for (short i = 0; i < argCount; ++i) {
        if (args[i].Type == SS_VALUE_TYPE_STRREF) joined.append(args[i].Val.ValStrRef.Ptr, args[i].Val.ValStrRef.Len);
        else if (args[i].Type == SS_VALUE_TYPE_CELL) joined += L"<cell>";
        else if (args[i].Type == SS_VALUE_TYPE_STR) return FALSE;   // no global blocks with this flag
        else joined += L"?";
    }
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_STRREF;
    result->Val.ValStrRef = {joined.data(), static_cast<LONG>(joined.size())};
    return TRUE;
}

TEST_F(CalcTest, StringsPassByReferenceWhereAFunctionAsksForIt) {
    SSSetData(ss, 1, 1, L"from a cell");
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"JOIN", 1, 4, JoinViews, SS_CUSTFUNC_WANTSTRREF));
    EXPECT_EQ(Calc(L"JOIN(\"a\",A1,\"\",2)"), L"afrom a cell?");
    EXPECT_EQ(Calc(L"LEN(JOIN(A1,A1))"), L"22");   // the result is copied before the next call
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"JOINREFS", 1, 4, JoinViews, SS_CUSTFUNC_WANTSTRREF | SS_CUSTFUNC_WANTCELLREF));
    EXPECT_EQ(Calc(L"JOINREFS(\"b\",A1)"), L"b<cell>");
    EXPECT_EQ(Calc(L"JOIN(JOIN(\"x\",\"y\"),JOIN(\"z\"))"), L"xyz");
}

TEST_F(CalcTest, ACustomFunctionWithABuiltInNameReplacesItUntilRemoved) {
    EXPECT_EQ(Calc(L"ROUND(2.4,0)"), L"2");
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"round", 0, 3, Recorder, 0));
    EXPECT_EQ(Calc(L"ROUND(2.4,0)"), L"3");   // two arguments: 1.5 * 2
    EXPECT_EQ(gSeen.calls, 1);
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"Other", 0, 3, Recorder, 0));
    EXPECT_EQ(Calc(L"ROUND(2.6)"), L"1.5");
    ASSERT_TRUE(SSRemoveCustomFunction(ss, L"ROUND"));
    EXPECT_EQ(Calc(L"ROUND(2.4,0)"), L"2");
    EXPECT_EQ(gSeen.calls, 2);
}

TEST_F(CalcTest, CircularReferencesEndInErrors) {
    ASSERT_TRUE(SSSetFormula(ss, 1, 1, L"B1+1"));
    ASSERT_TRUE(SSSetFormula(ss, 2, 1, L"A1+1"));
    EXPECT_EQ(Val(1, 1), L"#CIRC!");
    EXPECT_EQ(Val(2, 1), L"#CIRC!");
    ASSERT_TRUE(SSSetFormula(ss, 3, 1, L"C1*2"));
    EXPECT_EQ(Val(3, 1), L"#CIRC!");
    // A cell reading the cycle gets its error; breaking the cycle heals both cells.
    ASSERT_TRUE(SSSetFormula(ss, 4, 1, L"A1"));
    EXPECT_EQ(Val(4, 1), L"#CIRC!");
    ASSERT_TRUE(SSSetFloat(ss, 2, 1, 5));
    EXPECT_EQ(Val(1, 1), L"6");
    EXPECT_EQ(Val(4, 1), L"6");
    // Through a range as well.
    ASSERT_TRUE(SSSetFormula(ss, 5, 5, L"SUM(E1:E10)"));
    EXPECT_EQ(Val(5, 5), L"#CIRC!");
    EXPECT_TRUE(SSReCalc(ss));
    EXPECT_EQ(Val(5, 5), L"#CIRC!");
}

TEST_F(CalcTest, AutomaticCalculationOnAndOff) {
    EXPECT_TRUE(SSGetBool(ss, SSB_AUTOCALC));
    SSSetFloat(ss, 1, 1, 2);
    ASSERT_TRUE(SSSetFormula(ss, 1, 2, L"A1*10"));
    ASSERT_TRUE(SSSetFormula(ss, 1, 3, L"SUM(A1:A2)"));
    EXPECT_EQ(Val(1, 3), L"22");
    SSSetFloat(ss, 1, 1, 3);
    EXPECT_EQ(Val(1, 2), L"30");
    EXPECT_EQ(Val(1, 3), L"33");
    EXPECT_TRUE(SSSetBool(ss, SSB_AUTOCALC, FALSE));
    SSSetFloat(ss, 1, 1, 4);
    EXPECT_EQ(Val(1, 2), L"30");
    // A new formula is calculated at once even so, from the current values.
    ASSERT_TRUE(SSSetFormula(ss, 2, 1, L"A1+A2"));
    EXPECT_EQ(Val(2, 1), L"34");
    // Recalculating one cell brings what it reads up to date first.
    ASSERT_TRUE(SSReCalcCell(ss, 1, 3));
    EXPECT_EQ(Val(1, 2), L"40");
    EXPECT_EQ(Val(1, 3), L"44");
    EXPECT_EQ(Val(2, 1), L"34");
    ASSERT_TRUE(SSReCalc(ss));
    EXPECT_EQ(Val(2, 1), L"44");
}

// A callback that loads a second control and calculates it, as a table look-up does.
HWND gParent = nullptr;
HWND gInner = nullptr;
BOOL LoadsAnother(SS_CALCVALUE* result, SS_CALCVALUE* args, short) {
    HWND caller = SSGetCalcWindow();
    gInner = MakeSheet(gParent, 300);
    SSLoadFromBuffer(gInner, "KMSHEET\t1\ngrid\n21\t=A1*2\nend\n", L"inner");
    SSAddCustomFunctionExt(gInner, L"INNER", 0, 0, LoadsAnother, 0);
    SSReCalcCell(gInner, 2, 1);
    std::wstring t;
    SSGetValue(gInner, 2, 1, t);
    // While the inner control calculated, it was the calculating window; now the caller is again.
    if (SSGetCalcWindow() != caller) return FALSE;
    // The caller may write into its own sheet meanwhile.
    SSSetData(caller, 9, 9, t.c_str());
    DestroyWindow(gInner);
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_LONG;
    result->Val.ValLong = args[0].Val.ValLong + 1;
    return TRUE;
}

TEST_F(CalcTest, CallbacksMayUseOtherControlsAndTheirOwn) {
    gParent = parent;
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"LOOKUPOTHER", 1, 1, LoadsAnother, 0));
    ASSERT_TRUE(SSSetFormula(ss, 1, 1, L"LOOKUPOTHER(41)"));
    EXPECT_EQ(Val(1, 1), L"42");
    EXPECT_EQ(Val(9, 9), L"42");
    ASSERT_TRUE(SSSetFormula(ss, 1, 2, L"I9+A1"));
    EXPECT_EQ(Val(1, 2), L"84");
    EXPECT_TRUE(SSReCalc(ss));
    EXPECT_EQ(Val(1, 2), L"84");
}

BOOL DestroysCaller(SS_CALCVALUE* result, SS_CALCVALUE*, short) {
    DestroyWindow(SSGetCalcWindow());
    result->Status = SS_VALUE_STATUS_EMPTY;
    return TRUE;
}

TEST_F(CalcTest, CallbackDestroyingItsControlIsSafe) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"BOOM", 0, 0, DestroysCaller, 0));
    SSSetFormula(ss, 1, 1, L"BOOM()");
    EXPECT_FALSE(IsWindow(ss));
    EXPECT_EQ(SSGetMaxRows(ss), 0);
}

TEST_F(CalcTest, InsertDeleteAndMoveAdjustReferences) {
    SSSetFloat(ss, 1, 1, 1);
    SSSetFloat(ss, 1, 2, 2);
    SSSetFloat(ss, 1, 3, 3);
    ASSERT_TRUE(SSSetFormula(ss, 2, 1, L"SUM(A1:A3)+A3"));
    SSSetTypeNumber(ss, SS_ALLCOLS, 2, SS_ALLCOLS, 2, 2, 0, 0, FALSE);
    SS_COORD rows = SSGetMaxRows(ss);
    ASSERT_TRUE(SSInsRows(ss, 2, 1));
    EXPECT_EQ(SSGetMaxRows(ss), rows + 1);
    std::wstring f;
    SSGetFormula(ss, 2, 1, f);
    EXPECT_EQ(f, L"SUM(A1:A4)+A4");
    EXPECT_EQ(Val(2, 1), L"9");
    // The new row took the formats of the row pushed down.
    EXPECT_EQ(SSGetCellType(ss, 5, 2), SS_TYPE_NUMBER);
    ASSERT_TRUE(SSDelRows(ss, 4, 1));
    SSGetFormula(ss, 2, 1, f);
    EXPECT_EQ(f, L"SUM(A1:A3)+#REF!");
    EXPECT_EQ(Val(2, 1), L"#REF!");
    ASSERT_TRUE(SSSetFormula(ss, 2, 1, L"A1*10+A3"));
    ASSERT_TRUE(SSMoveRow(ss, 1, 3));
    SSGetFormula(ss, 2, 3, f);
    EXPECT_EQ(f, L"A3*10+A2");
    EXPECT_EQ(Val(2, 3), L"12");
    ASSERT_TRUE(SSInsCols(ss, 1, 2));
    SSGetFormula(ss, 4, 3, f);
    EXPECT_EQ(f, L"C3*10+C2");
    ASSERT_TRUE(SSDelCols(ss, 1, 1));
    SSGetFormula(ss, 3, 3, f);
    EXPECT_EQ(f, L"B3*10+B2");
    EXPECT_FALSE(SSDelRows(ss, SSGetMaxRows(ss), 2));
    EXPECT_FALSE(SSInsRows(ss, 0, 1));
}

}  // namespace
}  // namespace spread_test
