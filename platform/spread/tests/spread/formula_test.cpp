// Formula semantics on a table of cases, parse limits and deep dependency chains.
#include <string>

#include "spread_fixture.h"

namespace spread_test {
namespace {

struct Case { const wchar_t* formula; const wchar_t* expected; };

class FormulaTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        // A1..A5: 10, 20, "abc", (empty), 2.5; B1..B3: "Steel", "5" as text, 0
        SSSetFloat(ss, 1, 1, 10);
        SSSetFloat(ss, 1, 2, 20);
        SSSetData(ss, 1, 3, L"abc");
        SSSetFloat(ss, 1, 5, 2.5);
        SSSetData(ss, 2, 1, L"Steel");
        SSSetTypeEdit(ss, 2, 2, 2, 2, 0, SS_CASE_NOCASE);
        SSSetData(ss, 2, 2, L"5");
        SSSetFloat(ss, 2, 3, 0);
        // A table for look-ups in D1:E4 (sorted keys).
        const wchar_t* keys[] = {L"10", L"20", L"30", L"40"};
        const wchar_t* vals[] = {L"ten", L"twenty", L"thirty", L"forty"};
        for (int i = 0; i < 4; ++i) {
            SSSetData(ss, 4, i + 1, keys[i]);
            SSSetData(ss, 5, i + 1, vals[i]);
        }
    }
    void RunTable(const Case* cases, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_EQ(Calc(cases[i].formula), cases[i].expected) << "formula: " << std::string(cases[i].formula, cases[i].formula + wcslen(cases[i].formula));
    }
};

TEST_F(FormulaTest, OperatorsFollowSpreadsheetPrecedence) {
    const Case cases[] = {
        {L"1+2*3", L"7"},       {L"(1+2)*3", L"9"},   {L"-2^2", L"4"},       {L"2^3^2", L"64"},
        {L"2*-3", L"-6"},       {L"50%", L"0.5"},     {L"10-2-3", L"5"},     {L"12/3/2", L"2"},
        {L"1+2&3", L"33"},      {L"1+1=2", L"TRUE"},     {L"2>1+3", L"FALSE"},      {L"\"a\"&\"b\"&1.5", L"ab1.5"},
        {L"0.1+0.2", L"0.3"},   {L"1/3", L"0.333333333333333"}, {L"200+12", L"212"}, {L"1e3*2", L"2000"},
        {L"=A1*2", L"20"},      {L"a1+A2", L"30"},     {L"  A1  +  1 ", L"11"}, {L"--A1", L"10"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, ComparisonsIgnoreCaseAndOrderNumbersBeforeText) {
    const Case cases[] = {
        {L"\"abc\"=\"ABC\"", L"TRUE"}, {L"B1=\"STEEL\"", L"TRUE"}, {L"\"a\"<\"B\"", L"TRUE"}, {L"\"b\"<>\"B\"", L"FALSE"},
        {L"1<\"a\"", L"TRUE"},         {L"A4=0", L"TRUE"},         {L"A4=\"\"", L"TRUE"},     {L"A3>A1", L"TRUE"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, EmptyCellsAndNumericTextInArithmetic) {
    const Case cases[] = {
        {L"A4+1", L"1"}, {L"A4&\"x\"", L"x"}, {L"B2*2", L"10"}, {L"SUM(B1:B3)", L"0"}, {L"SUM(A1:A5)", L"32.5"},
        {L"COUNT(A1:A5)", L"3"}, {L"COUNTA(A1:A5)", L"4"}, {L"AVERAGE(A1:A5)", L"10.8333333333333"},
        {L"A4", L"0"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, ErrorsPropagateAsInCommonSpreadsheets) {
    const Case cases[] = {
        {L"1/0", L"#DIV/0!"},          {L"A1/B3", L"#DIV/0!"},       {L"A3+1", L"#VALUE!"},
        {L"NOSUCH(1)", L"#NAME?"},     {L"someName+1", L"#NAME?"},   {L"SQRT(-1)", L"#NUM!"},
        {L"VLOOKUP(99,D1:E4,2,FALSE)", L"#N/A"}, {L"(1/0)&\"x\"", L"#DIV/0!"}, {L"SUM(A1,1/0)", L"#DIV/0!"},
        {L"IF(1/0,1,2)", L"#DIV/0!"},  {L"IF(1,2,1/0)", L"2"},       {L"IFERROR(1/0,7)", L"7"},
        {L"ISERROR(A3+1)", L"TRUE"},      {L"INDEX(D1:E4,9,1)", L"#REF!"}, {L"#N/A", L"#N/A"},
        {L"ROUND(\"x\",1)", L"#VALUE!"},
        // Two-argument IF: an error condition ends the IF (it once jumped back and looped).
        {L"IF(1/0,1)", L"#DIV/0!"},    {L"IF(A0>1,\"yes\")", L"#NAME?"}, {L"IF(1/0,1)+IF(A0,2,3)", L"#DIV/0!"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, BuiltInLibrary) {
    const Case cases[] = {
        {L"ROUND(2.675,2)", L"2.68"},        {L"ROUND(-2.5,0)", L"-3"},       {L"ROUNDUP(1.21,1)", L"1.3"},
        {L"ROUNDDOWN(-1.29,1)", L"-1.2"},    {L"ROUND(1234,-2)", L"1200"},    {L"INT(-2.5)", L"-3"},
        {L"TRUNC(-2.5)", L"-2"},             {L"MOD(-7,3)", L"2"},            {L"ABS(-3)", L"3"},
        {L"CEILING(2.1,0.5)", L"2.5"},       {L"FLOOR(2.9,0.5)", L"2.5"},     {L"SQRT(16)", L"4"},
        {L"POWER(2,10)", L"1024"},           {L"DEGREES(PI())", L"180"},      {L"SIN(RADIANS(30))", L"0.5"},
        {L"COS(0)", L"1"},                   {L"ATAN2(1,1)*4", L"3.14159265358979"}, {L"LOG(1000)", L"3"},
        {L"MIN(A1:A5,3)", L"2.5"},           {L"MAX(A1:A5)", L"20"},          {L"AND(1,A1>5)", L"TRUE"},
        {L"OR(0,0)", L"FALSE"},                  {L"NOT(A4)", L"TRUE"},              {L"IF(A1>5,\"big\",\"small\")", L"big"},
        {L"IF(A1<5,\"big\")", L"FALSE"},         {L"IF(A1>5,\"big\")", L"big"},    {L"IF(1,IF(0,1),2)", L"FALSE"},         {L"LEFT(\"Column\",3)", L"Col"}, {L"RIGHT(\"Column\",2)", L"mn"},
        {L"MID(\"HEA200\",4,3)", L"200"},    {L"LEN(B1)", L"5"},              {L"UPPER(\"hea\")", L"HEA"},
        {L"LOWER(\"IPE\")", L"ipe"},         {L"TRIM(\"  a   b \")", L"a b"}, {L"FIND(\"e\",\"Steel\")", L"3"},
        {L"SUBSTITUTE(\"a-b-c\",\"-\",\"+\")", L"a+b+c"}, {L"VALUE(\"12.5\")", L"12.5"},
        {L"TEXT(3.14159,\"0.00\")", L"3.14"}, {L"TEXT(1234.5,\"#,##0.0\")", L"1,234.5"}, {L"TEXT(0.25,\"0%\")", L"25%"},
        {L"CONCATENATE(\"HE\",\"A\",200)", L"HEA200"}, {L"\"say \"\"hi\"\"\"", L"say \"hi\""},
        {L"VLOOKUP(25,D1:E4,2)", L"twenty"}, {L"VLOOKUP(30,D1:E4,2,FALSE)", L"thirty"},
        {L"HLOOKUP(20,D2:E3,2,FALSE)", L"30"}, {L"INDEX(D1:E4,3,2)", L"thirty"},
        {L"MATCH(40,D1:D4,0)", L"4"},        {L"MATCH(35,D1:D4)", L"3"},      {L"CHOOSE(2,\"a\",\"b\",\"c\")", L"b"},
        {L"INDEX(E1:E4,MATCH(20,D1:D4,0))", L"twenty"}, {L"sum(a1:a2)", L"30"}, {L"ROW()", L"10"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, RoundingTakesAnyCountOfDigits) {
    // Counts of digits far outside what a double holds clamp to 15 either way.
    const Case cases[] = {
        {L"ROUND(1234.5678,-22222222222222228)", L"0"}, {L"ROUND(1234.5678,22222222222222228)", L"1234.5678"},
        {L"ROUNDUP(2.5,-1E300)", L"1E+15"},              {L"ROUNDDOWN(-2.25,1E300)", L"-2.25"},
        {L"TRUNC(2.5,-1E300)", L"0"},                    {L"ROUND(2.5,-16)", L"0"},
    };
    RunTable(cases, std::size(cases));
}

TEST_F(FormulaTest, AbsoluteReferencesAndRangesKeepTheirForm) {
    ASSERT_TRUE(SSSetFormula(ss, 3, 1, L"$A$1+A$2+$A2+SUM($A$1:A2)"));
    EXPECT_EQ(Val(3, 1), L"80");
    std::wstring f;
    SSGetFormula(ss, 3, 1, f);
    EXPECT_EQ(f, L"$A$1+A$2+$A2+SUM($A$1:A2)");
    // Copying shifts only the relative parts.
    ASSERT_TRUE(SSCopyRange(ss, 3, 1, 3, 1, 4, 6));
    SSGetFormula(ss, 4, 6, f);
    EXPECT_EQ(f, L"$A$1+B$2+$A7+SUM($A$1:B7)");
    // A range written bottom-up is the same range.
    EXPECT_EQ(Calc(L"SUM(A2:A1)"), L"30");
}

TEST_F(FormulaTest, R1C1ReferencesWhenThatStyleIsChosen) {
    ASSERT_TRUE(SSSetRefStyle(ss, SS_REFSTYLE_R1C1));
    // In cell C3: R1C1 is A1 (absolute), R[-1]C[-2] is A2, RC1 is A3's row -> A3.
    ASSERT_TRUE(SSSetFormula(ss, 3, 3, L"R1C1+R[-1]C[-2]"));
    EXPECT_EQ(Val(3, 3), L"30");
    ASSERT_TRUE(SSSetFormula(ss, 3, 4, L"SUM(R1C1:R2C1)*2"));
    EXPECT_EQ(Val(3, 4), L"60");
    std::wstring f;
    SSGetFormula(ss, 3, 3, f);
    EXPECT_EQ(f, L"R1C1+R[-1]C[-2]");
    // The same formula shown in A1 style.
    SSSetRefStyle(ss, SS_REFSTYLE_A1);
    SSGetFormula(ss, 3, 3, f);
    EXPECT_EQ(f, L"$A$1+A2");
    // A1 text in A1 style; R1C1 text there is just an unknown name.
    EXPECT_EQ(Calc(L"R1C1"), L"#NAME?");
}

TEST_F(FormulaTest, MalformedFormulasAreRefusedAndKeepTheCell) {
    SSSetFloat(ss, 3, 3, 42);
    for (const wchar_t* bad : {L"1+", L"(1", L"1)", L"SUM(1,", L"\"open", L"1 2", L"*3", L"A1:", L"IF(1)", L"#FOO!",
                            L"IF(A0>1+,\"yes,no\"\"\")", L"SUM(1,-)", L"SUM(2*)", L"MAX(1,2+,3)"}) {
        EXPECT_FALSE(SSSetFormula(ss, 3, 3, bad)) << std::string(bad, bad + wcslen(bad));
        EXPECT_EQ(Val(3, 3), L"42");
    }
    EXPECT_FALSE(SSGetLastErrorText(ss).empty());
}

TEST_F(FormulaTest, DeepNestingIsAParseErrorNotACrash) {
    std::wstring deep(100000, L'(');
    deep += L"1";
    deep += std::wstring(100000, L')');
    EXPECT_FALSE(SSSetFormula(ss, 3, 3, deep.c_str()));
    std::wstring opens(100000, L'(');
    EXPECT_FALSE(SSSetFormula(ss, 3, 3, opens.c_str()));
    // Nesting within the limit works.
    std::wstring ok = std::wstring(SS_LIMIT_FORMULA_DEPTH - 1, L'(') + L"7" + std::wstring(SS_LIMIT_FORMULA_DEPTH - 1, L')');
    EXPECT_EQ(Calc(ok.c_str()), L"7");
    // Long operator chains have no depth limit (evaluated without recursion).
    std::wstring chain = L"1";
    for (int i = 0; i < 20000; ++i) chain += L"+1";
    EXPECT_EQ(Calc(chain.c_str()), L"20001");
    std::wstring unary(30000, L'-');
    unary += L"1";
    EXPECT_EQ(Calc(unary.c_str()), L"1");
}

TEST_F(FormulaTest, LongDependencyChainsCalculateWithoutRecursion) {
    const SS_COORD n = 100000;
    ASSERT_TRUE(SSSetMaxRows(ss, n + 10));
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    SSSetFloat(ss, 7, 1, 1);
    for (SS_COORD r = 2; r <= n; ++r) {
        std::wstring f = L"G" + std::to_wstring(r - 1) + L"+1";
        ASSERT_TRUE(SSSetFormula(ss, 7, r, f.c_str()));
    }
    SSSetFloat(ss, 7, 1, 5);
    ASSERT_TRUE(SSReCalc(ss));
    EXPECT_EQ(Val(7, n), std::to_wstring(n + 4));
    // Automatic calculation follows the whole chain from its head.
    SSSetBool(ss, SSB_AUTOCALC, TRUE);
    SSSetFloat(ss, 7, 1, 0);
    EXPECT_EQ(Val(7, n), std::to_wstring(n - 1));
}

}  // namespace
}  // namespace spread_test
