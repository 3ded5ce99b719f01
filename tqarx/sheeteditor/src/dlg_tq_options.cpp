#include "sheeteditor/dlg_tq_options.h"

#include <algorithm>
#include <cwctype>

#include "host/texts.h"
#include "sheeteditor/sheet_operations.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"

namespace {

// The preview sheets' boolean settings: edit mode stays on (10), grid lines (11),
// formulas typed by the user (3), arrows leave edit mode (4).
constexpr int kEditModeSetting = 10;
constexpr int kGridSetting = 11;
constexpr int kFormulaSetting = 3;
constexpr int kArrowSetting = 4;

// The usual decimal reading: leading blanks, a sign, the digits that follow (none: 0).
int readNumber(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > 100000000) break;  // far beyond any count or size
    }
    return static_cast<int>(negative ? -value : value);
}

// Position i of the rebuilt list: the edited text, else the initial one, else empty.
Zk_String textAt(const Zk_StringArray& edited, const Zk_StringArray& initial, int i) {
    if (edited.isValidIndex(i)) return edited[i];
    if (initial.isValidIndex(i)) return initial[i];
    return Zk_String();
}

}  // namespace

CDlgTqOptions::CDlgTqOptions(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgTqOptions::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1369).c_str());
    SetDlgItemText(IDC_OPTIONS_COLHEAD_LABEL, (dialString(1370) + L"\n" + dialString(1371)).c_str());
    SetDlgItemText(IDC_OPTIONS_ROWHEAD_LABEL, dialString(1372).c_str());
    SetDlgItemText(IDC_OPTIONS_COLS_LABEL, dialString(1373).c_str());
    SetDlgItemText(IDC_OPTIONS_ROWS_LABEL, dialString(1374).c_str());
    SetDlgItemText(IDC_OPTIONS_HEADER_HEIGHT_LABEL, dialString(1375).c_str());
    SetDlgItemText(IDC_OPTIONS_HEADER_WIDTH_LABEL, dialString(1376).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    SetDlgItemText(IDC_OPTIONS_COLS, Zk_String(colCount).c_str());
    SetDlgItemText(IDC_OPTIONS_ROWS, Zk_String(rowCount).c_str());
    SetDlgItemText(IDC_OPTIONS_HEADER_HEIGHT, Zk_String(colHeaderHeight).c_str());
    SetDlgItemText(IDC_OPTIONS_HEADER_WIDTH, Zk_String(rowHeaderWidth).c_str());
    editedColHeaders.clear();
    editedRowHeaders.clear();
    colSheet.createFromPlaceholder(this, IDC_OPTIONS_COLHEAD_SHEET);
    rowSheet.createFromPlaceholder(this, IDC_OPTIONS_ROWHEAD_SHEET);
    buildColSheet();
    buildRowSheet();
    m_ready = true;
    return TRUE;
}

void CDlgTqOptions::buildColSheet() {
    if (!colSheet.isCreated()) return;
    colSheet.setColCount(colCount);
    colSheet.setRowCount(1);
    colSheet.setBoolProperty(kEditModeSetting, true);
    colSheet.setBoolProperty(kGridSetting, false);
    colSheet.setBoolProperty(kFormulaSetting, false);
    colSheet.setBoolProperty(kArrowSetting, false);
    SSSetRowHeightInPixels(colSheet.GetSafeHwnd(), 1, colHeaderHeight);
    for (int i = 0; i < colCount; ++i) colSheet.writeCellText(i + 1, 1, textAt(editedColHeaders, colHeaders, i));
}

void CDlgTqOptions::buildRowSheet() {
    if (!rowSheet.isCreated()) return;
    rowSheet.setColCount(1);
    rowSheet.setRowCount(rowCount);
    rowSheet.setBoolProperty(kGridSetting, true);
    rowSheet.setBoolProperty(kEditModeSetting, false);
    rowSheet.setBoolProperty(kFormulaSetting, false);
    rowSheet.setBoolProperty(kArrowSetting, false);
    SSSetColWidthInPixels(rowSheet.GetSafeHwnd(), 1, rowHeaderWidth);
    for (int i = 0; i < rowCount; ++i) rowSheet.writeCellText(1, i + 1, textAt(editedRowHeaders, rowHeaders, i));
}

void CDlgTqOptions::saveColTexts() {
    if (!colSheet.isCreated()) return;
    editedColHeaders.clear();
    for (int col = 1; col <= colSheet.getColCount(); ++col)
        editedColHeaders.append(getCellText(&colSheet, col, 1, kCellTextData));
}

void CDlgTqOptions::saveRowTexts() {
    if (!rowSheet.isCreated()) return;
    editedRowHeaders.clear();
    for (int row = 1; row <= rowSheet.getRowCount(); ++row)
        editedRowHeaders.append(getCellText(&rowSheet, 1, row, kCellTextData));
}

int CDlgTqOptions::numberOf(int editId) const {
    CString text;
    if (CWnd* edit = GetDlgItem(editId)) edit->GetWindowText(text);
    return readNumber(text.str());
}

BOOL CDlgTqOptions::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_ready && HIWORD(wParam) == EN_CHANGE) {
        switch (LOWORD(wParam)) {
        case IDC_OPTIONS_COLS:
            saveColTexts();
            colCount = std::clamp(numberOf(IDC_OPTIONS_COLS), 0, static_cast<int>(SS_LIMIT_MAXCOLS));
            buildColSheet();
            return TRUE;
        case IDC_OPTIONS_ROWS:
            saveRowTexts();
            rowCount = std::clamp(numberOf(IDC_OPTIONS_ROWS), 0, static_cast<int>(SS_LIMIT_MAXROWS));
            buildRowSheet();
            return TRUE;
        case IDC_OPTIONS_HEADER_HEIGHT:
            colHeaderHeight = std::max(numberOf(IDC_OPTIONS_HEADER_HEIGHT), 0);
            SSSetRowHeightInPixels(colSheet.GetSafeHwnd(), 1, colHeaderHeight);
            return TRUE;
        case IDC_OPTIONS_HEADER_WIDTH:
            rowHeaderWidth = std::max(numberOf(IDC_OPTIONS_HEADER_WIDTH), 0);
            SSSetColWidthInPixels(rowSheet.GetSafeHwnd(), 1, rowHeaderWidth);
            return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgTqOptions::OnOK() {
    // An edit still open in a preview sheet counts as typed.
    if (colSheet.isCreated() && SSGetEditMode(colSheet.GetSafeHwnd())) SSLeaveEditMode(colSheet.GetSafeHwnd(), TRUE);
    if (rowSheet.isCreated() && SSGetEditMode(rowSheet.GetSafeHwnd())) SSLeaveEditMode(rowSheet.GetSafeHwnd(), TRUE);
    saveColTexts();
    saveRowTexts();
    EndDialog(IDOK);
}

bool editSheetOptions(Zk_Spread* sheet, CWnd* parent) {
    if (!sheet || !sheet->isCreated()) return false;
    const HWND hwnd = sheet->GetSafeHwnd();
    CDlgTqOptions dlg(parent ? parent : sheet->GetParent());
    dlg.colCount = sheet->getColCount();
    dlg.rowCount = sheet->getRowCount();
    SSGetRowHeightInPixels(hwnd, 0, &dlg.colHeaderHeight);
    SSGetColWidthInPixels(hwnd, 0, &dlg.rowHeaderWidth);
    for (int col = 1; col <= dlg.colCount; ++col) dlg.colHeaders.append(getCellText(sheet, col, 0, kCellTextValue));
    for (int row = 1; row <= dlg.rowCount; ++row) dlg.rowHeaders.append(getCellText(sheet, 0, row, kCellTextValue));
    if (dlg.DoModal() != IDOK) return false;

    sheet->setColCount(dlg.colCount);
    sheet->setRowCount(dlg.rowCount);
    SSSetColWidthInPixels(hwnd, 0, dlg.rowHeaderWidth);
    SSSetRowHeightInPixels(hwnd, 0, dlg.colHeaderHeight);
    // Headers the user left as they were keep their automatic texts ("A", "1", ...).
    for (int i = 0; i < dlg.editedRowHeaders.length() && i < dlg.rowCount; ++i)
        if (!(dlg.rowHeaders.isValidIndex(i) && dlg.rowHeaders[i] == dlg.editedRowHeaders[i]))
            SSSetData(hwnd, 0, i + 1, dlg.editedRowHeaders[i].c_str());
    for (int i = 0; i < dlg.editedColHeaders.length() && i < dlg.colCount; ++i)
        if (!(dlg.colHeaders.isValidIndex(i) && dlg.colHeaders[i] == dlg.editedColHeaders[i]))
            SSSetData(hwnd, i + 1, 0, dlg.editedColHeaders[i].c_str());
    sheet->setBoolProperty(CDlgTqOptions::kChangedSetting, true);
    return true;
}
