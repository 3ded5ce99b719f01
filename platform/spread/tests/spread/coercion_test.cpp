// The shared coercion and ordering rules as the new functions meet them: wildcard corner
// cases, the order of kinds, date texts that are not dates, and number texts.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "function_table.h"

namespace spread_test {
namespace {

class CoercionTest : public FunctionTest {};

TEST_F(CoercionTest, WildcardCornerCases) {
    const wchar_t* texts[] = {L"", L"a", L"ab", L"abc", L"a*c", L"a~c", L"x?", L"aXbXc", L"~"};
    SSSetTypeEdit(ss, 1, 1, 1, 9, 0, SS_CASE_NOCASE);
    for (int i = 0; i < 9; ++i)
        if (texts[i][0]) Put(1, i + 1, texts[i]);
    RunTable({{L"COUNTIF(A1:A9,\"?\")", L"2"}, {L"COUNTIF(A1:A9,\"??\")", L"2"}, {L"COUNTIF(A1:A9,\"a*\")", L"6"},
              {L"COUNTIF(A1:A9,\"*c\")", L"4"}, {L"COUNTIF(A1:A9,\"a*b*c\")", L"2"}, {L"COUNTIF(A1:A9,\"a**c\")", L"4"},
              {L"COUNTIF(A1:A9,\"a~*c\")", L"1"}, {L"COUNTIF(A1:A9,\"a~~c\")", L"1"}, {L"COUNTIF(A1:A9,\"x~?\")", L"1"},
              {L"COUNTIF(A1:A9,\"~\")", L"1"}, {L"COUNTIF(A1:A9,\"*~\")", L"1"}, {L"COUNTIF(A1:A9,\"???*\")", L"4"},
              {L"COUNTIF(A1:A9,\"A?C\")", L"3"}, {L"COUNTIF(A1:A9,\"*\")", L"8"}, {L"COUNTIF(A1:A9,\"<>*\")", L"1"},
              {L"COUNTIF(A1:A9,\"*b\")", L"1"}, {L"COUNTIF(A1:A9,\"b*\")", L"0"}});
}

TEST_F(CoercionTest, KindsOrderNumbersTextsLogicals) {
    Formula(2, 1, L"TRUE");
    RunTable({{L"1<\"0\"", L"TRUE"}, {L"\"zz\"<FALSE", L"TRUE"}, {L"B9<TRUE", L"TRUE"}, {L"B9=FALSE", L"TRUE"},
              {L"B9=\"\"", L"TRUE"}, {L"B9<-1", L"FALSE"}, {L"MAX(B1,5)", L"5"}, {L"MIN(B1:B2)", L"0"},
              {L"SWITCH(B1,1,\"number\",TRUE,\"logical\")", L"logical"}, {L"B1&B1", L"TRUETRUE"}, {L"LEN(B1)", L"4"},
              {L"VALUE(B1)", L"#VALUE!"}, {L"N(B1)+N(\"5\")", L"1"}});
}

// Approximate searches compare across kinds in the order numbers < texts < logicals.
TEST_F(CoercionTest, ApproximateLookupsOrderKindsAsComparisonsDo) {
    Put(3, 1, 10);
    Put(3, 2, 20);
    Formula(3, 3, L"TRUE");
    Put(3, 4, 30);
    RunTable({{L"MATCH(25,C1:C4)", L"2"}, {L"MATCH(35,C1:C4)", L"2"}, {L"LOOKUP(TRUE,C1:C4)", L"TRUE"},
              {L"LOOKUP(5,C1:C4)", L"#N/A"}});
}

TEST_F(CoercionTest, TextsThatAreNoDates) {
    RunTable({{L"YEAR(\"2024-13-01\")", L"#VALUE!"}, {L"YEAR(\"2024-1-1\")", L"2024"}, {L"YEAR(\"24-01-01\")", L"#VALUE!"},
              {L"YEAR(\"2024-01-01x\")", L"#VALUE!"}, {L"YEAR(\"2024-01/01\")", L"#VALUE!"}, {L"HOUR(\"25:00\")", L"#VALUE!"},
              {L"HOUR(\"2024-01-01 7:05\")", L"7"}, {L"MINUTE(\"12:60\")", L"#VALUE!"}, {L"DAY(\"\")", L"#VALUE!"},
              {L"DAY(\" 2024-02-29 \")", L"29"}, {L"DAY(\"2023-02-29\")", L"#VALUE!"}, {L"YEAR(\"1899-12-31\")", L"#VALUE!"},
              {L"TEXT(\"12:30\",\"h:mm\")", L"12:30"}, {L"DATEDIF(\"2024-01-01\",\"2024-03-01\",\"d\")", L"60"}});
}

TEST_F(CoercionTest, IfAndConditionalFunctionsNeverCalculateTheBranchNotTaken) {
    // An error in the branch not taken leaves no trace; the condition's error is the result.
    RunTable({{L"IF(TRUE,1,1/0)", L"1"}, {L"IF(FALSE,1/0,2)", L"2"}, {L"IFERROR(1/0,IFS(FALSE,1,TRUE,2))", L"2"},
              {L"IF(1/0,1,2)", L"#DIV/0!"}, {L"IF(\"\",1,2)", L"#VALUE!"}, {L"IF(B9,1,2)", L"2"}});
}

TEST_F(CoercionTest, NumberTypedCellsOfEveryKindTakeLogicalsAsNumbers) {
    SSSetTypeInteger(ss, 4, 1, 4, 1, -100, 100);
    SSSetTypePercent(ss, 4, 2, 4, 2, 0);
    SSSetTypeCheckBox(ss, 4, 3, 4, 3, L"", L"", L"");
    SSSetTypeEdit(ss, 4, 4, 4, 4, 0, SS_CASE_NOCASE);
    for (int row = 1; row <= 4; ++row) Formula(4, row, L"2>1");
    EXPECT_EQ(Val(4, 1), L"1");
    EXPECT_EQ(Data(4, 2), L"100%");
    EXPECT_EQ(Val(4, 3), L"1");
    EXPECT_EQ(Val(4, 4), L"TRUE");   // a text cell shows the logical
    EXPECT_EQ(Calc(L"ISLOGICAL(D1)"), L"FALSE");
    EXPECT_EQ(Calc(L"ISLOGICAL(D4)"), L"TRUE");
}

}  // namespace
}  // namespace spread_test

namespace spread_test {
namespace {

// Number texts of every length and form read exactly as the C library reads them: short
// decimals take a quicker path that must give the same double.
TEST_F(CoercionTest, NumberTextsReadAsTheLibraryReadsThem) {
    std::vector<std::string> texts = {"0", "-0", "007", "1.5", "-12.25", "0.1", "0.3", "123456789012345",
                                      "1234567890123456", "12345678.9012345", "0.000000000000001", "9.999999999999999",
                                      "1e3", "-2.5E-3", "1.", ".5", "+4", "1,5", "3.14159265358979", "100.10"};
    std::uint64_t seed = 12345;
    auto next = [&seed] { seed = seed * 6364136223846793005ull + 1442695040888963407ull; return seed >> 33; };
    for (int i = 0; i < 2000; ++i) {
        std::string t = (next() % 3 == 0 ? "-" : "") + std::to_string(next() % 100000000ull);
        const std::uint64_t decimals = next() % 9;
        if (decimals > 0) {
            std::string frac = std::to_string(next() % 1000000000ull);
            frac.resize(decimals, '0');
            t += "." + frac;
        }
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        const std::wstring w(t.begin(), t.end());
        SSSetData(ss, 1, 1, w.c_str());
        double got = 0;
        char* end = nullptr;
        const double want = std::strtod(t.c_str(), &end);
        const bool plain = *end == '\0' && t[0] != '+' && t[0] != '.' && t.back() != '.';
        if (!plain) continue;   // forms the sheet reads its own way
        ASSERT_TRUE(SSGetFloat(ss, 1, 1, &got)) << t;
        EXPECT_EQ(got, want) << t;
    }
}

}  // namespace
}  // namespace spread_test
