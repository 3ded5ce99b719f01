// CFormula: a small spreadsheet window with its own grid, and the spreadsheet function
// "FROMTABLE" that reads values out of other spreadsheet files through it.
//
// Modes (set before DoModal):
//   1 evaluate one cell: load fileName, recalculate (targetCol, targetRow), keep its
//     text in resultText; the window then stays open as a formula test window;
//   2 table look-up: the body of FROMTABLE (closes itself once the look-up is done);
//   4 read a file as a table into headers/rows/firstCell, then close with OK.
// In the windows that stay open the user can switch the reference style, save, load,
// switch automatic calculation and recalculate.
//
// FROMTABLE forms:
//   FROMTABLE(file, cell)                         the value of that cell of the file
//   FROMTABLE(file, cell, target)                 the cell's text written into the
//                                                 calling sheet at target; result empty
//   FROMTABLE(file, keyTitle, valueTitle, key)    the value in column valueTitle on the
//                                                 first row whose column keyTitle holds key
// Titles and keys compare without letter case (whole texts). Any failure leaves the
// result empty, except a look-up nested deeper than CFormula::kMaxFromTableDepth (a
// table whose formulas call FROMTABLE on a table that calls it again ...): that one
// gives #VALUE! without loading anything and prints the chain of tables on the command
// line. The module keeps the grid whose formulas a CFormula window is
// calculating as the current grid, saved and restored around each opening, so nested
// look-ups each see their own calling sheet.
#pragma once

#include <string>

#include "engine/zk_spread.h"
#include "host/zk_array.h"
#include "host/zk_string.h"
#include "mfc/cdialog.h"
#include "res/standards_ids.h"
#include "spread/ss_api.h"

class CFormula : public CDialog {
public:
    enum {
        IDD = IDD_TQ_FORMULA,
        IDC_FILE_NAME = IDC_FORMULA_FILE_NAME,
        IDC_SAVE = IDC_FORMULA_SAVE,
        IDC_GRID = IDC_FORMULA_GRID,
        IDC_STYLE_DEFAULT = IDC_FORMULA_STYLE_DEFAULT,
        IDC_STYLE_A1 = IDC_FORMULA_STYLE_A1,
        IDC_STYLE_R1C1 = IDC_FORMULA_STYLE_R1C1,
        IDC_LABEL = IDC_FORMULA_LABEL,
        IDC_LOAD = IDC_FORMULA_LOAD,
        IDC_AUTO_CALC = IDC_FORMULA_AUTO_CALC,
        IDC_RECALC = IDC_FORMULA_RECALC,
    };
    enum Mode { kModeNone = 0, kModeEvaluateCell = 1, kModeLookUp = 2, kModeReadTable = 4 };
    // Look-ups open at once (the outermost included); one more fails.
    static constexpr int kMaxFromTableDepth = 16;

    explicit CFormula(CWnd* parent = nullptr);
    ~CFormula() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    Zk_Spread grid;
    std::wstring fileName;
    bool fileLoaded = false;  // fileName was given and loaded
    int mode = kModeNone;
    // Mode 2: the function's result record, arguments and argument count.
    SS_CALCVALUE* result = nullptr;
    SS_CALCVALUE* args = nullptr;
    short argCount = 0;
    // The module-wide current grid found when the window opened (restored at the end).
    Zk_Spread* callingGrid = nullptr;
    // Mode 1.
    int targetCol = 0;
    int targetRow = 0;
    std::wstring resultText;
    // Mode 4 outputs (nothing is read unless both lists are given).
    Zk_StringArray* headers = nullptr;
    Zk_Array<Zk_StringArray>* rows = nullptr;
    Zk_String firstCell;

    // Registers "FROMTABLE" (2 to 4 arguments, cell references as references) on grid;
    // nothing for a null grid.
    static void registerFromTable(Zk_Spread* grid);
    // The grid whose formulas a CFormula window is calculating now (null when none).
    static Zk_Spread* currentGrid();
    // The callback behind "FROMTABLE": runs a mode-2 window; always TRUE.
    static BOOL fromTable(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount);

private:
    void readTable();
    void lookUp();
    // A four-argument look-up answered from the kept copy of an unchanged sheet without
    // formulas (engine/kept_lookup_sheet.h), with the same result and command-line
    // output as a window; false (nothing done) when no such copy is kept.
    static bool lookUpInKeptSheet(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount);
    void setReferenceStyle(short style);
    // The sheet whose formula called FROMTABLE: the calculating control, else the
    // current grid.
    Zk_Spread* lookUpCallingGrid() const;
    static Zk_Spread* calculatingGrid(Zk_Spread* otherwise);
    static Zk_String argumentText(const SS_CALCVALUE& value, Zk_Spread* calling);
    void readResult(int col, int row);
};

// Reads a spreadsheet file (path as given) as a table: the column titles of columns 1 to
// the last, the texts of every row, and the text of cell (1, 1). Both lists are emptied
// first. Prints "Loading spreadsheet:<file>". A missing or unreadable file gives false,
// empty lists and text, and "*Error* Cannot read spreadsheet: <file>" on the command
// line. Runs with the module's resources selected.
bool ReadTqFile(const Zk_String& file, Zk_String& text, Zk_StringArray& names,
                Zk_Array<Zk_StringArray>& rows);
// Test entry: opens the formula window on the fixed test sheet "C:\tq\test\formula.kms",
// evaluating its cell (1, 1); with the module's resources selected.
void EvaluateTq();
// The fixed test sheet of EvaluateTq.
extern const wchar_t* const kEvaluateTqTestFile;
