// Statistics, SUBTOTAL, the new rounding and whole-number functions, and the new logic,
// information and text functions.
#include "function_table.h"

namespace spread_test {
namespace {

// A1:A6: 2, 4, 4, 4, 5, 5; A7 text; A8 TRUE; A9 empty; A10 7. B1 #DIV/0!.
class StatsTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        const double v[] = {2, 4, 4, 4, 5, 5};
        for (int i = 0; i < 6; ++i) Put(1, i + 1, v[i]);
        Put(1, 7, L"words");
        Formula(1, 8, L"TRUE");
        Put(1, 10, 7);
        Formula(2, 1, L"1/0");
    }
};

TEST_F(StatsTest, MedianSmallLargeCountNumbersOnlyInRanges) {
    RunTable({{L"MEDIAN(A1:A10)", L"4"}, {L"MEDIAN(A1:A6)", L"4"}, {L"MEDIAN(1,2,3,4)", L"2.5"}, {L"MEDIAN(A7:A9)", L"#NUM!"},
              {L"MEDIAN(A1:A6,TRUE,\"9\")", L"4"}, {L"MEDIAN(1,\"x\")", L"#VALUE!"}, {L"MEDIAN(A1:B1)", L"#DIV/0!"},
              {L"SMALL(A1:A10,1)", L"2"}, {L"SMALL(A1:A10,2)", L"4"}, {L"LARGE(A1:A10,1)", L"7"}, {L"LARGE(A1:A10,3)", L"5"},
              {L"LARGE(A1:A10,7)", L"2"}, {L"LARGE(A1:A10,8)", L"#NUM!"}, {L"SMALL(A1:A10,0)", L"#NUM!"},
              {L"SMALL(A1:A10,1.5)", L"4"}, {L"SMALL(A1:A10,\"x\")", L"#VALUE!"}, {L"SMALL(9,1)", L"9"}});
}

TEST_F(StatsTest, SampleAndPopulationSpread) {
    // 2 4 4 4 5 5 7: mean 31/7.
    RunTable({{L"VARP(2,4,4,4,5,5,7,9)", L"4"}, {L"STDEVP(2,4,4,4,5,5,7,9)", L"2"}, {L"VAR(1,2,3,4)", L"1.66666666666667"},
              {L"STDEV(1,2,3,4)", L"1.29099444873581"}, {L"VAR(A1:A10)", L"2.28571428571429"}, {L"VARP(5)", L"0"},
              {L"VAR(5)", L"#DIV/0!"}, {L"STDEV(A7:A9)", L"#DIV/0!"}, {L"STDEVP(A7:A9)", L"#DIV/0!"},
              {L"STDEV(A1:B1)", L"#DIV/0!"}, {L"VAR(1E200,-1E200)", L"#NUM!"}});
}

TEST_F(StatsTest, SubtotalLeavesOutSubtotalsAndHiddenRows) {
    Formula(3, 1, L"SUBTOTAL(9,A1:A3)");   // C1 = 10
    Put(3, 2, 100);
    RunTable({{L"SUBTOTAL(9,A1:A10)", L"31"}, {L"SUBTOTAL(1,A1:A10)", L"4.42857142857143"}, {L"SUBTOTAL(2,A1:A10)", L"7"},
              {L"SUBTOTAL(3,A1:A10)", L"9"}, {L"SUBTOTAL(4,A1:A10)", L"7"}, {L"SUBTOTAL(5,A1:A10)", L"2"},
              {L"SUBTOTAL(6,A1:A3)", L"32"}, {L"SUBTOTAL(7,A1:A6)", L"1.09544511501033"}, {L"SUBTOTAL(10,A1:A6)", L"1.2"},
              {L"SUBTOTAL(8,A1:A6)", L"1"}, {L"SUBTOTAL(11,A1:A6)", L"1"}, {L"SUBTOTAL(9,C1:C2)", L"100"},
              {L"SUBTOTAL(9,A1:A3,C1:C2)", L"110"}, {L"SUBTOTAL(9,A1:B1)", L"#DIV/0!"}, {L"SUBTOTAL(2,A1:B1)", L"1"},
              {L"SUBTOTAL(12,A1:A3)", L"#VALUE!"}, {L"SUBTOTAL(0,A1)", L"#VALUE!"}, {L"SUBTOTAL(9,5)", L"#VALUE!"},
              {L"SUBTOTAL(1,A7:A9)", L"#DIV/0!"}, {L"SUBTOTAL(4,A7:A9)", L"0"}});
    SSSetRowHidden(ss, 10, TRUE);
    SSSetRowHidden(ss, 1, TRUE);
    EXPECT_EQ(Calc(L"SUBTOTAL(109,A1:A10)"), L"22");
    EXPECT_EQ(Calc(L"SUBTOTAL(9,A1:A10)"), L"31");
    EXPECT_EQ(Calc(L"SUBTOTAL(102,A1:A10)"), L"5");
}

TEST_F(StatsTest, RoundingToMultiplesAndWholeNumbers) {
    RunTable({{L"MROUND(10,3)", L"9"}, {L"MROUND(11,3)", L"12"}, {L"MROUND(7.5,5)", L"10"}, {L"MROUND(-10,-3)", L"-9"},
              {L"MROUND(1.3,0.2)", L"1.4"}, {L"MROUND(5,0)", L"0"}, {L"MROUND(-10,3)", L"#NUM!"}, {L"MROUND(10,-3)", L"#NUM!"},
              {L"QUOTIENT(7,2)", L"3"}, {L"QUOTIENT(-7,2)", L"-3"}, {L"QUOTIENT(7,0)", L"#DIV/0!"}, {L"QUOTIENT(\"9\",TRUE)", L"9"},
              {L"EVEN(1.5)", L"2"}, {L"EVEN(3)", L"4"}, {L"EVEN(2)", L"2"}, {L"EVEN(-1)", L"-2"}, {L"EVEN(0)", L"0"},
              {L"ODD(1.5)", L"3"}, {L"ODD(3)", L"3"}, {L"ODD(2)", L"3"}, {L"ODD(0)", L"1"}, {L"ODD(-1)", L"-1"},
              {L"ODD(-2)", L"-3"}, {L"FACT(5)", L"120"}, {L"FACT(0)", L"1"}, {L"FACT(5.9)", L"120"}, {L"FACT(-1)", L"#NUM!"},
              {L"FACT(171)", L"#NUM!"}, {L"FACT(20)", L"2.43290200817664E+18"}, {L"EVEN(\"x\")", L"#VALUE!"}});
}

TEST_F(StatsTest, IfsAndSwitchChooseWithoutTouchingTheRest) {
    RunTable({{L"IFS(A1>3,\"a\",A1>1,\"b\")", L"b"}, {L"IFS(FALSE,1,TRUE,2)", L"2"}, {L"IFS(A1>9,1)", L"#N/A"},
              {L"IFS(TRUE,A10)", L"7"}, {L"IFS(FALSE,1/0,TRUE,3)", L"3"}, {L"IFS(1/0,1,TRUE,2)", L"#DIV/0!"},
              {L"IFS(\"x\",1)", L"#VALUE!"}, {L"IFS(TRUE,1,FALSE)", L"#VALUE!"}, {L"IFS(1,\"one\")", L"one"},
              {L"SWITCH(2,1,\"a\",2,\"b\",\"other\")", L"b"}, {L"SWITCH(9,1,\"a\",2,\"b\",\"other\")", L"other"},
              {L"SWITCH(9,1,\"a\",2,\"b\")", L"#N/A"}, {L"SWITCH(\"B\",\"a\",1,\"b\",2)", L"2"}, {L"SWITCH(A7,\"WORDS\",1)", L"1"},
              {L"SWITCH(1,\"1\",\"text\",1,\"number\")", L"number"}, {L"SWITCH(1/0,1,2)", L"#DIV/0!"},
              {L"SWITCH(1,2,1/0,1,\"ok\")", L"ok"}, {L"SWITCH(TRUE,1,\"n\",TRUE,\"l\")", L"l"}});
}

TEST_F(StatsTest, InformationFunctions) {
    RunTable({{L"ISERR(B1)", L"TRUE"}, {L"ISERR(NA())", L"FALSE"}, {L"ISERR(1)", L"FALSE"}, {L"ISLOGICAL(A8)", L"TRUE"},
              {L"ISLOGICAL(1)", L"FALSE"}, {L"ISLOGICAL(\"TRUE\")", L"FALSE"}, {L"ISNUMBER(A8)", L"FALSE"},
              {L"ISEVEN(4)", L"TRUE"}, {L"ISEVEN(5.9)", L"FALSE"}, {L"ISEVEN(-2.5)", L"TRUE"}, {L"ISODD(5.9)", L"TRUE"},
              {L"ISODD(A9)", L"FALSE"}, {L"ISEVEN(A9)", L"TRUE"}, {L"ISEVEN(\"x\")", L"#VALUE!"}, {L"ISEVEN(TRUE)", L"#VALUE!"},
              {L"ISODD(B1)", L"#DIV/0!"}, {L"ISEVEN(\"12\")", L"TRUE"}, {L"N(7)", L"7"}, {L"N(A8)", L"1"}, {L"N(\"12\")", L"0"},
              {L"N(A9)", L"0"}, {L"N(B1)", L"#DIV/0!"}, {L"T(\"abc\")", L"abc"}, {L"T(5)", L""}, {L"T(A8)", L""},
              {L"T(B1)", L"#DIV/0!"}, {L"LEN(T(A1))", L"0"}});
}

TEST_F(StatsTest, WrongArgumentCountsAreValueErrors) {
    RunTable({{L"SUMIF(A1:A6)", L"#VALUE!"}, {L"SUMIF(A1:A6,1,A1:A6,1)", L"#VALUE!"}, {L"SUMIFS(A1:A6,A1:A6)", L"#VALUE!"},
              {L"COUNTIF(A1:A6)", L"#VALUE!"}, {L"COUNTIFS(A1:A6,1,A1:A6)", L"#VALUE!"}, {L"AVERAGEIFS(A1:A6,A1:A6,1,A1)", L"#VALUE!"},
              {L"IFS(TRUE)", L"#VALUE!"}, {L"SWITCH(1,2)", L"#VALUE!"}, {L"SMALL(A1:A6)", L"#VALUE!"}, {L"MEDIAN()", L"#VALUE!"},
              {L"DATE(2024,1)", L"#VALUE!"}, {L"TIME(1,2,3,4)", L"#VALUE!"}, {L"NOW(1)", L"#VALUE!"}, {L"DATEDIF(1,2)", L"#VALUE!"},
              {L"OFFSET(A1,1)", L"#VALUE!"}, {L"INDIRECT()", L"#VALUE!"}, {L"ADDRESS(1)", L"#VALUE!"}, {L"LOOKUP(1)", L"#VALUE!"},
              {L"SUBTOTAL(9)", L"#VALUE!"}, {L"MROUND(1)", L"#VALUE!"}, {L"PROPER()", L"#VALUE!"}, {L"ISLOGICAL(1,2)", L"#VALUE!"}});
}

TEST_F(StatsTest, ArgumentErrorsPropagate) {
    RunTable({{L"MROUND(B1,2)", L"#DIV/0!"}, {L"QUOTIENT(1,NA())", L"#N/A"}, {L"FACT(B1)", L"#DIV/0!"},
              {L"DATE(B1,1,1)", L"#DIV/0!"}, {L"YEAR(B1)", L"#DIV/0!"}, {L"EDATE(B1,1)", L"#DIV/0!"}, {L"EDATE(1,B1)", L"#DIV/0!"},
              {L"TEXT(B1,\"yyyy\")", L"#DIV/0!"}, {L"PROPER(B1)", L"#DIV/0!"}, {L"FIXED(B1)", L"#DIV/0!"},
              {L"INDIRECT(B1)", L"#DIV/0!"}, {L"ADDRESS(B1,1)", L"#DIV/0!"}, {L"SMALL(A1:A6,B1)", L"#DIV/0!"},
              {L"LARGE(A1:B1,1)", L"#DIV/0!"}, {L"SUMPRODUCT(A1:A6,B1:B6)", L"#DIV/0!"}, {L"SUBTOTAL(B1,A1)", L"#DIV/0!"},
              {L"WEEKDAY(1,B1)", L"#DIV/0!"}, {L"DATEDIF(B1,1,\"d\")", L"#DIV/0!"}, {L"SWITCH(1,B1,2)", L"#DIV/0!"}});
}

TEST_F(StatsTest, ProperAndFixed) {
    RunTable({{L"PROPER(\"end plate HEA200\")", L"End Plate Hea200"}, {L"PROPER(\"o'neil-smith\")", L"O'Neil-Smith"},
              {L"PROPER(\"2nd row\")", L"2Nd Row"}, {L"PROPER(\"ÉCROU à tête\")", L"Écrou À Tête"}, {L"PROPER(12)", L"12"},
              {L"FIXED(1234.567)", L"1,234.57"}, {L"FIXED(1234.567,1)", L"1,234.6"}, {L"FIXED(1234.567,0,TRUE)", L"1235"},
              {L"FIXED(1234.567,-2)", L"1,200"}, {L"FIXED(-0.004,2)", L"0.00"}, {L"FIXED(-1234.5,1,FALSE)", L"-1,234.5"},
              {L"FIXED(\"x\")", L"#VALUE!"}, {L"FIXED(2.675,2)", L"2.68"}});
}

}  // namespace
}  // namespace spread_test
