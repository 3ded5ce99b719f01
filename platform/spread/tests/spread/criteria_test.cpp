// Conditional aggregates with the criteria of common spreadsheets, COUNTBLANK, SUMPRODUCT.
#include "function_table.h"

namespace spread_test {
namespace {

// A1:A8 names, B1:B8 amounts, C1:C8 a second condition column.
class CriteriaTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        const wchar_t* names[] = {L"apple", L"Apricot", L"banana", L"a*b", L"", L"25", L"cherry", L"a?c"};
        const double amounts[] = {10, 20, 30, 40, 50, 60, 70, 80};
        const wchar_t* kinds[] = {L"x", L"y", L"x", L"y", L"x", L"y", L"x", L"y"};
        for (int i = 0; i < 8; ++i) {
            if (names[i][0]) Put(1, i + 1, names[i]);
            Put(2, i + 1, amounts[i]);
            Put(3, i + 1, kinds[i]);
        }
        // D1:D6 numbers, a text, an empty cell, a logical and an error.
        Put(4, 1, 5);
        Put(4, 2, 25);
        Put(4, 3, 30);
        Put(4, 4, L"n/a");
        Formula(4, 6, L"TRUE");
        Formula(4, 7, L"NA()");
    }
};

TEST_F(CriteriaTest, NumberCriteriaAndOperators) {
    RunTable({{L"COUNTIF(D1:D7,\">25\")", L"1"}, {L"COUNTIF(D1:D7,\">=25\")", L"2"}, {L"COUNTIF(D1:D7,\"<25\")", L"1"},
              {L"COUNTIF(D1:D7,25)", L"1"}, {L"COUNTIF(D1:D7,\"=25\")", L"1"}, {L"COUNTIF(D1:D7,\"<>25\")", L"6"},
              {L"COUNTIF(D1:D7,\"<=30\")", L"3"}, {L"COUNTIF(D1:D7,\">1e1\")", L"2"},
              // "25" typed into a general cell is the number 25.
              {L"COUNTIF(A1:A8,25)", L"1"}, {L"COUNTIF(A1:A8,\">20\")", L"1"}, {L"SUMIF(D1:D7,\">6\")", L"55"},
              {L"SUMIF(B1:B8,\">=50\")", L"260"}, {L"AVERAGEIF(B1:B8,\"<40\")", L"20"}});
}

TEST_F(CriteriaTest, TextCriteriaIgnoreCaseAndUseWildcards) {
    RunTable({{L"COUNTIF(A1:A8,\"APPLE\")", L"1"}, {L"COUNTIF(A1:A8,\"a*\")", L"4"}, {L"COUNTIF(A1:A8,\"ap*\")", L"2"},
              {L"COUNTIF(A1:A8,\"?pple\")", L"1"}, {L"COUNTIF(A1:A8,\"*an*\")", L"1"}, {L"COUNTIF(A1:A8,\"a~*b\")", L"1"},
              {L"COUNTIF(A1:A8,\"a~?c\")", L"1"}, {L"COUNTIF(A1:A8,\"a?c\")", L"1"}, {L"COUNTIF(A1:A8,\"*\")", L"6"},
              {L"COUNTIF(A1:A8,\"<>a*\")", L"4"}, {L"COUNTIF(A1:A8,\"<>apple\")", L"7"}, {L"COUNTIF(A1:A8,\"<b\")", L"4"},
              {L"COUNTIF(A1:A8,\">=c\")", L"1"}, {L"SUMIF(A1:A8,\"a*\",B1:B8)", L"150"},
              {L"SUMIF(A1:A8,\"<>a\",B1:B8)", L"360"}, {L"COUNTIF(A1:A8,\"app\")", L"0"}});
}

TEST_F(CriteriaTest, EmptyCriteriaLogicalsAndErrors) {
    RunTable({{L"COUNTIF(A1:A8,\"=\")", L"1"}, {L"COUNTIF(A1:A8,\"<>\")", L"7"}, {L"COUNTIF(A1:A8,\"\")", L"1"},
              {L"COUNTIF(D1:D8,\"=\")", L"2"}, {L"COUNTIF(D1:D7,TRUE)", L"1"}, {L"COUNTIF(D1:D7,\"true\")", L"1"},
              {L"COUNTIF(D1:D7,1)", L"0"}, {L"COUNTIF(D1:D7,\"#N/A\")", L"1"}, {L"COUNTIF(D1:D7,NA())", L"1"},
              {L"SUMIF(D1:D7,\">0\")", L"60"}, {L"SUMIF(C1:C6,\"x\",D1:D6)", L"35"},
              // A matching error in the summed cells is the result; one that does not match is not.
              {L"SUMIF(D1:D7,\"<>5\")", L"#N/A"}, {L"AVERAGEIF(D1:D7,\">100\")", L"#DIV/0!"}});
}

TEST_F(CriteriaTest, ManyConditions) {
    RunTable({{L"COUNTIFS(A1:A8,\"a*\",C1:C8,\"y\")", L"3"}, {L"COUNTIFS(C1:C8,\"x\",B1:B8,\">20\")", L"3"},
              {L"SUMIFS(B1:B8,C1:C8,\"x\",B1:B8,\"<60\")", L"90"}, {L"SUMIFS(B1:B8,A1:A8,\"*a*\",C1:C8,\"<>x\")", L"140"},
              {L"AVERAGEIFS(B1:B8,C1:C8,\"y\")", L"50"}, {L"AVERAGEIFS(B1:B8,C1:C8,\"z\")", L"#DIV/0!"},
              {L"COUNTIFS(A1:A8,\"*\",B1:B4,\">0\")", L"#VALUE!"}, {L"SUMIFS(B1:B8,C1:C8)", L"#VALUE!"},
              {L"COUNTIFS(A1:A8,\"<>\",C1:C8,\"x\",B1:B8,\">10\")", L"2"}});
}

TEST_F(CriteriaTest, SumRangeTakesTheShapeOfTheCriteriaRange) {
    // Only the top-left cell of the sum range matters, as in common spreadsheets.
    RunTable({{L"SUMIF(C1:C8,\"x\",B1)", L"160"}, {L"SUMIF(C1:C8,\"y\",B1:B2)", L"200"},
              {L"SUMIF(C1:C4,\"x\",B5:B8)", L"120"}});
}

TEST_F(CriteriaTest, CriteriaFromCellsFollowTheirChanges) {
    Put(6, 1, L">=40");
    Formula(6, 2, L"SUMIF(B1:B8,F1)");
    EXPECT_EQ(Val(6, 2), L"300");
    Put(6, 1, L"<40");
    EXPECT_EQ(Val(6, 2), L"60");
    Put(2, 1, 15);
    EXPECT_EQ(Val(6, 2), L"65");
    // An empty criterion cell is the number 0.
    Put(4, 8, 0);
    EXPECT_EQ(Calc(L"COUNTIF(D1:D8,F9)"), L"1");
    EXPECT_EQ(Calc(L"COUNTIF(D1:D8,\"\")"), L"1");
}

TEST_F(CriteriaTest, NumericTextEqualsItsNumberButIsNotOrdered) {
    SSSetTypeEdit(ss, 7, 1, 7, 2, 0, SS_CASE_NOCASE);
    Put(7, 1, L"25");   // text in an edit cell
    Put(7, 2, L"7");
    RunTable({{L"COUNTIF(G1:G2,25)", L"1"}, {L"COUNTIF(G1:G2,\"25\")", L"1"}, {L"COUNTIF(G1:G2,\">1\")", L"0"},
              {L"COUNTIF(G1:G2,\"<>25\")", L"1"}});
}

TEST_F(CriteriaTest, CountBlankCountsEmptyCellsAndEmptyTexts) {
    Formula(5, 1, L"\"\"");
    RunTable({{L"COUNTBLANK(D1:D8)", L"2"}, {L"COUNTBLANK(E1:E3)", L"3"}, {L"COUNTBLANK(A1:A8)", L"1"},
              {L"COUNTBLANK(5)", L"#VALUE!"}});
}

TEST_F(CriteriaTest, SumProductOfRangesOfOneShape) {
    RunTable({{L"SUMPRODUCT(B1:B3,B4:B6)", L"3200"}, {L"SUMPRODUCT(B1:B8)", L"360"}, {L"SUMPRODUCT(D1:D6,D1:D6)", L"1550"},
              {L"SUMPRODUCT(B1:B3,B1:B4)", L"#VALUE!"}, {L"SUMPRODUCT(D1:D7,D1:D7)", L"#N/A"}, {L"SUMPRODUCT(3,4)", L"12"},
              {L"SUMPRODUCT(B1:C2,B1:C2)", L"500"}, {L"SUMPRODUCT(\"x\")", L"#VALUE!"}});
}

TEST_F(CriteriaTest, RangesMustBeReferences) {
    RunTable({{L"COUNTIF(5,5)", L"#VALUE!"}, {L"SUMIF(\"a\",\"a\")", L"#VALUE!"}, {L"COUNTIF(#REF!,1)", L"#REF!"},
              {L"COUNTIFS(A1:A8,\"a*\",C1:C8)", L"#VALUE!"}});
}

}  // namespace
}  // namespace spread_test
