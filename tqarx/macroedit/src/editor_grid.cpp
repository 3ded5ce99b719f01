#include "macroedit/editor_grid.h"

#include <algorithm>

#include "spread/ss_api.h"

namespace {

constexpr const wchar_t* kGridFont = L"Tahoma";
constexpr int kGridFontSize = 8;
constexpr COLORREF kSelectionBack = RGB(10, 36, 106);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);

// The control's boolean settings by their indexes.
constexpr short kRedraw = 8;
constexpr short kNoBeep = 12;
constexpr short kAutoCalc = 7;
constexpr short kRetainSelBlock = 26;
constexpr short kProtect = 18;
constexpr short kRowHeaders = 21;
constexpr short kCellOverflow = 34;
constexpr short kMultiBlocks = 32;
constexpr short kGridLines = 11;
constexpr short kUserFormulas = 3;
constexpr short kEditModePermanent = 10;
constexpr short kArrowsExitEdit = 4;

}  // namespace

bool prepareEditorGrid(Zk_Spread& grid, int columns, int rows) {
    HWND h = grid.GetSafeHwnd();
    if (!h) return false;
    SSReset(h);
    for (short off : {kRedraw, kNoBeep, kAutoCalc, kRetainSelBlock, kProtect}) SSSetBool(h, off, FALSE);
    for (short on : {kRowHeaders, kCellOverflow, kMultiBlocks}) SSSetBool(h, on, TRUE);
    SSSetSelColor(h, kSelectionBack, kSelectionText);
    for (short on : {kGridLines, kUserFormulas}) SSSetBool(h, on, TRUE);
    for (short off : {kEditModePermanent, kArrowsExitEdit}) SSSetBool(h, off, FALSE);
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    SSSetMaxCols(h, columns);
    SSSetMaxRows(h, rows);
    SSSetFont(h, 0, 0, columns, 0, kGridFont, kGridFontSize, FALSE, FALSE);
    SSSetFont(h, 1, 1, columns, rows, kGridFont, kGridFontSize, FALSE, FALSE);
    SSSetBool(h, kRedraw, TRUE);
    return true;
}

void setEditorGridHeaders(Zk_Spread& grid, const Zk_StringArray& headers) {
    for (int i = 0; i < headers.length(); ++i) grid.writeCellText(i + 1, 0, headers[i]);
}

void setEditorGridRowFont(Zk_Spread& grid, int first, int last) {
    HWND h = grid.GetSafeHwnd();
    if (!h || last < first) return;
    SSSetFont(h, 1, first, std::max(grid.getColCount(), 1), last, kGridFont, kGridFontSize, FALSE, FALSE);
}

POINT CEditorGrid::cellCentre(int col, int row) const {
    HWND h = GetSafeHwnd();
    POINT pt{0, 0};
    if (!h) return pt;
    auto colWidth = [h](int c) {
        int px = 0;
        if (c == 0 && !SSGetBool(h, kRowHeaders)) return 0;
        SSGetColWidthInPixels(h, c, &px);
        return SSGetColHidden(h, c) ? 0 : px;
    };
    auto rowHeight = [h](int r) {
        int px = 0;
        if (r == 0 && !SSGetBool(h, SSB_SHOWCOLHEADERS)) return 0;
        SSGetRowHeightInPixels(h, r, &px);
        return SSGetRowHidden(h, r) ? 0 : px;
    };
    for (int c = 0; c < col; ++c) pt.x += colWidth(c);
    for (int r = 0; r < row; ++r) pt.y += rowHeight(r);
    pt.x += colWidth(col) / 2;
    pt.y += rowHeight(row) / 2;
    return pt;
}

void CEditorGrid::OnLButtonDown(UINT flags, CPoint point) {
    SS_COORD col = -1, row = -1;
    const bool hit = SSGetCellFromPixel(GetSafeHwnd(), point.x, point.y, &col, &row) != FALSE;
    Zk_Spread::OnLButtonDown(flags, point);
    if (hit && row == 0 && col > 0 && onHeaderClick) onHeaderClick(static_cast<int>(col));
}

void CEditorGrid::OnRButtonDown(UINT flags, CPoint point) {
    if (!onRightClick) {
        Zk_Spread::OnRButtonDown(flags, point);
        return;
    }
    SS_COORD col = -1, row = -1;
    if (!SSGetCellFromPixel(GetSafeHwnd(), point.x, point.y, &col, &row)) return;
    POINT screen = point;
    ClientToScreen(&screen);
    onRightClick(static_cast<int>(col), static_cast<int>(row), screen);
}
