// TSpread: the window object of one spreadsheet control (class "fpUSpread70"). Each
// method forwards to the control function of the same purpose with the window's handle;
// on a window that does not exist the control functions fail.
#pragma once

#include <string>

#include "win/window.h"  // before the window framework (WNDPROC)
#include "mfc/cwnd.h"
#include "spread/ss_api.h"

class TSpread : public CWnd {
public:
    TSpread() = default;
    ~TSpread() override = default;

    // Counts.
    SS_COORD GetMaxCols() const { return SSGetMaxCols(m_hWnd); }
    SS_COORD GetMaxRows() const { return SSGetMaxRows(m_hWnd); }
    BOOL SetMaxCols(SS_COORD cols) { return SSSetMaxCols(m_hWnd, cols); }
    BOOL SetMaxRows(SS_COORD rows) { return SSSetMaxRows(m_hWnd, rows); }

    // Cell text.
    BOOL GetData(SS_COORD col, SS_COORD row, std::wstring& text) const { return SSGetData(m_hWnd, col, row, text); }
    BOOL GetFormula(SS_COORD col, SS_COORD row, std::wstring& text) const { return SSGetFormula(m_hWnd, col, row, text); }
    BOOL GetCellTag(SS_COORD col, SS_COORD row, std::wstring& tag) const { return SSGetCellTag(m_hWnd, col, row, tag); }
    BOOL GetValue(SS_COORD col, SS_COORD row, std::wstring& text) const { return SSGetValue(m_hWnd, col, row, text); }
    BOOL SetData(SS_COORD col, SS_COORD row, LPCWSTR text) { return SSSetData(m_hWnd, col, row, text); }
    BOOL SetValue(SS_COORD col, SS_COORD row, LPCWSTR text) { return SSSetValue(m_hWnd, col, row, text); }
    BOOL SetFormula(SS_COORD col, SS_COORD row, LPCWSTR formula) { return SSSetFormula(m_hWnd, col, row, formula); }
    BOOL SetCellTag(SS_COORD col, SS_COORD row, LPCWSTR tag) { return SSSetCellTag(m_hWnd, col, row, tag); }
    BOOL SetCellNote(SS_COORD col, SS_COORD row, LPCWSTR note) { return SSSetCellNote(m_hWnd, col, row, note); }
    BOOL ClearData(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) { return SSClearData(m_hWnd, col, row, col2, row2); }
    BOOL Clear(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) { return SSClear(m_hWnd, col, row, col2, row2); }

    // Cell types.
    BOOL SetTypeNumber(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals, double minValue,
                       double maxValue, BOOL separator) {
        return SSSetTypeNumber(m_hWnd, col, row, col2, row2, decimals, minValue, maxValue, separator);
    }
    BOOL SetTypeEdit(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG maxLength, short caseMode) {
        return SSSetTypeEdit(m_hWnd, col, row, col2, row2, maxLength, caseMode);
    }
    BOOL SetTypeInteger(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG minValue, LONG maxValue) {
        return SSSetTypeInteger(m_hWnd, col, row, col2, row2, minValue, maxValue);
    }
    BOOL SetTypeCheckBox(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text, LPCWSTR pict1,
                         LPCWSTR pict2) {
        return SSSetTypeCheckBox(m_hWnd, col, row, col2, row2, text, pict1, pict2);
    }
    BOOL SetTypeButton(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text) {
        return SSSetTypeButton(m_hWnd, col, row, col2, row2, text);
    }
    BOOL SetTypeComboBox(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR items, BOOL editable) {
        return SSSetTypeComboBox(m_hWnd, col, row, col2, row2, items, editable);
    }
    BOOL SetTypeStatic(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
        return SSSetTypeStatic(m_hWnd, col, row, col2, row2);
    }
    int GetCellType(SS_COORD col, SS_COORD row) const { return SSGetCellType(m_hWnd, col, row); }

    // Formats.
    BOOL SetLock(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, BOOL locked) {
        return SSSetLock(m_hWnd, col, row, col2, row2, locked);
    }
    BOOL SetColor(SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, COLORREF back, COLORREF fore) {
        return SSSetColor(m_hWnd, col, row, col2, row2, back, fore);
    }
    BOOL SetColWidth(SS_COORD col, double width) { return SSSetColWidth(m_hWnd, col, width); }
    BOOL GetColWidth(SS_COORD col, double* width) const { return SSGetColWidth(m_hWnd, col, width); }
    BOOL SetColWidthInPixels(SS_COORD col, int pixels) { return SSSetColWidthInPixels(m_hWnd, col, pixels); }
    BOOL GetColWidthInPixels(SS_COORD col, int* pixels) const { return SSGetColWidthInPixels(m_hWnd, col, pixels); }
    BOOL GetMaxTextColWidth(SS_COORD col, double* width) const { return SSGetMaxTextColWidth(m_hWnd, col, width); }
    BOOL SetRowHeight(SS_COORD row, double height) { return SSSetRowHeight(m_hWnd, row, height); }
    BOOL GetRowHeight(SS_COORD row, double* height) const { return SSGetRowHeight(m_hWnd, row, height); }

    // Spans, tips.
    BOOL AddCellSpan(SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) {
        return SSAddCellSpan(m_hWnd, col, row, numCols, numRows);
    }
    short GetCellSpan(SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols,
                      SS_COORD* numRows) const {
        return SSGetCellSpan(m_hWnd, col, row, anchorCol, anchorRow, numCols, numRows);
    }
    void RemoveCellSpan(SS_COORD col, SS_COORD row) { SSRemoveCellSpan(m_hWnd, col, row); }
    BOOL SetTextTip(short mode, LONG delay, COLORREF back, COLORREF fore) {
        return SSSetTextTip(m_hWnd, mode, delay, back, fore);
    }
    BOOL GetTextTip(short* mode, LONG* delay, COLORREF* back, COLORREF* fore) const {
        return SSGetTextTip(m_hWnd, mode, delay, back, fore);
    }

    // Control-wide settings.
    BOOL SetBool(short index, BOOL value) { return SSSetBool(m_hWnd, index, value); }
    BOOL GetBool(short index) const { return SSGetBool(m_hWnd, index); }
    BOOL SetRefStyle(short style) { return SSSetRefStyle(m_hWnd, style); }
    BOOL SetActionKey(short action, BOOL shift, BOOL ctrl, WORD key) {
        return SSSetActionKey(m_hWnd, action, shift, ctrl, key);
    }
    BOOL SetAppearance(short appearance) { return SSSetAppearance(m_hWnd, appearance); }
    BOOL SetBackColorStyle(short style) { return SSSetBackColorStyle(m_hWnd, style); }
    BOOL SetSelColor(COLORREF back, COLORREF fore) { return SSSetSelColor(m_hWnd, back, fore); }
    BOOL SetGridColor(COLORREF color) { return SSSetGridColor(m_hWnd, color); }
    BOOL SetShadowColor(COLORREF shadow, COLORREF text) { return SSSetShadowColor(m_hWnd, shadow, text); }
    BOOL SetLockColor(COLORREF back, COLORREF fore) { return SSSetLockColor(m_hWnd, back, fore); }
    BOOL SetCellNoteIndicator(short mode) { return SSSetCellNoteIndicator(m_hWnd, mode); }
    BOOL GetScrollBarSize(short* verticalWidth, short* horizontalHeight) const {
        return SSGetScrollBarSize(m_hWnd, verticalWidth, horizontalHeight);
    }
    BOOL SetDefaultFont(LPCWSTR name, int size) { return SSSetDefaultFont(m_hWnd, name, size); }
    BOOL SetSelectionMode(short mode) { return SSSetSelectionMode(m_hWnd, mode); }
    BOOL Reset() { return SSReset(m_hWnd); }

    // Active cell and selection.
    BOOL SetActiveCell(SS_COORD col, SS_COORD row) { return SSSetActiveCell(m_hWnd, col, row); }
    BOOL GetActiveCell(SS_COORD* col, SS_COORD* row) const { return SSGetActiveCell(m_hWnd, col, row); }

    // Rows and columns.
    BOOL InsRows(SS_COORD row, SS_COORD count) { return SSInsRows(m_hWnd, row, count); }
    BOOL DelRows(SS_COORD row, SS_COORD count) { return SSDelRows(m_hWnd, row, count); }
    BOOL InsCols(SS_COORD col, SS_COORD count) { return SSInsCols(m_hWnd, col, count); }
    BOOL DelCols(SS_COORD col, SS_COORD count) { return SSDelCols(m_hWnd, col, count); }
    BOOL MoveRow(SS_COORD from, SS_COORD to) { return SSMoveRow(m_hWnd, from, to); }
    BOOL MoveCol(SS_COORD from, SS_COORD to) { return SSMoveCol(m_hWnd, from, to); }

    // Calculation and files.
    BOOL ReCalc() { return SSReCalc(m_hWnd); }
    BOOL ReCalcCell(SS_COORD col, SS_COORD row) { return SSReCalcCell(m_hWnd, col, row); }
    BOOL AddCustomFunctionExt(LPCWSTR name, short minArgs, short maxArgs, SS_CALCFUNC func, LONG flags) {
        return SSAddCustomFunctionExt(m_hWnd, name, minArgs, maxArgs, func, flags);
    }
    BOOL LoadFromFile(LPCWSTR fileName) { return SSLoadFromFile(m_hWnd, fileName); }
    BOOL SaveToFile(LPCWSTR fileName, BOOL dataOnly) { return SSSaveToFile(m_hWnd, fileName, dataOnly); }
};
