// The general-variables dialog, driven as a user would: clicks into the sheets, the
// Add/Remove/move buttons, the "..." button cell and the drawing chooser, then OK or Cancel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <unistd.h>

#include "engine/dlg_gen_vars.h"
#include "host/dialog_support.h"
#include "host/dlg_open_multi.h"
#include "host/settings.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/resources.h"
#include "win/msgbox.h"
#include "win/paths.h"

namespace {

Zk_StringArray list(std::initializer_list<const wchar_t*> items) {
    Zk_StringArray out;
    for (const wchar_t* item : items) out.append(Zk_String(item));
    return out;
}

HWND sheetOf(CDialog& dlg, int id) { return ::GetDlgItem(dlg.GetSafeHwnd(), id); }

class GenVarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        root = std::filesystem::temp_directory_path() / ("genvars_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "lib");
        ::setenv("TQ_DLGSTATE_DIR", root.string().c_str(), 1);
        savedLib = gSettings.libDir;
        gSettings.libDir = Zk_Settings::normalizeFolder(Zk_String((root / "lib").string()));
    }
    void TearDown() override {
        gSettings.libDir = savedLib;
        ::unsetenv("TQ_DLGSTATE_DIR");
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    // Runs the dialog on data with the user's steps; returns what DoModal returned and
    // leaves the dialog's record in data.
    INT_PTR run(KmAutoStandardsData& data, const std::function<void(mfc::DialogSteps&)>& steps) {
        CDlgGenVars dlg;
        dlg.data = data;
        auto& s = user.onDialog(IDD_TQ_GEN_VARS);
        steps(s);
        const INT_PTR result = dlg.DoModal();
        data = dlg.data;
        return result;
    }

    static void clickCell(mfc::DialogSteps& s, int sheet, int col, int row) {
        s.then([=](CDialog& dlg) { SSUserClickCell(sheetOf(dlg, sheet), col, row); });
    }
    static void typeCell(mfc::DialogSteps& s, int sheet, int col, int row, const wchar_t* text) {
        s.then([=](CDialog& dlg) { SSUserTypeText(sheetOf(dlg, sheet), col, row, text); });
    }

    KmAutoStandardsData threeEach() const {
        KmAutoStandardsData data;
        data.addDwgGenVar(L"A", L"1", L"a.dwg");
        data.addDwgGenVar(L"B", L"2", L"");
        data.addDwgGenVar(L"C", L"3", L"sub\\");
        data.addStdGenVar(L"X", L"10", L"yes", L"x.dwg");
        data.addStdGenVar(L"Y", L"20", L"", L"");
        data.addStdGenVar(L"Z", L"30", L"no", L"z\\");
        return data;
    }

    std::filesystem::path root;
    Zk_String savedLib;
    ScriptedUser user;
};

TEST_F(GenVarsTest, EmptyRecordOpensWithOneBlankRowPerSheetAndStaysEmptyOnOk) {
    KmAutoStandardsData data;
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            HWND dwg = sheetOf(dlg, IDC_GENVARS_DWG_SHEET);
            HWND stdSheet = sheetOf(dlg, IDC_GENVARS_STD_SHEET);
            EXPECT_EQ(SSGetMaxRows(dwg), 1);
            EXPECT_EQ(SSGetMaxRows(stdSheet), 1);
            EXPECT_EQ(SSGetMaxCols(dwg), 4);
            EXPECT_EQ(SSGetMaxCols(stdSheet), 5);
            EXPECT_EQ(SSGetCellType(dwg, 4, 1), SS_TYPE_BUTTON);
            EXPECT_EQ(SSGetCellType(stdSheet, 5, 1), SS_TYPE_BUTTON);
            int width = 0;
            SSGetColWidthInPixels(dwg, 4, &width);
            EXPECT_EQ(width, CDlgGenVars::kButtonColWidth);
            EXPECT_FALSE(SSGetBool(dwg, SSB_ARROWSEXITEDITMODE));
        });
        s.ok();
    });
    EXPECT_EQ(result, IDOK);
    // The blank row is no variable.
    EXPECT_EQ(data, KmAutoStandardsData());
    // The dialog's place was stored when it closed.
    int w = 0, h = 0;
    EXPECT_TRUE(getDlgSize(Zk_String(L"DLG_GENVARS"), w, h));
    EXPECT_GT(w, 0);
}

TEST_F(GenVarsTest, ReopenedAtAStoredSizeTheControlsStandAsAfterAResizeByHand) {
    // Where OK and the standard sheet stand, in client coordinates.
    struct Layout {
        RECT ok{}, sheet{};
    };
    auto layoutOf = [](CDialog& dlg) {
        Layout l;
        ::GetWindowRect(::GetDlgItem(dlg.GetSafeHwnd(), IDOK), &l.ok);
        ::GetWindowRect(sheetOf(dlg, IDC_GENVARS_STD_SHEET), &l.sheet);
        for (RECT* r : {&l.ok, &l.sheet}) {
            ::ScreenToClient(dlg.GetSafeHwnd(), reinterpret_cast<POINT*>(&r->left));
            ::ScreenToClient(dlg.GetSafeHwnd(), reinterpret_cast<POINT*>(&r->right));
        }
        return l;
    };
    // First run: the user makes the dialog 200 pixels wider and 100 higher by hand.
    Layout atTemplate, byHand;
    KmAutoStandardsData data;
    run(data, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) {
            atTemplate = layoutOf(dlg);
            RECT w{};
            dlg.GetWindowRect(&w);
            dlg.MoveWindow(w.left, w.top, w.right - w.left + 200, w.bottom - w.top + 100, TRUE);
            byHand = layoutOf(dlg);
        });
        s.ok();
    });
    EXPECT_EQ(byHand.ok.left - atTemplate.ok.left, 200);
    EXPECT_EQ(byHand.ok.top - atTemplate.ok.top, 100);
    // Reopened at the stored size, everything stands where the resize put it.
    Layout reopened;
    run(data, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) { reopened = layoutOf(dlg); });
        s.ok();
    });
    EXPECT_TRUE(::EqualRect(&reopened.ok, &byHand.ok));
    EXPECT_TRUE(::EqualRect(&reopened.sheet, &byHand.sheet));
    EXPECT_GT(reopened.sheet.right, atTemplate.sheet.right);
    EXPECT_GT(reopened.sheet.bottom, atTemplate.sheet.bottom);
}

TEST_F(GenVarsTest, FirstRowUpAndLastRowDownChangeNothing) {
    KmAutoStandardsData data = threeEach();
    const KmAutoStandardsData before = data;
    run(data, [](mfc::DialogSteps& s) {
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 1);
        s.click(IDC_GENVARS_DWG_UP);
        clickCell(s, IDC_GENVARS_DWG_SHEET, 2, 3);
        s.click(IDC_GENVARS_DWG_DOWN);
        clickCell(s, IDC_GENVARS_STD_SHEET, 1, 1);
        s.click(IDC_GENVARS_STD_UP);
        clickCell(s, IDC_GENVARS_STD_SHEET, 3, 3);
        s.click(IDC_GENVARS_STD_DOWN);
        s.ok();
    });
    EXPECT_EQ(data, before);
}

TEST_F(GenVarsTest, AddRemoveAndMoveThenOkGiveTheEditedLists) {
    KmAutoStandardsData data = threeEach();
    run(data, [](mfc::DialogSteps& s) {
        // Drawing sheet: a new row before B, filled in; C up twice; A removed.
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 2);
        s.click(IDC_GENVARS_DWG_ADD);
        typeCell(s, IDC_GENVARS_DWG_SHEET, 1, 2, L"N");
        typeCell(s, IDC_GENVARS_DWG_SHEET, 2, 2, L"5");
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 4);
        s.click(IDC_GENVARS_DWG_UP).click(IDC_GENVARS_DWG_UP);
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 1);
        s.click(IDC_GENVARS_DWG_REMOVE);
        s.then([](CDialog& dlg) {
            // Every row, the new one included, has its "..." button.
            HWND dwg = sheetOf(dlg, IDC_GENVARS_DWG_SHEET);
            ASSERT_EQ(SSGetMaxRows(dwg), 3);
            for (int row = 1; row <= 3; ++row) EXPECT_EQ(SSGetCellType(dwg, 4, row), SS_TYPE_BUTTON) << row;
        });
        // Standard sheet: X down to the end, then Y removed.
        clickCell(s, IDC_GENVARS_STD_SHEET, 1, 1);
        s.click(IDC_GENVARS_STD_DOWN).click(IDC_GENVARS_STD_DOWN);
        clickCell(s, IDC_GENVARS_STD_SHEET, 1, 1);
        s.click(IDC_GENVARS_STD_REMOVE);
        s.ok();
    });
    EXPECT_EQ(data.dwgGenVars(), list({L"C", L"N", L"B"}));
    EXPECT_EQ(data.dwgGenValues(), list({L"3", L"5", L"2"}));
    EXPECT_EQ(data.dwgGenFilters(), list({L"sub\\", L"", L""}));
    EXPECT_EQ(data.stdGenVars(), list({L"Z", L"X"}));
    EXPECT_EQ(data.stdGenValues(), list({L"30", L"10"}));
    EXPECT_EQ(data.stdGenOverrides(), list({L"no", L"yes"}));
    EXPECT_EQ(data.stdGenFilters(), list({L"z\\", L"x.dwg"}));
}

TEST_F(GenVarsTest, RemovingEveryRowThenAddingStillWorks) {
    KmAutoStandardsData data;
    data.addDwgGenVar(L"A", L"1", L"");
    run(data, [](mfc::DialogSteps& s) {
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 1);
        s.click(IDC_GENVARS_DWG_REMOVE).click(IDC_GENVARS_DWG_REMOVE);
        s.click(IDC_GENVARS_DWG_UP).click(IDC_GENVARS_DWG_DOWN);
        s.click(IDC_GENVARS_DWG_ADD);
        typeCell(s, IDC_GENVARS_DWG_SHEET, 1, 1, L"Q");
        s.ok();
    });
    EXPECT_EQ(data.dwgGenVars(), list({L"Q"}));
    EXPECT_EQ(data.dwgGenValues(), list({L""}));
}

TEST_F(GenVarsTest, ChosenDrawingsInsideMacrosAreAppendedAndOthersDropped) {
    KmAutoStandardsData data = threeEach();
    const std::wstring macros = gSettings.libDir.wstr() + L"Macros\\";
    // Inside (also with other letter case), on another drive, beside "Macros" under a
    // longer name, and a relative one (taken below the start folder by the chooser).
    const std::wstring typed = macros + L"Beams\\b1.dwg;Y:\\other\\y.dwg;" + gSettings.libDir.wstr() +
                               L"MacrosOld\\m.dwg;" + Zk_String(macros).toUpper().wstr() + L"Top.dwg;Columns";
    user.onDialog(IDD_HOST_OPEN_MULTI)
        .then([&](CDialog& chooser) {
            CString caption;
            chooser.GetWindowText(caption);
            EXPECT_EQ(std::wstring(caption.GetString()), L"Select the drawings and folders that apply to this general variable");
            CString folder, filter;
            chooser.GetDlgItemText(IDC_OPEN_MULTI_FOLDER, folder);
            chooser.GetDlgItemText(IDC_OPEN_MULTI_FILTER, filter);
            EXPECT_EQ(std::wstring(folder.GetString()), macros);
            EXPECT_EQ(std::wstring(filter.GetString()), L"AutoCAD Drawing (*.dwg) and folders");
        })
        .type(IDC_OPEN_MULTI_PATHS, typed)
        .ok();
    user.onDialog(IDD_HOST_OPEN_MULTI).type(IDC_OPEN_MULTI_PATHS, macros + L"no.dwg").cancel();
    run(data, [&](mfc::DialogSteps& s) {
        // The "..." of the first drawing variable.
        clickCell(s, IDC_GENVARS_DWG_SHEET, 4, 1);
        // The standard sheet's chooser is cancelled: its filter stays as it was.
        clickCell(s, IDC_GENVARS_STD_SHEET, 5, 1);
        s.ok();
    });
    EXPECT_EQ(data.dwgGenFilters(), list({L"a.dwg;Beams\\b1.dwg;Top.dwg;Columns", L"", L"sub\\"}));
    EXPECT_EQ(data.stdGenFilters(), threeEach().stdGenFilters());
}

TEST_F(GenVarsTest, CancelLeavesTheRecordAsItWas) {
    KmAutoStandardsData data = threeEach();
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        clickCell(s, IDC_GENVARS_DWG_SHEET, 1, 2);
        s.click(IDC_GENVARS_DWG_REMOVE);
        typeCell(s, IDC_GENVARS_STD_SHEET, 2, 1, L"changed");
        s.click(IDC_GENVARS_STD_ADD);
        s.cancel();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(data, threeEach());
}

TEST(GenVarsPaths, OnlyPathsBelowTheStartFolderRemainRelative) {
    const Zk_String start(L"C:\\Lib\\Macros\\");
    const Zk_StringArray out = CDlgGenVars::relativeToFolder(
        list({L"C:\\Lib\\Macros\\a\\b.dwg", L"C:\\Lib\\Macros\\", L"C:\\Lib\\Macros", L"D:\\x.dwg",
              L"c:\\lib\\macros\\Dir"}),
        start);
    EXPECT_EQ(out, list({L"a\\b.dwg", L"Dir"}));
}

}  // namespace
