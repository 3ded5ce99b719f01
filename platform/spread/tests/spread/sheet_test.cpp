// The sheet model: text modes, number texts, headers, formats, sparse memory, spans and the
// user's clicks and typing with their notifications.
#include "spread_fixture.h"

#include "../../src/control.h"

namespace spread_test {
namespace {

class SheetTest : public SpreadTest {};

TEST_F(SheetTest, FourTextModes) {
    SSSetTypeNumber(ss, 2, 2, 2, 2, 2, -1e14, 1e14, TRUE);
    ASSERT_TRUE(SSSetFormula(ss, 2, 2, L"1000+234.5"));
    SSSetCellTag(ss, 2, 2, L"the tag");
    std::wstring t;
    SSGetCellText(ss, 2, 2, 0, t);
    EXPECT_EQ(t, L"1,234.50");
    SSGetCellText(ss, 2, 2, 1, t);
    EXPECT_EQ(t, L"1000+234.5");
    SSGetCellText(ss, 2, 2, 2, t);
    EXPECT_EQ(t, L"the tag");
    SSGetCellText(ss, 2, 2, 3, t);
    EXPECT_EQ(t, L"1234.5");
    // Writing by value parses as the type does; a number cell refuses text.
    EXPECT_TRUE(SSSetValue(ss, 2, 2, L"-7.125"));
    EXPECT_EQ(Data(2, 2), L"-7.13");
    EXPECT_EQ(Val(2, 2), L"-7.125");
    EXPECT_FALSE(SSSetData(ss, 2, 2, L"abc"));
    EXPECT_FALSE(SSSetData(ss, 2, 2, L"1e15"));
    EXPECT_EQ(Val(2, 2), L"-7.125");
    EXPECT_FALSE(SSGetCellText(ss, SSGetMaxCols(ss) + 1, 1, 0, t));
    EXPECT_TRUE(t.empty());
    EXPECT_FALSE(SSGetCellText(ss, 1, 1, 4, t));
}

TEST_F(SheetTest, PlainValueTexts) {
    const std::pair<double, const wchar_t*> cases[] = {
        {212, L"212"}, {0.1 + 0.2, L"0.3"}, {1.0 / 3, L"0.333333333333333"}, {-0.5, L"-0.5"}, {1e21, L"1E+21"},
        {123456789012345678.0, L"1.23456789012346E+17"}, {1e-7, L"1E-07"}, {-0.0, L"0"}, {100000, L"100000"},
    };
    for (auto& [v, text] : cases) {
        SSSetFloat(ss, 1, 1, v);
        EXPECT_EQ(Val(1, 1), text);
    }
}

TEST_F(SheetTest, HeadersDefaultToLettersAndNumbers) {
    EXPECT_EQ(Data(1, 0), L"A");
    EXPECT_EQ(Data(28, 0), L"AB");
    EXPECT_EQ(Data(0, 7), L"7");
    SSSetData(ss, 2, 0, L"Width");
    EXPECT_EQ(Data(2, 0), L"Width");
    SSSetData(ss, 2, 0, L"");
    EXPECT_EQ(Data(2, 0), L"B");
}

TEST_F(SheetTest, CellTypesAndLayeredFormats) {
    SSSetTypeNumber(ss, SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS, 1, 0, 0, FALSE);
    SSSetTypeInteger(ss, 3, SS_ALLROWS, 3, SS_ALLROWS, -5, 5);
    SSSetTypeCheckBox(ss, SS_ALLCOLS, 4, SS_ALLCOLS, 4, L"", L"8134", L"8136");
    EXPECT_EQ(SSGetCellType(ss, 1, 1), SS_TYPE_NUMBER);
    EXPECT_EQ(SSGetCellType(ss, 3, 1), SS_TYPE_INTEGER);
    EXPECT_EQ(SSGetCellType(ss, 3, 4), SS_TYPE_CHECKBOX);   // the later row format wins at the crossing
    SSSetTypeEdit(ss, 3, SS_ALLROWS, 3, SS_ALLROWS, 3, SS_CASE_LOWER);
    EXPECT_EQ(SSGetCellType(ss, 3, 4), SS_TYPE_EDIT);       // and the even later column format
    EXPECT_TRUE(SSSetData(ss, 3, 1, L"AbC"));
    EXPECT_EQ(Val(3, 1), L"abc");
    EXPECT_FALSE(SSSetData(ss, 3, 1, L"toolong"));
    SSSetTypeInteger(ss, 5, 5, 5, 5, -5, 5);
    EXPECT_TRUE(SSSetData(ss, 5, 5, L"4.6"));
    EXPECT_EQ(Val(5, 5), L"5");
    EXPECT_FALSE(SSSetData(ss, 5, 5, L"6"));
    SSSetTypeComboBox(ss, 6, 6, 6, 6, L"HEA\tHEB", FALSE);
    EXPECT_TRUE(SSSetData(ss, 6, 6, L"HEB"));
    EXPECT_FALSE(SSSetData(ss, 6, 6, L"IPE"));
    SSSetTypePercent(ss, 7, 7, 7, 7, 1);
    SSSetData(ss, 7, 7, L"12.5%");
    EXPECT_EQ(Data(7, 7), L"12.5%");
    EXPECT_EQ(Val(7, 7), L"0.125");
    SSSetColor(ss, 2, 2, 2, 2, RGB(1, 2, 3), SS_COLOR_DEFAULT);
    COLORREF back, fore;
    SSGetColor(ss, 2, 2, &back, &fore);
    EXPECT_EQ(back, RGB(1, 2, 3));
    SSGetColor(ss, 2, 3, &back, &fore);
    EXPECT_EQ(back, SS_COLOR_DEFAULT);
}

TEST_F(SheetTest, HugeSparseSheetStaysSmall) {
    ASSERT_TRUE(SSSetMaxRows(ss, 1000000));
    ASSERT_TRUE(SSSetMaxCols(ss, 1000));
    for (int i = 0; i < 100; ++i) SSSetFloat(ss, 1 + i * 9, 3 + i * 9999, i);
    ASSERT_TRUE(SSSetFormula(ss, 2, 2, L"SUM(A3:ALL1000000)+COUNT(A3:ALL1000000)"));
    EXPECT_EQ(Val(2, 2), L"5050");
    auto ctl = spread::ControlOf(ss);
    EXPECT_LT(ctl->sheet->MemoryBytes(), 200u * 1024u);
    EXPECT_FALSE(SSSetMaxRows(ss, SS_LIMIT_MAXROWS + 1));
    SS_COORD c, r;
    SSGetLastUsed(ss, &c, &r);
    EXPECT_EQ(r, 3 + 99 * 9999);
}

TEST_F(SheetTest, SpansCannotOverlap) {
    EXPECT_TRUE(SSAddCellSpan(ss, 2, 2, 2, 3));
    EXPECT_FALSE(SSAddCellSpan(ss, 3, 4, 2, 2));
    EXPECT_FALSE(SSAddCellSpan(ss, SSGetMaxCols(ss), 1, 2, 1));
    SS_COORD ac = 0, ar = 0, nc = 0, nr = 0;
    EXPECT_EQ(SSGetCellSpan(ss, 2, 2, &ac, &ar, &nc, &nr), SS_SPAN_ANCHOR);
    EXPECT_EQ(SSGetCellSpan(ss, 3, 4, &ac, &ar, &nc, &nr), SS_SPAN_YES);
    EXPECT_EQ(nr, 3);
    SSRemoveCellSpan(ss, 3, 4);
    EXPECT_EQ(SSGetCellSpan(ss, 2, 2, nullptr, nullptr, nullptr, nullptr), SS_SPAN_NO);
}

TEST_F(SheetTest, UserClicksAndTypingNotifyTheParent) {
    SSSetTypeButton(ss, 2, 2, 2, 2, L"Go");
    SSSetTypeCheckBox(ss, 3, 3, 3, 3, L"", L"8134", L"8136");
    ASSERT_TRUE(SSUserClickCell(ss, 2, 2));
    ASSERT_EQ(Notifications().size(), 3u);
    EXPECT_EQ(Notifications()[0].code, SSN_LEAVECELL);
    EXPECT_EQ(Notifications()[1].code, SSN_CLICK);
    EXPECT_EQ(Notifications()[2].code, SSN_BUTTONCLICKED);
    EXPECT_EQ(Notifications()[2].id, 100);
    EXPECT_EQ(Notifications()[2].from, ss);
    Notifications().clear();
    ASSERT_TRUE(SSUserClickCell(ss, 3, 3));
    EXPECT_EQ(Val(3, 3), L"1");
    EXPECT_EQ(Notifications().back().code, SSN_CHANGE);
    // Typing commits through the cell type; locked cells refuse it while protected.
    ASSERT_TRUE(SSUserTypeText(ss, 4, 4, L"12"));
    EXPECT_EQ(Val(4, 4), L"12");
    EXPECT_EQ(Notifications().back().code, SSN_CHANGE);
    SSSetLock(ss, 4, 4, 4, 4, TRUE);
    EXPECT_FALSE(SSUserTypeText(ss, 4, 4, L"13"));
    EXPECT_EQ(Val(4, 4), L"12");
    // "=" makes a formula only when user formulas are allowed.
    ASSERT_TRUE(SSUserTypeText(ss, 5, 5, L"=1+1"));
    EXPECT_EQ(Val(5, 5), L"=1+1");
    SSSetBool(ss, SSB_ALLOWUSERFORMULAS, TRUE);
    ASSERT_TRUE(SSUserTypeText(ss, 5, 5, L"=1+1"));
    EXPECT_EQ(Val(5, 5), L"2");
    // Mouse messages reach the same handling.
    SS_COORD c, r;
    ASSERT_TRUE(SSGetCellFromPixel(ss, 32 + 72 + 10, 16 + 5, &c, &r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 1);
    SendMessageW(ss, WM_LBUTTONDOWN, 0, MAKELONG(32 + 72 + 10, 16 + 5));
    SS_COORD ac, ar;
    SSGetActiveCell(ss, &ac, &ar);
    EXPECT_EQ(ac, 2);
    EXPECT_EQ(ar, 1);
}

TEST_F(SheetTest, EditModeWithTextSelection) {
    SSSetActiveCell(ss, 2, 2);
    SSSetData(ss, 2, 2, L"abc");
    ASSERT_TRUE(SSSetEditMode(ss, TRUE));
    std::wstring t;
    SSGetEditText(ss, t);
    EXPECT_EQ(t, L"abc");
    SSSetEditSel(ss, 1, 2);
    SendMessageW(ss, WM_CHAR, L'X', 0);
    SSGetEditText(ss, t);
    EXPECT_EQ(t, L"aXc");
    ASSERT_TRUE(SSLeaveEditMode(ss, TRUE));
    EXPECT_EQ(Val(2, 2), L"aXc");
    EXPECT_FALSE(SSGetEditMode(ss));
}

TEST_F(SheetTest, RepeatedTypesOverManyCellsKeepEachCellsOwnFormat) {
    // Alternating types cell by cell, as a calculation pass sets them; each cell keeps the
    // format it was given, including the ranges and decimals of equal-looking types.
    for (int row = 1; row <= 40; ++row) {
        if (row % 3 == 0) SSSetTypeEdit(ss, 1, row, 1, row, 200, SS_CASE_NOCASE);
        else SSSetTypeNumber(ss, 1, row, 1, row, static_cast<short>(row % 3 == 1 ? 7 : 2), 0, 0, FALSE);
        SSSetTypeNumber(ss, 2, row, 2, row, 2, -1, 1 + row * 1e-12, FALSE);
    }
    SS_CELLTYPEINFO info;
    for (int row = 1; row <= 40; ++row) {
        ASSERT_TRUE(SSGetCellTypeInfo(ss, 1, row, &info));
        if (row % 3 == 0) {
            EXPECT_EQ(info.type, SS_TYPE_EDIT) << row;
        } else {
            EXPECT_EQ(info.type, SS_TYPE_NUMBER) << row;
            EXPECT_EQ(info.decimals, row % 3 == 1 ? 7 : 2) << row;
        }
        ASSERT_TRUE(SSGetCellTypeInfo(ss, 2, row, &info));
        EXPECT_EQ(info.maxValue, 1 + row * 1e-12) << row;
    }
    // After a clear the formats start afresh.
    SSClear(ss, SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS);
    SSSetTypeNumber(ss, 1, 1, 1, 1, 7, 0, 0, FALSE);
    ASSERT_TRUE(SSGetCellTypeInfo(ss, 1, 1, &info));
    EXPECT_EQ(info.decimals, 7);
    EXPECT_EQ(SSGetCellType(ss, 1, 2), SS_TYPE_GENERAL);
}

TEST_F(SheetTest, ResetAndClear) {
    SSSetData(ss, 1, 1, L"x");
    SSSetTypeNumber(ss, 2, 2, 2, 2, 2, 0, 0, FALSE);
    SSSetFloat(ss, 2, 2, 3);
    SSClearData(ss, 1, 1, 2, 2);
    EXPECT_EQ(Val(1, 1), L"");
    EXPECT_EQ(SSGetCellType(ss, 2, 2), SS_TYPE_NUMBER);
    SSClear(ss, SS_ALLCOLS, SS_ALLROWS, SS_ALLCOLS, SS_ALLROWS);
    EXPECT_EQ(SSGetCellType(ss, 2, 2), SS_TYPE_GENERAL);
    SSSetMaxRows(ss, 7);
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    ASSERT_TRUE(SSReset(ss));
    EXPECT_EQ(SSGetMaxRows(ss), SS_DEFAULT_MAXROWS);
    EXPECT_TRUE(SSGetBool(ss, SSB_AUTOCALC));
    EXPECT_FALSE(SSReset(nullptr));
}

}  // namespace
}  // namespace spread_test
