// Shared helpers of the macro editor tests: a scratch folder for dialog sizes and
// pictures, a sample macro with three modules, and the steps a user takes on grids.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "acad/command_line.h"
#include "host/edit_constr_calls.h"
#include "host/settings.h"
#include "host/texts.h"
#include "macroedit/dlg_edit_macro.h"
#include "macroedit/tab_edit_constraints.h"
#include "macroedit/tab_edit_vars.h"
#include "macroedit/tab_geometries.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "mfc/user_input.h"
#include "res/resources.h"
#include "spread/ss_api.h"
#include "win/bitmap.h"
#include "win/paths.h"
#include "win/msgbox.h"
#include "win/timer.h"
#include "win/window.h"

inline void PrintTo(const Zk_String& s, std::ostream* os) { *os << "L\"" << s.toUtf8() << "\""; }

inline EditConstrRow constraintRow(Zk_StringArray cells, Zk_Array<int> kinds) {
    EditConstrRow row;
    row.cells = std::move(cells);
    row.kinds = std::move(kinds);
    return row;
}

// A macro (id 7) with the modules "Base", "Stiffener" and "Bolts"; "Base" is current.
inline EditConstrData sampleMacro() {
    EditConstrData data;
    data.macroId = 7;
    EditModule base;
    base.name = L"Base";
    EditConstrRow distance = constraintRow({L"Distance", L"Plate to flange", L"Plate", L"Flange"},
                                           {kConstrValueText, kConstrVarName});
    distance.value = L"12";
    distance.varName = L"d1";
    EditConstrRow angle = constraintRow({L"Angle", L"Web angle", L"Web", L"Plate"}, {kConstrOptions, kConstrFlags});
    angle.options = Zk_StringArray{L"Inside", L"Outside"};
    angle.optionIndex = 0;
    EditConstrRow parallel = constraintRow({L"Parallel", L"Edge", L"Edge", L"Axis"}, {kConstrVarName});
    parallel.varName = L"e1";
    parallel.cut = true;
    EditConstrRow bolt = constraintRow({L"Coincident", L"Bolt", L"Bolt", L"Hole"}, {});
    base.constraints = Zk_Array<EditConstrRow>{distance, angle, parallel, bolt};
    base.geometries = Zk_Array<EditGeomRow>{
        EditGeomRow{{L"Plate", L"P1", L"x"}, 101, 0, 1, L"top"},
        EditGeomRow{{L"Flange", L"F1", L""}, 102, 2, 0, L""},
        EditGeomRow{{L"Axis", L"A1", L""}, 103, 1, -1, L""},
    };
    base.vars = Zk_Array<EditVar>{EditVar{L"L", 200, 0}, EditVar{L"t", 10, 2}};
    base.dimValues = Zk_Array<EditDimValue>{EditDimValue{L"h", L"300"}};
    base.equations = Zk_StringArray{L"L = h - 2*t", L"b = L/2"};
    EditModule stiffener;
    stiffener.name = L"Stiffener";
    stiffener.constraints = Zk_Array<EditConstrRow>{
        constraintRow({L"Symmetric", L"Stiffener", L"Left", L"Right"}, {kConstrValueText})};
    EditModule bolts;
    bolts.name = L"Bolts";
    data.modules = Zk_Array<EditModule>{base, stiffener, bolts};
    data.currentModule = L"Base";
    return data;
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            tqRegisterResources(AfxGetInstanceHandle());
            // The settings dialog's own template comes with its pages; an empty one
            // serves until then.
            if (!mfc::FindDialogTemplate(8141)) {
                mfc::DialogTemplate settings;
                settings.caption = L"Macro settings";
                settings.cx = 200;
                settings.cy = 100;
                settings.defPushButton(1, L"OK", 90, 80, 50, 14).pushButton(2, L"Cancel", 144, 80, 50, 14);
                mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), 8141, settings);
            }
        }
        registered = true;
        m_dir = std::filesystem::temp_directory_path() /
                ("tq_macroedit_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "program" / "icons");
        ::setenv("TQ_DLGSTATE_DIR", m_dir.string().c_str(), 1);
        m_savedZk = gSettings.zkDir;
        gSettings.zkDir = Zk_String(WindowsPathFromHost((m_dir / "program").string())) + Zk_String(L"\\");
        resetEditConstrHost();
        acad::ClearCommandLine();
        acad::ClearEditorLog();
    }
    void TearDown() override {
        ::unsetenv("TQ_DLGSTATE_DIR");
        gSettings.zkDir = m_savedZk;
        resetEditConstrHost();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    // A picture file in the scratch folder (Windows path); folder "program/icons" for the
    // commands page.
    Zk_String picture(const std::string& name, COLORREF colour = RGB(0, 128, 0), const std::string& folder = "") {
        win::Surface s(16, 16, RGB(255, 0, 255));
        s.fill(RECT{4, 4, 12, 12}, colour);
        const auto path = (folder.empty() ? m_dir : m_dir / folder) / name;
        std::ofstream(path, std::ios::binary) << win::EncodeBmp24(s);
        return Zk_String(WindowsPathFromHost(path.string()));
    }

    // Runs the editor modally on data with the user's steps; data receives the editor's
    // record afterwards.
    INT_PTR run(EditConstrData& data, const std::function<void(mfc::DialogSteps&)>& steps) {
        ScriptedUser user;
        steps(user.onDialog(IDD_EDIT_MACRO));
        CDlgEditMacro dlg;
        dlg.data() = data;
        const INT_PTR result = dlg.DoModal();
        data = dlg.data();
        return result;
    }

    // Runs with a script the test fills further (message boxes, menus, the prompt).
    INT_PTR run(EditConstrData& data, ScriptedUser& user, const std::function<void(mfc::DialogSteps&)>& steps) {
        steps(user.onDialog(IDD_EDIT_MACRO));
        CDlgEditMacro dlg;
        dlg.data() = data;
        const INT_PTR result = dlg.DoModal();
        data = dlg.data();
        return result;
    }

    std::filesystem::path m_dir;
    Zk_String m_savedZk;
};

inline CDlgEditMacro& editor(CDialog& dlg) { return static_cast<CDlgEditMacro&>(dlg); }

inline HWND pageItem(CDialog& dlg, int page, int id) {
    return ::GetDlgItem(editor(dlg).page(page)->GetSafeHwnd(), id);
}

inline CComboBox* moduleCombo(CDialog& dlg) { return static_cast<CComboBox*>(dlg.GetDlgItem(IDC_EM_MODULE)); }

inline Zk_String cell(const Zk_Spread& grid, int col, int row) {
    Zk_String text;
    grid.readCellText(col, row, text);
    return text;
}

inline void clickGridCell(CEditorGrid& grid, int col, int row) { SSUserClickCell(grid.GetSafeHwnd(), col, row); }

// A left click on a column header of a grid, through the window as a mouse does it.
inline void clickHeader(CEditorGrid& grid, int col) { mfc::input::ClickAt(grid.GetSafeHwnd(), grid.cellCentre(col, 0)); }
inline void rightClickCell(CEditorGrid& grid, int col, int row) {
    mfc::input::RightClickAt(grid.GetSafeHwnd(), grid.cellCentre(col, row));
}
inline void clickPageItem(CDialog& dlg, int page, int id) { mfc::input::Click(pageItem(dlg, page, id)); }

inline Zk_StringArray argsOf(const Zk_String& name, int index = 0) {
    const auto calls = editConstrHost().callsNamed(name);
    return calls.isValidIndex(index) ? calls[index].args : Zk_StringArray{L"<no call>"};
}
