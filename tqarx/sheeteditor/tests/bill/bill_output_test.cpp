// Bills written into a sheet as the host feeds them: rows grown in steps, pictures,
// sub-totals, the bill's variables and the saved file.
#include <gtest/gtest.h>

#include <ctime>

#include "acad/db_object_id.h"
#include "acad/main_window.h"
#include "engine/zk_spread.h"
#include "host/bill_output.h"
#include "mfc/scripted_user.h"
#include "sheeteditor/km_tq_bill_output.h"
#include "sheeteditor/km_tq_settings.h"
#include "sheeteditor_test_support.h"
#include "win/window.h"

namespace {

using namespace sheettest;

Zk_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Zk_StringArray out;
    for (const wchar_t* item : items) out.append(Zk_String(item));
    return out;
}

std::wstring cell(Zk_Spread* sheet, int col, int row) {
    std::wstring text;
    SSGetValue(sheet->GetSafeHwnd(), col, row, text);
    return text;
}

class BillOutputTest : public SheetEditorTest {
protected:
    void SetUp() override {
        SheetEditorTest::SetUp();
        std::tm fixed{};
        fixed.tm_year = 2024 - 1900;
        fixed.tm_mon = 2;
        fixed.tm_mday = 5;
        fixed.tm_hour = 14;
        fixed.tm_min = 7;
        setFixedCurrentTime(&fixed);
    }
    void TearDown() override {
        setFixedCurrentTime(nullptr);
        SheetEditorTest::TearDown();
    }

    Acad::ErrorStatus start(KmTqBillOutput& bill, const Zk_String& file, AcArray<int> kinds = {}) {
        return bill.init(file, texts({L"Pos", L"Name", L"Length"}), AcArray<int>(), kinds, L"NoSuchSettings",
                         texts({L"Project"}), texts({L"Hall 3"}));
    }
    Zk_String billPath(const char* name) { return winPath(root / name); }
};

TEST_F(BillOutputTest, TheToolMakesItsHiddenWindowOnceOnFirstUse) {
    DlgTqAsTool own;
    EXPECT_EQ(own.get(), nullptr);
    ASSERT_TRUE(own.init());
    Zk_Spread* first = own.get();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(own.init());
    EXPECT_EQ(own.get(), first);
    EXPECT_FALSE(::IsWindowVisible(own.dialog()->GetSafeHwnd()));
    EXPECT_EQ(own.dialog()->GetParent()->GetSafeHwnd(), adsw_acadMainWnd());
}

TEST_F(BillOutputTest, InitSetsTheSheetUpWithTheColumnNamesAsHeaders) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    Zk_Spread* sheet = bill.sheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->getColCount(), 3);
    std::wstring header;
    SSGetData(sheet->GetSafeHwnd(), 2, 0, header);
    EXPECT_EQ(header, L"Name");
    EXPECT_EQ(bill.currentRow(), 0);
}

TEST_F(BillOutputTest, AFeedOf250RowsEndsWithExactly250Rows) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    ASSERT_EQ(bill.onStartFeed(), Acad::eOk);
    for (int i = 1; i <= 250; ++i) {
        bill.onAddRow(texts({Zk_String(i).c_str(), L"Plate", L"120.5"}));
        // The rows grow in steps of 100.
        if (i == 12) {
            EXPECT_EQ(bill.sheet()->getRowCount(), 112);
        }
        if (i == 113) {
            EXPECT_EQ(bill.sheet()->getRowCount(), 213);
        }
    }
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(bill.sheet()->getRowCount(), 250);
    EXPECT_EQ(cell(bill.sheet(), 1, 250), L"250");
    EXPECT_TRUE(fs::exists(root / "b.kms"));
    // No bill and no transaction: no pictures, no preview window.
    EXPECT_EQ(bill.currentRow(), 250);
}

TEST_F(BillOutputTest, ARowWithMoreTextsThanColumnsWidensTheSheet) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    bill.onAddRow(texts({L"1", L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(bill.sheet()->getColCount(), 5);
    EXPECT_EQ(cell(bill.sheet(), 5, 1), L"d");
}

TEST_F(BillOutputTest, ATextLongerThanItsCellAllowsIsKept) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    const std::wstring remark(150, L'r');
    bill.onAddRow(texts({L"1", remark.c_str(), L"10"}));
    EXPECT_EQ(cell(bill.sheet(), 2, 1), remark);
}

TEST_F(BillOutputTest, ColumnKindsGiveNumberAndLongTextCells) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms"), AcArray<int>{1, 3, 2}), Acad::eOk);
    bill.onAddRow(texts({L"4", L"Beam", L"12.25"}));
    const HWND hwnd = bill.sheet()->GetSafeHwnd();
    SS_CELLTYPEINFO info;
    ASSERT_TRUE(SSGetCellTypeInfo(hwnd, 1, 1, &info));
    EXPECT_EQ(info.type, SS_TYPE_NUMBER);
    EXPECT_EQ(info.decimals, 0);
    ASSERT_TRUE(SSGetCellTypeInfo(hwnd, 3, 1, &info));
    EXPECT_EQ(info.type, SS_TYPE_NUMBER);
    EXPECT_EQ(info.decimals, 1);
    ASSERT_TRUE(SSGetCellTypeInfo(hwnd, 2, 1, &info));
    EXPECT_EQ(info.type, SS_TYPE_EDIT);
    EXPECT_EQ(info.maxLength, 200);
    double value = 0;
    EXPECT_TRUE(SSGetFloat(hwnd, 3, 1, &value));
    EXPECT_DOUBLE_EQ(value, 12.25);
}

TEST_F(BillOutputTest, SubTotalsColourOnlyTheirNonEmptyCells) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    bill.onAddRow(texts({L"1", L"Plate", L"10"}));
    bill.onAddSubTotals(texts({L"", L"Sum", L"10"}), Zk_StringArray(), false, 0);
    const HWND hwnd = bill.sheet()->GetSafeHwnd();
    COLORREF back = 0, fore = 0;
    SSGetColor(hwnd, 2, 2, &back, &fore);
    EXPECT_EQ(back, 0xFFD1A4u);
    EXPECT_EQ(fore, RGB(0, 0, 0));
    SSGetColor(hwnd, 3, 2, &back, &fore);
    EXPECT_EQ(back, 0xFFD1A4u);
    WORD sides = 0, style = 0;
    COLORREF colour = 0;
    SSGetBorder(hwnd, 3, 2, &sides, &style, &colour);
    EXPECT_EQ(sides, 15);
    SSGetColor(hwnd, 1, 2, &back, &fore);
    EXPECT_NE(back, 0xFFD1A4u);
    SSGetBorder(hwnd, 1, 2, &sides, &style, &colour);
    EXPECT_EQ(sides, 0);
    // The bill row above is not touched.
    SSGetColor(hwnd, 2, 1, &back, &fore);
    EXPECT_NE(back, 0xFFD1A4u);
}

TEST_F(BillOutputTest, WithoutSetVarsNoPicturesAreMadeAndNoPreviewOpens) {
    const int opened = bmpDialogOpenCount();
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    bill.onStartFeed();
    bill.onAddRow(texts({L"1", L"Plate", L"10"}));
    bill.onAddRow(texts({L"2", L"Angle", L"20"}));
    bill.onEndFeed();
    EXPECT_EQ(bmpDialogOpenCount(), opened);
    EXPECT_EQ(bill.sheet()->getRowCount(), 2);
    EXPECT_NE(SSGetCellType(bill.sheet()->GetSafeHwnd(), 2, 2), SS_TYPE_PICTURE);
}

TEST_F(BillOutputTest, WithABillAndATransactionEachRowGetsAPictureRow) {
    Zk_Bill host;
    host.imageFolder = winPath(root);
    host.imageHeight = 64;
    AcTransaction transaction;
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    bill.setVars(-1, 30, 0, true, true, &host, &transaction);
    const int opened = bmpDialogOpenCount();
    bill.onStartFeed();
    EXPECT_TRUE(isBMPDialogOpen());
    EXPECT_EQ(bmpDialogOpenCount(), opened + 1);
    EXPECT_EQ(bmpDialogLastSize(), 50);
    bill.onAddRow(texts({L"1", L"Plate", L"10"}));
    EXPECT_EQ(bill.currentRow(), 2);
    const HWND hwnd = bill.sheet()->GetSafeHwnd();
    EXPECT_EQ(SSGetCellType(hwnd, 2, 2), SS_TYPE_PICTURE);
    EXPECT_EQ(SSGetCellType(hwnd, 1, 2), SS_TYPE_PICTURE);
    SS_COORD numCols = 0, numRows = 0;
    EXPECT_EQ(SSGetCellSpan(hwnd, 2, 2, nullptr, nullptr, &numCols, &numRows), SS_SPAN_ANCHOR);
    EXPECT_EQ(numCols, 2);
    int height = 0;
    SSGetRowHeightInPixels(hwnd, 2, &height);
    EXPECT_EQ(height, 64);
    // The picture file is the host's temporary: deleted once written.
    EXPECT_EQ(host.imagesMade, 1);
    int bmps = 0;
    for (const auto& entry : fs::directory_iterator(root))
        if (entry.path().extension() == ".bmp") ++bmps;
    EXPECT_EQ(bmps, 0);
    // A failed picture leaves the row without one.
    host.failImages = true;
    bill.onAddRow(texts({L"2", L"Angle", L"20"}));
    EXPECT_EQ(bill.currentRow(), 3);
    bill.onEndFeed();
    EXPECT_FALSE(isBMPDialogOpen());
}

TEST_F(BillOutputTest, TheBillsVariablesComeFirstAndTheTitleIsWhatFollowsTheLastMark) {
    KmTqBillOutput bill;
    // "¿" in UTF-8.
    const Zk_String file = winPath(root / "Job 12\xC2\xBFList\xC2\xBF" "Beams.kms");
    ASSERT_EQ(start(bill, file), Acad::eOk);
    bill.onAddRow(texts({L"1", L"Plate", L"10"}));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    KmTqSettings s;
    s.loadFromSheet(bill.sheet()->GetSafeHwnd());
    ASSERT_EQ(s.varNames.length(), 4);
    EXPECT_EQ(s.varNames[0], L"Date");
    EXPECT_EQ(s.varValues[0], L"05 March, 2024 (14:07)");
    EXPECT_EQ(s.varNames[1], L"Title");
    EXPECT_EQ(s.varValues[1], L"Beams");
    EXPECT_EQ(s.varNames[2], L"BillFilename");
    EXPECT_EQ(s.varValues[2], bill.billFile());
    EXPECT_EQ(s.varNames[3], L"Project");
    EXPECT_EQ(s.varValues[3], L"Hall 3");
}

TEST_F(BillOutputTest, AFailedSaveIsReportedNamingTheFileAndLeavesNoFile) {
    ScriptedUser user;
    KmTqBillOutput bill;
    const Zk_String file = winPath(root / "missing" / "b.kms");
    ASSERT_EQ(start(bill, file), Acad::eOk);
    bill.onAddRow(texts({L"1", L"Plate", L"10"}));
    user.answerMessageBox(file.wstr(), IDOK);
    EXPECT_EQ(bill.onEndFeed(), KmTqBillOutput::kSaveFailed);
    EXPECT_TRUE(user.pending().empty());
    EXPECT_FALSE(fs::exists(root / "missing"));
}

TEST_F(BillOutputTest, ACopyWritesIntoASheetOfItsOwn) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("a.kms")), Acad::eOk);
    KmTqBillOutput copy(bill);
    EXPECT_EQ(copy.billFile(), bill.billFile());
    ASSERT_EQ(start(copy, billPath("c.kms")), Acad::eOk);
    EXPECT_NE(copy.sheet(), bill.sheet());
    KmTqBillOutput assigned;
    assigned = bill;
    EXPECT_EQ(assigned.billFile(), bill.billFile());
    EXPECT_EQ(assigned.sheet(), nullptr);  // its own tool, not made yet
}

TEST_F(BillOutputTest, ASecondFeedContinuesBelowTheFirst) {
    KmTqBillOutput bill;
    ASSERT_EQ(start(bill, billPath("b.kms")), Acad::eOk);
    bill.onAddRow(texts({L"1", L"a", L"1"}));
    bill.onEndFeed();
    bill.onStartFeed();
    bill.onAddRow(texts({L"2", L"b", L"2"}));
    bill.onEndFeed();
    EXPECT_EQ(bill.sheet()->getRowCount(), 2);
    EXPECT_EQ(cell(bill.sheet(), 2, 2), L"b");
}

}  // namespace
