#include "engine/dlg_gen_vars.h"

#include "host/dialog_support.h"
#include "host/dlg_open_multi.h"
#include "host/list_utils.h"
#include "host/settings.h"
#include "host/texts.h"
#include "win/msgbox.h"
#include "mfc/controls.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_GENVARS";
const wchar_t* const kButtonText = L"...";
const wchar_t* const kChooserTitle = L"Select the drawings and folders that apply to this general variable";
constexpr int kDwgCols = 4;
constexpr int kStdCols = 5;

// Numbered texts of the captions and column titles.
enum {
    kTextOk = 1,
    kTextCancel = 2,
    kTextValue = 86,
    kTextMoveUp = 173,
    kTextMoveDown = 174,
    kTextFilter = 347,
    kTextAdd = 606,
    kTextRemove = 607,
    kTextVariable = 1543,
    kTextDwgFrame = 1762,
    kTextStdFrame = 1763,
    kTextTitle = 1764,
    kTextOverride = 1765,
};

using B = CResizer::Border;
// Both frames share the height in proportion; the sheets fill their frames, the buttons
// stay below their sheet, the move buttons and OK/Cancel at the right edge.
CResizer::Anchor anchor(int id, B left, B top, B right, B bottom) { return {id, left, top, right, bottom}; }

std::vector<CResizer::Anchor> anchors() {
    const B leftEdge{1, 0, 1}, topEdge{1, 0, 2}, rightEdge{1, 0, 3}, bottomEdge{1, 0, 4};
    const B keepWidth{3, 0, 1}, keepHeight{4, 0, 2}, proportional{2, 0, 4};
    const B belowDwg{1, IDC_GENVARS_DWG_FRAME, 4}, belowStd{1, IDC_GENVARS_STD_FRAME, 4};
    return {
        anchor(IDC_GENVARS_DWG_FRAME, leftEdge, topEdge, rightEdge, proportional),
        anchor(IDC_GENVARS_DWG_SHEET, leftEdge, topEdge, rightEdge, belowDwg),
        anchor(IDC_GENVARS_DWG_ADD, leftEdge, belowDwg, keepWidth, keepHeight),
        anchor(IDC_GENVARS_DWG_REMOVE, leftEdge, belowDwg, keepWidth, keepHeight),
        anchor(IDC_GENVARS_DWG_UP, keepWidth, belowDwg, rightEdge, keepHeight),
        anchor(IDC_GENVARS_DWG_DOWN, keepWidth, belowDwg, rightEdge, keepHeight),
        anchor(IDC_GENVARS_STD_FRAME, leftEdge, belowDwg, rightEdge, bottomEdge),
        anchor(IDC_GENVARS_STD_SHEET, leftEdge, {1, IDC_GENVARS_STD_FRAME, 2}, rightEdge, belowStd),
        anchor(IDC_GENVARS_STD_ADD, leftEdge, belowStd, keepWidth, keepHeight),
        anchor(IDC_GENVARS_STD_REMOVE, leftEdge, belowStd, keepWidth, keepHeight),
        anchor(IDC_GENVARS_STD_UP, keepWidth, belowStd, rightEdge, keepHeight),
        anchor(IDC_GENVARS_STD_DOWN, keepWidth, belowStd, rightEdge, keepHeight),
        anchor(IDOK, keepWidth, bottomEdge, rightEdge, bottomEdge),
        anchor(IDCANCEL, keepWidth, bottomEdge, rightEdge, bottomEdge),
    };
}

void setUpIconButton(CButtonST& button, int id, CWnd* dlg, UINT icon, int tooltip) {
    button.SubclassDlgItem(id, dlg);
    button.SetIcon(icon);
    button.SetTooltipText(dialString(tooltip).c_str());
}

int activeRow(const Zk_Spread& sheet) {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!sheet.GetActiveCell(&col, &row)) return -1;
    return row;
}

}  // namespace

CDlgGenVars::CDlgGenVars(CWnd* parent) : CDialog(IDD, parent) {}

CDlgGenVars::~CDlgGenVars() = default;

Zk_String CDlgGenVars::macrosFolder() {
    Zk_String folder = gSettings.libDir;
    folder += L"Macros\\";
    return folder;
}

Zk_StringArray CDlgGenVars::relativeToFolder(const Zk_StringArray& chosen, const Zk_String& startFolder) {
    Zk_StringArray relative;
    for (const Zk_String& path : chosen) {
        if (!path.startsWith(startFolder, true)) continue;
        const Zk_String rest = path.mid(startFolder.length());
        if (!rest.isEmpty()) relative.append(rest);
    }
    return relative;
}

BOOL CDlgGenVars::OnInitDialog() {
    CDialog::OnInitDialog();

    // 1. The size the dialog opens with is its minimum; restore the stored place.
    RECT opened{};
    GetWindowRect(&opened);
    minWidth = opened.right - opened.left;
    minHeight = opened.bottom - opened.top;
    resizer.init(this, anchors());
    ChangeDlgSize(this, Zk_String(kSizeKey), minWidth, minHeight);

    // 2. The two sheets over their placeholders.
    setUpSheet(dwgSheet, IDC_GENVARS_DWG_SHEET, kDwgCols, kDwgButtonCol);
    setUpSheet(stdSheet, IDC_GENVARS_STD_SHEET, kStdCols, kStdButtonCol);

    // 3. Icon buttons and captions.
    setUpIconButton(dwgUp, IDC_GENVARS_DWG_UP, this, IDI_TQ_ARROW_UP, kTextMoveUp);
    setUpIconButton(dwgDown, IDC_GENVARS_DWG_DOWN, this, IDI_TQ_ARROW_DOWN, kTextMoveDown);
    setUpIconButton(stdUp, IDC_GENVARS_STD_UP, this, IDI_TQ_ARROW_UP, kTextMoveUp);
    setUpIconButton(stdDown, IDC_GENVARS_STD_DOWN, this, IDI_TQ_ARROW_DOWN, kTextMoveDown);
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(IDOK, dialString(kTextOk).c_str());
    SetDlgItemText(IDCANCEL, dialString(kTextCancel).c_str());
    for (int id : {IDC_GENVARS_DWG_ADD, IDC_GENVARS_STD_ADD}) SetDlgItemText(id, dialString(kTextAdd).c_str());
    for (int id : {IDC_GENVARS_DWG_REMOVE, IDC_GENVARS_STD_REMOVE})
        SetDlgItemText(id, dialString(kTextRemove).c_str());
    SetDlgItemText(IDC_GENVARS_DWG_FRAME, dialString(kTextDwgFrame).c_str());
    SetDlgItemText(IDC_GENVARS_STD_FRAME, dialString(kTextStdFrame).c_str());

    // 4. Column titles.
    const int dwgTitles[] = {kTextVariable, kTextValue, kTextFilter};
    for (int col = 1; col <= 3; ++col) dwgSheet.writeCellText(col, 0, dialString(dwgTitles[col - 1]));
    dwgSheet.writeCellText(kDwgButtonCol, 0, Zk_String());
    const int stdTitles[] = {kTextVariable, kTextValue, kTextOverride, kTextFilter};
    for (int col = 1; col <= 4; ++col) stdSheet.writeCellText(col, 0, dialString(stdTitles[col - 1]));
    stdSheet.writeCellText(kStdButtonCol, 0, Zk_String());
    dwgSheet.applyColumnWidths();
    stdSheet.applyColumnWidths();

    // 5. and 6. The variables.
    const Zk_StringArray* dwgColumns[] = {&data.dwgGenVars(), &data.dwgGenValues(), &data.dwgGenFilters()};
    fillSheet(dwgSheet, dwgColumns, 3, kDwgButtonCol);
    const Zk_StringArray* stdColumns[] = {&data.stdGenVars(), &data.stdGenValues(), &data.stdGenOverrides(),
                                          &data.stdGenFilters()};
    fillSheet(stdSheet, stdColumns, 4, kStdButtonCol);

    m_sized = true;
    return TRUE;
}

void CDlgGenVars::setUpSheet(Zk_Spread& sheet, int placeholderId, int colCount, int buttonCol) {
    sheet.createFromPlaceholder(this, placeholderId);
    sheet.applyStandardLook(true);
    sheet.SetBool(SSB_ARROWSEXITEDITMODE, FALSE);
    sheet.setColCount(colCount);
    sheet.SetColWidthInPixels(buttonCol, kButtonColWidth);
    Zk_Array<double> shares;
    for (int col = 1; col <= colCount; ++col) shares.append(1.0);
    sheet.setColumnWidths(shares, buttonCol);
}

void CDlgGenVars::fillSheet(Zk_Spread& sheet, const Zk_StringArray* columns[], int dataCols, int buttonCol) {
    // The name list decides the row count; a shorter list leaves its cells empty.
    const int rows = columns[0]->length();
    sheet.setRowCount(rows > 0 ? rows : 1);
    for (int c = 0; c < dataCols; ++c)
        for (int row = 1; row <= rows; ++row)
            if (columns[c]->isValidIndex(row - 1)) sheet.writeCellText(c + 1, row, (*columns[c])[row - 1]);
    sheet.setButtonColumn(buttonCol, Zk_String(kButtonText));
}

void CDlgGenVars::addRow(Zk_Spread& sheet, int buttonCol) {
    const int row = activeRow(sheet);
    const int count = sheet.getRowCount();
    if (row >= 1 && row <= count)
        sheet.insertRow(row);
    else
        sheet.setRowCount(count + 1);  // no active row: append
    sheet.setButtonColumn(buttonCol, Zk_String(kButtonText));
}

void CDlgGenVars::removeRow(Zk_Spread& sheet, int buttonCol) {
    const int row = activeRow(sheet);
    const int count = sheet.getRowCount();
    if (row < 1 || row > count) return;
    sheet.deleteRow(row);
    // Keep an active cell on a row that still exists.
    if (row > count - 1 && count - 1 >= 1) sheet.SetActiveCell(1, count - 1);
    sheet.setButtonColumn(buttonCol, Zk_String(kButtonText));
}

void CDlgGenVars::moveRow(Zk_Spread& sheet, int buttonCol, int step) {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!sheet.GetActiveCell(&col, &row)) return;
    const int to = row + step;
    if (row < 1 || row > sheet.getRowCount() || to < 1 || to > sheet.getRowCount()) return;
    sheet.moveRow(row, to);
    // The active cell goes with the row, so pressing again moves it further.
    sheet.SetActiveCell(col, to);
    sheet.setButtonColumn(buttonCol, Zk_String(kButtonText));
}

void CDlgGenVars::chooseFilter(Zk_Spread& sheet, int filterCol) {
    const int row = activeRow(sheet);
    if (row < 1 || row > sheet.getRowCount()) return;
    const Zk_String startFolder = macrosFolder();
    Zk_StringArray chosen;
    if (!DlgOpenMulti(true, Zk_String(L"dwg"), Zk_String(L"AutoCAD Drawing"), Zk_String(kChooserTitle),
                      startFolder, chosen))
        return;
    Zk_String text;
    sheet.readCellText(filterCol, row, text);
    Zk_StringArray filter = strToArr(text);
    filter.append(relativeToFolder(chosen, startFolder));
    sheet.writeCellText(filterCol, row, arrToStr(filter));
}

BOOL CDlgGenVars::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == SSN_BUTTONCLICKED && id == IDC_GENVARS_DWG_SHEET) {
        chooseFilter(dwgSheet, kDwgFilterCol);
        return TRUE;
    }
    if (code == SSN_BUTTONCLICKED && id == IDC_GENVARS_STD_SHEET) {
        chooseFilter(stdSheet, kStdFilterCol);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_GENVARS_DWG_ADD: addRow(dwgSheet, kDwgButtonCol); return TRUE;
        case IDC_GENVARS_STD_ADD: addRow(stdSheet, kStdButtonCol); return TRUE;
        case IDC_GENVARS_DWG_REMOVE: removeRow(dwgSheet, kDwgButtonCol); return TRUE;
        case IDC_GENVARS_STD_REMOVE: removeRow(stdSheet, kStdButtonCol); return TRUE;
        case IDC_GENVARS_DWG_UP: moveRow(dwgSheet, kDwgButtonCol, -1); return TRUE;
        case IDC_GENVARS_STD_UP: moveRow(stdSheet, kStdButtonCol, -1); return TRUE;
        case IDC_GENVARS_DWG_DOWN: moveRow(dwgSheet, kDwgButtonCol, 1); return TRUE;
        case IDC_GENVARS_STD_DOWN: moveRow(stdSheet, kStdButtonCol, 1); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgGenVars::readSheet(const Zk_Spread& sheet, Zk_StringArray* columns[], int dataCols) const {
    for (int c = 0; c < dataCols; ++c) columns[c]->removeAll();
    const int rows = sheet.getRowCount();
    for (int row = 1; row <= rows; ++row) {
        Zk_StringArray line;
        bool empty = true;
        for (int c = 0; c < dataCols; ++c) {
            Zk_String text;
            sheet.readCellText(c + 1, row, text);
            empty = empty && text.trimmed().isEmpty();
            line.append(text);
        }
        // A row left blank (such as the one an empty sheet opens with) is no variable.
        if (empty) continue;
        for (int c = 0; c < dataCols; ++c) columns[c]->append(line[c]);
    }
}

void CDlgGenVars::OnOK() {
    Zk_StringArray* dwgColumns[] = {&data.dwgGenVars(), &data.dwgGenValues(), &data.dwgGenFilters()};
    readSheet(dwgSheet, dwgColumns, 3);
    Zk_StringArray* stdColumns[] = {&data.stdGenVars(), &data.stdGenValues(), &data.stdGenOverrides(),
                                    &data.stdGenFilters()};
    readSheet(stdSheet, stdColumns, 4);
    CDialog::OnOK();
}

void CDlgGenVars::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_sized || !resizer.isInitialised()) return;
    resizer.move();
    Invalidate();
}

void CDlgGenVars::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (info == nullptr) return;
    info->ptMinTrackSize.x = minWidth;
    info->ptMinTrackSize.y = minHeight;
}

void CDlgGenVars::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CDialog::OnDestroy();
}
