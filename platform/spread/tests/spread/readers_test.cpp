// Which formulas follow a change of a cell: after a load as after building the same sheet
// cell by cell, and while formulas reading the same cells come and go.
#include <string>
#include <vector>

#include "spread_fixture.h"

namespace spread_test {
namespace {

constexpr int kRows = 60;

// Columns B.. of one row; %R% is the row, %N% the row below.
const std::vector<std::wstring> kReaders = {
    L"=A%R%",                  // one cell, and the first reader of it
    L"=A%R%+A%R%",             // the same cell twice
    L"=A%R%*B%R%+A%N%",        // several cells, one of them a formula
    L"=$A$1+A%R%",             // A1 is read by every row
    L"=PI()",                  // no cell
    L"=SUM(A%R%:B%R%)+C%R%",   // a range and a cell
};

std::wstring Expand(std::wstring text, int row) {
    auto put = [&](const std::wstring& key, int value) {
        for (std::size_t at; (at = text.find(key)) != std::wstring::npos;) text.replace(at, key.size(), std::to_wstring(value));
    };
    put(L"%R%", row);
    put(L"%N%", row + 1);
    return text;
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

class ReadersTest : public SpreadTest {
protected:
    void BuildByHand(HWND h) {
        SSSetMaxCols(h, 1 + static_cast<int>(kReaders.size()));
        SSSetMaxRows(h, kRows + 10);
        for (int r = 1; r <= kRows; ++r) {
            SSSetFloat(h, 1, r, r % 9 + 1);
            for (std::size_t k = 0; k < kReaders.size(); ++k)
                ASSERT_TRUE(SSSetFormula(h, 2 + static_cast<int>(k), r, Expand(kReaders[k], r).substr(1).c_str()));
        }
    }
    std::string FileText() {
        std::string f = "KMSHEET\t1\nsize\t" + std::to_string(1 + kReaders.size()) + "\t" + std::to_string(kRows + 10) + "\ngrid\n";
        for (int r = 1; r <= kRows; ++r) {
            f += std::to_string(r % 9 + 1);
            for (const std::wstring& p : kReaders) f += "\t" + Narrow(Expand(p, r));
            f += "\n";
        }
        return f + "end\n";
    }
    void ExpectSame(HWND a, HWND b, const char* after) {
        for (int r = 1; r <= kRows + 2; ++r)
            for (int c = 1; c <= 1 + static_cast<int>(kReaders.size()); ++c)
                ASSERT_EQ(Val(c, r, a), Val(c, r, b)) << after << ": column " << c << " row " << r;
        std::string sa, sb;
        SSSaveToBuffer(a, sa, FALSE);
        SSSaveToBuffer(b, sb, FALSE);
        EXPECT_EQ(sa, sb) << after;
    }
};

TEST_F(ReadersTest, LoadedSheetFollowsChangesAsOneBuiltCellByCell) {
    HWND byHand = MakeSheet(parent, 101);
    BuildByHand(byHand);
    ASSERT_TRUE(SSLoadFromBuffer(ss, FileText(), L"readers.kms")) << Narrow(SSGetLastErrorText(ss));
    ExpectSame(ss, byHand, "load");
    for (HWND h : {ss, byHand}) {
        SSSetFloat(h, 1, 1, 100);   // read by every row
        SSSetFloat(h, 1, 7, -3);
        SSSetFloat(h, 1, 6, 2);
    }
    ExpectSame(ss, byHand, "new values");
    EXPECT_EQ(Val(3, 6), L"4");     // A6+A6
    EXPECT_EQ(Val(4, 6), L"1");     // A6*B6+A7
    EXPECT_EQ(Val(5, 6), L"102");   // $A$1+A6
    EXPECT_EQ(Val(7, 6), L"8");     // SUM(A6:B6)+C6
    // The first reader of A1 and A7 goes: the formulas reading them after it still follow.
    for (HWND h : {ss, byHand}) {
        SSSetFloat(h, 2, 1, 5);
        SSSetFloat(h, 2, 7, 5);
        SSSetFloat(h, 1, 1, 200);
        SSSetFloat(h, 1, 7, 4);
    }
    ExpectSame(ss, byHand, "first readers replaced");
    EXPECT_EQ(Val(5, 7), L"204");   // $A$1+A7
    EXPECT_EQ(Val(5, 6), L"202");   // $A$1+A6, A1 changed last
    // A later reader goes, and the first stays.
    for (HWND h : {ss, byHand}) {
        SSClearData(h, 3, 8, 3, 8);
        SSSetFloat(h, 1, 8, 50);
    }
    ExpectSame(ss, byHand, "later reader cleared");
    EXPECT_EQ(Val(2, 8), L"50");
    // Rows inserted and deleted move every reference and reader.
    for (HWND h : {ss, byHand}) {
        ASSERT_TRUE(SSInsRows(h, 3, 2));
        ASSERT_TRUE(SSDelRows(h, 10, 3));
        SSSetFloat(h, 1, 1, 7);
        SSSetFloat(h, 1, 12, 8);
        SSSetFloat(h, 1, 5, 9);
    }
    ExpectSame(ss, byHand, "rows inserted and deleted");
}

// Enough formulas, added and removed in a scattered order, that the index of the cells
// read grows many times and removals shift entries that collided.
TEST_F(ReadersTest, ManyReadersComeAndGo) {
    constexpr int kCells = 1500;
    SSSetMaxCols(ss, 30);
    SSSetMaxRows(ss, kCells);
    auto cellRead = [](int r) { return (r * 37) % kCells + 1; };
    auto colRead = [](int r) { return 4 + r % 20; };
    auto name = [&](int r) { return L"=" + std::wstring(1, static_cast<wchar_t>(L'A' + colRead(r) - 1)) + std::to_wstring(cellRead(r)); };
    for (int r = 1; r <= kCells; ++r) {
        ASSERT_TRUE(SSSetFormula(ss, 1, r, name(r).substr(1).c_str()));   // first reader
        ASSERT_TRUE(SSSetFormula(ss, 2, r, name(r).substr(1).c_str()));   // second reader
    }
    // Every third row loses its first reader, every fifth its second.
    for (int r = 1; r <= kCells; ++r) {
        if (r % 3 == 0) SSClearData(ss, 1, r, 1, r);
        if (r % 5 == 0) SSClearData(ss, 2, r, 2, r);
    }
    for (int r = 1; r <= kCells; ++r) SSSetFloat(ss, colRead(r), cellRead(r), r);
    for (int r = 1; r <= kCells; ++r) {
        const std::wstring want = std::to_wstring(r);
        ASSERT_EQ(Val(1, r), r % 3 == 0 ? L"" : want) << "row " << r;
        ASSERT_EQ(Val(2, r), r % 5 == 0 ? L"" : want) << "row " << r;
    }
    // Readers added again after the removals follow too.
    for (int r = 3; r <= kCells; r += 3) ASSERT_TRUE(SSSetFormula(ss, 1, r, name(r).substr(1).c_str()));
    for (int r = 1; r <= kCells; ++r) SSSetFloat(ss, colRead(r), cellRead(r), -r);
    for (int r = 1; r <= kCells; ++r) {
        ASSERT_EQ(Val(1, r), std::to_wstring(-r)) << "row " << r;
        ASSERT_EQ(Val(2, r), r % 5 == 0 ? L"" : std::to_wstring(-r)) << "row " << r;
    }
}

}  // namespace
}  // namespace spread_test
