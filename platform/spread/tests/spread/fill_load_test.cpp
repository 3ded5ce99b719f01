// Loading formulas filled down a column: each one must read exactly as if it had been
// parsed on its own, however like the formula above it is.
#include <string>
#include <vector>

#include "spread_fixture.h"

namespace spread_test {
namespace {

constexpr int kRows = 120;   // row numbers of one, two and three digits

// The formulas of one row; %R% is the row, %P% the row above, %N% the row below.
const std::vector<std::wstring> kPatterns = {
    L"=A%R%+B%R%*2",                    // plain relative references
    L"=$A$1+A%R%",                      // absolute and relative
    L"=A$1*B%R%-$B%R%",                 // mixed anchoring
    L"=SUM($A$1:A%R%)",                 // a range growing with the row
    L"=SUM(A%R%:A1)",                   // corners written in reverse
    L"=IF(A%R%>50,\"A1\",C%R%)",        // a reference-like text inside a string stays
    L"=A%N%-A%P%",                      // the rows around it
    L"=A1",                             // the same text in every row: no reference moves
    L"=$A$1",                           // the same text, absolute
    L"=SUM(A:A)-A%R%",                  // a whole column
    L"=A%R%+TRUE+B%R% %",               // names, blanks and a postfix operator
    L"=A%R%+A%M%",                      // one reference moves, the other does not
    L"=A%R%*%R%+B%R%",                  // a number changing with the row
    L"=C%R%&\"x\"&A%R%",               // texts and references joined
};

std::wstring Expand(std::wstring text, int row) {
    auto put = [&](const std::wstring& key, int value) {
        for (std::size_t at; (at = text.find(key)) != std::wstring::npos;) text.replace(at, key.size(), std::to_wstring(value));
    };
    put(L"%R%", row);
    put(L"%P%", row > 1 ? row - 1 : 1);
    put(L"%N%", row + 1);
    put(L"%M%", row % 7 + 1);
    return text;
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

class FillLoadTest : public SpreadTest {
protected:
    // The same sheet built cell by cell: every formula parsed on its own.
    void BuildByHand(HWND h) {
        SSSetMaxCols(h, 3 + static_cast<int>(kPatterns.size()));
        SSSetMaxRows(h, kRows + 1);
        for (int r = 1; r <= kRows; ++r) {
            SSSetFloat(h, 1, r, r * 7 % 101);
            SSSetFloat(h, 2, r, r * 13 % 97 + 0.5);
            SSSetData(h, 3, r, (L"t" + std::to_wstring(r)).c_str());
            for (std::size_t k = 0; k < kPatterns.size(); ++k)
                ASSERT_TRUE(SSSetFormula(h, 4 + static_cast<int>(k), r, Expand(kPatterns[k], r).substr(1).c_str()));
        }
    }
    std::string FileText() {
        std::string f = "KMSHEET\t1\nsize\t" + std::to_string(3 + kPatterns.size()) + "\t" + std::to_string(kRows + 1) + "\ngrid\n";
        for (int r = 1; r <= kRows; ++r) {
            f += std::to_string(r * 7 % 101) + "\t" + std::to_string(r * 13 % 97) + ".5\tt" + std::to_string(r);
            for (const std::wstring& p : kPatterns) f += "\t" + Narrow(Expand(p, r));
            f += "\n";
        }
        return f + "end\n";
    }
    std::string Saved(HWND h) {
        std::string s;
        SSSaveToBuffer(h, s, FALSE);
        return s;
    }
};

TEST_F(FillLoadTest, FilledFormulasReadAsEachParsedOnItsOwn) {
    HWND byHand = MakeSheet(parent, 101);
    BuildByHand(byHand);
    ASSERT_TRUE(SSLoadFromBuffer(ss, FileText(), L"filled.kms")) << Narrow(SSGetLastErrorText(ss));
    for (int r = 1; r <= kRows; ++r)
        for (int c = 4; c < 4 + static_cast<int>(kPatterns.size()); ++c)
            ASSERT_EQ(Val(c, r), Val(c, r, byHand)) << "column " << c << " row " << r;
    // Inserting rows writes every formula anew from its tree.
    ASSERT_TRUE(SSInsRows(ss, 1, 2));
    ASSERT_TRUE(SSInsRows(byHand, 1, 2));
    EXPECT_EQ(Saved(ss), Saved(byHand));
    std::wstring moved;
    ASSERT_TRUE(SSGetFormula(ss, 4 + 3, 12, moved));
    EXPECT_EQ(moved, L"SUM($A$3:A12)");
    SSSetFloat(ss, 1, 3, 1000);   // the old A1
    SSSetFloat(byHand, 1, 3, 1000);
    for (int r = 3; r <= kRows + 2; ++r)
        for (int c = 4; c < 4 + static_cast<int>(kPatterns.size()); ++c)
            ASSERT_EQ(Val(c, r), Val(c, r, byHand)) << "column " << c << " row " << r;
}

TEST_F(FillLoadTest, AFilledLineThatDoesNotParseIsStillRefused) {
    std::string f = "KMSHEET\t1\nsize\t2\t4\ngrid\n1\t=A1+1\n2\t=A2+1\n3\t=A3+\nend\n";
    EXPECT_FALSE(SSLoadFromBuffer(ss, f, L"broken.kms"));
    EXPECT_NE(SSGetLastErrorText(ss).find(L"line 6: bad formula \"A3+\""), std::wstring::npos) << Narrow(SSGetLastErrorText(ss));
}

}  // namespace
}  // namespace spread_test
