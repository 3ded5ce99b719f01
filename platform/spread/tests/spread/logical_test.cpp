// TRUE and FALSE as values of their own: display, arithmetic, comparison, coercion, and
// what number cells and product functions receive.
#include <unistd.h>

#include <cstdio>

#include "function_table.h"

namespace spread_test {
namespace {

class LogicalTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        Formula(1, 1, L"TRUE");       // A1 TRUE
        Formula(1, 2, L"1>2");        // A2 FALSE
        Put(1, 3, 5);                 // A3 5
        Put(1, 4, L"text");           // A4 text
        Put(1, 5, L"TRUE");           // A5 the text TRUE (typed data stays text)
    }
};

TEST_F(LogicalTest, ShownAsTrueAndFalse) {
    EXPECT_EQ(Val(1, 1), L"TRUE");
    EXPECT_EQ(Val(1, 2), L"FALSE");
    EXPECT_EQ(Data(1, 1), L"TRUE");
    RunTable({{L"1=1", L"TRUE"}, {L"TRUE()", L"TRUE"}, {L"false", L"FALSE"}, {L"ISNUMBER(1)", L"TRUE"},
              {L"NOT(TRUE)", L"FALSE"}, {L"A1", L"TRUE"}, {L"\"x\"&TRUE", L"xTRUE"}, {L"IF(A1,FALSE,1)", L"FALSE"},
              {L"IF(A2,1)", L"FALSE"}, {L"UPPER(FALSE)", L"FALSE"}, {L"TEXT(TRUE,\"0.00\")", L"TRUE"}});
}

TEST_F(LogicalTest, OneAndZeroInArithmeticButNotEqualToNumbers) {
    RunTable({{L"TRUE+1", L"2"}, {L"A1*10", L"10"}, {L"A2*10", L"0"}, {L"-TRUE", L"-1"}, {L"TRUE/2", L"0.5"},
              {L"SUM(TRUE,TRUE,1)", L"3"}, {L"SUM(A1:A3)", L"5"}, {L"COUNT(A1:A3)", L"1"}, {L"COUNT(TRUE,1)", L"2"},
              {L"COUNTA(A1:A3)", L"3"}, {L"ROUND(TRUE,0)", L"1"}, {L"PRODUCT(TRUE,7)", L"7"}, {L"AVERAGE(A1:A3)", L"5"},
              {L"TRUE=1", L"FALSE"}, {L"FALSE=0", L"FALSE"}, {L"TRUE>99999", L"TRUE"}, {L"TRUE>\"zzz\"", L"TRUE"},
              {L"A1=TRUE", L"TRUE"}, {L"A1=A5", L"FALSE"}, {L"FALSE<TRUE", L"TRUE"}, {L"B9=FALSE", L"TRUE"},
              {L"B9=0", L"TRUE"}, {L"(1<2)+(2<3)", L"2"}});
}

TEST_F(LogicalTest, ConditionsAcceptLogicalsNumbersAndTheirTexts) {
    RunTable({{L"IF(\"TRUE\",1,2)", L"1"}, {L"IF(\"false\",1,2)", L"2"}, {L"IF(\"abc\",1,2)", L"#VALUE!"},
              {L"IF(0.1,1,2)", L"1"}, {L"IF(A5,1,2)", L"1"}, {L"IF(B9,1,2)", L"2"}, {L"IF(#N/A,1,2)", L"#N/A"},
              {L"NOT(\"true\")", L"FALSE"}, {L"NOT(\"x\")", L"#VALUE!"}});
}

TEST_F(LogicalTest, AndOrXorTakeRanges) {
    Put(2, 1, 1);
    Put(2, 2, 0);
    Put(2, 3, L"skipped text");
    Formula(2, 4, L"TRUE");
    RunTable({{L"AND(B1:B4)", L"FALSE"}, {L"OR(B1:B4)", L"TRUE"}, {L"XOR(B1:B4)", L"FALSE"}, {L"XOR(B1:B4,TRUE)", L"TRUE"},
              {L"AND(B1,B3:B4)", L"TRUE"}, {L"AND(C1:C3)", L"#VALUE!"}, {L"OR(B3)", L"#VALUE!"},
              {L"AND(1,\"x\")", L"#VALUE!"}, {L"AND(\"TRUE\",1)", L"TRUE"}, {L"OR(A1:A4,#DIV/0!)", L"#DIV/0!"},
              {L"AND(1,A1>0)", L"TRUE"}, {L"OR(0,0)", L"FALSE"}, {L"XOR(1,1,1)", L"TRUE"}});
    Formula(2, 5, L"1/0");
    EXPECT_EQ(Calc(L"OR(B1:B5)"), L"#DIV/0!");
}

TEST_F(LogicalTest, NumberCellsStoreLogicalResultsAsNumbers) {
    // A number cell (as the standards engine makes for numeric variables) keeps 1 and 0.
    SSSetTypeNumber(ss, 3, 1, 3, 1, 2, -1e9, 1e9, FALSE);
    Formula(3, 1, L"A3>2");
    EXPECT_EQ(Val(3, 1), L"1");
    EXPECT_EQ(Data(3, 1), L"1.00");
    EXPECT_EQ(Calc(L"C1=1"), L"TRUE");
    SSSetTypeNumber(ss, 3, 2, 3, 2, 0, -1e9, 1e9, FALSE);
    Formula(3, 2, L"TRUE=1");
    EXPECT_EQ(Val(3, 2), L"0");
    double d = -1;
    EXPECT_TRUE(SSGetFloat(ss, 1, 1, &d));   // a logical reads as a number too
    EXPECT_EQ(d, 1);
}

TEST_F(LogicalTest, LookupsAndMatchesKeepTheKind) {
    Put(4, 1, 1);
    Formula(4, 2, L"TRUE");
    Put(4, 3, L"TRUE");
    RunTable({{L"MATCH(TRUE,D1:D3,0)", L"2"}, {L"MATCH(1,D1:D3,0)", L"1"}, {L"MATCH(\"true\",D1:D3,0)", L"3"},
              {L"VLOOKUP(FALSE,D1:D3,1,FALSE)", L"#N/A"}});
}

BOOL EchoType(SS_CALCVALUE* result, SS_CALCVALUE* args, short) {
    // Reports what arrived: the type and the value of a whole number.
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_LONG;
    result->Val.ValLong = args[0].Type == SS_VALUE_TYPE_LONG ? 100 + args[0].Val.ValLong : -1;
    return TRUE;
}

TEST_F(LogicalTest, CustomFunctionsReceiveLogicalsAsWholeNumbers) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"ECHO", 1, 1, EchoType, SS_CUSTFUNC_WANTVALUES));
    RunTable({{L"ECHO(TRUE)", L"101"}, {L"ECHO(1>2)", L"100"}, {L"ECHO(A1)", L"101"}});
}

TEST_F(LogicalTest, CalcValueOfALogicalCellIsAWholeNumber) {
    SS_CALCVALUE v{};
    ASSERT_TRUE(SSGetCalcValue(ss, 1, 1, &v));
    EXPECT_EQ(v.Status, SS_VALUE_STATUS_OK);
    EXPECT_EQ(v.Type, SS_VALUE_TYPE_LONG);
    EXPECT_EQ(v.Val.ValLong, 1);
}

TEST_F(LogicalTest, ClipboardTextAndIntegerReadsOfLogicals) {
    std::wstring clip;
    ASSERT_TRUE(SSGetClipText(ss, 1, 1, 1, 3, clip));
    EXPECT_EQ(clip, L"TRUE\r\nFALSE\r\n5");
    LONG n = -1;
    EXPECT_TRUE(SSGetInteger(ss, 1, 2, &n));
    EXPECT_EQ(n, 0);
    // Pasted back, the texts stay texts: logicals come from formulas only.
    ASSERT_TRUE(SSSetClipText(ss, 2, 1, clip.c_str()));
    EXPECT_EQ(Calc(L"ISLOGICAL(B1)"), L"FALSE");
    EXPECT_EQ(Calc(L"ISTEXT(B1)"), L"TRUE");
    EXPECT_EQ(Calc(L"AND(B1)"), L"#VALUE!");   // a text in a range is skipped
}

BOOL gSeen = FALSE;
BOOL Counter(SS_CALCVALUE* result, SS_CALCVALUE*, short) {
    static LONG calls = 0;
    gSeen = TRUE;
    result->Status = SS_VALUE_STATUS_OK;
    result->Type = SS_VALUE_TYPE_LONG;
    result->Val.ValLong = ++calls;
    return TRUE;
}

TEST_F(LogicalTest, CustomFunctionsNextToVolatileOnesRunOnlyWhenTheirInputsChange) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"COUNTER", 0, 1, Counter, SS_CUSTFUNC_WANTVALUES));
    Formula(3, 1, L"COUNTER(A3)");
    Formula(3, 2, L"INDIRECT(\"A3\")");
    std::wstring first = Val(3, 1);
    Put(5, 5, 1);                       // the volatile INDIRECT runs, COUNTER does not
    EXPECT_EQ(Val(3, 1), first);
    Put(1, 3, 6);                       // its input changed
    EXPECT_NE(Val(3, 1), first);
    EXPECT_EQ(Val(3, 2), L"6");
    EXPECT_TRUE(gSeen);
}

TEST_F(LogicalTest, SavedAndLoadedSheetsRecalculateTheirLogicals) {
    std::wstring path = L"/tmp/spread_logical_test_" + std::to_wstring(::getpid()) + L".kms";
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    HWND other = MakeSheet(parent, 101);
    ASSERT_TRUE(SSLoadFromFile(other, path.c_str()));
    EXPECT_EQ(Val(1, 1, other), L"TRUE");
    EXPECT_EQ(Val(1, 2, other), L"FALSE");
    EXPECT_EQ(Val(1, 5, other), L"TRUE");
    std::wstring f;
    SSGetFormula(other, 1, 1, f);
    EXPECT_EQ(f, L"TRUE");
    std::remove(std::string(path.begin(), path.end()).c_str());
}

}  // namespace
}  // namespace spread_test
