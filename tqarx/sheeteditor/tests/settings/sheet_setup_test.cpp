// A new sheet set up from its settings, and the header and footer files that travel with
// a saved sheet.
#include <gtest/gtest.h>

#include "host/files.h"
#include "sheeteditor/km_tq_settings.h"
#include "sheeteditor/sheet_setup.h"
#include "sheeteditor_test_support.h"

namespace {

using namespace sheettest;

class SheetSetupTest : public SheetEditorTest {};

TEST_F(SheetSetupTest, ANewSheetGetsItsSizeTextCellsAndTheFontOfItsSettingsFile) {
    writeBytes(root / "product" / "Plain.kmd", kmd("defaultFont|4|Verdana|defaultTextHeight|2|11|marginTop|2|8|"));
    initSheetWithSettings(sheet(), L"Plain", true);
    EXPECT_EQ(SSGetMaxCols(hwnd()), 6);
    EXPECT_EQ(SSGetMaxRows(hwnd()), 11);
    SS_CELLTYPEINFO info;
    ASSERT_TRUE(SSGetCellTypeInfo(hwnd(), 6, 11, &info));
    EXPECT_EQ(info.type, SS_TYPE_EDIT);
    EXPECT_EQ(info.maxLength, 100);
    std::wstring font;
    int size = 0;
    BOOL bold = TRUE, italic = TRUE;
    ASSERT_TRUE(SSGetFont(hwnd(), 3, 4, font, &size, &bold, &italic));
    EXPECT_EQ(font, L"Verdana");
    EXPECT_EQ(size, 11);
    EXPECT_FALSE(bold);
    ASSERT_TRUE(SSGetFont(hwnd(), 0, 4, font, &size, &bold, &italic));
    EXPECT_TRUE(bold);
    ASSERT_TRUE(SSGetFont(hwnd(), 2, 0, font, &size, &bold, &italic));
    EXPECT_TRUE(bold);
    // The settings are the sheet's own now, and its later cells take their font.
    KmTqSettings stored;
    stored.loadFromSheet(hwnd());
    EXPECT_EQ(stored.marginTop, 8);
    EXPECT_EQ(sheet().fontName, L"Verdana");
    EXPECT_EQ(sheet().fontSize, 11);
    short mode = 0;
    LONG delay = 0;
    ASSERT_TRUE(SSGetTextTip(hwnd(), &mode, &delay, nullptr, nullptr));
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(delay, 10);
    EXPECT_EQ(SSGetCellNoteIndicator(hwnd()), SS_NOTEINDICATOR_HIDE);
    EXPECT_TRUE(SSGetBool(hwnd(), SSB_NOBEEP));
}

TEST_F(SheetSetupTest, WithoutItsOwnFileANewSheetTakesTheRegistrysDefaultSettings) {
    writeBytes(root / "product" / "Company.kmd", kmd("marginLeft|2|25|"));
    const std::wstring key = std::wstring(L"HKEY_LOCAL_MACHINE\\") + KmTqRegistrySets::kKey;
    ASSERT_TRUE(win::RegistrySetString(key, L"Default Settings", L"Company"));
    initSheetWithSettings(sheet(), L"Missing", true);
    KmTqSettings stored;
    stored.loadFromSheet(hwnd());
    EXPECT_EQ(stored.marginLeft, 25);
}

TEST_F(SheetSetupTest, AnExistingSheetKeepsItsSizeAndSettings) {
    sheet().setColCount(3);
    sheet().setRowCount(40);
    initSheetWithSettings(sheet(), L"Missing", false);
    EXPECT_EQ(SSGetMaxCols(hwnd()), 3);
    EXPECT_EQ(SSGetMaxRows(hwnd()), 40);
    std::wstring tag;
    SSGetCellTag(hwnd(), 0, 0, tag);
    EXPECT_TRUE(tag.empty());
}

TEST_F(SheetSetupTest, HeaderPathsResolveBesideTheSheetOneLevelUpOrInTheProductFolder) {
    const fs::path sheetFile = root / "jobs" / "2024" / "bill.kms";
    writeBytes(sheetFile, "");
    writeBytes(root / "jobs" / "head.txt", "parent");
    writeBytes(root / "jobs" / "2024" / "beside.txt", "beside");
    writeBytes(root / "product" / "company.txt", "product");
    const Zk_String sheetPath = winPath(sheetFile);
    EXPECT_EQ(resolveHeaderFooterPath(L"..\\head.txt", sheetPath), winPath(root / "jobs" / "head.txt"));
    EXPECT_EQ(resolveHeaderFooterPath(L"beside.txt", sheetPath), winPath(root / "jobs" / "2024" / "beside.txt"));
    EXPECT_EQ(resolveHeaderFooterPath(L"company.txt", sheetPath), winPath(root / "product" / "company.txt"));
    EXPECT_EQ(resolveHeaderFooterPath(L"company.txt", Zk_String()), winPath(root / "product" / "company.txt"));
    // Nowhere: as it was. Absolute paths as they stand.
    EXPECT_EQ(resolveHeaderFooterPath(L"..\\none.txt", sheetPath), L"..\\none.txt");
    EXPECT_EQ(resolveHeaderFooterPath(L"C:\\x\\head.txt", sheetPath), L"C:\\x\\head.txt");
    EXPECT_EQ(resolveHeaderFooterPath(L"\\\\server\\head.txt", sheetPath), L"\\\\server\\head.txt");
}

TEST_F(SheetSetupTest, ExistingHeaderPathsAreMadeRelativeToTheSheetOrTheProductFolder) {
    const fs::path sheetFile = root / "jobs" / "bill.kms";
    writeBytes(root / "jobs" / "sub" / "head.txt", "x");
    writeBytes(root / "product" / "foot.txt", "y");
    const Zk_String sheetPath = winPath(sheetFile);
    EXPECT_EQ(makeHeaderFooterPathRelative(winPath(root / "jobs" / "sub" / "head.txt"), sheetPath), L"sub\\head.txt");
    EXPECT_EQ(makeHeaderFooterPathRelative(winPath(root / "product" / "foot.txt"), sheetPath), L"foot.txt");
    // A missing file keeps its path.
    const Zk_String missing = winPath(root / "jobs" / "gone.txt");
    EXPECT_EQ(makeHeaderFooterPathRelative(missing, sheetPath), missing);
}

TEST_F(SheetSetupTest, SavingToANewFolderCarriesTheHeaderAndFooterFilesAlong) {
    writeBytes(root / "product" / "head.txt", "HEAD");
    writeBytes(root / "product" / "head.bmp", "BMP");
    writeBytes(root / "old" / "foot.txt", "FOOT");
    KmTqSettings s;
    s.loadFromSheet(hwnd());
    s.headerFile = L"head.txt";
    s.footerFile = winPath(root / "old" / "foot.txt");
    s.storeToSheet(hwnd());
    SSSetData(hwnd(), 1, 1, L"row");
    fs::create_directories(root / "new");
    const fs::path target = root / "new" / "bill.kms";
    ASSERT_TRUE(saveSheetWithHeaderFooter(sheet(), winPath(target)));
    EXPECT_EQ(readBytes(root / "new" / "head.txt"), "HEAD");
    EXPECT_EQ(readBytes(root / "new" / "head.bmp"), "BMP");
    EXPECT_EQ(readBytes(root / "new" / "foot.txt"), "FOOT");
    EXPECT_FALSE(SSGetBool(hwnd(), SSB_CHANGEMADE));
    KmTqSettings after;
    after.loadFromSheet(hwnd());
    EXPECT_EQ(after.headerFile, L"head.txt");
    EXPECT_EQ(after.footerFile, L"foot.txt");
    // The saved file names the copies too.
    SSReset(hwnd());
    ASSERT_TRUE(SSLoadFromFile(hwnd(), winPath(target).c_str()));
    KmTqSettings loaded;
    loaded.loadFromSheet(hwnd());
    EXPECT_EQ(loaded.footerFile, L"foot.txt");
}

TEST_F(SheetSetupTest, AHeaderThatCannotBeCopiedIsNamedAndTheSheetIsStillSaved) {
    writeBytes(root / "product" / "head.txt", "HEAD");
    KmTqSettings s;
    s.loadFromSheet(hwnd());
    s.headerFile = L"head.txt";
    s.storeToSheet(hwnd());
    // A folder of that name stands where the copy would go.
    fs::create_directories(root / "new" / "head.txt");
    Zk_String failed;
    EXPECT_FALSE(saveSheetWithHeaderFooter(sheet(), winPath(root / "new" / "bill.kms"), &failed));
    EXPECT_EQ(failed, winPath(root / "product" / "head.txt"));
    EXPECT_TRUE(fs::exists(root / "new" / "bill.kms"));
}

TEST_F(SheetSetupTest, ASaveThatFailsReportsFalseAndWritesNothing) {
    SSSetData(hwnd(), 1, 1, L"row");
    const fs::path target = root / "missing" / "bill.kms";
    EXPECT_FALSE(saveSheetWithHeaderFooter(sheet(), winPath(target)));
    EXPECT_FALSE(fs::exists(root / "missing"));
}

}  // namespace
