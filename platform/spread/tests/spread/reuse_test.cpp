// What the control reuses between loads and formulas: sheets copied from a shared buffer
// loaded before, and formula trees shared by formulas typed again. Neither may show.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

#include "spread_fixture.h"

namespace spread_test {
namespace {

std::string Save(HWND h) {
    std::string s;
    SSSaveToBuffer(h, s, FALSE);
    return s;
}

class ReuseTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        SSForgetParsedSheets();
    }
    void TearDown() override {
        SSForgetParsedSheets();
        SpreadTest::TearDown();
    }
    // A sheet of texts, numbers, types, formats and settings, without formulas.
    std::shared_ptr<const std::string> RichBuffer() {
        HWND h = MakeSheet(parent, 300);
        SSSetMaxCols(h, 6);
        SSSetMaxRows(h, 20);
        SSSetData(h, 1, 1, L"Input");
        SSSetData(h, 1, 2, L"Double Width");
        SSSetFloat(h, 2, 2, 0.1);
        SSSetTypeEdit(h, 3, 2, 3, 2, 20, SS_CASE_UPPER);
        SSSetData(h, 3, 2, L"007");
        SSSetTypeNumber(h, 1, 5, 1, 5, 3, -100, 100, TRUE);
        SSSetFloat(h, 1, 5, 12.5);
        SSSetColor(h, SS_ALLCOLS, 7, SS_ALLCOLS, 7, RGB(1, 2, 3), RGB(4, 5, 6));
        SSSetCellNote(h, 2, 3, L"note");
        SSAddCellSpan(h, 1, 8, 3, 2);
        SSSetBool(h, SSB_GRIDLINES, FALSE);
        auto bytes = std::make_shared<std::string>(Save(h));
        DestroyWindow(h);
        return bytes;
    }
};

TEST_F(ReuseTest, ASharedBufferLoadedAgainGivesTheSheetParsingGives) {
    const auto bytes = RichBuffer();
    HWND parsed = MakeSheet(parent, 201);
    ASSERT_TRUE(SSLoadFromBuffer(parsed, *bytes, L"rich"));
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(SSLoadFromSharedBuffer(ss, bytes, L"rich"));
        EXPECT_EQ(Save(ss), Save(parsed)) << "round " << round;
        EXPECT_EQ(Val(3, 2), L"007");
        EXPECT_EQ(Data(1, 5), L"12.500");
        // What one load's sheet is given never reaches the next load.
        SSSetData(ss, 1, 2, L"changed");
        SSSetFloat(ss, 1, 5, 99);
        SSSetTypeEdit(ss, 2, 2, 2, 2, 5, SS_CASE_LOWER);
        SSSetFormula(ss, 4, 4, L"B2*2");
        SSSetCellNote(ss, 2, 3, L"other");
    }
    // A copy is a sheet of its own: changing one leaves the other.
    HWND other = MakeSheet(parent, 202);
    ASSERT_TRUE(SSLoadFromSharedBuffer(other, bytes, L"rich"));
    ASSERT_TRUE(SSLoadFromSharedBuffer(ss, bytes, L"rich"));
    SSSetData(other, 1, 1, L"mine");
    EXPECT_EQ(Val(1, 1), L"Input");
}

TEST_F(ReuseTest, SettingsAFileDoesNotNameComeFromTheControlAtEachLoad) {
    const auto grid = std::make_shared<std::string>("a\tb\n1\t2\n");
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    ASSERT_TRUE(SSLoadFromSharedBuffer(ss, grid, L"grid"));
    EXPECT_FALSE(SSGetBool(ss, SSB_AUTOCALC));
    HWND other = MakeSheet(parent, 203);
    SSSetBool(other, SSB_AUTOCALC, TRUE);
    ASSERT_TRUE(SSLoadFromSharedBuffer(other, grid, L"grid"));
    EXPECT_TRUE(SSGetBool(other, SSB_AUTOCALC));
    EXPECT_EQ(Val(2, 2, other), L"2");
}

TEST_F(ReuseTest, SheetsWithFormulasAndBadBuffersLoadAsParsed) {
    // Formulas are calculated at each load.
    const auto withFormula = std::make_shared<std::string>("KMSHEET\t1\nsize\t3\t3\ngrid\n2\nend\nformula\t2\t1\tA1*3\n");
    ASSERT_TRUE(SSLoadFromSharedBuffer(ss, withFormula, L"f"));
    EXPECT_EQ(Val(2, 1), L"6");
    SSSetFloat(ss, 1, 1, 5);
    ASSERT_TRUE(SSLoadFromSharedBuffer(ss, withFormula, L"f"));
    EXPECT_EQ(Val(1, 1), L"2");
    EXPECT_EQ(Val(2, 1), L"6");
    // A buffer that does not load leaves the sheet and says why, every time.
    const auto bad = std::make_shared<std::string>("KMSHEET\t1\nsize\tx\t3\n");
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(SSLoadFromSharedBuffer(ss, bad, L"bad"));
        EXPECT_FALSE(SSGetLastErrorText(ss).empty());
        EXPECT_EQ(Val(2, 1), L"6");
    }
    EXPECT_FALSE(SSLoadFromSharedBuffer(ss, nullptr, L"none"));
}

TEST_F(ReuseTest, AFormulaTypedAgainSharesItsTreeButNotItsChanges) {
    HWND other = MakeSheet(parent, 204);
    for (HWND h : {ss, other}) {
        SSSetFloat(h, 1, 1, 4);
        SSSetFloat(h, 1, 2, 10);
        ASSERT_TRUE(SSSetFormula(h, 2, 2, L"A1*2+SUM(A1:A2)"));
    }
    EXPECT_EQ(Val(2, 2), L"22");
    EXPECT_EQ(Val(2, 2, other), L"22");
    // Moving one sheet's cells rewrites its references only.
    ASSERT_TRUE(SSInsRows(ss, 1, 1));
    std::wstring moved, kept;
    SSGetFormula(ss, 2, 3, moved);
    SSGetFormula(other, 2, 2, kept);
    EXPECT_EQ(moved, L"A2*2+SUM(A2:A3)");
    EXPECT_EQ(kept, L"A1*2+SUM(A1:A2)");
    // The same text in another cell is its own formula (relative references).
    ASSERT_TRUE(SSSetFormula(other, 3, 2, L"A1*2+SUM(A1:A2)"));
    EXPECT_EQ(Val(3, 2, other), L"22");
    // Typed again after the change, in the original cell of the moved sheet.
    ASSERT_TRUE(SSSetFormula(ss, 2, 2, L"A1*2+SUM(A1:A2)"));
    SSGetFormula(ss, 2, 2, kept);
    EXPECT_EQ(kept, L"A1*2+SUM(A1:A2)");
    // A text that does not parse fails every time and keeps the cell.
    for (int round = 0; round < 2; ++round) EXPECT_FALSE(SSSetFormula(other, 2, 2, L"A1*+"));
    EXPECT_EQ(Val(2, 2, other), L"22");
}

// Numbers are shown as "%.15g" writes them (with a capital E).
TEST_F(ReuseTest, NumbersShowAsFifteenSignificantDigits) {
    const double values[] = {1,        -1,        0.1,     1.0 / 3,  2.5,       -1234.5678, 1e15,   1e16,  123456789012345.6,
                             1e-5,     1.5e-300,  1e300,   -2e-7,    0.000123, 99999.99999, 7e22, 5e-324, 1.7976931348623157e308,
                             0.30000000000000004, 12.5, 400, 1e21};
    std::vector<double> all(std::begin(values), std::end(values));
    // Fractions of few and of many digits, tiny and huge ones, as calculations give them.
    std::uint64_t seed = 99;
    auto next = [&seed] { seed = seed * 6364136223846793005ull + 1442695040888963407ull; return seed >> 11; };
    for (int i = 0; i < 3000; ++i) {
        const double unit = static_cast<double>(next()) / 9007199254740992.0;   // [0, 1)
        const int scale = static_cast<int>(next() % 40) - 20;
        all.push_back((next() % 2 ? -1 : 1) * unit * std::pow(10.0, scale));
        all.push_back(std::round(unit * 100000) / std::pow(10.0, static_cast<int>(next() % 8)));
        all.push_back(static_cast<double>(next() % 1000) * 0.5 + 0.25);
    }
    for (double v : all) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", v);
        std::wstring want;
        for (const char* p = buf; *p; ++p) want += static_cast<wchar_t>(*p == 'e' ? 'E' : *p);
        SSSetFloat(ss, 1, 1, v);
        EXPECT_EQ(Val(1, 1), want) << buf;
    }
}

}  // namespace
}  // namespace spread_test
