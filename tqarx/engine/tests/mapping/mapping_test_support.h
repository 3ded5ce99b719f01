// Shared helpers of the mapping and spreadsheet-window tests: scratch folders, a macro
// with two modules in one group, and a grid created over a dialog placeholder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "acad/db_object_id.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/zk_spread.h"
#include "host/macro_file.h"
#include "host/macro_model.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "testing/scratch_folder.h"
#include "win/paths.h"
#include "win/window.h"


// Two modules in group "Plates" (a profile module and a bolt module), a module without
// group, base profiles with section tables and general variables.
inline const wchar_t* const kTwoModuleMacro = LR"(Macro version 1.0
macro EndPlate
genvar gen_Gap 10
genvar gen_Edge 2.5
baseprofile section=HEA-HEA200 material=S235
baseprofile section=HEA-HEA220 material=S355
module Plate class=233 group=Plates
  var Width 200 dialog=1 editable=1 button=fixed
  var Hidden 5 dialog=0 editable=0
  cut SideCut CutOffset=10 CutPolyOffset=1 CutLengthOffset=2 CutCenterOffset=3 CutInsideOffset=4 CutOutsideOffset=5 CutChamferOffset1=6 CutChamferOffset2=7 CutRadius=8
  placement Pl1 group=Web section=PL-PL10 material=S235 member=Web1
  placement Pl2 group=Web section=PL-PL10 material=S235 member=Web1
  placement Pl3 section=PL-PL12 material=S275
module Bolts class=232 group=Plates
  var Width 180 dialog=1 editable=0
  pattern P1 class=282 bolts1=2 bolts2=3 reverse1=0 reverse2=1
  pattern P2 class=281 bolts1=4
module Single class=0
  var Length 50 dialog=0 editable=1
tab Plates kind=1
  bolts diameter=20 holeoffset=2 assembly=M20
)";

// A library folder with the HEA section table, set as gSettings.libDir for the test.
class MacroFixture : public ::testing::Test {
protected:
    MacroFixture() : lib("lib") {}
    void SetUp() override {
        savedLib = gSettings.libDir;
        savedDiagnostics = gSettings.current.standardsDiagnostics;
        lib.write("prof/HEA.pr",
                  "hea.bmp\n"
                  "Name\tActive\tENG\tGER\tFRA\tNED\th\tb\n"
                  "HEA200\t1\tHE 200 A\tHE200A\tHEA 200\tHEA200\t190\t200\n"
                  "HEA220\t1\tHE 220 A\tHE220A\tHEA 220\tHEA220\t210\t220\n");
        gSettings.libDir = lib.win() + Zk_String(L"\\");
        gSectionTables.clear();
        Zk_Macro macro;
        Zk_String error;
        ASSERT_TRUE(parseMacroText(Zk_String(kTwoModuleMacro), Zk_String(L"macro"), macro, macroData, error))
            << error.toUtf8();
        db = Zk_DbMacro(macro);
        data.dbMacro = &db;
        data.macroData = &macroData;
        data.transaction = &transaction;
        data.macroName = Zk_String(L"EndPlate");
        data.tqFileName = Zk_String(L"EndPlate");
    }
    void TearDown() override {
        gSettings.libDir = savedLib;
        gSettings.current.standardsDiagnostics = savedDiagnostics;
        gSectionTables.clear();
    }
    Zk_Module& module(const wchar_t* name) {
        Zk_Module* m = nullptr;
        db.findModuleWrite(Zk_String(name), m);
        return *m;
    }

    ScratchFolder lib;
    Zk_String savedLib;
    bool savedDiagnostics = false;
    Zk_DbMacro db;
    MacroData macroData;
    AcTransaction transaction;
    KmDlgStandardsData data;
};

// A modeless dialog with a placeholder control (id 1004) and the grid made over it.
class GridDialog {
public:
    static constexpr UINT kTemplateId = 29001;
    static constexpr int kPlaceholderId = 1004;

    GridDialog() {
        mfc::DialogTemplate tmpl;
        tmpl.caption = L"Grid";
        tmpl.cx = 300;
        tmpl.cy = 200;
        tmpl.style = 0x80000000L /* WS_POPUP */;
        tmpl.label(kPlaceholderId, L"", 20, 30, 200, 100);
        mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kTemplateId, tmpl);
        created = dialog.Create(kTemplateId, nullptr) != FALSE;
    }
    ~GridDialog() {
        spread.DestroyWindow();
        dialog.DestroyWindow();
    }
    bool makeGrid(bool exact = false) { return created && spread.createFromPlaceholder(&dialog, kPlaceholderId, exact); }

    CDialog dialog;
    Zk_Spread spread;
    bool created = false;
};
