// Sheet-editing operations shared by the dialogs that edit lists in a spreadsheet window.
// Each does nothing (or gives an empty result) for a null sheet.
#pragma once

#include "engine/zk_spread.h"
#include "host/zk_string.h"

// Kinds of cell text read by getCellText.
enum SheetCellTextKind {
    kCellTextData = 0,     // the text as the cell shows it
    kCellTextFormula = 1,  // the formula
    kCellTextTag = 2,      // the cell's tag
    kCellTextValue = 3,    // the plain value
};

// Font of a row inserted by insertSheetRow.
inline constexpr const wchar_t* kInsertedRowFont = L"Tahoma";
constexpr int kInsertedRowFontSize = 15;

// One more row, an empty one after the active row (headers included in "Tahoma" 15, not
// bold); the sheet gets the focus and the new row's cell in the active column is active.
void insertSheetRow(Zk_Spread* sheet);
// Deletes the active row when the sheet has rows; the same cell position stays active
// with its whole text selected.
void deleteSheetRow(Zk_Spread* sheet);
// The text of a cell by kind; empty when the read fails.
Zk_String getCellText(const Zk_Spread* sheet, int col, int row, int kind);
// The client width (less a shown vertical scroll bar) shared between the columns and the
// row-header column; firstWidth / lastWidth (pixels, > 0) fix the first or last column.
void fitColumnWidths(Zk_Spread* sheet, int firstWidth = 0, int lastWidth = 0);
// An integer in decimal; a real with two decimals when asked, else its integer part.
Zk_String formatNumber(int value);
Zk_String formatNumber(double value, bool decimals);
// Same length and the same characters, exactly or without regard to case.
bool equalTexts(const Zk_String& a, const Zk_String& b, bool ignoreCase = false);
