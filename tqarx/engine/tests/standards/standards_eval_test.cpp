// The standards record and its evaluation in the hidden calculation window.
#include <gtest/gtest.h>

#include <fstream>

#include "acad/db_object_id.h"
#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/step_timers.h"
#include "host/macro_file.h"
#include "host/macro_model.h"
#include "host/settings.h"
#include "sheet_files.h"
#include "standards_runs.h"

namespace {

TEST(StandardsData, InitializeTakesTheModuleGroupFromTheName) {
    Zk_DbMacro macro;
    MacroData macroData;
    KmDlgStandardsData data;
    data.evalMode = 1;
    ASSERT_EQ(data.initialize(&macro, L"EndPlate", L"Module.Plates", &macroData), Acad::eOk);
    EXPECT_EQ(data.evalMode, 0);
    EXPECT_EQ(data.moduleGroup, Zk_String(L"Plates"));
    EXPECT_EQ(data.dbMacro, &macro);
    ASSERT_EQ(data.initialize(&macro, L"EndPlate", L"EndPlate", &macroData), Acad::eOk);
    EXPECT_TRUE(data.moduleGroup.isEmpty());

    KmDlgStandardsData untouched;
    untouched.tqFileName = L"keep";
    EXPECT_EQ(untouched.initialize(nullptr, L"x", L"Module.A", &macroData), Acad::eInvalidInput);
    EXPECT_EQ(untouched.initialize(&macro, L"x", L"Module.A", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(untouched.tqFileName, Zk_String(L"keep"));
    EXPECT_TRUE(untouched.moduleGroup.isEmpty());
}

TEST(StandardsData, CopiesShareThePointersAndOwnTheLists) {
    Zk_DbMacro macro;
    AcTransaction transaction;
    KmDlgStandardsData a;
    a.dbMacro = &macro;
    a.transaction = &transaction;
    a.genVarNames.append(Zk_String(L"gen_A"));
    KmVarCell cell;
    cell.varName = L"Width";
    a.varCells.append(cell);
    KmDlgStandardsData b(a);
    b.genVarNames.append(Zk_String(L"gen_B"));
    b.varCells[0].value = L"5";
    EXPECT_EQ(b.dbMacro, &macro);
    EXPECT_EQ(b.transaction, &transaction);
    EXPECT_EQ(a.genVarNames.length(), 1);
    EXPECT_TRUE(a.varCells[0].value.isEmpty());
}

class StandardsRun : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        ASSERT_TRUE(window.Create(CDlgTqStandards::IDD, nullptr));
        // Plate = Width * 2 + Extra; Extra is a local.
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("plate.kms"),
                                        {{L"Input"},
                                         {L"Double Width"},
                                         {L""},
                                         {L"Output"},
                                         {L""},
                                         {L"Double Plate"},
                                         {L"Local"},
                                         {L""},
                                         {L"Double Extra"},
                                         {L"Calc"},
                                         {L"Extra = 5"},
                                         {L"Plate = Width * 2 + Extra"}}));
        resetStepTimers();
    }
    void TearDown() override { window.DestroyWindow(); }

    KmDlgStandardsData valueRecord(const wchar_t* width) {
        return stdtest::widthPlateRecord(folder.winPath("plate.kms"), width);
    }

    stdtest::ScratchFolder folder{"eval"};
    CDlgTqStandards window;
};

TEST_F(StandardsRun, ValueModeGivesTheSameOutputsEveryTime) {
    window.data() = valueRecord(L"10");
    ASSERT_EQ(window.evaluate(), Acad::eOk);
    EXPECT_EQ(window.data().varCells[1].value, Zk_String(L"25"));
    // The sheet is loaded afresh: the first run's values do not leak into the second.
    window.data() = valueRecord(L"10");
    ASSERT_EQ(window.evaluate(), Acad::eOk);
    EXPECT_EQ(window.data().varCells[1].value, Zk_String(L"25"));
    window.data() = valueRecord(L"1");
    ASSERT_EQ(window.evaluate(), Acad::eOk);
    EXPECT_EQ(window.data().varCells[1].value, Zk_String(L"7"));
}

TEST_F(StandardsRun, OtherModesOnlyLoad) {
    KmDlgStandardsData data = valueRecord(L"10");
    data.evalMode = 2;
    window.data() = data;
    EXPECT_EQ(window.evaluate(), Acad::eOk);
    EXPECT_EQ(window.data().varCells, data.varCells);
    EXPECT_EQ(window.calc().tqFile, folder.winPath("plate.kms"));

    data.tqFileName = folder.winPath("missing.kms");
    window.data() = data;
    EXPECT_EQ(window.evaluate(), Acad::eInvalidInput);
}

TEST_F(StandardsRun, MacroModeNeedsATransactionBeforeReadingAnything) {
    Zk_DbMacro macro;
    MacroData macroData;
    KmDlgStandardsData data;
    data.initialize(&macro, folder.winPath("plate.kms"), L"Plate", &macroData);
    window.data() = data;
    EXPECT_EQ(window.evaluate(), Acad::eInvalidInput);
    EXPECT_FALSE(gInitTqForInput.isRunning());
    EXPECT_EQ(gInitTqForInput.count(), 0);
    EXPECT_EQ(gTqSGetFromMacro.count(), 0);
}

TEST_F(StandardsRun, MacroModeReadsCalculatesAndWritesBackThroughTheMapping) {
    Zk_DbMacro macro;
    MacroData macroData;
    Zk_String error;
    {
        Zk_Macro parsed;
        ASSERT_TRUE(parseMacroText(Zk_String(L"Macro version 1.0\nmacro Plate\nmodule M class=233 group=G\n"
                                             L"  var Width 10\n  var Plate 0\n"),
                                   L"test", parsed, macroData, error))
            << error.toUtf8();
        macro = Zk_DbMacro(parsed);
    }
    std::ofstream map(folder.hostFile("plate.map"));
    map << "Mapping version 1.0\nPlate=Width\xC6\x92G\xE2\x80\xA2" "Distance Width\xC2\xBFPlate\xC6\x92G\xE2\x80\xA2"
           "Distance Plate\n";
    map.close();
    AcTransaction transaction;
    KmDlgStandardsData data;
    data.initialize(&macro, folder.winPath("plate.kms"), L"Plate", &macroData);
    data.transaction = &transaction;
    window.data() = data;
    ASSERT_EQ(window.evaluate(), Acad::eOk);

    Zk_String plate;
    Zk_Module* module = nullptr;
    ASSERT_EQ(macro.findModuleWrite(L"M", module), Acad::eOk);
    ASSERT_EQ(module->getSetConstrVarValue(L"Plate", plate, true), Acad::eOk);
    EXPECT_EQ(plate, Zk_String(L"25"));
    // The record carries the sheet's declarations with their final values.
    ASSERT_EQ(window.data().varCells.length(), 3);
    EXPECT_EQ(window.data().varCells[1].value, Zk_String(L"25"));
    // Every step ran once, each timer ended.
    for (Zk_Timer* timer : {&gLoadFile, &gInitTqForInput, &gTqSGetFromMacro, &gSetMacroValuelsToTq,
                            &gTqSreplaceGenVars, &gCalcMain, &gSetToMacro}) {
        EXPECT_EQ(timer->count(), 1) << timer->name().toUtf8();
        EXPECT_FALSE(timer->isRunning());
    }
}

}  // namespace
