// The text prompt and the sheet options dialog, used as a person would.
#include <gtest/gtest.h>

#include "mfc/controls.h"
#include "mfc/scripted_user.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "sheeteditor/dlg_tq_options.h"
#include "sheeteditor_test_support.h"
#include "win/window.h"

namespace {

using namespace sheettest;

class PromptTest : public SheetEditorTest {
protected:
    ScriptedUser user;
};

TEST_F(PromptTest, OpensWithItsTextsAndTheInitialTextSelectedForTyping) {
    Zk_DlgPromptString prompt;
    prompt.title = L"Copy";
    prompt.prompt = L"Name of the copy:";
    prompt.text = L"Plate 1";
    prompt.okCaption = L"Copy";
    prompt.cancelCaption = L"Keep";
    user.onDialog(IDD_TQ_PROMPT_STRING)
        .then([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetWindowTextString(), CString(L"Copy"));
            EXPECT_EQ(dlg.GetDlgItem(IDC_PROMPT_LABEL)->GetWindowTextString(), CString(L"Name of the copy:"));
            EXPECT_EQ(dlg.GetDlgItem(IDOK)->GetWindowTextString(), CString(L"Copy"));
            EXPECT_EQ(dlg.GetDlgItem(IDCANCEL)->GetWindowTextString(), CString(L"Keep"));
            auto* edit = static_cast<CEdit*>(dlg.GetDlgItem(IDC_PROMPT_EDIT));
            EXPECT_EQ(::GetFocus(), edit->GetSafeHwnd());
            int start = -1, end = -1;
            edit->GetSel(start, end);
            EXPECT_EQ(start, 0);
            EXPECT_EQ(end, 7);
        })
        .replaceText(IDC_PROMPT_EDIT, L"Plate 2")
        .ok();
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_TRUE(prompt.confirmed);
    EXPECT_EQ(prompt.text, L"Plate 2");
}

TEST_F(PromptTest, OkWithAnEmptyTextDoesNothingAndCancelLeavesTheTextAlone) {
    Zk_DlgPromptString prompt;
    prompt.text = L"keep";
    user.onDialog(IDD_TQ_PROMPT_STRING)
        .replaceText(IDC_PROMPT_EDIT, L"")
        .ok()
        .then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); })
        .cancel();
    EXPECT_EQ(prompt.DoModal(), IDCANCEL);
    EXPECT_FALSE(prompt.confirmed);
    EXPECT_EQ(prompt.text, L"keep");
}

TEST_F(PromptTest, WithTheEditHiddenOkClosesWithAnEmptyText) {
    Zk_DlgPromptString prompt;
    prompt.prompt = L"Delete the row?";
    prompt.showEdit = false;
    user.onDialog(IDD_TQ_PROMPT_STRING)
        .then([](CDialog& dlg) { EXPECT_FALSE(::IsWindowVisible(dlg.GetDlgItem(IDC_PROMPT_EDIT)->GetSafeHwnd())); })
        .ok();
    EXPECT_EQ(prompt.DoModal(), IDOK);
    EXPECT_TRUE(prompt.confirmed);
    EXPECT_TRUE(prompt.text.isEmpty());
}

class OptionsTest : public SheetEditorTest {
protected:
    void SetUp() override {
        SheetEditorTest::SetUp();
        sheet().setColCount(2);
        sheet().setRowCount(3);
        SSSetData(hwnd(), 1, 0, L"Pos");
        SSSetData(hwnd(), 0, 2, L"Second");
        SSSetRowHeightInPixels(hwnd(), 0, 20);
        SSSetColWidthInPixels(hwnd(), 0, 40);
        SSSetBool(hwnd(), CDlgTqOptions::kChangedSetting, FALSE);
    }
    static HWND preview(CDialog& dlg, int id) { return ::GetDlgItem(dlg.GetSafeHwnd(), id); }
    static std::wstring text(HWND sheet, int col, int row) {
        std::wstring t;
        SSGetData(sheet, col, row, t);
        return t;
    }
    std::wstring header(int col, int row) { return text(hwnd(), col, row); }

    ScriptedUser user;
};

TEST_F(OptionsTest, OpensWithTheSheetsGeometryInTheEditsAndThePreviews) {
    user.onDialog(IDD_TQ_OPTIONS)
        .then([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetWindowTextString(), CString(L"Sheet settings"));
            EXPECT_EQ(dlg.GetDlgItem(IDC_OPTIONS_COLS)->GetWindowTextString(), CString(L"2"));
            EXPECT_EQ(dlg.GetDlgItem(IDC_OPTIONS_ROWS)->GetWindowTextString(), CString(L"3"));
            EXPECT_EQ(dlg.GetDlgItem(IDC_OPTIONS_HEADER_HEIGHT)->GetWindowTextString(), CString(L"20"));
            EXPECT_EQ(dlg.GetDlgItem(IDC_OPTIONS_HEADER_WIDTH)->GetWindowTextString(), CString(L"40"));
            HWND cols = preview(dlg, IDC_OPTIONS_COLHEAD_SHEET);
            HWND rows = preview(dlg, IDC_OPTIONS_ROWHEAD_SHEET);
            EXPECT_EQ(SSGetMaxCols(cols), 2);
            EXPECT_EQ(SSGetMaxRows(cols), 1);
            EXPECT_EQ(text(cols, 1, 1), L"Pos");
            EXPECT_EQ(text(cols, 2, 1), L"B");
            EXPECT_EQ(SSGetMaxCols(rows), 1);
            EXPECT_EQ(SSGetMaxRows(rows), 3);
            EXPECT_EQ(text(rows, 1, 2), L"Second");
            int pixels = 0;
            SSGetColWidthInPixels(rows, 1, &pixels);
            EXPECT_EQ(pixels, 40);
        })
        .cancel();
    EXPECT_FALSE(editSheetOptions(&sheet()));
    EXPECT_EQ(sheet().getColCount(), 2);
    EXPECT_FALSE(SSGetBool(hwnd(), CDlgTqOptions::kChangedSetting));
}

TEST_F(OptionsTest, RaisingTheColumnCountKeepsTypedHeadersAndLeavesNewOnesEmpty) {
    user.onDialog(IDD_TQ_OPTIONS)
        .then([](CDialog& dlg) { SSUserTypeText(preview(dlg, IDC_OPTIONS_COLHEAD_SHEET), 2, 1, L"Name"); })
        .replaceText(IDC_OPTIONS_COLS, L"4")
        .then([](CDialog& dlg) {
            HWND cols = preview(dlg, IDC_OPTIONS_COLHEAD_SHEET);
            EXPECT_EQ(SSGetMaxCols(cols), 4);
            EXPECT_EQ(text(cols, 1, 1), L"Pos");
            EXPECT_EQ(text(cols, 2, 1), L"Name");
            EXPECT_EQ(text(cols, 3, 1), L"");
        })
        .replaceText(IDC_OPTIONS_ROWS, L"5")
        .replaceText(IDC_OPTIONS_HEADER_WIDTH, L"60")
        .ok();
    EXPECT_TRUE(editSheetOptions(&sheet()));
    EXPECT_EQ(sheet().getColCount(), 4);
    EXPECT_EQ(sheet().getRowCount(), 5);
    EXPECT_EQ(header(1, 0), L"Pos");
    EXPECT_EQ(header(2, 0), L"Name");
    EXPECT_EQ(header(0, 2), L"Second");
    int width = 0;
    SSGetColWidthInPixels(hwnd(), 0, &width);
    EXPECT_EQ(width, 60);
    EXPECT_TRUE(SSGetBool(hwnd(), CDlgTqOptions::kChangedSetting));
}

TEST_F(OptionsTest, LoweringACountAndRaisingItAgainKeepsTheTextsByPosition) {
    user.onDialog(IDD_TQ_OPTIONS)
        .replaceText(IDC_OPTIONS_ROWS, L"1")
        .replaceText(IDC_OPTIONS_ROWS, L"3")
        .then([](CDialog& dlg) {
            // Row 2's text was dropped with the row; the initial text comes back.
            EXPECT_EQ(text(preview(dlg, IDC_OPTIONS_ROWHEAD_SHEET), 1, 2), L"Second");
        })
        .replaceText(IDC_OPTIONS_COLS, L"x")  // no digits: no columns
        .then([](CDialog& dlg) { EXPECT_EQ(SSGetMaxCols(preview(dlg, IDC_OPTIONS_COLHEAD_SHEET)), 0); })
        .ok();
    EXPECT_TRUE(editSheetOptions(&sheet()));
    EXPECT_EQ(sheet().getColCount(), 0);
    EXPECT_EQ(sheet().getRowCount(), 3);
}

TEST_F(OptionsTest, ANullSheetOpensNothing) { EXPECT_FALSE(editSheetOptions(nullptr)); }

}  // namespace
