// The spreadsheet control in window pictures: headers, cell texts in their alignment and
// colours, hidden columns, check box cells and the active cell, at their pixel positions.
#include <gtest/gtest.h>

#include "spread_fixture.h"
#include "win/bitmap_font.h"
#include "win/render.h"

namespace spread_test {
namespace {

namespace color = win::color;


class SpreadPaintTest : public SpreadTest {
protected:
    int colW(SS_COORD c) {
        int px = 0;
        SSGetColWidthInPixels(ss, c, &px);
        return px;
    }
    int rowH(SS_COORD r) {
        int px = 0;
        SSGetRowHeightInPixels(ss, r, &px);
        return px;
    }
    // The rectangle of a cell in the picture when the grid starts at column and row 1.
    RECT cell(SS_COORD col, SS_COORD row) {
        int x = 2 + colW(0), y = 2 + rowH(0);
        for (SS_COORD c = 1; c < col; ++c) x += SSGetColHidden(ss, c) ? 0 : colW(c);
        for (SS_COORD r = 1; r < row; ++r) y += rowH(r);
        return RECT{x, y, x + colW(col), y + rowH(row)};
    }
};

TEST_F(SpreadPaintTest, HeadersAndCellTextsSitInTheirCells) {
    SSSetData(ss, 1, 1, L"Plate");
    SSSetData(ss, 2, 1, L"212");
    SSSetAlign(ss, 3, 1, 3, 1, SS_ALIGN_CENTER);
    SSSetData(ss, 3, 1, L"mid");
    SSSetActiveCell(ss, 2, 2);
    const win::Surface s = win::RenderWindow(ss);
    ASSERT_EQ(s.width(), 600);
    // The sunken border, then the corner header.
    EXPECT_EQ(s.pixel(0, 0), color::kShadow);
    EXPECT_EQ(s.pixel(3, 3), color::kFace);
    // Column header "A" centred over column 1, row header "1" centred beside row 1.
    const RECT a = cell(1, 1);
    const RECT headerA{a.left, 2, a.right, a.top};
    const RECT inkA = s.inkBox(headerA, color::kText);
    EXPECT_LE(std::abs((inkA.left + inkA.right) - (a.left + a.right)), 3);
    EXPECT_EQ(inkA.right - inkA.left, 5);
    const RECT row1{2, a.top, a.left, a.bottom};
    const RECT ink1 = s.inkBox(row1, color::kText);
    EXPECT_LE(std::abs((ink1.left + ink1.right) - (2 + a.left)), 3);
    // Text left-aligned two pixels in, numbers right-aligned, centred when asked.
    EXPECT_EQ(s.inkBox(a, color::kText).left, a.left + 2);
    const RECT b = cell(2, 1);
    EXPECT_GE(s.inkBox(b, color::kText).right, b.right - 4);
    const RECT c = cell(3, 1);
    const RECT inkMid = s.inkBox(c, color::kText);
    EXPECT_LE(std::abs((inkMid.left - c.left) - (c.right - inkMid.right)), 3);
    // Grid lines between cells; the active cell B2 framed in black.
    EXPECT_EQ(s.pixel(a.right - 1, a.top + 5), RGB(192, 192, 192));
    const RECT active = cell(2, 2);
    EXPECT_EQ(s.pixel(active.left - 1, active.top + 5), color::kText);
    EXPECT_EQ(s.pixel(active.left, active.top + 5), color::kText);
    EXPECT_EQ(s.pixel(active.left + 5, active.top + 5), color::kWindow);
}

TEST_F(SpreadPaintTest, ColoursHiddenColumnsCheckBoxesAndNoHeaders) {
    SSSetColor(ss, 1, 1, 1, 1, RGB(255, 0, 0), RGB(0, 0, 255));
    SSSetData(ss, 1, 1, L"x");
    SSSetColHidden(ss, 2, TRUE);
    SSSetData(ss, 3, 0, L"Third");
    SSSetTypeCheckBox(ss, 3, 1, 3, 1, L"On", L"", L"");
    SSSetData(ss, 3, 1, L"1");
    SSSetActiveCell(ss, 4, 4);
    win::Surface s = win::RenderWindow(ss);
    const RECT a = cell(1, 1);
    EXPECT_EQ(s.pixel(a.left + 1, a.top + 1), RGB(255, 0, 0));
    EXPECT_GT(s.inkBox(a, RGB(0, 0, 255)).right, a.left);
    // Column 2 is hidden: column 3's header (its own text) follows column 1 directly.
    const RECT third = cell(3, 1);
    EXPECT_EQ(third.left, a.right);
    const RECT header{third.left, 2, third.right, third.top};
    EXPECT_EQ(s.inkBox(header, color::kText).right - s.inkBox(header, color::kText).left,
              4 * win::kFontCellWidth + 5);
    // The check box cell: a box with a tick, then its text.
    const RECT box{third.left + 4, third.top + 2, third.left + 13, third.bottom - 2};
    EXPECT_GT(s.inkBox(box, color::kText).right, box.left);
    // Without headers the first cell starts at the border.
    SSSetBool(ss, SSB_SHOWCOLHEADERS, FALSE);
    SSSetBool(ss, SSB_SHOWROWHEADERS, FALSE);
    s = win::RenderWindow(ss);
    EXPECT_EQ(s.pixel(3, 3), RGB(255, 0, 0));
}

TEST_F(SpreadPaintTest, TheActiveCellIsKeptInView) {
    SSSetData(ss, 1, 200, L"far");
    SSSetColor(ss, 1, 200, 1, 200, SS_COLOR_DEFAULT, RGB(0, 0, 255));
    SSSetActiveCell(ss, 1, 200);
    const win::Surface s = win::RenderWindow(ss);
    // Row 200 is shown at the bottom with its three-digit header; row 1 scrolled away.
    const RECT headers{2, 2 + rowH(0), 2 + colW(0) - 2, 400 - 18};
    const RECT ink = s.inkBox(headers, color::kText);
    EXPECT_EQ(ink.right - ink.left, 3 * win::kFontCellWidth - 1);
    // The far cell's text is drawn in column 1.
    const RECT far = s.inkBox(RECT{0, 0, 600, 400}, RGB(0, 0, 255));
    EXPECT_EQ(far.left, 2 + colW(0) + 2);
    EXPECT_GT(far.top, 300);
    EXPECT_EQ(far.right - far.left, 3 * win::kFontCellWidth - 1);
}

}  // namespace
}  // namespace spread_test
