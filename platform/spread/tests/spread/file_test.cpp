// The sheet file: round trip of everything settable, plain grids, refused files.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "spread_fixture.h"
#include "win/file_faults.h"
#include "win/files.h"
#include "win/paths.h"

namespace spread_test {
namespace {

BOOL Dummy(SS_CALCVALUE* r, SS_CALCVALUE*, short) { r->Status = SS_VALUE_STATUS_EMPTY; return TRUE; }

class FileTest : public SpreadTest {
protected:
    std::wstring TempPath(const char* name) {
        auto dir = std::filesystem::temp_directory_path() / ("spread_file_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return WindowsPathFromHost((dir / name).string());
    }
    std::string Save(HWND h) {
        std::string s;
        SSSaveToBuffer(h, s, FALSE);
        return s;
    }
};

TEST_F(FileTest, EverythingSettableRoundTrips) {
    SSSetMaxCols(ss, 12);
    SSSetMaxRows(ss, 40);
    SSSetData(ss, 1, 1, L"Input");
    SSSetData(ss, 1, 2, L"Double Width");
    SSSetFloat(ss, 2, 2, 0.1);
    SSSetData(ss, 3, 2, L"tab\there");
    SSSetTypeEdit(ss, 4, 2, 4, 2, 20, SS_CASE_UPPER);
    SSSetData(ss, 4, 2, L"007");
    SSSetData(ss, 5, 2, L"=not a formula");
    SSSetData(ss, 6, 2, L"'quoted");
    SSSetData(ss, 1, 3, L"end");
    SSSetFormula(ss, 2, 3, L"ROUND(B2*3,2)&\"mm\"");
    SSSetFormula(ss, 3, 3, L"IF(B2>0,\"line\nbreak\",1)");
    SSSetTypeNumber(ss, 1, 5, 1, 5, 3, -100, 100, TRUE);
    SSSetFloat(ss, 1, 5, 12.5);
    SSSetTypeInteger(ss, 2, 5, 2, 5, 0, 10);
    SSSetTypeCheckBox(ss, 3, 5, 3, 5, L"on?", L"8134", L"8136");
    SSSetFloat(ss, 3, 5, 1);
    SSSetTypeComboBox(ss, 4, 5, 4, 5, L"HEA\tHEB\tIPE", FALSE);
    SSSetData(ss, 4, 5, L"HEB");
    SSSetTypeButton(ss, 5, 5, 5, 5, L"Press");
    SSSetTypeStatic(ss, 6, 5, 6, 5);
    SSSetTypePicture(ss, 7, 5, 7, 5, L"icons\\a.bmp", 3);
    SSSetTypeCurrency(ss, 8, 5, 8, 5, 2, L"EUR ", TRUE);
    SSSetTypePercent(ss, 9, 5, 9, 5, 1);
    SSSetTypeNumber(ss, 10, SS_ALLROWS, 10, SS_ALLROWS, 1, 0, 0, FALSE);
    SSSetColor(ss, SS_ALLCOLS, 7, SS_ALLCOLS, 7, RGB(1, 2, 3), RGB(4, 5, 6));
    SSSetFont(ss, 2, 2, 3, 3, L"Arial", 10, TRUE, FALSE);
    SSSetBorder(ss, 1, 1, 1, 1, SS_BORDER_LEFT | SS_BORDER_BOTTOM, SS_BORDERSTYLE_DASH, RGB(9, 9, 9));
    SSSetAlign(ss, 2, 2, 2, 2, SS_ALIGN_RIGHT);
    SSSetLock(ss, SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, TRUE);
    SSSetLock(ss, 2, 2, 2, 2, FALSE);
    SSSetCellTag(ss, 2, 2, L"tag with\\backslash");
    SSSetCellNote(ss, 2, 3, L"note");
    SSSetCellTextTip(ss, 3, 3, L"tip");
    SSSetData(ss, 2, 0, L"Value");
    SSSetData(ss, 0, 4, L"Row four");
    SSSetColWidth(ss, 2, 14.5);
    SSSetRowHeight(ss, 3, 20);
    SSSetColHidden(ss, 11, TRUE);
    SSSetRowHidden(ss, 30, TRUE);
    SSAddCellSpan(ss, 1, 8, 3, 2);
    SSSetBool(ss, SSB_PROCESSTAB, TRUE);
    SSSetBool(ss, SSB_GRIDLINES, FALSE);
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    SSSetRefStyle(ss, SS_REFSTYLE_R1C1);
    SSSetAppearance(ss, 2);
    SSSetBackColorStyle(ss, 1);
    SSSetSelColor(ss, 0x6A240A, RGB(255, 255, 255));
    SSSetGridColor(ss, 0xE6E6E6);
    SSSetShadowColor(ss, 0x111111, 0x222222);
    SSSetLockColor(ss, 0x333333, 0x444444);
    SSSetCellNoteIndicator(ss, SS_NOTEINDICATOR_HIDE);
    SSSetTextTip(ss, 2, 250, 0x555555, 0x666666);
    SSSetActionKey(ss, SS_ACTION_CLEAR, TRUE, FALSE, 46);
    SSSetDefaultFont(ss, L"Tahoma", 9);
    SSSetSelectionMode(ss, 1);
    SSSetActiveCell(ss, 2, 3);
    SSSetSelection(ss, 1, 1, 3, 4);

    std::wstring path = TempPath("roundtrip.kms");
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    EXPECT_FALSE(SSGetBool(ss, SSB_CHANGEMADE));
    HWND back = MakeSheet(parent, 200);
    ASSERT_TRUE(SSLoadFromFile(back, path.c_str())) << std::string(SSGetLastErrorText(back).begin(), SSGetLastErrorText(back).end());
    EXPECT_EQ(Save(back), Save(ss));
    // Spot checks through the API.
    for (int mode = 0; mode < 4; ++mode)
        for (SS_COORD r = 0; r <= 10; ++r)
            for (SS_COORD c = 0; c <= 12; ++c) {
                std::wstring a, b;
                SSGetCellText(ss, c, r, mode, a);
                SSGetCellText(back, c, r, mode, b);
                EXPECT_EQ(a, b) << "col " << c << " row " << r << " mode " << mode;
                EXPECT_EQ(SSGetCellType(ss, c, r), SSGetCellType(back, c, r));
            }
    EXPECT_EQ(Val(4, 2, back), L"007");
    EXPECT_EQ(Val(5, 2, back), L"=not a formula");
    EXPECT_EQ(Val(1, 3, back), L"end");
    EXPECT_EQ(Data(1, 5, back), L"12.500");
    EXPECT_EQ(Val(2, 3, back), L"0.3mm");
    EXPECT_EQ(SSGetRefStyle(back), SS_REFSTYLE_R1C1);
    EXPECT_FALSE(SSGetBool(back, SSB_AUTOCALC));
    SS_CELLTYPEINFO info;
    SSGetCellTypeInfo(back, 3, 5, &info);
    EXPECT_EQ(info.picture2, L"8136");
    SS_COORD ac, ar, nc, nr;
    EXPECT_EQ(SSGetCellSpan(back, 2, 9, &ac, &ar, &nc, &nr), SS_SPAN_YES);
    EXPECT_EQ(nc, 3);
    std::wstring tag;
    SSGetCellTag(back, 2, 2, tag);
    EXPECT_EQ(tag, L"tag with\\backslash");
    EXPECT_TRUE(SSGetLock(back, 5, 5));
    EXPECT_FALSE(SSGetLock(back, 2, 2));
}

TEST_F(FileTest, HandWrittenFileLoads) {
    const char* text =
        "KMSHEET\t1\n"
        "size\t6\t20\n"
        "grid\n"
        "Input\n"
        "Double Width\t100\n"
        "Calc\n"
        "\t=B2*2\t'123\n"
        "end\n"
        "# formats\n"
        "type\t2\t*\tnumber\t2\t0\t0\t0\n"
        "\n"
        "bool\t7\t1\n";
    ASSERT_TRUE(SSLoadFromBuffer(ss, text, L"hand.kms")) << std::string(SSGetLastErrorText(ss).begin(), SSGetLastErrorText(ss).end());
    EXPECT_EQ(SSGetMaxCols(ss), 6);
    EXPECT_EQ(SSGetMaxRows(ss), 20);
    EXPECT_EQ(Data(2, 2), L"100.00");
    EXPECT_EQ(Val(2, 4), L"200");
    EXPECT_EQ(Data(3, 4), L"123");
    SSSetFloat(ss, 2, 2, 1);
    EXPECT_EQ(Val(2, 4), L"2");
}

TEST_F(FileTest, SettingsTheFileDoesNotNameKeepTheirValues) {
    HWND writer = MakeSheet(parent, 201);
    SSSetData(writer, 1, 1, L"x");
    std::string file;
    SSSaveToBuffer(writer, file, FALSE);
    // As the standards engine does: switch settings, then load.
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    SSSetBool(ss, SSB_NOBEEP, TRUE);
    ASSERT_TRUE(SSLoadFromBuffer(ss, file, L"w.kms"));
    EXPECT_FALSE(SSGetBool(ss, SSB_AUTOCALC));
    EXPECT_TRUE(SSGetBool(ss, SSB_NOBEEP));
    SSSetBool(writer, SSB_GRIDLINES, FALSE);
    SSSaveToBuffer(writer, file, FALSE);
    ASSERT_TRUE(SSLoadFromBuffer(ss, file, L"w.kms"));
    EXPECT_FALSE(SSGetBool(ss, SSB_GRIDLINES));
}

TEST_F(FileTest, PlainTabSeparatedGridLoads) {
    ASSERT_TRUE(SSLoadFromBuffer(ss, "a\tb\r\n1\t=A2+1\r\n\r\nC:\\path\\x.txt\r\n", L"plain.txt"));
    EXPECT_EQ(Val(2, 1), L"b");
    EXPECT_EQ(Val(2, 2), L"2");
    EXPECT_EQ(Val(1, 4), L"C:\\path\\x.txt");
    EXPECT_GE(SSGetMaxRows(ss), 4);
}

TEST_F(FileTest, LoadingReplacesCustomFunctions) {
    ASSERT_TRUE(SSAddCustomFunctionExt(ss, L"MINE", 0, 0, Dummy, 0));
    ASSERT_TRUE(SSLoadFromBuffer(ss, "KMSHEET\t1\ngrid\n=MINE()\nend\n", L"f.kms"));
    EXPECT_EQ(Val(1, 1), L"#NAME?");
}

TEST_F(FileTest, MalformedFilesAreRejectedWithLineAndLeaveTheSheet) {
    SSSetData(ss, 1, 1, L"keep");
    struct Bad { const char* text; const wchar_t* where; };
    const Bad bad[] = {
        {"KMSHEET\t1\ngrid\nx\n=SUM(\nend\n", L"bad.kms, line 4:"},
        {"KMSHEET\t1\ngrid\nx\nend\nwidth\t1\n", L"bad.kms, line 5:"},
        {"KMSHEET\t1\ngrid\nx\nend\nfrobnicate\t1\n", L"bad.kms, line 5:"},
        {"KMSHEET\t1\ngrid\nx\n", L"bad.kms, line 3:"},
        {"KMSHEET\t1\nsize\t2000000000\t5\ngrid\nend\n", L"bad.kms, line 2:"},
        {"KMSHEET\t1\nsize\t5\t99999999999\ngrid\nend\n", L"bad.kms, line 2:"},
        {"KMSHEET\t1\nsize\t2\t2\ngrid\na\tb\tc\nend\n", L"bad.kms, line 4:"},
        {"KMSHEET\t9\ngrid\nend\n", L"bad.kms, line 1:"},
        {"KMSHEET\t1\ngrid\nabc\nend\ntype\t1\t1\tnumber\t2\t0\t0\t0\n", L"bad.kms, line 3:"},
        {"KMSHEET\t1\ngrid\nend\ntype\t1\t1\tnumber\tx\t0\t0\t0\n", L"bad.kms, line 4:"},
    };
    for (const Bad& b : bad) {
        EXPECT_FALSE(SSLoadFromBuffer(ss, b.text, L"bad.kms")) << b.text;
        std::wstring err = SSGetLastErrorText(ss);
        EXPECT_EQ(err.rfind(b.where, 0), 0u) << std::string(err.begin(), err.end());
        EXPECT_EQ(Val(1, 1), L"keep");
    }
    EXPECT_FALSE(SSLoadFromFile(ss, L"Z:\\no\\such\\file.kms"));
    EXPECT_NE(SSGetLastErrorText(ss).find(L"file.kms"), std::wstring::npos);
    EXPECT_EQ(Val(1, 1), L"keep");
}

TEST_F(FileTest, FailedSaveLeavesTheOldFile) {
    std::wstring path = TempPath("keep.kms");
    SSSetData(ss, 1, 1, L"old");
    ASSERT_TRUE(SSSaveToFile(ss, path.c_str(), FALSE));
    std::string before;
    ASSERT_TRUE(ReadFileBytes(path, before));
    SSSetData(ss, 1, 1, L"new");
    EXPECT_FALSE(SSSaveToFile(ss, L"Z:\\no\\such\\dir\\x.kms", FALSE));
    EXPECT_TRUE(SSGetBool(ss, SSB_CHANGEMADE));
    std::string after;
    ASSERT_TRUE(ReadFileBytes(path, after));
    EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace spread_test
