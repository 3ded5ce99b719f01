// The shared sheet-editing operations and the layout keeper of resizable dialogs.
#include <gtest/gtest.h>

#include "sheeteditor/layout_keeper.h"
#include "sheeteditor/sheet_operations.h"
#include "sheeteditor_test_support.h"
#include "win/window.h"

namespace {

using namespace sheettest;

class SheetOperationsTest : public SheetEditorTest {
protected:
    void SetUp() override {
        SheetEditorTest::SetUp();
        sheet().setColCount(3);
        sheet().setRowCount(3);
        for (int r = 1; r <= 3; ++r) SSSetData(hwnd(), 1, r, (L"r" + std::to_wstring(r)).c_str());
    }
    std::wstring data(int col, int row) {
        std::wstring t;
        SSGetData(hwnd(), col, row, t);
        return t;
    }
};

TEST_F(SheetOperationsTest, InsertAddsAnEmptyRowAfterTheActiveOneAndMovesThere) {
    SSSetActiveCell(hwnd(), 2, 1);
    insertSheetRow(&sheet());
    EXPECT_EQ(sheet().getRowCount(), 4);
    EXPECT_EQ(data(1, 1), L"r1");
    EXPECT_EQ(data(1, 2), L"");
    EXPECT_EQ(data(1, 3), L"r2");
    SS_COORD col = 0, row = 0;
    SSGetActiveCell(hwnd(), &col, &row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    std::wstring font;
    int size = 0;
    BOOL bold = TRUE, italic = TRUE;
    ASSERT_TRUE(SSGetFont(hwnd(), 0, 2, font, &size, &bold, &italic));
    EXPECT_EQ(font, L"Tahoma");
    EXPECT_EQ(size, 15);
    EXPECT_FALSE(bold);
    // After the last row the sheet grows.
    SSSetActiveCell(hwnd(), 1, 4);
    insertSheetRow(&sheet());
    EXPECT_EQ(sheet().getRowCount(), 5);
    insertSheetRow(nullptr);
}

TEST_F(SheetOperationsTest, DeleteRemovesTheActiveRowAndSelectsTheTextNowThere) {
    SSSetActiveCell(hwnd(), 1, 2);
    deleteSheetRow(&sheet());
    EXPECT_EQ(sheet().getRowCount(), 2);
    EXPECT_EQ(data(1, 2), L"r3");
    int start = -1, end = -1;
    SSGetEditSel(hwnd(), &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    // The last row deleted: the row above stays active.
    SSSetActiveCell(hwnd(), 1, 2);
    deleteSheetRow(&sheet());
    SS_COORD col = 0, row = 0;
    SSGetActiveCell(hwnd(), &col, &row);
    EXPECT_EQ(row, 1);
    deleteSheetRow(&sheet());
    deleteSheetRow(&sheet());  // no rows: nothing
    EXPECT_EQ(sheet().getRowCount(), 0);
    deleteSheetRow(nullptr);
}

TEST_F(SheetOperationsTest, CellTextsByKind) {
    SSSetTypeNumber(hwnd(), 2, 1, 2, 1, 2, -100, 100, FALSE);
    SSSetFormula(hwnd(), 2, 1, L"1/4");
    SSSetCellTag(hwnd(), 2, 1, L"tag");
    EXPECT_EQ(getCellText(&sheet(), 2, 1, kCellTextData), L"0.25");
    EXPECT_EQ(getCellText(&sheet(), 2, 1, kCellTextFormula), L"1/4");
    EXPECT_EQ(getCellText(&sheet(), 2, 1, kCellTextTag), L"tag");
    EXPECT_EQ(getCellText(&sheet(), 2, 1, kCellTextValue), L"0.25");
    EXPECT_TRUE(getCellText(&sheet(), 9, 9, kCellTextValue).isEmpty());
    EXPECT_TRUE(getCellText(&sheet(), 2, 1, 7).isEmpty());
    EXPECT_TRUE(getCellText(nullptr, 1, 1, 0).isEmpty());
}

TEST_F(SheetOperationsTest, ColumnWidthsShareTheClientWidthWithFixedEnds) {
    RECT client{};
    sheet().GetClientRect(&client);
    const int width = client.right - client.left;
    fitColumnWidths(&sheet());
    int w0 = 0, w1 = 0, w3 = 0;
    SSGetColWidthInPixels(hwnd(), 0, &w0);
    SSGetColWidthInPixels(hwnd(), 1, &w1);
    EXPECT_EQ(w0, width / 4);
    EXPECT_EQ(w1, width / 4);
    fitColumnWidths(&sheet(), 30, 50);
    SSGetColWidthInPixels(hwnd(), 1, &w1);
    SSGetColWidthInPixels(hwnd(), 3, &w3);
    SSGetColWidthInPixels(hwnd(), 0, &w0);
    EXPECT_EQ(w1, 30);
    EXPECT_EQ(w3, 50);
    EXPECT_EQ(w0, (width - 80) / 2);
    // Rows higher than the window: the scroll bar's width is left out.
    sheet().setRowCount(500);
    fitColumnWidths(&sheet());
    short scroll = 0, horizontal = 0;
    sheet().GetScrollBarSize(&scroll, &horizontal);
    SSGetColWidthInPixels(hwnd(), 2, &w1);
    EXPECT_EQ(w1, (width - scroll) / 4);
}

TEST(SheetTexts, NumbersAndComparisons) {
    EXPECT_EQ(formatNumber(-42), L"-42");
    EXPECT_EQ(formatNumber(2.345, true), L"2.35");
    EXPECT_EQ(formatNumber(-7.9, false), L"-7");
    EXPECT_EQ(formatNumber(1e300, false), L"9200000000000000000");
    EXPECT_TRUE(equalTexts(L"Plate", L"Plate"));
    EXPECT_FALSE(equalTexts(L"Plate", L"PLATE"));
    EXPECT_TRUE(equalTexts(L"Plate", L"PLATE", true));
    EXPECT_FALSE(equalTexts(L"Plate", L"Plates", true));
}

TEST(LayoutFlags, EachCombinationMovesTheEdgesAsNamed) {
    int s = 0, e = 0;
    // The dialog grows from 200 to 300; the control spans 20..60.
    CLayoutKeeper::layOut(0, 20, 60, 200, 300, s, e);
    EXPECT_EQ(s, 30);
    EXPECT_EQ(e, 90);
    CLayoutKeeper::layOut(3, 20, 60, 200, 300, s, e);  // fixed
    EXPECT_EQ(s, 20);
    EXPECT_EQ(e, 60);
    CLayoutKeeper::layOut(5, 20, 60, 200, 300, s, e);  // moves with the far edge
    EXPECT_EQ(s, 120);
    EXPECT_EQ(e, 160);
    CLayoutKeeper::layOut(6, 20, 60, 200, 300, s, e);  // stretches
    EXPECT_EQ(s, 20);
    EXPECT_EQ(e, 160);
    CLayoutKeeper::layOut(1, 20, 60, 200, 300, s, e);  // scaled start, same size
    EXPECT_EQ(s, 30);
    EXPECT_EQ(e, 70);
    CLayoutKeeper::layOut(4, 20, 60, 200, 300, s, e);  // scaled start, far edge follows
    EXPECT_EQ(s, 30);
    EXPECT_EQ(e, 160);
}

class LayoutKeeperTest : public SheetEditorTest {};

TEST_F(LayoutKeeperTest, FillRecordsTheControlsAndApplyLaysThemOutForTheNewSize) {
    tool.init();
    CDialog* dlg = tool.dialog();
    CLayoutKeeper keeper;
    keeper.fill(dlg);
    EXPECT_EQ(keeper.entries().length(), 3);  // OK, Cancel and the sheet
    EXPECT_TRUE(keeper.setFlags(IDOK, CLayoutKeeper::kKeepSize | CLayoutKeeper::kFollowEnd,
                                CLayoutKeeper::kKeepSize | CLayoutKeeper::kFollowEnd));
    EXPECT_TRUE(keeper.setFlags(IDC_AS_TOOL_SHEET, CLayoutKeeper::kKeepStart | CLayoutKeeper::kFollowEnd,
                                CLayoutKeeper::kKeepStart | CLayoutKeeper::kFollowEnd));
    EXPECT_FALSE(keeper.setFlags(4711, 3, 3));
    RECT before{}, sheetBefore{};
    ::GetWindowRect(dlg->GetDlgItem(IDOK)->GetSafeHwnd(), &before);
    ::GetWindowRect(hwnd(), &sheetBefore);
    RECT window{};
    dlg->GetWindowRect(&window);
    dlg->SetWindowPos(nullptr, 0, 0, window.right - window.left + 100, window.bottom - window.top + 40,
                      SWP_NOMOVE | SWP_NOZORDER);
    keeper.apply();
    RECT after{}, sheetAfter{};
    ::GetWindowRect(dlg->GetDlgItem(IDOK)->GetSafeHwnd(), &after);
    ::GetWindowRect(hwnd(), &sheetAfter);
    EXPECT_EQ(after.left - before.left, 100);
    EXPECT_EQ(after.top - before.top, 40);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(sheetAfter.left, sheetBefore.left);
    EXPECT_EQ(sheetAfter.right - sheetBefore.right, 100);
    EXPECT_EQ(sheetAfter.bottom - sheetBefore.bottom, 40);
    // Once the dialog is gone, nothing happens.
    tool.dialog()->DestroyWindow();
    keeper.apply();
}

}  // namespace
