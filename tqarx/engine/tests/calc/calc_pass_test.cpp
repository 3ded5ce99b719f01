// The calculation pass on real sheets: declarations, equations, general variables,
// messages and product functions as a standards file uses them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc_sheet_harness.h"
#include "calc_test_support.h"
#include "engine/km_calc_tq.h"
#include "engine/var_address_table.h"
#include "engine/step_timers.h"
#include "host/settings.h"
#include "win/msgbox.h"

namespace {

class CalcPass : public ::testing::Test {
protected:
    void SetUp() override {
        win::ClearMessageBoxLog();
        gSettings.current.standardsDiagnostics = true;
    }
    // Evaluates a sheet of the library in value mode with the given cells.
    bool evaluate(const std::string& file, std::vector<KmVarCell> cells, KmDlgStandardsData& data) {
        data = KmDlgStandardsData();
        data.evalMode = KmDlgStandardsData::kValueMode;
        data.tqFileName = lib.winPath("Connection Standards/" + file);
        for (const KmVarCell& c : cells) data.varCells.append(c);
        return valueModeEvaluator(data);
    }
    std::vector<std::wstring> boxTexts() const { return messageBoxTexts(); }

    TempLibrary lib;
    ScopedTestEvaluator evaluator;
};

TEST(WholeWords, VariablesReplacedOnlyAsWholeWordsInListOrder) {
    Zk_String e(L"Width2*Width+my_Width-Width_1+(Width)");
    EXPECT_EQ(replaceWholeWords(e, Zk_String(L"Width"), Zk_String(L"B3")), 2);
    EXPECT_EQ(replaceWholeWords(e, Zk_String(L"Width2"), Zk_String(L"B4")), 1);
    EXPECT_EQ(e, Zk_String(L"B4*B3+my_Width-Width_1+(B3)"));
    // Replacement continues after the inserted text: no endless growth.
    Zk_String self(L"a+a");
    EXPECT_EQ(replaceWholeWords(self, Zk_String(L"a"), Zk_String(L"a+a")), 2);
    EXPECT_EQ(self, Zk_String(L"a+a+a+a"));
    // Literal texts keep their words.
    Zk_String lit(L"GETCELL(\"Width.txt\", Width) & \"say \"\"Width\"\"\" & Width");
    EXPECT_EQ(replaceWholeWords(lit, Zk_String(L"Width"), Zk_String(L"C1")), 2);
    EXPECT_EQ(lit, Zk_String(L"GETCELL(\"Width.txt\", C1) & \"say \"\"Width\"\"\" & C1"));
    Zk_String limited(L"x x x");
    EXPECT_EQ(replaceWholeWords(limited, Zk_String(L"x"), Zk_String(L"1"), 2), 2);
    EXPECT_EQ(limited, Zk_String(L"1 1 x"));
}

TEST(WholeWords, VariableTableSubstitutesInOnePass) {
    VarAddressTable table;
    table.add(Zk_String(L"Width"), Zk_String(L"B3"));
    table.add(Zk_String(L"Width2"), Zk_String(L"B4"));
    table.add(Zk_String(L"Width"), Zk_String(L"B9"));  // a second declaration: the first wins
    // A variable named like a cell: the address put in for Width is not replaced again.
    table.add(Zk_String(L"B3"), Zk_String(L"B5"));
    Zk_String e(L"Width2*Width+my_Width-Width_1+(Width)&\"Width\"\"Width\"&B3");
    table.substitute(e);
    EXPECT_EQ(e, Zk_String(L"B4*B3+my_Width-Width_1+(B3)&\"Width\"\"Width\"&B5"));
    Zk_String none(L"1e5 + \"B3\"");
    table.substitute(none);
    EXPECT_EQ(none, Zk_String(L"1e5 + \"B3\""));

    // A name with other characters than word characters is replaced name by name.
    VarAddressTable odd;
    odd.add(Zk_String(L"Plate.Width"), Zk_String(L"C2"));
    odd.add(Zk_String(L"Gap"), Zk_String(L"C3"));
    Zk_String f(L"Plate.Width+Gap");
    odd.substitute(f);
    EXPECT_EQ(f, Zk_String(L"C2+C3"));
}

TEST(WholeWords, GeneralVariableValuesQuotedUnlessNumbers) {
    EXPECT_EQ(genVarFormulaText(Zk_String(L"12.5")), Zk_String(L"12.5"));
    EXPECT_EQ(genVarFormulaText(Zk_String(L"HEA200")), Zk_String(L"\"HEA200\""));
    EXPECT_EQ(genVarFormulaText(Zk_String(L"say \"hi\"")), Zk_String(L"\"say \"\"hi\"\"\""));
    EXPECT_EQ(genVarFormulaText(Zk_String()), Zk_String(L"\"\""));
}

TEST_F(CalcPass, EquationsUseDeclarationAddressesAndSeeEarlierResults) {
    lib.write("Connection Standards/area.kms",
              standardSheet({"Double Width", "Double Width2"}, {"Double Area", "Double Twice"}, {"Double my_Width"},
                            {"my_Width = 100", "Area = Width2*Width", "Twice = Area*2+my_Width"}));
    KmDlgStandardsData data;
    ASSERT_TRUE(evaluate("area.kms",
                         {valueCell("Width", KmCellType::Input, "10", KmValueType::Double),
                          valueCell("Width2", KmCellType::Input, "3", KmValueType::Double),
                          valueCell("Area", KmCellType::Output, "0", KmValueType::Double),
                          valueCell("Twice", KmCellType::Output, "0", KmValueType::Double)},
                         data));
    ASSERT_EQ(data.varCells.length(), 4);
    EXPECT_EQ(data.varCells[2].value, Zk_String(L"30"));
    EXPECT_EQ(data.varCells[3].value, Zk_String(L"160"));
    EXPECT_EQ(data.varCells[0].value, Zk_String(L"10"));  // inputs unchanged
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(CalcPass, LabelWithoutEqualsIsReportedAndThePassGoesOn) {
    lib.write("Connection Standards/label.kms",
              standardSheet({"Double In"}, {"Double Out"}, {}, {"Results below", "Out = In*2\tNope = 1"}));
    KmDlgStandardsData data;
    ASSERT_TRUE(evaluate("label.kms",
                         {valueCell("In", KmCellType::Input, "4", KmValueType::Double),
                          valueCell("Out", KmCellType::Output, "", KmValueType::Double)},
                         data));
    EXPECT_EQ(data.varCells[1].value, Zk_String(L"8"));
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 2u);
    const std::wstring file = lib.winPath("Connection Standards/label.kms").wstr();
    EXPECT_EQ(texts[0], L"The following equation failed:\nResults below\nSpreadsheet : " + file +
                            L" (line: 10)\nHere's a tip for finding the cause :\nIf this equation contains variable "
                            L"names, then the translator does not know the value of the variable. Make sure the "
                            L"variable exists either in input, output, local declarations or among the gen_ "
                            L"variables.");
    // An undeclared target is no target.
    EXPECT_EQ(texts[1].rfind(L"The following equation failed:\nNope = 1\n", 0), 0u);

    // Without diagnostics nothing is shown.
    win::ClearMessageBoxLog();
    gSettings.current.standardsDiagnostics = false;
    ASSERT_TRUE(evaluate("label.kms",
                         {valueCell("In", KmCellType::Input, "4", KmValueType::Double),
                          valueCell("Out", KmCellType::Output, "", KmValueType::Double)},
                         data));
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(CalcPass, StringTargetsAndProductFunctionsInEquations) {
    lib.write("Connection Standards/Data/plates.txt", "100\n120\n140\n");
    lib.write("Connection Standards/Data/bolts.txt", "M16;10.000000\t18\n");
    lib.write("Connection Standards/fns.kms",
              standardSheet({"Double Value", "String List"}, {"Double Std", "Double Kept", "String Item", "String Hole"},
                            {"Double T"},
                            {"T = 10", "Std = STDSIZEWITHTOLERANCE(\"plates.txt\", 5, Value, 0, 5)",
                             "Kept = STDSIZEWITHTOLERANCE(\"plates.txt\", 5, 123, 0, 1)",
                             "Item = GETARRAYITEM(List, 2)", "Hole = GETCELL(\"bolts.txt\", \"M16\", T)"}));
    KmDlgStandardsData data;
    ASSERT_TRUE(evaluate("fns.kms",
                         {valueCell("Value", KmCellType::Input, "118", KmValueType::Double),
                          valueCell("List", KmCellType::Input, "a;b;c"),
                          valueCell("Std", KmCellType::Output, ""), valueCell("Kept", KmCellType::Output, ""),
                          valueCell("Item", KmCellType::Output, ""), valueCell("Hole", KmCellType::Output, "")},
                         data));
    EXPECT_EQ(data.varCells[2].value, Zk_String(L"120"));
    EXPECT_EQ(data.varCells[3].value, Zk_String(L"123"));
    EXPECT_EQ(data.varCells[4].value, Zk_String(L"b"));
    EXPECT_EQ(data.varCells[5].value, Zk_String(L"18"));
}

TEST_F(CalcPass, GeneralVariablesAreSubstitutedEverywhere) {
    lib.write("Connection Standards/gen.kms",
              standardSheet({"Double In"}, {"String Label", "Double Sum"}, {},
                            {"Label = gen_Name & \"/\" & gen_Grade", "Sum = In + gen_Extra"}));
    KmDlgStandardsData data = KmDlgStandardsData();
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = lib.winPath("Connection Standards/gen.kms");
    data.varCells.append(valueCell("In", KmCellType::Input, "1", KmValueType::Double));
    data.varCells.append(valueCell("Label", KmCellType::Output, ""));
    data.varCells.append(valueCell("Sum", KmCellType::Output, "", KmValueType::Double));
    data.genVarNames = {Zk_String(L"gen_Name"), Zk_String(L"gen_Grade"), Zk_String(L"gen_Extra")};
    data.genVarValues = {Zk_String(L"plate \"P1\""), Zk_String(L"S355"), Zk_String(L"2.5")};
    ASSERT_TRUE(valueModeEvaluator(data));
    EXPECT_EQ(data.varCells[1].value, Zk_String(L"plate \"P1\"/S355"));
    EXPECT_EQ(data.varCells[2].value, Zk_String(L"3.5"));
}

TEST_F(CalcPass, DuplicateNamesAreAlwaysReportedAndTheFirstKept) {
    gSettings.current.standardsDiagnostics = false;
    CalcSheet sheet;
    const Zk_String file = lib.write("Connection Standards/dup.kms",
                                     standardSheet({"Double A", "Double B", "Double A"}, {"Double B", "Double C"}, {},
                                                   {"C = A + B"}));
    ASSERT_EQ(sheet.calc().loadFile(file), Acad::eOk);
    ASSERT_EQ(sheet.calc().findVarCells(), Acad::eOk);
    ASSERT_EQ(sheet.calc().varCells.length(), 5);
    ASSERT_EQ(sheet.calc().calcAll(), Acad::eOk);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    const auto& box = win::MessageBoxLog()[0];
    EXPECT_EQ(box.caption, L"Variable names must be unique");
    EXPECT_EQ(box.flags & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(box.owner, sheet.calc().GetSafeHwnd());
    EXPECT_EQ(box.text, L"There were duplicate variable names found in the standards file " + file.wstr() +
                            L".\nThe duplicates will be ignored. Please correct this file.\nDuplicate variable "
                            L"names:\n\nA\nB");
    ASSERT_EQ(sheet.calc().varCells.length(), 3);
    EXPECT_EQ(sheet.calc().varCells[0].varName, Zk_String(L"A"));
    EXPECT_EQ(sheet.calc().varCells[1].varName, Zk_String(L"B"));
    EXPECT_TRUE(sheet.calc().varCells[1].isInput());
    EXPECT_EQ(sheet.calc().varCells[2].varName, Zk_String(L"C"));
}

TEST_F(CalcPass, MissingCalcKeywordOrFileFails) {
    CalcSheet sheet;
    const Zk_String file = lib.write("Connection Standards/nocalc.kms",
                                     sheetFileFromGrid("Input\n\nDouble A\nOutput\n\nDouble B\n"));
    ASSERT_EQ(sheet.calc().loadFile(file), Acad::eOk);
    ASSERT_EQ(sheet.calc().findVarCells(), Acad::eOk);
    EXPECT_EQ(sheet.calc().calcAll(), Acad::eInvalidInput);

    // A name is looked for in the standards folder with ".kms" added.
    EXPECT_EQ(sheet.calc().loadFile(Zk_String(L"nocalc")), Acad::eOk);
    EXPECT_EQ(sheet.calc().tqFile, lib.winPath("Connection Standards/nocalc.kms"));
    resetStepTimers();
    EXPECT_EQ(sheet.calc().loadFile(Zk_String(L"absent")), Acad::eInvalidInput);
    EXPECT_TRUE(gLoadFile.isRunning());  // the failing step's timer is left running
    resetStepTimers();
}

TEST_F(CalcPass, MacroEvaluationNeedsMacroAndTransaction) {
    CalcSheet sheet;
    KmDlgStandardsData data;
    EXPECT_EQ(sheet.calc().initForMacro(data), Acad::eInvalidInput);
    EXPECT_EQ(sheet.calc().varCells.length(), 0);
}

TEST_F(CalcPass, ValueModeRejectsValuesTheDeclarationsCannotHold) {
    lib.write("Connection Standards/typed.kms", standardSheet({"Int N"}, {"Int M"}, {}, {"M = N + 1"}));
    KmDlgStandardsData data;
    EXPECT_FALSE(evaluate("typed.kms",
                          {valueCell("N", KmCellType::Input, "abc", KmValueType::Int),
                           valueCell("M", KmCellType::Output, "0", KmValueType::Int)},
                          data));
    ASSERT_TRUE(evaluate("typed.kms",
                         {valueCell("N", KmCellType::Input, "41", KmValueType::Int),
                          valueCell("M", KmCellType::Output, "0", KmValueType::Int)},
                         data));
    EXPECT_EQ(data.varCells[1].value, Zk_String(L"42"));
}

TEST_F(CalcPass, ErrorResultsAreReportedWithDiagnostics) {
    lib.write("Connection Standards/err.kms",
              standardSheet({"Double A"}, {"String S", "Double D"}, {},
                            {"S = GETCELL(\"missing.txt\", A)", "D = A / 0"}));
    KmDlgStandardsData data;
    ASSERT_TRUE(evaluate("err.kms",
                         {valueCell("A", KmCellType::Input, "1", KmValueType::Double),
                          valueCell("S", KmCellType::Output, "old"),
                          valueCell("D", KmCellType::Output, "5", KmValueType::Double)},
                         data));
    EXPECT_EQ(data.varCells[1].value, Zk_String(L"#VALUE!"));
    EXPECT_EQ(data.varCells[2].value, Zk_String(L"#DIV/0!"));
    EXPECT_EQ(boxTexts().size(), 2u);
}

// The step timers as the host reads them after an evaluation: each phase that ran has
// counted its intervals, per equation where the step is per cell, and a reset clears all.
TEST_F(CalcPass, StepTimersCountThePhasesOfAnEvaluation) {
    lib.write("Connection Standards/timed.kms",
              standardSheet({"Double A"}, {"Double B", "Double C"}, {}, {"B = A+1", "C = B*2", "A heading"}));
    resetStepTimers();
    for (const KmStepTimer& t : allStepTimers()) EXPECT_EQ(t.timer->count(), 0) << t.name;
    KmDlgStandardsData data;
    ASSERT_TRUE(evaluate("timed.kms",
                         {valueCell("A", KmCellType::Input, "1", KmValueType::Double),
                          valueCell("B", KmCellType::Output, "", KmValueType::Double),
                          valueCell("C", KmCellType::Output, "", KmValueType::Double)},
                         data));
    EXPECT_EQ(data.varCells[2].value, Zk_String(L"4"));
    EXPECT_EQ(gLoadFile.count(), 1);
    EXPECT_EQ(gGetFromVars.count(), 1);
    EXPECT_EQ(gCalcChild.count(), 1);
    EXPECT_EQ(gSetToVars.count(), 1);
    EXPECT_EQ(gRegisterFuntions.count(), 1);
    EXPECT_EQ(gFindDuplicates.count(), 1);
    EXPECT_EQ(gCalcCells.count(), 1);
    // Three cells split; two are equations that are prepared, calculated and substituted.
    EXPECT_EQ(gCalcCellSplitSymbol.count(), 3);
    EXPECT_EQ(gCalcCellCalcFunctions.count(), 2);
    EXPECT_EQ(gCalcCellReplaceVariables.count(), 2);
    EXPECT_FALSE(gCalcMain.isRunning());  // every step that succeeded was ended
    // Macro-mode steps did not run in value mode.
    EXPECT_EQ(gInitTqForInput.count(), 0);
    EXPECT_EQ(gSetToMacro.count(), 0);
    // The names are the host's, each once.
    std::set<std::string> names;
    for (const KmStepTimer& t : allStepTimers()) EXPECT_TRUE(names.insert(t.name).second) << t.name;
    EXPECT_TRUE(names.count("gCalcCellGetVarCoordName"));
    resetStepTimers();
    for (const KmStepTimer& t : allStepTimers()) EXPECT_EQ(t.timer->count(), 0) << t.name;
}

}  // namespace
