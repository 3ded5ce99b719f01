// Child sheets: CallChild argument rules, file resolution, outputs copied back, and
// chains of calls that would never end.
#include <gtest/gtest.h>

#include "calc_sheet_harness.h"
#include "calc_test_support.h"
#include "engine/call_child.h"
#include "engine/standards_evaluator.h"
#include "host/settings.h"
#include "win/msgbox.h"

namespace {

std::string childCaller(const std::string& call, const std::string& extra = "") {
    std::vector<std::string> eqs{call};
    if (!extra.empty()) eqs.push_back(extra);
    return standardSheet({"Double X"}, {"Double Y"}, {}, eqs);
}

class ChildCalls : public ::testing::Test {
protected:
    void SetUp() override {
        win::ClearMessageBoxLog();
        gSettings.current.standardsDiagnostics = true;
        takeDeepestEvaluation();
    }
    // Evaluates file with X and Y; y receives the output.
    bool run(const std::string& file, const char* x, std::wstring& y, const char* yStart = "-1") {
        return evaluateXY(lib, file, x, y, evaluations, yStart);
    }
    std::vector<std::wstring> boxTexts() const { return messageBoxTexts(); }

    TempLibrary lib;
    ScopedTestEvaluator evaluator;
    int evaluations = 0;
};

TEST(ChildCallText, ArgumentsAreParsedAndTrimmed) {
    KmChildCall call;
    ASSERT_TRUE(parseChildCall(Zk_String(L"CallChild(\"sub.kms\", A ,, B)"), call));
    EXPECT_EQ(call.file, Zk_String(L"sub.kms"));
    ASSERT_EQ(call.argNames.length(), 2);
    EXPECT_EQ(call.argNames[0], Zk_String(L"A"));
    EXPECT_EQ(call.argNames[1], Zk_String(L"B"));
    EXPECT_FALSE(parseChildCall(Zk_String(L"CallChild(\"sub.kms\")"), call));
    EXPECT_FALSE(parseChildCall(Zk_String(L"CallChild(\"sub.kms\", A"), call));
    EXPECT_FALSE(parseChildCall(Zk_String(L"CallChild"), call));
    EXPECT_TRUE(sameSheetPath(Zk_String(L"C:\\Lib\\A.kms"), Zk_String(L"c:/lib/a.KMS")));
    EXPECT_FALSE(sameSheetPath(Zk_String(L"C:\\Lib\\A.kms"), Zk_String(L"C:\\Lib\\A.kms2")));
}

TEST_F(ChildCalls, ChildFilesAreResolvedInOrder) {
    const Zk_String parent = lib.write("Connection Standards/Parents/p.kms", "x");
    Zk_String path;
    lib.write("Connection Standards/Parents/c.kms", "x");
    ASSERT_TRUE(resolveChildFile(Zk_String(L"\\c.kms"), parent, path));
    EXPECT_EQ(path, lib.winPath("Connection Standards/Parents/c.kms"));
    lib.write("Connection Standards/Data/d.kms", "x");
    ASSERT_TRUE(resolveChildFile(Zk_String(L"d.kms"), Zk_String(L"C:\\elsewhere\\p.kms"), path));
    EXPECT_EQ(path, lib.winPath("Connection Standards/Data/d.kms"));
    lib.write("Connection Standards/Childs/d.kms", "x");
    ASSERT_TRUE(resolveChildFile(Zk_String(L"d.kms"), Zk_String(L"C:\\elsewhere\\p.kms"), path));
    EXPECT_EQ(path, lib.winPath("Connection Standards/Childs/d.kms"));
    lib.write("Connection Standards/d.kms", "x");
    ASSERT_TRUE(resolveChildFile(Zk_String(L"d.kms"), Zk_String(L"C:\\elsewhere\\p.kms"), path));
    EXPECT_EQ(path, lib.winPath("Connection Standards/d.kms"));
    EXPECT_FALSE(resolveChildFile(Zk_String(L"none.kms"), parent, path));
}

TEST_F(ChildCalls, OutputsComeBackAndInputsOnlyPassValuesIn) {
    lib.write("Connection Standards/Childs/triple.kms",
              standardSheet({"Double A"}, {"Double B"}, {"Double T"}, {"T = A*3", "B = T", "A = 0"}));
    lib.write("Connection Standards/parent.kms",
              childCaller("CallChild(\"triple.kms\", X, Y)", "Y = Y + X"));
    std::wstring y;
    ASSERT_TRUE(run("parent.kms", "5", y));
    EXPECT_EQ(y, L"20");  // 15 from the child, then + 5: the child's A = 0 stayed in the child
    EXPECT_EQ(evaluations, 2);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(ChildCalls, FailingChildCallsLeaveTheOutputAndAreReported) {
    lib.write("Connection Standards/three.kms",
              standardSheet({"Double A", "Double B"}, {"Double C"}, {}, {"C = A + B"}));
    lib.write("Connection Standards/flip.kms", standardSheet({"Double A"}, {"Double B"}, {}, {"B = A"}));
    const struct {
        const char* call;
    } cases[] = {
        {"CallChild(\"three.kms\", X, Y)"},   // more non-local declarations than arguments
        {"CallChild(\"flip.kms\", Y, X)"},    // an Input given to the child's Output
        {"CallChild(\"flip.kms\", X, Nope)"}, // not a variable of this sheet
        {"CallChild(\"missing.kms\", X, Y)"},
        {"CallChild(\"flip.kms\")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        win::ClearMessageBoxLog();
        lib.write("Connection Standards/caller.kms", childCaller(c.call));
        std::wstring y;
        ASSERT_TRUE(run("caller.kms", "5", y, "7"));
        EXPECT_EQ(y, L"7");
        const auto texts = boxTexts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].rfind(L"The following equation failed:\n" + Zk_String(c.call).wstr(), 0), 0u);
    }
}

TEST_F(ChildCalls, WithoutAnEvaluatorTheCallFails) {
    lib.write("Connection Standards/flip.kms", standardSheet({"Double A"}, {"Double B"}, {}, {"B = A"}));
    lib.write("Connection Standards/caller.kms", childCaller("CallChild(\"flip.kms\", X, Y)"));
    KmDlgStandardsData data;
    setStandardsEvaluator(nullptr);
    EXPECT_FALSE(evaluateStandards(data));
    // The root runs directly; its child call finds no evaluator.
    std::wstring y;
    ASSERT_TRUE(run("caller.kms", "5", y, "7"));
    EXPECT_EQ(y, L"7");
    EXPECT_EQ(boxTexts().size(), 1u);
}

TEST_F(ChildCalls, SelfCallFailsWithoutEvaluatingAnything) {
    lib.write("Connection Standards/self.kms", childCaller("CallChild(\"self.kms\", X, Y)", "Y = X + 1"));
    std::wstring y;
    ASSERT_TRUE(run("self.kms", "5", y));
    EXPECT_EQ(y, L"6");
    EXPECT_EQ(evaluations, 1);
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    const std::wstring self = lib.winPath("Connection Standards/self.kms").wstr();
    EXPECT_NE(texts[0].find(L"already being calculated"), std::wstring::npos);
    EXPECT_NE(texts[0].find(L"Calls: " + self + L" -> " + self), std::wstring::npos);
}

TEST_F(ChildCalls, CyclesEndWithOneFailureNamingTheChain) {
    lib.write("Connection Standards/a.kms", childCaller("CallChild(\"b.kms\", X, Y)"));
    lib.write("Connection Standards/b.kms", childCaller("CallChild(\"a.kms\", X, Y)", "Y = X + 1"));
    lib.write("Connection Standards/c.kms", childCaller("CallChild(\"d.kms\", X, Y)"));
    lib.write("Connection Standards/d.kms", childCaller("CallChild(\"e.kms\", X, Y)"));
    lib.write("Connection Standards/e.kms", childCaller("CallChild(\"c.kms\", X, Y)", "Y = X + 2"));
    auto path = [&](const char* n) { return lib.winPath(std::string("Connection Standards/") + n).wstr(); };

    std::wstring y;
    ASSERT_TRUE(run("a.kms", "5", y));
    EXPECT_EQ(y, L"6");
    EXPECT_EQ(evaluations, 2);
    auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"Calls: " + path("a.kms") + L" -> " + path("b.kms") + L" -> " + path("a.kms")),
              std::wstring::npos);

    win::ClearMessageBoxLog();
    ASSERT_TRUE(run("c.kms", "5", y));
    EXPECT_EQ(y, L"7");
    texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(path("c.kms") + L" -> " + path("d.kms") + L" -> " + path("e.kms") + L" -> " +
                            path("c.kms")),
              std::wstring::npos);

    // Without diagnostics the cycle fails silently.
    win::ClearMessageBoxLog();
    gSettings.current.standardsDiagnostics = false;
    ASSERT_TRUE(run("a.kms", "5", y));
    EXPECT_EQ(y, L"6");
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_TRUE(activeSheetChain().empty());
}

TEST_F(ChildCalls, DiamondIsNoCycle) {
    lib.write("Connection Standards/top.kms",
              standardSheet({"Double X"}, {"Double Y"}, {"Double L", "Double R"},
                            {"CallChild(\"left.kms\", X, L)", "CallChild(\"right.kms\", X, R)", "Y = L + R"}));
    lib.write("Connection Standards/left.kms",
              standardSheet({"Double X"}, {"Double Y"}, {}, {"CallChild(\"base.kms\", X, Y)", "Y = Y + 1"}));
    lib.write("Connection Standards/right.kms",
              standardSheet({"Double X"}, {"Double Y"}, {}, {"CallChild(\"base.kms\", X, Y)", "Y = Y + 2"}));
    lib.write("Connection Standards/base.kms", childCaller("Y = X * 10"));
    std::wstring y;
    ASSERT_TRUE(run("top.kms", "1", y));
    // Locals pass values out of a child only when they are outputs of the caller:
    // L and R are locals of top, so they stay empty and Y = 0.
    EXPECT_EQ(y, L"0");
    EXPECT_EQ(evaluations, 5);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(ChildCalls, DiamondOutputsFlowThroughOutputs) {
    lib.write("Connection Standards/top.kms",
              standardSheet({"Double X"}, {"Double Y", "Double L", "Double R"}, {},
                            {"CallChild(\"left.kms\", X, L)", "CallChild(\"right.kms\", X, R)", "Y = L + R"}));
    lib.write("Connection Standards/left.kms",
              standardSheet({"Double X"}, {"Double Y"}, {}, {"CallChild(\"base.kms\", X, Y)", "Y = Y + 1"}));
    lib.write("Connection Standards/right.kms",
              standardSheet({"Double X"}, {"Double Y"}, {}, {"CallChild(\"base.kms\", X, Y)", "Y = Y + 2"}));
    lib.write("Connection Standards/base.kms", childCaller("Y = X * 10"));
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = lib.winPath("Connection Standards/top.kms");
    data.varCells.append(valueCell("X", KmCellType::Input, "1", KmValueType::Double));
    data.varCells.append(valueCell("Y", KmCellType::Output, "0", KmValueType::Double));
    data.varCells.append(valueCell("L", KmCellType::Output, "0", KmValueType::Double));
    data.varCells.append(valueCell("R", KmCellType::Output, "0", KmValueType::Double));
    ASSERT_TRUE(valueModeEvaluator(data));
    EXPECT_EQ(data.varCells[1].value, Zk_String(L"23"));
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(ChildCalls, ChainsDeeperThanTheLimitStop) {
    const int sheets = KmCalcTq::kMaxChildDepth + 4;
    for (int i = 0; i < sheets; ++i) {
        const std::string next = "s" + std::to_string(i + 1) + ".kms";
        lib.write("Connection Standards/s" + std::to_string(i) + ".kms",
                  i + 1 < sheets ? childCaller("CallChild(\"" + next + "\", X, Y)") : childCaller("Y = X + 100"));
    }
    std::wstring y;
    ASSERT_TRUE(run("s0.kms", "1", y, "-1"));
    EXPECT_EQ(y, L"-1");
    EXPECT_EQ(takeDeepestEvaluation(), KmCalcTq::kMaxChildDepth);
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"nest at most 16"), std::wstring::npos);

    // At the limit itself the chain completes.
    std::wstring y2;
    ASSERT_TRUE(run("s" + std::to_string(sheets - KmCalcTq::kMaxChildDepth) + ".kms", "1", y2));
    EXPECT_EQ(y2, L"101");
}

}  // namespace
