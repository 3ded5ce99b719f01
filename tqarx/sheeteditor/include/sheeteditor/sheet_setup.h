// Setting a spreadsheet up from its settings, and the header and footer files that a
// sheet's settings name: resolving their paths, making them relative, and carrying them
// along when the sheet is saved to a new file.
#pragma once

#include "engine/zk_spread.h"
#include "host/zk_string.h"

// Size of a new sheet.
constexpr int kNewSheetCols = 6;
constexpr int kNewSheetRows = 11;
// Longest text of a new sheet's cells.
constexpr int kNewSheetCellLength = 100;

// The set-up the spreadsheet window runs when it initialises a sheet. A new sheet gets 6
// columns and 11 rows of text cells and the settings of the ".kmd" file of settingsName
// (else of the registry's default settings), stored in the sheet, with their font applied.
// Afterwards the sheet takes the settings' font for the cells it writes.
void initSheetWithSettings(Zk_Spread& sheet, const Zk_String& settingsName, bool newSheet);
// Gives rows first..last of every column the text cell type and the sheet's font, as the
// rows of a new sheet have them.
void prepareSheetRows(Zk_Spread& sheet, int first, int last);

// A stored header or footer path resolved against the sheet's file (may be empty): an
// absolute path as it stands; else the sheet's folder, then the product folder (each one
// level up when the path holds "..\", whose first occurrence is then dropped); the path
// as it was when no such file exists.
Zk_String resolveHeaderFooterPath(const Zk_String& path, const Zk_String& sheetPath);
// An existing file's path without the sheet's folder (or, else, the product folder) in
// front; other paths as they are.
Zk_String makeHeaderFooterPathRelative(const Zk_String& path, const Zk_String& sheetPath);

// Saves the sheet to path, then copies its header and footer files (with the ".bmp" of
// the same name) into the new file's folder and points the settings at the copies.
// False when the sheet could not be saved (the file is then left as it was) or a file
// could not be copied (failedCopy, when given, names it; the sheet is saved).
bool saveSheetWithHeaderFooter(Zk_Spread& sheet, const Zk_String& path, Zk_String* failedCopy = nullptr);
