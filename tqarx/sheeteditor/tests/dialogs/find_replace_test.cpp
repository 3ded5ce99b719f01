// The find and replace window of a spreadsheet, opened with F3 and used as a person would:
// typed texts, its buttons and keys, and the answers to its questions.
#include <gtest/gtest.h>

#include "host/dialog_support.h"
#include "mfc/scripted_user.h"
#include "mfc/user_input.h"
#include "sheeteditor/dlg_find_replace.h"
#include "sheeteditor/sheet_editor.h"
#include "sheeteditor_test_support.h"
#include "win/window.h"

namespace {

using namespace sheettest;

constexpr UINT kF3 = 0x72;
constexpr UINT kF5 = 0x74;

class FindReplaceTest : public SheetEditorTest {
protected:
    void SetUp() override {
        SheetEditorTest::SetUp();
        registerSheetEditorWithSpreadsheets();
        tool.init();
        tool.dialog()->ShowWindow(SW_SHOW);
        sheet().setColCount(4);
        sheet().setRowCount(5);
        sheet().applyStandardLook(true);
    }
    void TearDown() override {
        unregisterSheetEditorWithSpreadsheets();
        SheetEditorTest::TearDown();
    }

    // F3 in the sheet opens the window.
    CDlgFindReplace& open() {
        EXPECT_TRUE(mfc::input::PressKey(kF3, mfc::kNoMods, hwnd()));
        CDlgFindReplace* dlg = findReplaceWindowOf(sheet());
        EXPECT_NE(dlg, nullptr);
        return *dlg;
    }
    void put(int col, int row, const wchar_t* text) { SSSetData(hwnd(), col, row, text); }
    std::wstring value(int col, int row) {
        std::wstring text;
        SSGetValue(hwnd(), col, row, text);
        return text;
    }
    std::pair<SS_COORD, SS_COORD> active() {
        SS_COORD col = 0, row = 0;
        SSGetActiveCell(hwnd(), &col, &row);
        return {col, row};
    }
    std::pair<int, int> selection() {
        int start = -1, end = -1;
        SSGetEditSel(hwnd(), &start, &end);
        return {start, end};
    }

    ScriptedUser user;
};

TEST_F(FindReplaceTest, F3OpensTheWindowOnTopWithItsTextsAndTabBetweenCells) {
    SSSetBool(hwnd(), CDlgFindReplace::kTabSetting, FALSE);
    CDlgFindReplace& dlg = open();
    EXPECT_TRUE(::IsWindowVisible(dlg.GetSafeHwnd()));
    EXPECT_EQ(dlg.GetWindowTextString(), CString(L"Find and replace"));
    EXPECT_EQ(dlg.GetDlgItem(IDC_REPLACE_ALL)->GetWindowTextString(), CString(L"Replace all"));
    EXPECT_TRUE(::GetWindowLongW(dlg.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(SSGetBool(hwnd(), CDlgFindReplace::kTabSetting));
    EXPECT_FALSE(dlg.tabSettingWasOn());
    // Closing restores the setting, keeps the place and lets F3 open a new window.
    user.now(dlg.GetSafeHwnd()).cancel();
    EXPECT_EQ(findReplaceWindowOf(sheet()), nullptr);
    EXPECT_FALSE(SSGetBool(hwnd(), CDlgFindReplace::kTabSetting));
    int w = 0, h = 0;
    EXPECT_TRUE(getDlgSize(Zk_String(CDlgFindReplace::kSizeKey), w, h));
    CDlgFindReplace& again = open();
    EXPECT_TRUE(::IsWindowVisible(again.GetSafeHwnd()));
}

TEST_F(FindReplaceTest, ATabSettingThatWasOnStaysOnAfterClosing) {
    SSSetBool(hwnd(), CDlgFindReplace::kTabSetting, TRUE);
    CDlgFindReplace& dlg = open();
    user.now(dlg.GetSafeHwnd()).close();
    EXPECT_TRUE(SSGetBool(hwnd(), CDlgFindReplace::kTabSetting));
}

TEST_F(FindReplaceTest, FindNextSelectsTheTextInTheNextCellThatHoldsIt) {
    put(2, 1, L"plate P10");
    put(3, 2, L"bolt M16");
    put(1, 4, L"two M16 M16");
    SSSetActiveCell(hwnd(), 1, 2);
    CDlgFindReplace& dlg = open();
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"M16").click(IDC_FIND_NEXT);
    EXPECT_EQ(active(), std::make_pair(SS_COORD{3}, SS_COORD{2}));
    EXPECT_EQ(selection(), std::make_pair(5, 8));
    // Again: the next one lies in a later row; then the second occurrence in that cell.
    user.now(dlg.GetSafeHwnd()).click(IDC_FIND_NEXT);
    EXPECT_EQ(active(), std::make_pair(SS_COORD{1}, SS_COORD{4}));
    EXPECT_EQ(selection(), std::make_pair(4, 7));
    user.now(dlg.GetSafeHwnd()).keyTo(IDC_FIND_TEXT, kF3);
    EXPECT_EQ(active(), std::make_pair(SS_COORD{1}, SS_COORD{4}));
    EXPECT_EQ(selection(), std::make_pair(8, 11));
    EXPECT_TRUE(user.pending().empty());
}

TEST_F(FindReplaceTest, AMatchBeforeTheActiveCellIsFoundOnlyAfterYesToTheWrapQuestion) {
    put(1, 1, L"bolt");
    SSSetActiveCell(hwnd(), 2, 3);
    CDlgFindReplace& dlg = open();
    user.answerMessageBox(L"Continue from the beginning?", IDNO);
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"bolt").click(IDC_FIND_NEXT);
    EXPECT_EQ(active(), std::make_pair(SS_COORD{2}, SS_COORD{3}));
    user.answerMessageBox(L"Continue from the beginning?", IDYES);
    user.now(dlg.GetSafeHwnd()).click(IDC_FIND_NEXT);
    EXPECT_EQ(active(), std::make_pair(SS_COORD{1}, SS_COORD{1}));
    EXPECT_EQ(selection(), std::make_pair(0, 4));
    EXPECT_TRUE(user.pending().empty());
}

TEST_F(FindReplaceTest, NoMatchAnywhereSaysSoAndChangesNothing) {
    put(1, 1, L"bolt");
    CDlgFindReplace& dlg = open();
    user.answerMessageBox(L"Continue from the beginning?", IDYES);
    user.answerMessageBox(L"The text was not found.", IDOK);
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"nut").click(IDC_FIND_NEXT);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(value(1, 1), L"bolt");
}

TEST_F(FindReplaceTest, ReplaceAllChangesEveryCellThatHoldsTheTextAndCountsTheCells) {
    put(1, 1, L"M16 M16");
    put(4, 2, L"M16");
    put(2, 5, L"M12");
    CDlgFindReplace& dlg = open();
    user.answerMessageBox(L"Replaced 2 occurrences.", IDOK);
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"M16").type(IDC_REPLACE_TEXT, L"M20").click(IDC_REPLACE_ALL);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(value(1, 1), L"M20 M20");
    EXPECT_EQ(value(4, 2), L"M20");
    EXPECT_EQ(value(2, 5), L"M12");
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAMatchReportsZero) {
    put(1, 1, L"M16");
    CDlgFindReplace& dlg = open();
    user.answerMessageBox(L"Replaced 0 occurrences.", IDOK);
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"HEA").type(IDC_REPLACE_TEXT, L"HEB").click(IDC_REPLACE_ALL);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(value(1, 1), L"M16");
}

TEST_F(FindReplaceTest, ReplaceReplacesTheFoundStretchAndSelectsTheNewText) {
    put(2, 2, L"plate P10 x");
    SSSetActiveCell(hwnd(), 1, 1);
    CDlgFindReplace& dlg = open();
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"P10").type(IDC_REPLACE_TEXT, L"P120").click(IDC_REPLACE);
    EXPECT_EQ(value(2, 2), L"plate P120 x");
    EXPECT_EQ(active(), std::make_pair(SS_COORD{2}, SS_COORD{2}));
    EXPECT_EQ(selection(), std::make_pair(6, 10));
    // F5 in the window replaces the next one; none is left, and the stretch still selected
    // is not what was searched: it stays.
    user.answerMessageBox(L"Continue from the beginning?", IDNO);
    user.now(dlg.GetSafeHwnd()).replaceText(IDC_REPLACE_TEXT, L"Q").keyTo(IDC_REPLACE_TEXT, kF5);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_EQ(value(2, 2), L"plate P120 x");
}

TEST_F(FindReplaceTest, F3AndF5InTheSheetActWhileTheWindowIsOpen) {
    put(1, 3, L"abc");
    SSSetActiveCell(hwnd(), 1, 1);
    CDlgFindReplace& dlg = open();
    user.now(dlg.GetSafeHwnd()).type(IDC_FIND_TEXT, L"b").type(IDC_REPLACE_TEXT, L"X");
    ASSERT_TRUE(mfc::input::PressKey(kF3, mfc::kNoMods, hwnd()));
    EXPECT_EQ(active(), std::make_pair(SS_COORD{1}, SS_COORD{3}));
    SSLeaveEditMode(hwnd(), FALSE);
    SSSetActiveCell(hwnd(), 1, 1);
    ASSERT_TRUE(mfc::input::PressKey(kF5, mfc::kNoMods, hwnd()));
    EXPECT_EQ(value(1, 3), L"aXc");
}

}  // namespace
