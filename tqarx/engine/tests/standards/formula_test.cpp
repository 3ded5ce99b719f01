// The formula window and FROMTABLE, driven as a user would: the window opens on a sheet
// whose cell (1, 1) calls FROMTABLE, the user looks and closes it.
#include <gtest/gtest.h>

#include <fstream>

#include "acad/command_line.h"
#include "engine/formula.h"
#include "host/dialog_support.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "sheet_files.h"
#include "standards_runs.h"
#include "win/module.h"

using stdtest::Grid;

namespace {

class FormulaTest : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        acad::ClearCommandLine();
        // A look-up table: titles in the header row.
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("bolts.kms"),
                                        {{L"Size", L"Diameter", L"Edge", L"Grade"},
                                         {L"M12", L"#int:12", L"#num:20.5", L"8.8"},
                                         {L"M16", L"#int:16", L"#num:25", L"8.8"},
                                         {L"M16", L"#int:99", L"#num:99", L"10.9"},
                                         {L"M20", L"#int:20", L"#num:30", L"10.9"}},
                                        true));
    }

    // Opens the window in mode 1 on a sheet whose cell (1, 1) holds formula; returns the
    // text the cell calculated to. check runs while the window is open.
    std::wstring evaluate(const std::wstring& formula,
                          std::function<void(CFormula&)> check = nullptr) {
        EXPECT_TRUE(stdtest::writeSheet(folder.hostFile("caller.kms"),
                                        {{formula, L"", L""}, {L"", L"", L""}}));
        return stdtest::evaluateFirstCell(folder.winPath("caller.kms"), check);
    }

    std::wstring table() const { return folder.winPath("bolts.kms").wstr(); }
    std::wstring call(const std::wstring& argsAfterFile) const {
        return L"=FROMTABLE(\"" + table() + L"\"," + argsAfterFile + L")";
    }

    stdtest::ScratchFolder folder{"formula"};
};

TEST_F(FormulaTest, FourArgumentsFindTheFirstMatchingRowAndTypeTheResult) {
    // M16 occurs twice: the first row wins. An integer cell gives an integer.
    EXPECT_EQ(evaluate(call(L"\"Size\",\"Diameter\",\"M16\"")), L"16");
    EXPECT_NE(acad::CommandLineText().find(L"Result is long: 16\n"), std::wstring::npos);

    acad::ClearCommandLine();
    EXPECT_EQ(evaluate(call(L"\"Size\",\"Edge\",\"M12\"")), L"20.5");
    EXPECT_NE(acad::CommandLineText().find(L"Result is double: 20.500000\n"), std::wstring::npos);

    acad::ClearCommandLine();
    EXPECT_EQ(evaluate(call(L"\"Size\",\"Grade\",\"M20\"")), L"10.9");
    EXPECT_NE(acad::CommandLineText().find(L"Result is string: 10.9\n"), std::wstring::npos);
}

TEST_F(FormulaTest, TitlesAndKeysMatchWithoutCaseButOnlyWhole) {
    EXPECT_EQ(evaluate(call(L"\"SIZE\",\"diameter\",\"m20\"")), L"20");
    // A trailing blank makes a different title.
    EXPECT_EQ(evaluate(call(L"\"Size \",\"Diameter\",\"M20\"")), L"");
    EXPECT_EQ(evaluate(call(L"\"Size\",\"Diameter\",\"M2\"")), L"");
}

TEST_F(FormulaTest, KeysAndTitlesAreTakenAsWrittenQuotesIncluded) {
    // An inch size ends in a quote: the key 3/4" must find its row, and 3/4 must not.
    ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("inch.kms"),
                                    {{L"Size", L"Bolt"}, {L"3/4", L"short"}, {L"3/4\"", L"#int:19"}}, true));
    const std::wstring inch = L"=FROMTABLE(\"" + folder.winPath("inch.kms").wstr() + L"\",\"Size\",\"Bolt\",";
    EXPECT_EQ(evaluate(inch + L"\"3/4\"\"\")"), L"19");
    EXPECT_EQ(evaluate(inch + L"\"3/4\")"), L"short");
}

TEST_F(FormulaTest, MissingKeyColumnGivesAnEmptyResultSilently) {
    EXPECT_EQ(evaluate(call(L"\"Bolt\",\"Diameter\",\"M16\"")), L"");
    EXPECT_EQ(acad::CommandLineText().find(L"Result is"), std::wstring::npos);
    // A file that does not load is just as silent.
    EXPECT_EQ(evaluate(L"=FROMTABLE(\"" + folder.winPath("none.kms").wstr() +
                       L"\",\"Size\",\"Diameter\",\"M16\")"),
              L"");
    EXPECT_EQ(acad::CommandLineText().find(L"Result is"), std::wstring::npos);
}

TEST_F(FormulaTest, KeyFromACellOfTheCallingSheet) {
    ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("caller.kms"),
                                    {{call(L"\"Size\",\"Diameter\",B1"), L"M20"}}));
    EXPECT_EQ(stdtest::evaluateFirstCell(folder.winPath("caller.kms")), L"20");
}

TEST_F(FormulaTest, TwoArgumentsReadACellAndThreeWriteIntoTheCallingSheet) {
    // Cell (2, 3) of the table is the second M16 row's diameter.
    EXPECT_EQ(evaluate(call(L"B3")), L"99");

    std::wstring written;
    const std::wstring own = evaluate(call(L"D4,C2"), [&](CFormula& window) {
        Zk_String text;
        window.grid.readCellText(3, 2, text);
        written = text.wstr();
    });
    EXPECT_EQ(own, L"");
    EXPECT_EQ(written, L"10.9");
}

TEST_F(FormulaTest, NestedLookUpsSeeTheirOwnCallingSheet) {
    // The outer table's value cell itself looks up the bolt table.
    ASSERT_TRUE(stdtest::writeSheet(
        folder.hostFile("plates.kms"),
        {{L"Plate", L"Bolt"}, {L"P10", call(L"\"Size\",\"Diameter\",\"M12\"")}}, true));
    const std::wstring outer = L"=FROMTABLE(\"" + folder.winPath("plates.kms").wstr() +
                               L"\",\"Plate\",\"Bolt\",\"P10\")";
    Zk_Spread* currentWhileOpen = reinterpret_cast<Zk_Spread*>(1);
    EXPECT_EQ(evaluate(outer, [&](CFormula&) { currentWhileOpen = CFormula::currentGrid(); }),
              L"12");
    // Every window restored what it found: nothing is current once the opening ended.
    EXPECT_EQ(currentWhileOpen, nullptr);
    EXPECT_EQ(CFormula::currentGrid(), nullptr);
}

TEST_F(FormulaTest, ReadTqFileGivesTitlesRowsAndFirstCell) {
    ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("t34.kms"),
                                    {{L"A", L"B", L"C"},
                                     {L"a1", L"b1", L"c1"},
                                     {L"a2", L"b2", L"c2"},
                                     {L"a3", L"b3", L"c3"},
                                     {L"a4", L"b4", L"c4"}},
                                    true));
    Zk_String first = L"old";
    Zk_StringArray names;
    names.append(Zk_String(L"stale"));
    Zk_Array<Zk_StringArray> rows;
    rows.append(Zk_StringArray());
    ReadTqFile(folder.winPath("t34.kms"), first, names, rows);  // closes itself

    EXPECT_EQ(first, Zk_String(L"a1"));
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[0], Zk_String(L"A"));
    EXPECT_EQ(names[2], Zk_String(L"C"));
    ASSERT_EQ(rows.length(), 4);
    ASSERT_EQ(rows[3].length(), 3);
    EXPECT_EQ(rows[3][1], Zk_String(L"b4"));
    const std::wstring trace = L"Loading spreadsheet:" + folder.winPath("t34.kms").wstr() + L"\n";
    EXPECT_NE(acad::CommandLineText().find(trace), std::wstring::npos);
}

TEST_F(FormulaTest, ReadTqFileOfAMissingOrBrokenFileFails) {
    std::ofstream(folder.hostFile("broken.kms"), std::ios::binary) << "KMSHEET\t1\nsize\tx\n";
    for (const char* name : {"missing.kms", "broken.kms"}) {
        Zk_String first = L"old";
        Zk_StringArray names;
        names.append(Zk_String(L"stale"));
        Zk_Array<Zk_StringArray> rows;
        rows.append(Zk_StringArray());
        acad::ClearCommandLine();
        EXPECT_FALSE(ReadTqFile(folder.winPath(name), first, names, rows)) << name;
        // Nothing of the empty grid the window starts with is handed back.
        EXPECT_EQ(first, Zk_String());
        EXPECT_EQ(names.length(), 0);
        EXPECT_EQ(rows.length(), 0);
        EXPECT_NE(acad::CommandLineText().find(L"*Error* Cannot read spreadsheet: " + folder.winPath(name).wstr()),
                  std::wstring::npos);
    }
}

TEST_F(FormulaTest, TheTestEntriesRunWithTheModulesResources) {
    const HINSTANCE module = win::ModuleFromAddress(reinterpret_cast<const void*>(&ReadTqFile));
    const HINSTANCE caller = win::ModuleFromAddress(reinterpret_cast<const void*>(&AfxGetResourceHandle));
    ASSERT_NE(module, caller);
    const HINSTANCE savedDefault = KmTempResourceOverride::defaultResource();
    const HINSTANCE savedCurrent = AfxGetResourceHandle();
    KmTempResourceOverride::SaveDefaultResource(module);
    AfxSetResourceHandle(caller);
    HINSTANCE whileOpen = nullptr;
    ScriptedUser user;
    user.onDialog(L"Formulas").then([&](CDialog&) { whileOpen = AfxGetResourceHandle(); }).ok();
    EvaluateTq();
    EXPECT_EQ(whileOpen, module);
    EXPECT_EQ(AfxGetResourceHandle(), caller);  // switched back
    Zk_String first;
    Zk_StringArray names;
    Zk_Array<Zk_StringArray> rows;
    EXPECT_TRUE(ReadTqFile(Zk_String(table()), first, names, rows));
    EXPECT_EQ(AfxGetResourceHandle(), caller);
    KmTempResourceOverride::SaveDefaultResource(savedDefault);
    AfxSetResourceHandle(savedCurrent);
}

TEST_F(FormulaTest, ReferenceStyleButtonsShowColumnFourFormulasAsText) {
    ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("styles.kms"),
                                    {{L"", L"1", L"2", L"=B1+C1"},
                                     {L"", L"3", L"4", L"=B2*C2"},
                                     {L"", L"", L"", L"=SUM(B1:C2)"},
                                     {L"", L"", L"", L"=D1"},
                                     {L"", L"", L"", L""}}));
    std::wstring r1c1, a1, row5;
    ScriptedUser user;
    user.onDialog(L"Formulas")
        .click(CFormula::IDC_STYLE_R1C1)
        .then([&](CDialog& dlg) {
            Zk_String text;
            static_cast<CFormula&>(dlg).grid.readCellText(1, 1, text);
            r1c1 = text.wstr();
        })
        .click(CFormula::IDC_STYLE_A1)
        .then([&](CDialog& dlg) {
            auto& grid = static_cast<CFormula&>(dlg).grid;
            Zk_String text;
            grid.readCellText(1, 3, text);
            a1 = text.wstr();
            grid.readCellText(1, 5, text);
            row5 = text.wstr();
        })
        .ok();
    CFormula window;
    window.mode = CFormula::kModeEvaluateCell;
    window.fileName = folder.winPath("styles.kms").wstr();
    window.targetCol = 4;
    window.targetRow = 1;
    window.DoModal();
    EXPECT_EQ(window.resultText, L"3");
    EXPECT_NE(r1c1.find(L"RC[-2]"), std::wstring::npos) << r1c1;
    EXPECT_EQ(a1, L"SUM(B1:C2)");
    EXPECT_EQ(row5, L"");  // row 5 has no formula: left alone
}

TEST_F(FormulaTest, WindowCommandsSaveLoadAndCalculation) {
    const Zk_String saved = folder.winPath("saved.kms");
    bool recalcEnabledWithAuto = true;
    bool recalcEnabledWithout = false;
    ScriptedUser user;
    user.onDialog(L"Formulas")
        .then([&](CDialog& dlg) {
            recalcEnabledWithout = dlg.GetDlgItem(CFormula::IDC_RECALC)->IsWindowEnabled();
            static_cast<CFormula&>(dlg).grid.writeCellText(7, 7, Zk_String(L"kept"));
        })
        .click(CFormula::IDC_AUTO_CALC)
        .then([&](CDialog& dlg) {
            recalcEnabledWithAuto = dlg.GetDlgItem(CFormula::IDC_RECALC)->IsWindowEnabled();
        })
        .replaceText(CFormula::IDC_FILE_NAME, saved.wstr())
        .click(CFormula::IDC_SAVE)
        .replaceText(CFormula::IDC_FILE_NAME, folder.winPath("missing.kms").wstr())
        .click(CFormula::IDC_LOAD)
        .ok();
    CFormula window;
    window.mode = CFormula::kModeEvaluateCell;
    window.DoModal();
    EXPECT_TRUE(recalcEnabledWithout);
    EXPECT_FALSE(recalcEnabledWithAuto);
    const std::wstring log = acad::CommandLineText();
    EXPECT_NE(log.find(L"Loading spreadsheet:\n"), std::wstring::npos);
    EXPECT_EQ(log.find(L"Save failed"), std::wstring::npos);
    EXPECT_NE(log.find(L"Load failed\n"), std::wstring::npos);

    Zk_String first;
    Zk_StringArray names;
    Zk_Array<Zk_StringArray> rows;
    ReadTqFile(saved, first, names, rows);
    ASSERT_GE(rows.length(), 7);
    EXPECT_EQ(rows[6][6], Zk_String(L"kept"));
}

}  // namespace
