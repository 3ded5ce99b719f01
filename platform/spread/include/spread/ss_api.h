// The spreadsheet control: a window of class "fpUSpread70" holding one sheet, driven by the
// C-style functions below (every function takes the control's window handle first).
//
// Coordinates: columns and rows count from 1; row 0 holds the column headers and column 0
// the row headers (defaults "A", "B", ... and "1", "2", ... until set). SS_ALLCOLS /
// SS_ALLROWS (-1) in a range argument mean "every column / row" (whole-column and
// whole-row formats are stored once, not per cell).
//
// Every function fails (FALSE, 0, -1 or empty text) on a handle that is not a live
// spreadsheet control, and on coordinates outside the sheet's counts.
//
// Text modes of a cell (SSGetCellText):
//   0 data    the value as the cell type formats it for display (SSGetData)
//   1 formula the formula without a leading "=", empty for constants (SSGetFormula)
//   2 tag     the cell's tag (SSGetCellTag)
//   3 value   the plain value: numbers with up to 15 significant digits, no trailing
//             zeros, no thousands separators ("212", "0.3", "0.333333333333333"); texts as
//             they are; errors as "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#N/A", "#NUM!",
//             and "#CIRC!" for cells taking part in a circular reference (SSGetValue)
//
// Limits (all in one place):
//   SS_LIMIT_MAXCOLS / SS_LIMIT_MAXROWS  largest column and row counts
//   SS_LIMIT_FORMULA_LEN                 longest formula text (characters)
//   SS_LIMIT_FORMULA_DEPTH               deepest nesting of "(" and function calls
//   SS_LIMIT_FUNC_ARGS                   most arguments of one function call
//   SS_LIMIT_CELL_TEXT                   longest cell text
//   SS_LIMIT_RANGE_CELLS                 most cells of the sheet a range argument of a
//                                        built-in function may cover (more: #NUM!);
//                                        SUM, MIN, MAX, AVERAGE, COUNT and COUNTA take
//                                        any range, visiting only the cells in use
//   SS_LIMIT_FILE_BYTES                  largest spreadsheet file SSLoadFromFile reads
// Formulas beyond these are parse errors (SSSetFormula returns FALSE); chains of dependent
// cells have no depth limit (calculation runs in dependency order without recursion).
#pragma once

#include <memory>
#include <string>
#include <vector>
#include <string_view>

#include "win/types.h"

using SS_COORD = LONG;

constexpr SS_COORD SS_ALLCOLS = -1;
constexpr SS_COORD SS_ALLROWS = -1;
constexpr SS_COORD SS_HEADER = 0;

constexpr SS_COORD SS_LIMIT_MAXCOLS = 1000000;
constexpr SS_COORD SS_LIMIT_MAXROWS = 10000000;
constexpr int SS_LIMIT_FORMULA_LEN = 65536;
constexpr int SS_LIMIT_FORMULA_DEPTH = 256;
constexpr int SS_LIMIT_FUNC_ARGS = 255;
constexpr int SS_LIMIT_CELL_TEXT = 1000000;
constexpr long long SS_LIMIT_RANGE_CELLS = 10000000;
constexpr unsigned long long SS_LIMIT_FILE_BYTES = 16ull * 1024 * 1024;

// Default counts of a new control.
constexpr SS_COORD SS_DEFAULT_MAXCOLS = 500;
constexpr SS_COORD SS_DEFAULT_MAXROWS = 500;

// Window class of the control.
inline constexpr const wchar_t* SS_CLASSNAME = L"fpUSpread70";

// ---------------------------------------------------------------------------------------
// Calculation values exchanged with custom functions.

constexpr BYTE SS_VALUE_STATUS_OK = 0;
constexpr BYTE SS_VALUE_STATUS_ERROR = 1;
constexpr BYTE SS_VALUE_STATUS_EMPTY = 2;

constexpr BYTE SS_VALUE_TYPE_LONG = 0;
constexpr BYTE SS_VALUE_TYPE_DOUBLE = 1;
constexpr BYTE SS_VALUE_TYPE_STR = 2;    // hValStr: movable global block of WCHARs, 0-terminated
constexpr BYTE SS_VALUE_TYPE_CELL = 3;   // ValCell
constexpr BYTE SS_VALUE_TYPE_RANGE = 4;  // ValRange
constexpr BYTE SS_VALUE_TYPE_STRREF = 5; // ValStrRef: text held by the other side (SS_CUSTFUNC_WANTSTRREF)

// Error codes (ValLong of a value with status SS_VALUE_STATUS_ERROR, type SS_VALUE_TYPE_LONG).
constexpr LONG SS_ERROR_DIV0 = 1;     // #DIV/0!
constexpr LONG SS_ERROR_VALUE = 2;    // #VALUE!
constexpr LONG SS_ERROR_REF = 3;      // #REF!
constexpr LONG SS_ERROR_NAME = 4;     // #NAME?
constexpr LONG SS_ERROR_NA = 5;       // #N/A
constexpr LONG SS_ERROR_NUM = 6;      // #NUM!
constexpr LONG SS_ERROR_CIRC = 7;     // #CIRC!

struct SS_CELLREF { SS_COORD Col; SS_COORD Row; };
struct SS_RANGEREF { SS_COORD Col1; SS_COORD Row1; SS_COORD Col2; SS_COORD Row2; };
struct SS_STRREF { const WCHAR* Ptr; LONG Len; };   // not 0-terminated

struct SS_CALCVALUE {
    BYTE Status = SS_VALUE_STATUS_EMPTY;
    BYTE Type = SS_VALUE_TYPE_LONG;
    union {
        LONG ValLong;
        double ValDouble;
        HGLOBAL hValStr;
        SS_CELLREF ValCell;
        SS_RANGEREF ValRange;
        SS_STRREF ValStrRef;
    } Val = {0};
};

// A custom function. Arguments are owned by the control (string handles are freed after
// the call). The result starts as status empty; a string result is a new global block
// (SSSetGlobalStr) that the control frees after reading. FALSE leaves #VALUE! in the cell;
// a result with status error leaves the error whose code is in ValLong (#VALUE! when that
// code is unknown); status empty leaves an empty value; a cell result gives that cell's
// value. Callbacks may call into any control, including the one calculating.
using SS_CALCFUNC = BOOL (*)(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount);

// Flags of SSAddCustomFunctionExt.
constexpr LONG SS_CUSTFUNC_WANTVALUES = 0;   // cell references arrive as the cells' values
constexpr LONG SS_CUSTFUNC_WANTCELLREF = 1;  // cell references arrive as type 3 (cell)
// Strings arrive as type 5 (a view of the control's text, valid during the call) instead
// of global blocks, and the result may be given as type 5 too: its text must stay valid
// until the callback has returned (the control copies it then). Combines with the above.
constexpr LONG SS_CUSTFUNC_WANTSTRREF = 2;
// Ranges arrive as type 4 in both cases.

// Wide text of a global string block (empty for a null or unlockable handle).
std::wstring SSGetGlobalStr(HGLOBAL handle);
// New movable global block holding text and a terminating zero; null when allocation fails.
HGLOBAL SSSetGlobalStr(std::wstring_view text);
// Makes value a valid string value holding text (a new block); FALSE when allocation fails
// (the value is then left empty).
BOOL SSSetCalcValueStr(SS_CALCVALUE* value, std::wstring_view text);

// The control whose formula is being calculated (innermost when calculations nest), or null.
HWND SSGetCalcWindow();

// Source of the date and time that TODAY and NOW read: the local time as a serial day number
// (days since 1899-12-30, the time of day as fraction). Null restores the system clock;
// returns the previous source. Formulas calling TODAY, NOW, INDIRECT or OFFSET are
// recalculated on every change of the sheet and on every full recalculation.
using SS_NOWFUNC = double (*)();
SS_NOWFUNC SSSetNowFunc(SS_NOWFUNC now);

// ---------------------------------------------------------------------------------------
// Creation.

// Registers the window class (done automatically when the library loads; safe to repeat).
BOOL SSRegisterClass();
// Creates a visible child control with the given id inside rect (parent client coordinates).
HWND SSCreateControl(HWND parent, int id, const RECT& rect);

// ---------------------------------------------------------------------------------------
// Sheet size. Shrinking deletes what lies beyond; growing beyond the limits fails.

SS_COORD SSGetMaxCols(HWND hWnd);
SS_COORD SSGetMaxRows(HWND hWnd);
BOOL SSSetMaxCols(HWND hWnd, SS_COORD cols);
BOOL SSSetMaxRows(HWND hWnd, SS_COORD rows);
// Last column and row holding data or a formula (0, 0 for an empty sheet).
BOOL SSGetLastUsed(HWND hWnd, SS_COORD* col, SS_COORD* row);

// ---------------------------------------------------------------------------------------
// Cell text.

BOOL SSGetCellText(HWND hWnd, SS_COORD col, SS_COORD row, int mode, std::wstring& text);
BOOL SSGetData(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text);      // mode 0
BOOL SSGetFormula(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text);   // mode 1
BOOL SSGetValue(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text);     // mode 3
// Data as typed: the cell type parses it (number cells accept thousands separators).
// Replaces a formula. Text the type rejects (letters in a number cell, out of range) fails
// and changes nothing. Empty text empties the cell. Headers (row 0 / col 0) take any text.
BOOL SSSetData(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text);
// The plain value (mode 3 form) as the cell type parses it.
BOOL SSSetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text);
// Formula without "=" (a leading "=" is tolerated). Calculated at once. A formula that does
// not parse fails and leaves the cell unchanged; empty text removes the formula.
BOOL SSSetFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula);
// Calculates formula as the formula of cell (col, row) would be calculated, the cell being
// of type cellType (SS_TYPE_*: a number type holds a logical result as 1 or 0), without
// storing anything; text is the value as SSGetValue would then read it. FALSE, changing
// nothing, when the formula does not parse.
BOOL SSEvalFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, int cellType, std::wstring& text);
// SSEvalFormula, then that text set into cell (destCol, destRow) as SSSetData would set
// it; written tells whether the cell took it. FALSE, changing nothing, when the formula
// does not parse. text keeps its storage from call to call.
BOOL SSEvalFormulaToCell(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, int cellType, SS_COORD destCol,
                         SS_COORD destRow, std::wstring& text, BOOL& written);
// A formula parsed once for the cell it stands in, to be calculated many times without
// being read again (SSEvalPreparedToCell). Opaque; copies share it; usable on any control
// (read again where that control reads formulas otherwise, as with other sheet limits).
struct SS_PREPAREDFORMULA {
    std::shared_ptr<const void> state;  // empty until prepared
};
// Parses formula for (col, row); FALSE, leaving out empty, when it does not parse.
BOOL SSPrepareFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, SS_PREPAREDFORMULA& out);
// SSEvalFormulaToCell of a prepared formula (at the cell it was prepared for). FALSE,
// changing nothing, for an empty one.
BOOL SSEvalPreparedToCell(HWND hWnd, const SS_PREPAREDFORMULA& formula, int cellType, SS_COORD destCol,
                          SS_COORD destRow, std::wstring& text, BOOL& written);
// What formula would read standing in cell (col, row): the cells and ranges it names (each
// as a range), whether it calls a function that makes references while calculating or
// changes by itself (INDIRECT, OFFSET, TODAY, NOW) and whether it calls a function that is
// not built in. FALSE when the formula does not parse.
struct SS_FORMULAREADS {
    std::vector<SS_RANGEREF> ranges;
    BOOL volatileCalls = FALSE;
    BOOL otherCalls = FALSE;
};
BOOL SSGetFormulaReads(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, SS_FORMULAREADS& reads);
// A number that changes with every change of the sheet's data, formulas or formats and with
// every load; equal stamps mean the sheet was not changed in between.
unsigned long long SSGetChangeStamp(HWND hWnd);
BOOL SSGetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double* value);   // FALSE unless a number
BOOL SSSetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double value);
BOOL SSGetInteger(HWND hWnd, SS_COORD col, SS_COORD row, LONG* value);
BOOL SSSetInteger(HWND hWnd, SS_COORD col, SS_COORD row, LONG value);
// The calculated value as a calculation value record (a string value gets a new block the
// caller frees with GlobalFree).
BOOL SSGetCalcValue(HWND hWnd, SS_COORD col, SS_COORD row, SS_CALCVALUE* value);
// Empties data and formulas of a range (formats stay).
BOOL SSClearData(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2);
// Empties data, formulas, formats, tags, notes and spans of a range.
BOOL SSClear(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2);
// Range as text: cells tab-separated, rows "\r\n"-separated (mode 0 texts). Setting starts
// at (col, row) and writes each field as data, growing nothing (fields beyond are dropped).
BOOL SSGetClipText(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, std::wstring& text);
BOOL SSSetClipText(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text);
// Copies data, formulas (references shifted like common spreadsheets) and formats.
BOOL SSCopyRange(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, SS_COORD destCol, SS_COORD destRow);

// ---------------------------------------------------------------------------------------
// Cell types. Codes as SSGetCellType reports them:
constexpr int SS_TYPE_GENERAL = 0;    // default: numbers typed become numbers, else text
constexpr int SS_TYPE_EDIT = 1;       // text (maximum length, case)
constexpr int SS_TYPE_PICTURE = 2;    // picture (name, style)
constexpr int SS_TYPE_STATIC = 3;     // read-only text
constexpr int SS_TYPE_BUTTON = 4;     // push button (text); a click notifies SSN_BUTTONCLICKED
constexpr int SS_TYPE_COMBOBOX = 5;   // list of items, editable or not
constexpr int SS_TYPE_INTEGER = 10;   // integer (range)
constexpr int SS_TYPE_CHECKBOX = 12;  // 0 / 1 (text, two pictures)
constexpr int SS_TYPE_NUMBER = 14;    // number (decimals, range, thousands separator)
constexpr int SS_TYPE_CURRENCY = 15;  // number shown with a currency symbol
constexpr int SS_TYPE_PERCENT = 16;   // number shown times 100 with "%"
// Integer-like codes: 10, 12. Number-like codes: 14, 15, 16.

constexpr short SS_CASE_NOCASE = 0;
constexpr short SS_CASE_UPPER = 1;
constexpr short SS_CASE_LOWER = 2;

// Everything a cell type carries (fields a type does not use keep their defaults).
struct SS_CELLTYPEINFO {
    int type = SS_TYPE_GENERAL;
    LONG maxLength = 0;            // edit: 0 = no limit
    short caseMode = SS_CASE_NOCASE;
    short decimals = 0;            // number, currency, percent
    double minValue = 0;           // number, integer, currency, percent (min == max: no range)
    double maxValue = 0;
    BOOL separator = FALSE;        // number, currency: thousands separator
    BOOL editable = FALSE;         // combo box
    LONG style = 0;                // picture style
    std::wstring text;             // button and check box text, currency symbol
    std::wstring items;            // combo box items, tab-separated
    std::wstring picture1;         // check box unchecked picture / picture name
    std::wstring picture2;         // check box checked picture
};

// All type setters take a range (col..col2, row..row2; SS_ALLCOLS/SS_ALLROWS allowed).
BOOL SSSetTypeGeneral(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2);
BOOL SSSetTypeEdit(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG maxLength, short caseMode);
BOOL SSSetTypeNumber(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals, double minValue, double maxValue, BOOL separator);
BOOL SSSetTypeInteger(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG minValue, LONG maxValue);
BOOL SSSetTypeCurrency(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals, LPCWSTR symbol, BOOL separator);
BOOL SSSetTypePercent(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals);
BOOL SSSetTypeCheckBox(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text, LPCWSTR pictureUnchecked, LPCWSTR pictureChecked);
BOOL SSSetTypeComboBox(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR itemsTabSeparated, BOOL editable);
BOOL SSSetTypeButton(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text);
BOOL SSSetTypeStatic(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2);
BOOL SSSetTypePicture(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR picture, LONG style);
BOOL SSSetCellTypeInfo(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, const SS_CELLTYPEINFO& info);
int SSGetCellType(HWND hWnd, SS_COORD col, SS_COORD row);   // -1 outside the sheet
BOOL SSGetCellTypeInfo(HWND hWnd, SS_COORD col, SS_COORD row, SS_CELLTYPEINFO* info);

// ---------------------------------------------------------------------------------------
// Per-cell properties.

BOOL SSSetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR tag);
BOOL SSGetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& tag);   // mode 2
BOOL SSSetCellNote(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR note);
BOOL SSGetCellNote(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& note);
BOOL SSSetCellTextTip(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR tip);
BOOL SSGetCellTextTip(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& tip);

constexpr COLORREF SS_COLOR_DEFAULT = 0xFFFFFFFFu;   // "not set": inherit / control default

// Formats over ranges (SS_ALLCOLS/SS_ALLROWS allowed).
BOOL SSSetLock(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, BOOL locked);
BOOL SSGetLock(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSSetColor(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, COLORREF back, COLORREF fore);
BOOL SSGetColor(HWND hWnd, SS_COORD col, SS_COORD row, COLORREF* back, COLORREF* fore);
BOOL SSSetFont(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR name, int size, BOOL bold, BOOL italic);
BOOL SSGetFont(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& name, int* size, BOOL* bold, BOOL* italic);

constexpr WORD SS_BORDER_LEFT = 1;
constexpr WORD SS_BORDER_RIGHT = 2;
constexpr WORD SS_BORDER_TOP = 4;
constexpr WORD SS_BORDER_BOTTOM = 8;
constexpr WORD SS_BORDERSTYLE_NONE = 0;
constexpr WORD SS_BORDERSTYLE_SOLID = 1;
constexpr WORD SS_BORDERSTYLE_DASH = 2;
constexpr WORD SS_BORDERSTYLE_DOT = 3;
BOOL SSSetBorder(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, WORD sides, WORD style, COLORREF color);
BOOL SSGetBorder(HWND hWnd, SS_COORD col, SS_COORD row, WORD* sides, WORD* style, COLORREF* color);

constexpr short SS_ALIGN_DEFAULT = 0;
constexpr short SS_ALIGN_LEFT = 1;
constexpr short SS_ALIGN_CENTER = 2;
constexpr short SS_ALIGN_RIGHT = 3;
BOOL SSSetAlign(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short align);
short SSGetAlign(HWND hWnd, SS_COORD col, SS_COORD row);

// ---------------------------------------------------------------------------------------
// Column widths (characters; default 9) and row heights (points; default 12). Column 0 /
// row 0 are the header column / row. Pixel forms: 8 pixels per character, 4/3 pixel per
// point.
BOOL SSSetColWidth(HWND hWnd, SS_COORD col, double width);
BOOL SSGetColWidth(HWND hWnd, SS_COORD col, double* width);
BOOL SSSetRowHeight(HWND hWnd, SS_COORD row, double height);
BOOL SSGetRowHeight(HWND hWnd, SS_COORD row, double* height);
BOOL SSSetColWidthInPixels(HWND hWnd, SS_COORD col, int pixels);
BOOL SSGetColWidthInPixels(HWND hWnd, SS_COORD col, int* pixels);
BOOL SSSetRowHeightInPixels(HWND hWnd, SS_COORD row, int pixels);
BOOL SSGetRowHeightInPixels(HWND hWnd, SS_COORD row, int* pixels);
// Width (characters) the longest mode-0 text of a column needs, headers included.
BOOL SSGetMaxTextColWidth(HWND hWnd, SS_COORD col, double* width);
BOOL SSSetColHidden(HWND hWnd, SS_COORD col, BOOL hidden);
BOOL SSGetColHidden(HWND hWnd, SS_COORD col);
BOOL SSSetRowHidden(HWND hWnd, SS_COORD row, BOOL hidden);
BOOL SSGetRowHidden(HWND hWnd, SS_COORD row);

// ---------------------------------------------------------------------------------------
// Spans (joined cells). SSGetCellSpan: SS_SPAN_NO, SS_SPAN_ANCHOR (col,row is the top-left
// cell) or SS_SPAN_YES (inside a span); the span's anchor and size are filled when not null.
constexpr short SS_SPAN_NO = 0;
constexpr short SS_SPAN_ANCHOR = 1;
constexpr short SS_SPAN_YES = 2;
// Fails when the block leaves the sheet or overlaps another span.
BOOL SSAddCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows);
short SSGetCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols, SS_COORD* numRows);
// Removes the span that contains (col, row).
void SSRemoveCellSpan(HWND hWnd, SS_COORD col, SS_COORD row);

// ---------------------------------------------------------------------------------------
// Active cell, selection, edit mode.
BOOL SSSetActiveCell(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSGetActiveCell(HWND hWnd, SS_COORD* col, SS_COORD* row);
BOOL SSSetSelection(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2);
// Without a selection block the active cell is the selection.
BOOL SSGetSelection(HWND hWnd, SS_COORD* col, SS_COORD* row, SS_COORD* col2, SS_COORD* row2);
BOOL SSClearSelection(HWND hWnd);
// Edit mode on the active cell: entering loads the cell's text (formula with "=" when the
// cell has one and boolean setting 3 is on, else its data) into the edit text; leaving with
// commit TRUE stores the edit text (a leading "=" makes a formula when setting 3 is on) and
// notifies SSN_CHANGE; commit FALSE discards it.
BOOL SSSetEditMode(HWND hWnd, BOOL editing);
BOOL SSGetEditMode(HWND hWnd);
BOOL SSLeaveEditMode(HWND hWnd, BOOL commit);
BOOL SSSetEditText(HWND hWnd, LPCWSTR text);
BOOL SSGetEditText(HWND hWnd, std::wstring& text);
BOOL SSSetEditSel(HWND hWnd, int start, int end);   // character positions, clamped
BOOL SSGetEditSel(HWND hWnd, int* start, int* end);

// ---------------------------------------------------------------------------------------
// Boolean settings by index. SSSetBool returns the previous value.
constexpr short SSB_ALLOWUSERFORMULAS = 3;    // edit text starting with "=" becomes a formula (default off)
constexpr short SSB_ARROWSEXITEDITMODE = 4;   // arrow keys leave edit mode (default on)
constexpr short SSB_AUTOCALC = 7;             // automatic calculation of dependents (default on)
constexpr short SSB_REDRAW = 8;               // painting (default on)
constexpr short SSB_EDITMODEPERMANENT = 10;   // edit mode stays on when moving (default off)
constexpr short SSB_GRIDLINES = 11;           // grid lines shown (default on)
constexpr short SSB_NOBEEP = 12;              // no beep on invalid input (default off)
constexpr short SSB_PROCESSTAB = 13;          // Tab moves between cells (default off)
constexpr short SSB_PROTECT = 18;             // locked cells cannot be edited by the user (default on)
constexpr short SSB_SHOWCOLHEADERS = 20;      // column header row shown (default on)
constexpr short SSB_SHOWROWHEADERS = 21;      // row header column shown (default on)
constexpr short SSB_MOVEACTIVEONFOCUS = 25;   // clicking moves the active cell (default on)
constexpr short SSB_RETAINSELBLOCK = 26;      // selection kept when focus leaves (default on)
constexpr short SSB_CHANGEMADE = 30;          // contents changed since load, save, reset or clearing the flag
constexpr short SSB_ALLOWMULTIBLOCKS = 32;    // several selection blocks (default off)
constexpr short SSB_ALLOWCELLOVERFLOW = 34;   // long text overflows into empty neighbours (default off)
constexpr short SSB_COUNT = 64;               // valid indexes are 0..SSB_COUNT-1
BOOL SSSetBool(HWND hWnd, short index, BOOL value);
BOOL SSGetBool(HWND hWnd, short index);

// ---------------------------------------------------------------------------------------
// Control-wide look and behaviour (stored, saved, loaded; drawing is not modelled).
constexpr short SS_REFSTYLE_DEFAULT = 0;   // A1
constexpr short SS_REFSTYLE_A1 = 1;
constexpr short SS_REFSTYLE_R1C1 = 2;      // formulas are parsed and shown in R1C1 form
BOOL SSSetRefStyle(HWND hWnd, short style);
short SSGetRefStyle(HWND hWnd);

constexpr short SS_ACTION_CLEAR = 0;
constexpr short SS_ACTION_CURRENT = 1;
constexpr short SS_ACTION_POPUP = 2;
// key 0 clears the binding.
BOOL SSSetActionKey(HWND hWnd, short action, BOOL shift, BOOL ctrl, WORD key);
BOOL SSGetActionKey(HWND hWnd, short action, BOOL* shift, BOOL* ctrl, WORD* key);
BOOL SSSetAppearance(HWND hWnd, short appearance);            // 0 flat, 1 3D, 2 3D with border
short SSGetAppearance(HWND hWnd);
BOOL SSSetBackColorStyle(HWND hWnd, short style);             // 0 over grid, 1 under grid, ...
short SSGetBackColorStyle(HWND hWnd);
BOOL SSSetSelColor(HWND hWnd, COLORREF back, COLORREF fore);
BOOL SSGetSelColor(HWND hWnd, COLORREF* back, COLORREF* fore);
BOOL SSSetGridColor(HWND hWnd, COLORREF color);
COLORREF SSGetGridColor(HWND hWnd);
BOOL SSSetShadowColor(HWND hWnd, COLORREF shadow, COLORREF shadowText);   // header colours
BOOL SSGetShadowColor(HWND hWnd, COLORREF* shadow, COLORREF* shadowText);
BOOL SSSetLockColor(HWND hWnd, COLORREF back, COLORREF fore);
BOOL SSGetLockColor(HWND hWnd, COLORREF* back, COLORREF* fore);
constexpr short SS_NOTEINDICATOR_SHOW = 0;
constexpr short SS_NOTEINDICATOR_HIDE = 1;
BOOL SSSetCellNoteIndicator(HWND hWnd, short mode);
short SSGetCellNoteIndicator(HWND hWnd);
// Text tips of the control: mode 0 off, 1 fixed, 2 floating, 3 fixed on focus only,
// 4 floating on focus only; delay in milliseconds.
BOOL SSSetTextTip(HWND hWnd, short mode, LONG delay, COLORREF back, COLORREF fore);
BOOL SSGetTextTip(HWND hWnd, short* mode, LONG* delay, COLORREF* back, COLORREF* fore);
// Fixed sizes of the scroll bars in pixels.
BOOL SSGetScrollBarSize(HWND hWnd, short* verticalWidth, short* horizontalHeight);
// Default font of the control (cells without a font of their own).
BOOL SSSetDefaultFont(HWND hWnd, LPCWSTR name, int size);
BOOL SSGetDefaultFont(HWND hWnd, std::wstring& name, int* size);
// Selection style: 0 cells, 1 whole rows (list style).
BOOL SSSetSelectionMode(HWND hWnd, short mode);
short SSGetSelectionMode(HWND hWnd);

// Back to a new control's state: contents, formats, functions, settings and counts.
BOOL SSReset(HWND hWnd);

// ---------------------------------------------------------------------------------------
// Rows and columns. Insertion grows the count, deletion shrinks it; inserted rows take the
// formats of the row that was at `row` (columns: of the column that was at `col`).
// References in formulas follow the cells they point to; references to deleted cells
// become #REF!, ranges shrink.
BOOL SSInsRows(HWND hWnd, SS_COORD row, SS_COORD count);
BOOL SSDelRows(HWND hWnd, SS_COORD row, SS_COORD count);
BOOL SSInsCols(HWND hWnd, SS_COORD col, SS_COORD count);
BOOL SSDelCols(HWND hWnd, SS_COORD col, SS_COORD count);
// Moves one row (column) with contents and formats so that it ends up at index `to`; the
// rows between shift by one. References follow the moved cells.
BOOL SSMoveRow(HWND hWnd, SS_COORD from, SS_COORD to);
BOOL SSMoveCol(HWND hWnd, SS_COORD from, SS_COORD to);

// ---------------------------------------------------------------------------------------
// Calculation.
BOOL SSReCalc(HWND hWnd);
// Recalculates the cell (after the formulas it depends on); with automatic calculation also
// the cells depending on it.
BOOL SSReCalcCell(HWND hWnd, SS_COORD col, SS_COORD row);
// Registers (or replaces) a function of this control only. Names are letters, digits, "_"
// and "." starting with a letter, compared without case; a custom function hides a
// built-in of the same name. Calls with fewer than minArgs or more than maxArgs (maxArgs
// -1: no limit) are #VALUE! in the cell and do not reach the callback.
BOOL SSAddCustomFunctionExt(HWND hWnd, LPCWSTR name, short minArgs, short maxArgs, SS_CALCFUNC func, LONG flags);
BOOL SSRemoveCustomFunction(HWND hWnd, LPCWSTR name);

// ---------------------------------------------------------------------------------------
// Files (UTF-8 text). Loading replaces contents, formats and custom functions, and the
// settings the file names (the others keep their values), then calculates every formula; a file that fails to load leaves the control unchanged and
// SSGetLastErrorText says why (file name and line). A plain tab-separated grid without the
// header line loads too. Saving writes atomically.
BOOL SSLoadFromFile(HWND hWnd, LPCWSTR fileName);
BOOL SSSaveToFile(HWND hWnd, LPCWSTR fileName, BOOL dataOnly);
BOOL SSLoadFromBuffer(HWND hWnd, std::string_view utf8, LPCWSTR nameForMessages);
// As SSLoadFromBuffer, for a buffer that is shared and never changed while shared (a file
// cache's bytes): the sheet parsed from the same buffer object before, with the same
// settings in force, is copied instead of parsed again (kept for sheets without formulas,
// buffers up to 256 KiB, the last 16 and 4 MiB of buffers). SSForgetParsedSheets drops what is kept, and the
// formula trees kept for formulas typed again (a formula set with the same text in the
// same cell as one set before shares the tree parsed then).
BOOL SSLoadFromSharedBuffer(HWND hWnd, const std::shared_ptr<const std::string>& utf8, LPCWSTR nameForMessages);
void SSForgetParsedSheets();
BOOL SSSaveToBuffer(HWND hWnd, std::string& utf8, BOOL dataOnly);
// Text of the last failed load or save of this control (empty after a success).
std::wstring SSGetLastErrorText(HWND hWnd);

// ---------------------------------------------------------------------------------------
// Notifications to the parent: WM_COMMAND with MAKELONG(control id, code) in wParam and the
// control's handle in lParam.
constexpr WORD SSN_CLICK = 59;            // the user clicked a cell (the active cell is that cell)
constexpr WORD SSN_LEAVECELL = 60;        // the active cell moved (SSGetActiveCell: the new cell)
constexpr WORD SSN_BUTTONCLICKED = 61;    // a button or check-box cell was pressed (SSGetActiveCell)
constexpr WORD SSN_CHANGE = 62;           // the user changed a cell's contents (SSGetActiveCell)
constexpr WORD SSN_DBLCLICK = 63;         // the user double-clicked a cell

// Simulated user input, as the window's mouse and key handling does it (for headless tests
// and the scripted user): a click moves the active cell (SSN_LEAVECELL when it moved,
// then SSN_CLICK); a click on a button cell notifies SSN_BUTTONCLICKED; on an unlocked check
// box it toggles the value, then notifies SSN_BUTTONCLICKED and SSN_CHANGE. Typing enters
// edit mode on the cell, replaces its edit text and commits it (refused on locked cells
// while SSB_PROTECT is on).
BOOL SSUserClickCell(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSUserDoubleClickCell(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSUserTypeText(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text);
// Cell under a point of the client area (-1, -1 when none; headers give 0).
BOOL SSGetCellFromPixel(HWND hWnd, int x, int y, SS_COORD* col, SS_COORD* row);
