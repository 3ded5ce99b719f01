// The work one evaluation may do: the cells of the sheets it loads and calculates, child
// calls included, are bounded; past the bound the evaluation stops with one message.
#include <gtest/gtest.h>

#include "calc_sheet_harness.h"
#include "calc_test_support.h"
#include "host/settings.h"
#include "win/msgbox.h"

namespace {

// One column, 9 + equations rows (Input, "", X, Output, "", Y, Local, "", Calc, ...).
std::string sheetWith(const std::vector<std::string>& equations) {
    return standardSheet({"Double X"}, {"Double Y"}, {}, equations);
}
long long cellsOf(const std::vector<std::string>& equations) { return 9 + static_cast<long long>(equations.size()); }

class CalcSteps : public ::testing::Test {
protected:
    void SetUp() override {
        win::ClearMessageBoxLog();
        gSettings.current.standardsDiagnostics = true;
    }
    void TearDown() override { KmCalcTq::calcStepLimit = KmCalcTq::kMaxCalcSteps; }

    bool run(const std::string& file, std::wstring& y) { return evaluateXY(lib, file, "1", y, evaluations); }
    std::vector<std::wstring> boxTexts() const { return messageBoxTexts(); }

    TempLibrary lib;
    ScopedTestEvaluator evaluator;
    int evaluations = 0;
};

TEST_F(CalcSteps, ChildSheetsCountAgainstTheEvaluation) {
    const std::vector<std::string> parent{"CallChild(\"c.kms\", X, Y)"}, child{"Y = X + 100"};
    lib.write("Connection Standards/p.kms", sheetWith(parent));
    lib.write("Connection Standards/c.kms", sheetWith(child));
    const long long both = cellsOf(parent) + cellsOf(child);

    KmCalcTq::calcStepLimit = both;
    std::wstring y;
    ASSERT_TRUE(run("p.kms", y));
    EXPECT_EQ(y, L"101");
    EXPECT_TRUE(boxTexts().empty());

    // One cell less: the child's pass is not made and the whole evaluation fails, with
    // one message naming the sheet and the chain of calls.
    KmCalcTq::calcStepLimit = both - 1;
    EXPECT_FALSE(run("p.kms", y));
    EXPECT_EQ(y, L"-1");
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"may examine at most " + std::to_wstring(both - 1) + L" cells"), std::wstring::npos);
    EXPECT_NE(texts[0].find(L"would examine " + std::to_wstring(both)), std::wstring::npos);
    const std::wstring pPath = lib.winPath("Connection Standards/p.kms").wstr();
    const std::wstring cPath = lib.winPath("Connection Standards/c.kms").wstr();
    EXPECT_NE(texts[0].find(L"Calls: " + pPath + L" -> " + cPath), std::wstring::npos) << texts[0].size();

    // The next evaluation starts with the full limit again.
    KmCalcTq::calcStepLimit = both;
    ASSERT_TRUE(run("p.kms", y));
    EXPECT_EQ(y, L"101");
}

TEST_F(CalcSteps, FanOutOfChildCallsStopsEveryPass) {
    std::vector<std::string> parent(50, "CallChild(\"c.kms\", X, Y)");
    const std::vector<std::string> child{"Y = Y + 1"};
    lib.write("Connection Standards/p.kms", sheetWith(parent));
    lib.write("Connection Standards/c.kms", sheetWith(child));
    // Room for the parent and three children: the fourth child is refused, and no further
    // child is even loaded.
    KmCalcTq::calcStepLimit = cellsOf(parent) + 3 * cellsOf(child);
    std::wstring y;
    EXPECT_FALSE(run("p.kms", y));
    EXPECT_EQ(evaluations, 1 + 4);
    EXPECT_EQ(boxTexts().size(), 1u);
}

TEST_F(CalcSteps, SheetsWithMoreCellsThanTheLimitAreNotLoaded) {
    static_assert(KmCalcTq::kMaxCalcSteps == 10000000, "the sizes below are chosen for this limit");
    auto declaring = [](int cols, int rows) {
        return "KMSHEET\t1\nsize\t" + std::to_string(cols) + "\t" + std::to_string(rows) + "\ngrid\n'Input\nend\n";
    };
    const Zk_String atLimit = lib.write("Connection Standards/big.kms", declaring(1000, 10000));
    const Zk_String past = lib.write("Connection Standards/bigger.kms", declaring(1000, 10001));
    CalcSheet sheet;
    EXPECT_EQ(sheet.calc().loadFile(atLimit), Acad::eOk);
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_EQ(sheet.calc().loadFile(past), Acad::eInvalidInput);
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"more than 10000000 cells (1000 columns, 10001 rows)"), std::wstring::npos);
    EXPECT_NE(texts[0].find(past.wstr()), std::wstring::npos);
}

}  // namespace
