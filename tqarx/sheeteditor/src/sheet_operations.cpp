#include "sheeteditor/sheet_operations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "spread/ss_api.h"

namespace {

bool activeCell(const Zk_Spread& sheet, int& col, int& row) {
    SS_COORD c = 0;
    SS_COORD r = 0;
    if (!sheet.GetActiveCell(&c, &r)) return false;
    col = static_cast<int>(c);
    row = static_cast<int>(r);
    return true;
}

// Whether the rows are higher than the client area, so that a vertical scroll bar shows.
bool verticalScrollBarShown(const Zk_Spread& sheet, int clientHeight) {
    const HWND hwnd = sheet.GetSafeHwnd();
    int total = 0;
    int pixels = 0;
    if (SSGetBool(hwnd, SSB_SHOWCOLHEADERS) && SSGetRowHeightInPixels(hwnd, 0, &pixels)) total += pixels;
    for (int row = 1; row <= sheet.getRowCount(); ++row) {
        if (SSGetRowHeightInPixels(hwnd, row, &pixels)) total += pixels;
        if (total > clientHeight) return true;
    }
    return false;
}

}  // namespace

void insertSheetRow(Zk_Spread* sheet) {
    if (!sheet || !sheet->isCreated()) return;
    int col = 1;
    int row = 0;
    activeCell(*sheet, col, row);
    const int rows = sheet->getRowCount();
    const int newRow = std::clamp(row + 1, 1, rows + 1);
    const HWND hwnd = sheet->GetSafeHwnd();
    // Insertion grows the count by the one row; after the last row the count grows.
    if (newRow > rows)
        sheet->setRowCount(rows + 1);
    else
        SSInsRows(hwnd, newRow, 1);
    SSClear(hwnd, 0, newRow, sheet->getColCount(), newRow);
    SSSetFont(hwnd, 0, newRow, std::max(sheet->getColCount(), 0), newRow, kInsertedRowFont, kInsertedRowFontSize,
              FALSE, FALSE);
    sheet->SetFocus();
    sheet->SetActiveCell(std::max(col, 1), newRow);
}

void deleteSheetRow(Zk_Spread* sheet) {
    if (!sheet || !sheet->isCreated() || sheet->getRowCount() < 1) return;
    int col = 1;
    int row = 1;
    activeCell(*sheet, col, row);
    const HWND hwnd = sheet->GetSafeHwnd();
    row = std::clamp(row, 1, sheet->getRowCount());
    SSDelRows(hwnd, row, 1);
    sheet->SetFocus();
    if (sheet->getRowCount() < 1) return;
    const int keepRow = std::min(row, sheet->getRowCount());
    sheet->SetActiveCell(std::max(col, 1), keepRow);
    const Zk_String text = getCellText(sheet, std::max(col, 1), keepRow, kCellTextData);
    SSSetEditMode(hwnd, TRUE);
    SSSetEditSel(hwnd, 0, text.length());
}

Zk_String getCellText(const Zk_Spread* sheet, int col, int row, int kind) {
    Zk_String text;
    if (!sheet || kind < 0 || kind > 3) return text;
    sheet->readCellText(col, row, text, kind);
    return text;
}

void fitColumnWidths(Zk_Spread* sheet, int firstWidth, int lastWidth) {
    if (!sheet || !sheet->isCreated()) return;
    const int cols = sheet->getColCount();
    if (cols < 1) return;
    RECT client{};
    sheet->GetClientRect(&client);
    int available = client.right - client.left;
    if (verticalScrollBarShown(*sheet, client.bottom - client.top)) {
        short vertical = 0;
        short horizontal = 0;
        sheet->GetScrollBarSize(&vertical, &horizontal);
        available -= vertical;
    }
    const bool fixFirst = firstWidth > 0;
    const bool fixLast = lastWidth > 0 && (cols > 1 || !fixFirst);
    int sharing = cols + 1;  // the row-header column shares too
    if (fixFirst) {
        available -= firstWidth;
        --sharing;
    }
    if (fixLast) {
        available -= lastWidth;
        --sharing;
    }
    const int share = std::max(available, 0) / std::max(sharing, 1);
    const HWND hwnd = sheet->GetSafeHwnd();
    SSSetColWidthInPixels(hwnd, 0, share);
    for (int col = 1; col <= cols; ++col) {
        int width = share;
        if (col == 1 && fixFirst) width = firstWidth;
        else if (col == cols && fixLast) width = lastWidth;
        SSSetColWidthInPixels(hwnd, col, width);
    }
}

Zk_String formatNumber(int value) { return Zk_String(value); }

Zk_String formatNumber(double value, bool decimals) {
    if (decimals) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
        return Zk_String(buffer);
    }
    if (!std::isfinite(value)) return Zk_String(0);
    // The fraction is dropped; values beyond the integer range are held at its ends.
    const double whole = std::trunc(value);
    const double limit = 9.2e18;
    return Zk_String(static_cast<long long>(std::clamp(whole, -limit, limit)));
}

bool equalTexts(const Zk_String& a, const Zk_String& b, bool ignoreCase) {
    return a.length() == b.length() && a.equal(b, ignoreCase);
}
