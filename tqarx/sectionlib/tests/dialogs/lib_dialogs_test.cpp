// The section library dialogs driven as a library maintainer would: tabs, combo boxes,
// buttons, typing into the sheets and answering the questions.
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "host/section_tables.h"
#include "mfc/controls.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/resources.h"
#include "sectionlib/dlg_edit_lib_sections.h"
#include "sectionlib/dlg_edit_lib_simple.h"
#include "res/sheeteditor_ids.h"
#include "sheeteditor/sheet_editor.h"
#include "sectionlib_test_support.h"
#include "spread/ss_api.h"
#include "win/file_faults.h"
#include "win/msgbox.h"

namespace {

const char* const kIpeTable =
    "1\r\n"
    "SysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\ttw\ttf\tr\r\n"
    "IPE200\t1\tIPE 200\tIPE 200\tIPE 200\tIPE200\t200\t100\t5.6\t8.5\t12\r\n"
    "IPE220\t1\tIPE 220\tIPE 220\tIPE 220\tIPE220\t220\t110\t5.9\t9.2\t12\r\n"
    "IPE240\t1\tIPE 240\tIPE 240\tIPE 240\tIPE240\t240\t120\t6.2\t9.8\t15\r\n";

const char* const kUpnTable =
    "4\r\n"
    "SysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\ttw\ttf\tr\tA\r\n"
    "UPN100\t1\tUPN 100\tU 100\tUPN 100\tUNP100\t100\t50\t6\t8.5\t8.5\t13.5\r\n";

using Page = CDlgEditLibSections::Page;

CDlgEditLibSections& libDialog(CDialog& dlg) { return static_cast<CDlgEditLibSections&>(dlg); }

HWND pageItem(CDialog& dlg, int page, int id) {
    return ::GetDlgItem(libDialog(dlg).page(page)->GetSafeHwnd(), id);
}

Zk_String sheetCell(const Zk_Spread& sheet, int col, int row, int mode = 3) {
    Zk_String text;
    sheet.readCellText(col, row, text, mode);
    return text;
}

class LibDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        ::setenv("TQ_DLGSTATE_DIR", library.host().string().c_str(), 1);
        library.write("prof/IPE.pr", kIpeTable);
        library.write("prof/UPN.pr", kUpnTable);
    }
    void TearDown() override { ::unsetenv("TQ_DLGSTATE_DIR"); }

    static DlgEditLibData sampleData() {
        DlgEditLibData data;
        data.groups.append(Zk_String(L"Rolled"), true, Zk_String(L"rolled.bmp"), Zk_StringArray{L"Rolled"});
        data.groups.append(Zk_String(L"Welded"), false, Zk_String(), Zk_StringArray{L"Welded"});
        data.groups.append(Zk_String(L"Cold formed"), true, Zk_String(), Zk_StringArray{L"Cold formed"});
        SectionType ipe;
        ipe.group = 0;
        ipe.langs = Zk_StringArray{L"IPE beams"};
        SectionType sigma;
        sigma.group = 2;
        sigma.langs = Zk_StringArray{L"Sigma purlins"};
        data.types.append(ipe);
        data.types.append(sigma);
        return data;
    }

    // Runs the library dialog on data with the user's steps; data receives the dialog's
    // record whatever the result.
    INT_PTR run(DlgEditLibData& data, const Zk_String& section, const std::function<void(mfc::DialogSteps&)>& steps) {
        CDlgEditLibSections dlg;
        dlg.data = data;
        dlg.startSection = section;
        steps(user.onDialog(IDD_EDIT_LIB_SECTIONS));
        const INT_PTR result = dlg.DoModal();
        data = dlg.data;
        return result;
    }

    static void click(mfc::DialogSteps& s, int page, int id) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::Click(pageItem(dlg, page, id))) << id; });
    }
    static void pick(mfc::DialogSteps& s, int page, int id, int index) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::PickComboItem(pageItem(dlg, page, id), index)) << id; });
    }
    static void pick(mfc::DialogSteps& s, int page, int id, const wchar_t* text) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::PickComboItem(pageItem(dlg, page, id), text)) << id; });
    }
    static void typeCell(mfc::DialogSteps& s, int col, int row, const wchar_t* text) {
        s.then([=](CDialog& dlg) {
            SSUserTypeText(libDialog(dlg).valuesPage().sheet.GetSafeHwnd(), col, row, text);
        });
    }
    static void clickCell(mfc::DialogSteps& s, int col, int row) {
        s.then([=](CDialog& dlg) { SSUserClickCell(libDialog(dlg).valuesPage().sheet.GetSafeHwnd(), col, row); });
    }

    ScratchLibrary library{"dialogs"};
    ScriptedUser user;
};

// ---- groups and types ----

TEST_F(LibDialogs, OpensOnTheGroupsPageAndShowsTheSelectedGroup) {
    DlgEditLibData data = sampleData();
    const INT_PTR result = run(data, Zk_String(), [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).currentPage(), Page::kGroupsPage);
            EXPECT_TRUE(libDialog(dlg).groupsPage().IsWindowVisible());
            EXPECT_FALSE(libDialog(dlg).valuesPage().IsWindowVisible());
            EXPECT_EQ(libDialog(dlg).groupsPage().current(), 0);
            EXPECT_EQ(::IsDlgButtonChecked(libDialog(dlg).groupsPage().GetSafeHwnd(), IDC_LIB_ENABLED), 1u);
            CString title;
            dlg.GetWindowText(title);
            EXPECT_EQ(title, L"Section library");
        });
        pick(s, Page::kGroupsPage, IDC_LIB_GROUP_COMBO, 1);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(::IsDlgButtonChecked(libDialog(dlg).groupsPage().GetSafeHwnd(), IDC_LIB_ENABLED), 0u);
            EXPECT_EQ(sheetCell(libDialog(dlg).groupsPage().languageSheet(), 1, 1), L"Welded");
        });
        // Enable it, rename it in the language sheet, go back to the first group.
        click(s, Page::kGroupsPage, IDC_LIB_ENABLED);
        s.then([](CDialog& dlg) {
            SSUserTypeText(libDialog(dlg).groupsPage().languageSheet().GetSafeHwnd(), 1, 1, L"Welded plates");
        });
        pick(s, Page::kGroupsPage, IDC_LIB_GROUP_COMBO, 0);
        // A mark ticked in the list changes that group at once, the shown one through its check.
        s.tickCheckCombo(IDC_LIB_GROUP_COMBO, 2);
        s.tickCheckCombo(IDC_LIB_GROUP_COMBO, 0);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(::IsDlgButtonChecked(libDialog(dlg).groupsPage().GetSafeHwnd(), IDC_LIB_ENABLED), 0u);
            EXPECT_FALSE(libDialog(dlg).data.groups.getEnabled(2));
        });
        s.ok();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(data.groups.getEnabled(0));
    EXPECT_FALSE(data.groups.getEnabled(2));
    EXPECT_TRUE(data.groups.getEnabled(1));
    EXPECT_EQ(data.groups.getLangs(1), (Zk_StringArray{L"Welded plates"}));
    EXPECT_EQ(data.groups.getImage(0), L"rolled.bmp");  // kept though not among the pictures
}

TEST_F(LibDialogs, RemovingTheLastGroupSelectsTheNewLastAndTypesFollowTheirGroups) {
    DlgEditLibData data = sampleData();
    run(data, Zk_String(), [&](mfc::DialogSteps& s) {
        pick(s, Page::kGroupsPage, IDC_LIB_GROUP_COMBO, 2);
        click(s, Page::kGroupsPage, IDC_LIB_REMOVE);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).groupsPage().current(), 1);
            EXPECT_EQ(libDialog(dlg).data.groups.length(), 2);
        });
        // Up: "Welded" becomes the first group and stays selected.
        click(s, Page::kGroupsPage, IDC_LIB_UP);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).groupsPage().current(), 0);
            auto* combo = static_cast<CComboBox*>(libDialog(dlg).groupsPage().GetDlgItem(IDC_LIB_GROUP_COMBO));
            EXPECT_EQ(combo->GetCurSel(), 0);
        });
        // Remove the middle one of three: the one now at that place is selected.
        click(s, Page::kGroupsPage, IDC_LIB_ADD);
        pick(s, Page::kGroupsPage, IDC_LIB_GROUP_COMBO, 1);
        click(s, Page::kGroupsPage, IDC_LIB_REMOVE);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).groupsPage().current(), 1);
            EXPECT_EQ(libDialog(dlg).data.groups.getName(1), L"Group 1");
        });
        s.ok();
    });
    ASSERT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.groups.getName(0), L"Welded");
    EXPECT_EQ(data.types[0].group, -1);  // its group "Rolled" was removed
    EXPECT_EQ(data.types[1].group, -1);  // "Cold formed" too
}

TEST_F(LibDialogs, TypesPageSeesTheGroupsEditedBeforeAndStoresTheGroupIndex) {
    DlgEditLibData data = sampleData();
    library.write("User Sections/Cleat.dwg", "");
    run(data, Zk_String(), [&](mfc::DialogSteps& s) {
        click(s, Page::kGroupsPage, IDC_LIB_ADD);
        s.selectTab(IDC_LIB_TAB, Page::kTypesPage);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).currentPage(), Page::kTypesPage);
            auto* groups = static_cast<CComboBox*>(libDialog(dlg).typesPage().GetDlgItem(IDC_LIB_TYPE_GROUP));
            EXPECT_EQ(groups->GetCount(), 4);  // the new group is offered
            EXPECT_EQ(groups->GetCurSel(), 0);
        });
        pick(s, Page::kTypesPage, IDC_LIB_TYPE_GROUP, 3);
        pick(s, Page::kTypesPage, IDC_LIB_TYPE_DRAWING, L"Cleat.dwg");
        click(s, Page::kTypesPage, IDC_LIB_ADD);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).typesPage().current(), 2);
            EXPECT_EQ(sheetCell(libDialog(dlg).typesPage().languageSheet(), 1, 1), L"Add type");
        });
        s.ok();
    });
    ASSERT_EQ(data.types.length(), 3);
    EXPECT_EQ(data.types[0].group, 3);
    EXPECT_EQ(data.types[0].drawing, L"Cleat.dwg");
    EXPECT_EQ(data.types[2].langs, (Zk_StringArray{L"Add type"}));
    EXPECT_EQ(data.types[2].group, -1);
}

// ---- values ----

TEST_F(LibDialogs, OpensOnTheValuesPageAtTheGivenSection) {
    DlgEditLibData data = sampleData();
    run(data, Zk_String(L"IPE-IPE240"), [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            CTabEditLibValues& values = libDialog(dlg).valuesPage();
            EXPECT_EQ(libDialog(dlg).currentPage(), Page::kValuesPage);
            EXPECT_EQ(values.currentName(), L"IPE");
            SS_COORD col = 0, row = 0;
            values.sheet.GetActiveCell(&col, &row);
            EXPECT_EQ(row, 3);
            EXPECT_EQ(values.chosenType(), L"1");
            EXPECT_EQ(sheetCell(values.sheet, 1, 0, 0), L"SysName");
            EXPECT_EQ(sheetCell(values.sheet, 2, 0, 0), L"I/O");
            EXPECT_EQ(sheetCell(values.sheet, 3, 0, 0), L"ENG");
            EXPECT_EQ(sheetCell(values.sheet, 7, 0, 0), L"Height");
            EXPECT_EQ(sheetCell(values.sheet, 11, 0, 0), L"Radius");
            EXPECT_EQ(sheetCell(values.sheet, 0, 2, 0), L"IPE");
            EXPECT_FALSE(values.isChanged());
        });
        s.cancel();
    });
}

TEST_F(LibDialogs, NoOnLeavingAChangedTableDiscardsTheChanges) {
    const std::string before = library.read("prof/IPE.pr");
    DlgEditLibData data = sampleData();
    user.answerMessageBox(L"has been changed", IDNO);
    run(data, Zk_String(L"IPE-IPE200"), [&](mfc::DialogSteps& s) {
        typeCell(s, 7, 1, L"201");
        s.then([](CDialog& dlg) { EXPECT_TRUE(libDialog(dlg).valuesPage().isChanged()); });
        pick(s, Page::kValuesPage, IDC_LIB_TABLE_COMBO, L"UPN");
        s.then([](CDialog& dlg) { EXPECT_EQ(libDialog(dlg).valuesPage().currentName(), L"UPN"); });
        pick(s, Page::kValuesPage, IDC_LIB_TABLE_COMBO, L"IPE");
        s.then([](CDialog& dlg) { EXPECT_EQ(sheetCell(libDialog(dlg).valuesPage().sheet, 7, 1), L"200"); });
        s.ok();
    });
    EXPECT_EQ(library.read("prof/IPE.pr"), before);
}

TEST_F(LibDialogs, YesSavesTheTableForTheFileAndTheSectionFunctionsCancelStays) {
    DlgEditLibData data = sampleData();
    user.answerMessageBox(L"has been changed", IDCANCEL);
    user.answerMessageBox(L"has been changed", IDYES);
    run(data, Zk_String(L"IPE-IPE200"), [&](mfc::DialogSteps& s) {
        typeCell(s, 7, 1, L"201");
        pick(s, Page::kValuesPage, IDC_LIB_TABLE_COMBO, L"UPN");
        s.then([](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).valuesPage().currentName(), L"IPE");  // Cancel: stays
            auto* combo = static_cast<CComboBox*>(libDialog(dlg).valuesPage().GetDlgItem(IDC_LIB_TABLE_COMBO));
            EXPECT_EQ(combo->GetCurSel(), 0);
        });
        s.ok();  // Yes: saved, then closed
    });
    EXPECT_NE(library.read("prof/IPE.pr").find("IPE200\t1\tIPE 200\tIPE 200\tIPE 200\tIPE200\t201\t100"), std::string::npos)
        << library.read("prof/IPE.pr");
    Zk_String value;
    ASSERT_EQ(getSectionValue(Zk_String(L"IPE-IPE200"), 0, value), Acad::eOk);
    EXPECT_EQ(value, L"201");
}

TEST_F(LibDialogs, AFailedSaveIsReportedNamingTheFileAndTheTableStaysChanged) {
    const std::string before = library.read("prof/IPE.pr");
    DlgEditLibData data = sampleData();
    win::ScopedFileFaults faults;
    user.answerMessageBox(L"has been changed", IDYES);
    user.answerMessageBox(L"could not be saved", IDOK);
    user.answerMessageBox(L"has been changed", IDNO);
    const INT_PTR result = run(data, Zk_String(L"IPE-IPE200"), [&](mfc::DialogSteps& s) {
        typeCell(s, 7, 1, L"201");
        s.then([](CDialog&) { win::FailNextRename(); });
        s.ok();
        s.then([](CDialog& dlg) {
            EXPECT_FALSE(dlg.hasEnded());
            EXPECT_TRUE(libDialog(dlg).valuesPage().isChanged());
            EXPECT_EQ(sheetCell(libDialog(dlg).valuesPage().sheet, 7, 1), L"201");
            const auto& boxes = win::MessageBoxLog();
            ASSERT_FALSE(boxes.empty());
            EXPECT_NE(boxes.back().text.find(L"IPE.pr"), std::wstring::npos);
        });
        s.ok();  // No: closes without saving
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(library.read("prof/IPE.pr"), before);
}

TEST_F(LibDialogs, NewDeleteAndRenameTables) {
    DlgEditLibData data = sampleData();
    user.answerMessageBox(L"has been changed", IDYES);        // leaving the new table
    user.answerMessageBox(L"really want to delete", IDYES);   // deleting UPN
    user.onDialog(L"Rename table").replaceText(IDC_PROMPT_EDIT, L"IPE new").ok();
    run(data, Zk_String(L"IPE"), [&](mfc::DialogSteps& s) {
        click(s, Page::kValuesPage, IDC_LIB_TABLE_NEW);
        s.then([](CDialog& dlg) {
            CTabEditLibValues& values = libDialog(dlg).valuesPage();
            EXPECT_EQ(values.currentName(), L"New table");
            EXPECT_TRUE(values.isChanged());
            EXPECT_EQ(values.sheet.getRowCount(), 1);
            EXPECT_EQ(values.sheet.getColCount(), 8);
            EXPECT_EQ(sheetCell(values.sheet, 7, 0, 0), L"Value1");
            EXPECT_EQ(sheetCell(values.sheet, 8, 1), L"0");
        });
        typeCell(s, 1, 1, L"P1");
        pick(s, Page::kValuesPage, IDC_LIB_TABLE_COMBO, L"UPN");
        click(s, Page::kValuesPage, IDC_LIB_TABLE_DELETE);
        s.then([](CDialog& dlg) { EXPECT_EQ(libDialog(dlg).valuesPage().currentName(), L"IPE"); });
        click(s, Page::kValuesPage, IDC_LIB_TABLE_RENAME);
        s.then([this](CDialog& dlg) {
            EXPECT_EQ(libDialog(dlg).valuesPage().currentName(), L"IPE new");
            EXPECT_FALSE(library.exists("prof/IPE.pr"));
            // The sheet as shown: the type's value-column titles, the rows unchanged.
            const std::string renamed = library.read("prof/IPE new.pr");
            EXPECT_EQ(renamed.substr(0, 3), "1\r\n");
            EXPECT_NE(renamed.find("\tHeight\tWidth\tWeb thickness\tFlange thickness\tRadius\r\n"), std::string::npos);
            EXPECT_NE(renamed.find(std::string(kIpeTable).substr(std::string(kIpeTable).find("IPE200"))), std::string::npos);
        });
        s.ok();
    });
    EXPECT_TRUE(library.exists("prof/New table.pr"));
    EXPECT_NE(library.read("prof/New table.pr").find("P1\t1\t"), std::string::npos);
    EXPECT_FALSE(library.exists("prof/UPN.pr"));
    EXPECT_EQ(data.tableNames, (Zk_StringArray{L"IPE new", L"New table"}));
}

TEST_F(LibDialogs, RowButtonsCopyDeleteAndMoveTheActiveRow) {
    DlgEditLibData data = sampleData();
    user.answerMessageBox(L"has been changed", IDNO);
    run(data, Zk_String(L"IPE-IPE220"), [&](mfc::DialogSteps& s) {
        click(s, Page::kValuesPage, IDC_LIB_ROW_INSERT);
        s.then([](CDialog& dlg) {
            const Zk_Spread& sheet = libDialog(dlg).valuesPage().sheet;
            EXPECT_TRUE(libDialog(dlg).valuesPage().isChanged());
            ASSERT_EQ(sheet.getRowCount(), 4);
            EXPECT_EQ(sheetCell(sheet, 1, 3), L"IPE2201");  // a copy with a new system name
            EXPECT_EQ(sheetCell(sheet, 7, 3), L"220");
            EXPECT_EQ(sheetCell(sheet, 1, 4), L"IPE240");
            EXPECT_EQ(sheetCell(sheet, 0, 3, 0), L"IPE");
        });
        click(s, Page::kValuesPage, IDC_LIB_ROW_UP);  // the copy is active: it moves above IPE220
        s.then([](CDialog& dlg) { EXPECT_EQ(sheetCell(libDialog(dlg).valuesPage().sheet, 1, 2), L"IPE2201"); });
        click(s, Page::kValuesPage, IDC_LIB_ROW_DELETE);
        s.then([](CDialog& dlg) {
            const Zk_Spread& sheet = libDialog(dlg).valuesPage().sheet;
            EXPECT_EQ(sheet.getRowCount(), 3);
            EXPECT_EQ(sheetCell(sheet, 1, 2), L"IPE220");
        });
        clickCell(s, 1, 1);
        click(s, Page::kValuesPage, IDC_LIB_SORT_DOWN);
        s.then([](CDialog& dlg) {
            const Zk_Spread& sheet = libDialog(dlg).valuesPage().sheet;
            EXPECT_EQ(sheetCell(sheet, 1, 1), L"IPE240");
            EXPECT_EQ(sheetCell(sheet, 1, 3), L"IPE200");
        });
        click(s, Page::kValuesPage, IDC_LIB_ROW_DOWN);  // active row 1 goes to row 2
        s.then([](CDialog& dlg) { EXPECT_EQ(sheetCell(libDialog(dlg).valuesPage().sheet, 1, 2), L"IPE240"); });
        s.ok();
    });
}

TEST_F(LibDialogs, ChangingToATypeWithFewerValuesAsksBeforeCuttingTheColumns) {
    DlgEditLibData data = sampleData();
    user.answerMessageBox(L"fewer value columns", IDNO);
    user.answerMessageBox(L"fewer value columns", IDYES);
    user.answerMessageBox(L"has been changed", IDNO);
    run(data, Zk_String(L"IPE-IPE200"), [&](mfc::DialogSteps& s) {
        pick(s, Page::kValuesPage, IDC_LIB_VALUES_TYPE, L"<Rectangular bar>");
        s.then([](CDialog& dlg) {
            const CTabEditLibValues& values = libDialog(dlg).valuesPage();
            EXPECT_EQ(values.sheet.getColCount(), 11);  // No: kept
            EXPECT_EQ(sheetCell(values.sheet, 7, 0, 0), L"Height");
            EXPECT_EQ(sheetCell(values.sheet, 8, 0, 0), L"Width");
            EXPECT_TRUE(values.isChanged());
            EXPECT_EQ(values.chosenType(), L"8");
            const auto& boxes = win::MessageBoxLog();
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes.back().text, L"The type <Rectangular bar> has fewer value columns than the table.\n"
                                         L"Remove the extra columns?");
            EXPECT_EQ(boxes.back().caption, L"Change type");
        });
        pick(s, Page::kValuesPage, IDC_LIB_VALUES_TYPE, L"<Round bar>");
        s.then([](CDialog& dlg) {
            const CTabEditLibValues& values = libDialog(dlg).valuesPage();
            EXPECT_EQ(values.sheet.getColCount(), 7);
            EXPECT_EQ(sheetCell(values.sheet, 7, 0, 0), L"Diameter");
        });
        // More values than the sheet has: the new columns start at 0.
        pick(s, Page::kValuesPage, IDC_LIB_VALUES_TYPE, L"<Rectangular tube>");
        s.then([](CDialog& dlg) {
            const CTabEditLibValues& values = libDialog(dlg).valuesPage();
            EXPECT_EQ(values.sheet.getColCount(), 10);
            EXPECT_EQ(sheetCell(values.sheet, 10, 2), L"0");
            EXPECT_EQ(sheetCell(values.sheet, 10, 0, 0), L"Radius");
        });
        s.ok();
    });
}

TEST_F(LibDialogs, FindButtonOpensTheSheetsFindWindow) {
    registerSheetEditorWithSpreadsheets();
    DlgEditLibData data = sampleData();
    run(data, Zk_String(L"IPE"), [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) { EXPECT_EQ(findReplaceWindowOf(libDialog(dlg).valuesPage().sheet), nullptr); });
        click(s, Page::kValuesPage, IDC_LIB_FIND);
        s.then([](CDialog& dlg) { EXPECT_NE(findReplaceWindowOf(libDialog(dlg).valuesPage().sheet), nullptr); });
        s.cancel();
    });
    unregisterSheetEditorWithSpreadsheets();
}

TEST_F(LibDialogs, SheetOptionsKeepTheTableNameAndTheTypeTitlesAsHeaders) {
    DlgEditLibData data = sampleData();
    user.onDialog(IDD_TQ_OPTIONS).ok();
    run(data, Zk_String(L"IPE"), [&](mfc::DialogSteps& s) {
        click(s, Page::kValuesPage, IDC_LIB_SHEET_OPTIONS);
        s.then([](CDialog& dlg) {
            const Zk_Spread& sheet = libDialog(dlg).valuesPage().sheet;
            EXPECT_EQ(sheetCell(sheet, 0, 3, 0), L"IPE");
            EXPECT_EQ(sheetCell(sheet, 1, 0, 0), L"SysName");
            EXPECT_EQ(sheetCell(sheet, 8, 0, 0), L"Width");
        });
        s.cancel();
    });
}

// ---- the simple section dialog ----

const char* const kTubeTable =
    "10\r\n"
    "SysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\tt\tr\r\n"
    "80x80x4\t1\tRHS 80x80x4\tQRO 80x80x4\tRHS 80x80x4\tKK80x80x4\t80\t80\t4\t8\r\n"
    "100x100x5\t1\tRHS 100x100x5\tQRO 100x100x5\tRHS 100x100x5\tKK100x100x5\t100\t100\t5\t10\r\n"
    "120x80x5\t1\tRHS 120x80x5\tRRO 120x80x5\tRHS 120x80x5\tKK120x80x5\t120\t80\t5\t10\r\n"
    "150x100x6\t1\tRHS 150x100x6\tRRO 150x100x6\tRHS 150x100x6\tKK150x100x6\t150\t100\t6\t12\r\n";

class SimpleDialog : public LibDialogs {
protected:
    void SetUp() override {
        LibDialogs::SetUp();
        library.write("prof/RHS.pr", kTubeTable);
        ASSERT_TRUE(table.readFromFile(Zk_String(L"RHS")));
    }
    INT_PTR run(const wchar_t* start, const std::function<void(mfc::DialogSteps&)>& steps) {
        CDlgEditLibSimple dlg;
        dlg.table = table;
        dlg.startSysName = Zk_String(start);
        steps(user.onDialog(IDD_EDIT_LIB_SIMPLE));
        const INT_PTR result = dlg.DoModal();
        table = dlg.table;
        resultIndex = dlg.resultIndex;
        return result;
    }
    Zk_ProfValuesTable table;
    int resultIndex = -2;
};

Zk_String windowText(CDialog& dlg, int id) {
    CString text;
    dlg.GetDlgItemText(id, text);
    return Zk_String(text.GetString());
}

TEST_F(SimpleDialog, NamesTheSectionFromItsValuesAndSortsItAmongTheSquareTubes) {
    const INT_PTR result = run(L"100x100x5", [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            auto& simple = static_cast<CDlgEditLibSimple&>(dlg);
            EXPECT_EQ(simple.startRow, 1);
            EXPECT_EQ(simple.namePositions, (Zk_Array<int>{0, 1, 2}));
            EXPECT_EQ(windowText(dlg, IDC_SIMPLE_NAME), L"RHS 100x100x5");
            EXPECT_FALSE(dlg.GetDlgItem(IDC_SIMPLE_NAME)->IsWindowEnabled());
            EXPECT_EQ(windowText(dlg, IDC_SIMPLE_LABEL_FIRST), L"A. Height:");
            EXPECT_EQ(windowText(dlg, IDC_SIMPLE_LABEL_FIRST + 6), L"D. Radius:");
            EXPECT_TRUE(dlg.GetDlgItem(IDC_SIMPLE_VALUE_FIRST + 6)->IsWindowVisible());
            EXPECT_FALSE(dlg.GetDlgItem(IDC_SIMPLE_VALUE_FIRST + 8)->IsWindowVisible());
            EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SIMPLE_ACTIVE), 1u);
        });
        s.replaceText(IDC_SIMPLE_VALUE_FIRST, L"90").replaceText(IDC_SIMPLE_VALUE_FIRST + 2, L"90");
        s.then([](CDialog& dlg) { EXPECT_EQ(windowText(dlg, IDC_SIMPLE_NAME), L"RHS 90x90x5"); });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    ASSERT_EQ(table.rows.length(), 5);
    const Zk_StringArray& row = table.rows[1];
    EXPECT_EQ(row, (Zk_StringArray{L"90x90x5", L"1", L"RHS 90x90x5", L"QRO 90x90x5", L"RHS 90x90x5", L"KK90x90x5",
                                   L"90", L"90", L"5", L"10"}));
    EXPECT_EQ(resultIndex, 1);
}

TEST_F(SimpleDialog, RectangularTubesSortAmongAllAndTheIndexCountsActiveRows) {
    table.rows[0][1] = Zk_String(L"0");
    run(L"120x80x5", [](mfc::DialogSteps& s) { s.replaceText(IDC_SIMPLE_VALUE_FIRST, L"140").ok(); });
    ASSERT_EQ(table.rows.length(), 5);
    EXPECT_EQ(table.rows[3][0], L"140x80x5");
    EXPECT_EQ(resultIndex, 2);  // the inactive first row is not counted
}

TEST_F(SimpleDialog, TypedNameIsUsedAsItStandsInEveryLanguage) {
    run(L"nowhere", [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) { EXPECT_EQ(static_cast<CDlgEditLibSimple&>(dlg).startRow, 0); });
        s.click(IDC_SIMPLE_TYPED);
        s.then([](CDialog& dlg) { EXPECT_TRUE(dlg.GetDlgItem(IDC_SIMPLE_NAME)->IsWindowEnabled()); });
        s.replaceText(IDC_SIMPLE_NAME, L"Special").click(IDC_SIMPLE_ACTIVE).ok();
    });
    ASSERT_EQ(table.rows.length(), 5);
    const Zk_StringArray& row = table.rows[4];  // "Special" sorts after the digits
    EXPECT_EQ(row[0], L"Special");
    EXPECT_EQ(row[1], L"0");
    EXPECT_EQ(row[2], L"Special");
    EXPECT_EQ(row[5], L"Special");
    EXPECT_EQ(resultIndex, 4);
}

TEST_F(SimpleDialog, ATubeWallThickerThanItsRadiusIsRefused) {
    user.answerMessageBox(L"corner radius", IDOK);
    user.answerMessageBox(L"already in use", IDOK);
    const INT_PTR result = run(L"80x80x4", [](mfc::DialogSteps& s) {
        s.replaceText(IDC_SIMPLE_VALUE_FIRST + 4, L"12").ok();
        s.then([](CDialog& dlg) {
            EXPECT_FALSE(dlg.hasEnded());
            const auto& box = win::MessageBoxLog().back();
            EXPECT_EQ(box.caption, L"Invalid values");
            EXPECT_EQ(box.text, L"The wall thickness is greater than the corner radius.\n"
                                L"A rectangular tube needs a corner radius of at least its wall thickness, or none (0).\n\n"
                                L"Please correct the values.");
        });
        // No radius is allowed; the name of an existing section is not.
        s.replaceText(IDC_SIMPLE_VALUE_FIRST + 6, L"0").replaceText(IDC_SIMPLE_VALUE_FIRST + 4, L"4").ok();
        s.then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); });
        s.replaceText(IDC_SIMPLE_VALUE_FIRST + 4, L"12").ok();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(table.rows[1][0], L"80x80x12");
    EXPECT_EQ(table.rows[1][9], L"0");
}

}  // namespace
