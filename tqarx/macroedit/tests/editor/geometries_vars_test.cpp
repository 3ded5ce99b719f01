// The geometries and variables pages as a connection designer uses them, and the grid
// preparation every editor grid shares.
#include "editor_test_support.h"

#include <array>

#include "mfc/controls.h"

namespace {

using Page = CDlgEditMacro::Page;

CTabGeometries& geometries(CDialog& dlg) { return editor(dlg).geometriesPage(); }
CTabEditVars& variables(CDialog& dlg) { return editor(dlg).variablesPage(); }
std::wstring pageItemText(CDialog& dlg) {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(pageItem(dlg, CDlgEditMacro::kVariablesPage, IDC_EV_EQUATIONS), buffer, 512);
    return buffer;
}

class GeometriesPage : public EditorTest {};
class VariablesPage : public EditorTest {};

TEST_F(GeometriesPage, ShowsTheGeometriesWithTagFlexibilityAndCheck) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kGeometriesPage).then([](CDialog& dlg) {
            const Zk_Spread& grid = geometries(dlg).grid;
            EXPECT_EQ(grid.getColCount(), 5);
            EXPECT_EQ(grid.getRowCount(), 3);
            for (int c = 0; c < 5; ++c) EXPECT_EQ(cell(grid, c + 1, 0), dialString(std::array{889, 890, 87, 891, 892}[c]));
            EXPECT_EQ(cell(grid, 1, 1), L"Plate");
            EXPECT_EQ(cell(grid, 3, 1), L"top");  // the tag, not the row's third text
            EXPECT_EQ(cell(grid, 4, 2), dialString(895));
            EXPECT_EQ(cell(grid, 5, 1), L"1");
            EXPECT_EQ(SSGetCellType(grid.GetSafeHwnd(), 5, 1), SS_TYPE_CHECKBOX);
            EXPECT_NE(SSGetCellType(grid.GetSafeHwnd(), 5, 3), SS_TYPE_CHECKBOX);
        });
        s.ok();
    });
}

TEST_F(GeometriesPage, ChoicesAndChecksGoToTheHostAndTypedTagsSurviveTheRefill) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kGeometriesPage).then([](CDialog& dlg) {
            CEditorGrid& grid = geometries(dlg).grid;
            SSUserTypeText(grid.GetSafeHwnd(), 3, 2, L"web");
            SSUserTypeText(grid.GetSafeHwnd(), 4, 1, dialString(894).c_str());
            EXPECT_EQ(argsOf(L"UpdateGeomFlexibility"), (Zk_StringArray{L"101", L"2"}));
            EXPECT_EQ(cell(grid, 4, 1), dialString(894));
            EXPECT_EQ(cell(grid, 3, 2), L"web");
            clickGridCell(grid, 5, 2);
            EXPECT_EQ(argsOf(L"UpdateConstrGeom"), (Zk_StringArray{L"102", L"1"}));
            EXPECT_EQ(cell(grid, 5, 2), L"1");
            // A geometry without a check takes no click.
            clickGridCell(grid, 5, 3);
            EXPECT_EQ(editConstrHost().countOf(L"UpdateConstrGeom"), 1);
        });
        s.ok();
    });
    EXPECT_EQ(data.module(L"Base")->geometries[0].flexibility, 1);
    EXPECT_EQ(data.module(L"Base")->geometries[1].constrained, 1);
    EXPECT_EQ(argsOf(L"SetNameTags"), (Zk_StringArray{L"101,102,103", L"top|web|"}));
    EXPECT_EQ(data.module(L"Base")->geometries[1].nameTag, L"web");
}

TEST_F(GeometriesPage, ARefusedCheckIsShownAsBefore) {
    EditConstrData data = sampleMacro();
    editConstrHost().failing.insert(L"UpdateConstrGeom");
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kGeometriesPage).then([](CDialog& dlg) {
            clickGridCell(geometries(dlg).grid, 5, 1);
            EXPECT_EQ(cell(geometries(dlg).grid, 5, 1), L"1");
        });
        s.ok();
    });
}

TEST_F(GeometriesPage, TheRowMovedToIsHighlightedAndLeavingRemovesIt) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kGeometriesPage).then([](CDialog& dlg) {
            editConstrHost().calls.clear();
            clickGridCell(geometries(dlg).grid, 1, 2);
            clickGridCell(geometries(dlg).grid, 2, 3);
            EXPECT_EQ(editConstrHost().callNames(),
                      (Zk_StringArray{L"HighlightObject", L"UnHighlightObject", L"HighlightObject"}));
            EXPECT_EQ(argsOf(L"UnHighlightObject"), (Zk_StringArray{L"102"}));
            EXPECT_EQ(argsOf(L"HighlightObject", 1), (Zk_StringArray{L"103"}));
        });
        // Escape right after the move stays with the grid.
        s.keyTo(IDC_EG_GRID, VK_ESCAPE).then([](CDialog& dlg) {
            EXPECT_FALSE(dlg.hasEnded());
            win::AdvanceVirtualTime(2100);
        });
        s.keyTo(IDC_EG_GRID, VK_ESCAPE);
    });
    EXPECT_EQ(argsOf(L"UnHighlightObject", 1), (Zk_StringArray{L"103"}));
}

TEST_F(VariablesPage, ShowsVariablesDimensionValuesAndEquations) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kVariablesPage).then([](CDialog& dlg) {
            const Zk_Spread& vars = variables(dlg).varsGrid;
            EXPECT_EQ(vars.getRowCount(), 2);
            EXPECT_EQ(cell(vars, 1, 0), dialString(87));
            EXPECT_EQ(cell(vars, 3, 0), dialString(101));
            EXPECT_EQ(cell(vars, 1, 2), L"t");
            EXPECT_EQ(cell(vars, 2, 1), L"200");
            EXPECT_EQ(cell(vars, 3, 2), dialString(893));
            EXPECT_EQ(cell(variables(dlg).dimsGrid, 2, 1), L"300");
            EXPECT_EQ(Zk_String(pageItemText(dlg)), L"L = h - 2*t\n\rb = L/2\n\r");
        });
        s.ok();
    });
}

TEST_F(VariablesPage, EditsAreReadBackRowByRowWhenApplied) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kVariablesPage).then([](CDialog& dlg) {
            CEditorGrid& vars = variables(dlg).varsGrid;
            clickPageItem(dlg, Page::kVariablesPage, IDC_EV_ADD);
            SSUserTypeText(vars.GetSafeHwnd(), 1, 3, L"n");
            SSUserTypeText(vars.GetSafeHwnd(), 3, 3, dialString(901).c_str());
            // The new row's value stays empty: 0.
            SSUserTypeText(vars.GetSafeHwnd(), 2, 1, L"250");
            clickGridCell(vars, 1, 2);
            clickPageItem(dlg, Page::kVariablesPage, IDC_EV_REMOVE);
            // A row added and left without a name holds no variable.
            clickPageItem(dlg, Page::kVariablesPage, IDC_EV_ADD);
            ::SetWindowTextW(pageItem(dlg, Page::kVariablesPage, IDC_EV_EQUATIONS), L"L = h\r\n\r\n  \nn = 2");
        });
        // Leaving and coming back applies, then shows the record again.
        s.selectTab(IDC_EM_TAB, Page::kCommandsPage).selectTab(IDC_EM_TAB, Page::kVariablesPage).then([](CDialog& dlg) {
            EXPECT_EQ(variables(dlg).varsGrid.getRowCount(), 2);
            EXPECT_EQ(cell(variables(dlg).varsGrid, 1, 2), L"n");
        });
        s.ok();
    });
    const EditModule& base = *data.module(L"Base");
    EXPECT_EQ(base.vars, (Zk_Array<EditVar>{EditVar{L"L", 250, 0}, EditVar{L"n", 0, 3}}));
    EXPECT_EQ(base.equations, (Zk_StringArray{L"L = h", L"n = 2"}));
    EXPECT_GE(editConstrHost().countOf(L"UpdateVarsEqs"), 2);
}

TEST_F(VariablesPage, EscapeIsSwallowed) {
    EditConstrData data = sampleMacro();
    const INT_PTR result = run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kVariablesPage)
            .keyTo(IDC_EV_EQUATIONS, VK_ESCAPE)
            .then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); })
            .ok();
    });
    EXPECT_EQ(result, IDOK);
}

TEST(EditorGrid, EveryGridIsPreparedTheSameWay) {
    ScriptedUser user;
    mfc::DialogTemplate t;
    t.cx = 200;
    t.cy = 120;
    t.label(100, L"", 5, 5, 190, 110);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), 9901, t);
    CDialog host(9901u);
    ASSERT_TRUE(host.Create(9901));
    CEditorGrid grid;
    ASSERT_TRUE(grid.createFromPlaceholder(&host, 100, true));
    HWND h = grid.GetSafeHwnd();
    SSSetData(h, 2, 2, L"old");
    ASSERT_TRUE(prepareEditorGrid(grid, 3, 0));
    EXPECT_EQ(cell(grid, 2, 2), L"");  // reset first
    EXPECT_EQ(grid.getColCount(), 3);
    EXPECT_EQ(grid.getRowCount(), 1);  // at least one row
    for (short off : {12, 7, 26, 18, 10, 4}) EXPECT_FALSE(SSGetBool(h, off)) << off;
    for (short on : {8, 21, 34, 32, 11, 3}) EXPECT_TRUE(SSGetBool(h, on)) << on;
    COLORREF back = 0, fore = 0;
    SSGetSelColor(h, &back, &fore);
    EXPECT_EQ(back, RGB(10, 36, 106));
    EXPECT_EQ(fore, RGB(255, 255, 255));
    std::wstring font;
    int size = 0;
    BOOL bold = FALSE, italic = FALSE;
    SSGetFont(h, 2, 0, font, &size, &bold, &italic);
    EXPECT_EQ(font, L"Tahoma");
    SSGetFont(h, 3, 1, font, &size, &bold, &italic);
    EXPECT_EQ(font, L"Tahoma");
    grid.DestroyWindow();
    host.DestroyWindow();
}

}  // namespace
