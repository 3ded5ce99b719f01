#include "sectionlib/tab_edit_lib_values.h"

#include <algorithm>

#include "host/files.h"
#include "host/list_utils.h"
#include "host/section_tables.h"
#include "host/texts.h"
#include "lib_page_helpers.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"
#include "sectionlib/section_types.h"
#include "sheet_editor_calls.h"
#include "win/msgbox.h"

namespace {

enum {
    kTextValue = 86,
    kTextNew = 779,
    kTextDelete = 780,
    kTextOptions = 781,
    kTextRename = 782,
    kTextType = 783,
    kTextChangedCaption = 784,
    kTextChanged1 = 785,
    kTextChanged2 = 786,
    kTextDeleteCaption = 787,
    kTextDelete1 = 788,
    kTextDelete2 = 789,
    kTextRenameTitle = 790,
    kTextRenamePrompt = 791,
    kTextTypeCaption = 792,
    kTextType1 = 793,
    kTextType2 = 794,
    kTextType3 = 795,
    kTextNotSaved = 846,
    kTextNameTaken = 847,
    kTextNotDeleted = 848,
};

const wchar_t* const kSysNameTitle = L"SysName";
const wchar_t* const kFlagTitle = L"I/O";

struct IconButton {
    int id;
    UINT icon;
    int tooltip;
};
const IconButton kIconButtons[7] = {
    {IDC_LIB_SORT_UP, IDI_LIB_SORT_UP, 772},       {IDC_LIB_SORT_DOWN, IDI_LIB_SORT_DOWN, 773},
    {IDC_LIB_ROW_INSERT, IDI_LIB_ROW_INSERT, 774}, {IDC_LIB_ROW_DELETE, IDI_LIB_ROW_DELETE, 775},
    {IDC_LIB_ROW_UP, IDI_LIB_ROW_UP, 776},         {IDC_LIB_ROW_DOWN, IDI_LIB_ROW_DOWN, 777},
    {IDC_LIB_FIND, IDI_LIB_FIND, 778},
};

Zk_String cellText(const Zk_Spread& sheet, int col, int row, int mode = 3) {
    Zk_String text;
    sheet.readCellText(col, row, text, mode);
    return text;
}

// User-name columns of the sheet: 4, or 5 when the column at index 6 is "Korean".
int sheetLanguageCount(const Zk_Spread& sheet) {
    return cellText(sheet, 7, 0, 0).equal(Zk_String(L"Korean")) ? 5 : 4;
}

}  // namespace

CTabEditLibValues::CTabEditLibValues(DlgEditLibData& data, const Zk_String& startSection)
    : CDialog(IDD), m_data(data), m_startSection(startSection) {}

CComboBox* CTabEditLibValues::tableCombo() const { return static_cast<CComboBox*>(GetDlgItem(IDC_LIB_TABLE_COMBO)); }
CComboBox* CTabEditLibValues::typeCombo() const { return static_cast<CComboBox*>(GetDlgItem(IDC_LIB_VALUES_TYPE)); }

BOOL CTabEditLibValues::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_LIB_TABLE_NEW, dialString(kTextNew).c_str());
    SetDlgItemText(IDC_LIB_TABLE_DELETE, dialString(kTextDelete).c_str());
    SetDlgItemText(IDC_LIB_SHEET_OPTIONS, dialString(kTextOptions).c_str());
    SetDlgItemText(IDC_LIB_TABLE_RENAME, dialString(kTextRename).c_str());
    SetDlgItemText(IDC_LIB_VALUES_TYPE_LABEL, dialString(kTextType).c_str());
    for (int i = 0; i < 7; ++i)
        setUpLibIconButton(m_buttons[i], kIconButtons[i].id, this, kIconButtons[i].icon, kIconButtons[i].tooltip);

    for (const Zk_String& name : m_data.tableNames) tableCombo()->AddString(name.c_str());
    for (int number = 1; number <= kBuiltinSectionTypeCount; ++number)
        typeCombo()->AddString(builtinSectionDisplay(number).c_str());
    for (const Zk_String& drawing : m_data.userSections) typeCombo()->AddString(drawing.c_str());

    sheet.createFromPlaceholder(this, IDC_LIB_VALUES_SHEET, true);
    sheet.applyStandardLook(true);

    // Open at the table of the start section ("HEA-HEA200"), the first table otherwise,
    // with the section's row active.
    const int dash = m_startSection.find(L'-');
    const Zk_String startTable = dash > 0 ? m_startSection.left(dash) : m_startSection;
    int index = -1;
    if (startTable.isEmpty() || !m_data.tableNames.find(startTable, index, true)) index = m_data.tableNames.isEmpty() ? -1 : 0;
    tableCombo()->SetCurSel(index);
    showTable(index);
    int row = -1;
    if (dash > 0 && m_table.findSysName(m_startSection.mid(dash + 1), row)) sheet.SetActiveCell(1, row + 1);
    return TRUE;
}

Zk_String CTabEditLibValues::currentName() const {
    return m_data.tableNames.isValidIndex(m_current) ? m_data.tableNames[m_current] : Zk_String();
}

bool CTabEditLibValues::isChanged() const { return sheet.isCreated() && sheet.GetBool(SSB_CHANGEMADE); }

void CTabEditLibValues::markChanged() { sheet.SetBool(SSB_CHANGEMADE, TRUE); }

Zk_String CTabEditLibValues::chosenType() const {
    const int index = typeCombo()->GetCurSel();
    if (index < 0) return Zk_String();
    if (index < kBuiltinSectionTypeCount) return Zk_String(index + 1);
    CString text;
    typeCombo()->GetLBText(index, text);
    return Zk_String(text.GetString());
}

void CTabEditLibValues::selectType(const Zk_String& reference) {
    const int number = builtinSectionNumber(reference);
    int index = number > 0 ? number - 1 : -1;
    if (index < 0 && !reference.isEmpty()) {
        index = typeCombo()->FindStringExact(kBuiltinSectionTypeCount - 1, reference.c_str());
        if (index < 0) index = typeCombo()->AddString(reference.c_str());
    }
    typeCombo()->SetCurSel(index);
}

void CTabEditLibValues::showTable(int index) {
    m_current = m_data.tableNames.isValidIndex(index) ? index : -1;
    m_table = Zk_ProfValuesTable();
    if (m_current >= 0 && !m_table.readFromFile(currentName())) m_table = Zk_ProfValuesTable();
    m_table.typeName = currentName();
    m_table.setToTq(sheet);  // a table that cannot be read shows as an empty sheet
    selectType(m_table.image);
    setHeaders();
    sheet.SetBool(SSB_CHANGEMADE, FALSE);
}

void CTabEditLibValues::setHeaders() {
    const int cols = sheet.getColCount();
    if (cols <= 0) return;
    sheet.writeCellText(1, 0, Zk_String(kSysNameTitle));
    if (cols >= 2) sheet.writeCellText(2, 0, Zk_String(kFlagTitle));
    const int languages = sheetLanguageCount(sheet);
    const Zk_StringArray codes = gMacroLangs.GetAllLanguages();
    for (int i = 0; i < languages && 3 + i <= cols; ++i)
        if (codes.isValidIndex(i)) sheet.writeCellText(3 + i, 0, codes[i]);
    const int firstValue = 3 + languages;
    Zk_StringArray own;
    for (int col = firstValue; col <= cols; ++col) own.append(cellText(sheet, col, 0, 0));
    const Zk_StringArray titles = sectionValueColumnTitles(chosenType(), own);
    for (int i = 0; i < titles.length() && firstValue + i <= cols; ++i) sheet.writeCellText(firstValue + i, 0, titles[i]);
    sheet.fitColumnWidths();
    sheet.fitHeaderSizes();
}

bool CTabEditLibValues::mayLeave() {
    if (m_current < 0 || !isChanged()) return true;
    const Zk_String text = dialString(kTextChanged1) + Zk_String(L" <") + currentName() + Zk_String(L"> ") +
                           dialString(kTextChanged2);
    switch (MessageBox(text.c_str(), dialString(kTextChangedCaption).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return saveTable();
    case IDNO: return true;
    default: return false;
    }
}

bool CTabEditLibValues::saveTable() {
    if (m_current < 0) return false;
    Zk_ProfValuesTable edited;
    if (!edited.getFromTq(sheet)) {
        edited.columnNames = m_table.columnNames;  // every row deleted: the columns stay
        edited.rows.clear();
    }
    edited.typeName = currentName();
    edited.image = chosenType();
    if (!edited.writeToFile(currentName())) {
        const Zk_String text = dialString(kTextNotSaved) + Zk_String(L"\n") + sectionTableFilePath(currentName());
        MessageBox(text.c_str(), dialString(kTextChangedCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
        markChanged();
        return false;
    }
    edited.setToGlobals(&gSectionTables);
    m_table = edited;
    sheet.SetBool(SSB_CHANGEMADE, FALSE);
    return true;
}

void CTabEditLibValues::newTable() {
    if (!mayLeave()) return;
    const Zk_String name = findNonExistingString(dialString(kTextNew), m_data.tableNames);
    const int index = m_data.tableNames.append(name);
    tableCombo()->AddString(name.c_str());
    tableCombo()->SetCurSel(index);
    m_current = index;

    m_table = Zk_ProfValuesTable();
    m_table.typeName = name;
    m_table.columnNames = Zk_StringArray{Zk_String(kSysNameTitle), Zk_String(kFlagTitle)};
    const Zk_StringArray codes = gMacroLangs.GetAllLanguages();
    for (int i = 0; i < 4; ++i) m_table.columnNames.append(codes.isValidIndex(i) ? codes[i] : Zk_String(L"-"));
    for (int n = 1; n <= 2; ++n) m_table.columnNames.append(dialString(kTextValue).append(Zk_String(n)));
    m_table.rows.append(Zk_StringArray{L"", L"1", L"", L"", L"", L"", L"0", L"0"});
    m_table.setToTq(sheet);
    typeCombo()->SetCurSel(-1);
    setHeaders();
    markChanged();
}

void CTabEditLibValues::deleteTable() {
    if (m_current < 0) return;
    const Zk_String name = currentName();
    const Zk_String text = dialString(kTextDelete1) + Zk_String(L" <") + name + Zk_String(L"> ") + dialString(kTextDelete2);
    if (MessageBox(text.c_str(), dialString(kTextDeleteCaption).c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    const Zk_String path = sectionTableFilePath(name);
    if (fileExists(path) && !deleteFile(path)) {
        const Zk_String failed = dialString(kTextNotDeleted) + Zk_String(L"\n") + path;
        MessageBox(failed.c_str(), dialString(kTextDeleteCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    gSectionTables.removeTable(name);
    m_data.tableNames.removeAt(m_current);
    tableCombo()->DeleteString(static_cast<UINT>(m_current));
    const int next = m_data.tableNames.isEmpty() ? -1 : 0;
    tableCombo()->SetCurSel(next);
    showTable(next);
}

void CTabEditLibValues::renameTable() {
    if (m_current < 0) return;
    const Zk_String oldName = currentName();
    Zk_String newName = oldName;
    if (!sectionPromptString(this, dialString(kTextRenameTitle), dialString(kTextRenamePrompt), newName)) return;
    newName.trim();
    if (newName.isEmpty() || newName == oldName) return;
    int taken = -1;
    const bool clash = m_data.tableNames.find(newName, taken, true) && taken != m_current;
    if (clash || hasInvalidFileNameChars(newName)) {
        const Zk_String text = dialString(kTextNameTaken) + Zk_String(L"\n") + newName;
        MessageBox(text.c_str(), dialString(kTextRenameTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The table under its new name first: the old file goes only once the new one is written.
    Zk_ProfValuesTable edited;
    if (!edited.getFromTq(sheet)) edited.columnNames = m_table.columnNames;
    edited.typeName = newName;
    edited.image = chosenType();
    if (!edited.writeToFile(newName)) {
        const Zk_String text = dialString(kTextNotSaved) + Zk_String(L"\n") + sectionTableFilePath(newName);
        MessageBox(text.c_str(), dialString(kTextRenameTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const Zk_String oldPath = sectionTableFilePath(oldName);
    if (fileExists(oldPath)) deleteFile(oldPath);
    gSectionTables.removeTable(oldName);
    edited.setToGlobals(&gSectionTables);
    m_data.tableNames[m_current] = newName;
    tableCombo()->DeleteString(static_cast<UINT>(m_current));
    tableCombo()->InsertString(m_current, newName.c_str());
    tableCombo()->SetCurSel(m_current);
    m_table = edited;
    for (int row = 1; row <= sheet.getRowCount(); ++row) sheet.writeCellText(0, row, newName);
    sheet.SetBool(SSB_CHANGEMADE, FALSE);
}

void CTabEditLibValues::typeChanged() {
    const Zk_String reference = chosenType();
    const int number = builtinSectionNumber(reference);
    const int firstValue = 3 + sheetLanguageCount(sheet);
    const int valueCols = std::max(sheet.getColCount() - firstValue + 1, 0);
    if (number > 0) {
        const int wanted = builtinSectionValueTexts(number).length();
        if (valueCols > wanted) {
            const Zk_String text = dialString(kTextType1) + Zk_String(L" ") + builtinSectionDisplay(number) +
                                   Zk_String(L" ") + dialString(kTextType2) + Zk_String(L"\n") + dialString(kTextType3);
            if (MessageBox(text.c_str(), dialString(kTextTypeCaption).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES)
                sheet.setColCount(firstValue - 1 + wanted);
        } else if (valueCols < wanted && sheet.getColCount() > 0) {
            // The type's further values start at 0 in every row.
            const int oldCols = sheet.getColCount();
            sheet.setColCount(firstValue - 1 + wanted);
            for (int col = oldCols + 1; col <= sheet.getColCount(); ++col)
                for (int row = 1; row <= sheet.getRowCount(); ++row) sheet.writeCellText(col, row, Zk_String(L"0"));
        }
    }
    setHeaders();
    markChanged();
}

void CTabEditLibValues::sheetOptions() {
    if (!sectionSheetOptions(this, sheet)) return;
    for (int row = 1; row <= sheet.getRowCount(); ++row) sheet.writeCellText(0, row, currentName());
    setHeaders();
}

int CTabEditLibValues::activeRow() const {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!sheet.GetActiveCell(&col, &row) || row < 1 || row > sheet.getRowCount()) return -1;
    return row;
}

void CTabEditLibValues::insertRowCopy() {
    const int cols = sheet.getColCount();
    const int count = sheet.getRowCount();
    if (cols <= 0) return;
    const int row = activeRow() > 0 ? activeRow() : count;
    if (row < count)
        sheet.insertRow(row + 1);
    else
        sheet.setRowCount(count + 1);
    const int copy = row + 1;
    Zk_StringArray names;
    for (int r = 1; r <= sheet.getRowCount(); ++r)
        if (r != copy) names.append(cellText(sheet, 1, r));
    for (int col = 1; col <= cols; ++col) sheet.writeCellText(col, copy, row >= 1 ? cellText(sheet, col, row) : Zk_String());
    // System names stay unique.
    const Zk_String base = cellText(sheet, 1, copy).isEmpty() ? Zk_String(L"1") : cellText(sheet, 1, copy);
    sheet.writeCellText(1, copy, findNonExistingString(base, names));
    if (row < 1) sheet.writeCellText(2, copy, Zk_String(L"1"));
    sheet.writeCellText(0, copy, currentName());
    sheet.setCheckBoxColumn(2);
    sheet.SetActiveCell(1, copy);
    markChanged();
}

void CTabEditLibValues::deleteActiveRow() {
    const int row = activeRow();
    if (row < 0) return;
    const int count = sheet.getRowCount();
    sheet.deleteRow(row);
    if (sheet.getRowCount() == count) sheet.setRowCount(count - 1);
    if (row > sheet.getRowCount() && sheet.getRowCount() >= 1) sheet.SetActiveCell(1, sheet.getRowCount());
    markChanged();
}

void CTabEditLibValues::moveActiveRow(int step) {
    const int row = activeRow();
    const int to = row + step;
    if (row < 0 || to < 1 || to > sheet.getRowCount()) return;
    SS_COORD col = 1;
    SS_COORD ignored = 0;
    sheet.GetActiveCell(&col, &ignored);
    sheet.moveRow(row, to);
    sheet.SetActiveCell(col, to);
    markChanged();
}

void CTabEditLibValues::sortRows(bool descending) {
    SS_COORD col = -1;
    SS_COORD row = -1;
    if (!sheet.GetActiveCell(&col, &row) || col < 1 || col > sheet.getColCount()) col = 1;
    const int cols = sheet.getColCount();
    Zk_Array<Zk_StringArray> rows;
    for (int r = 1; r <= sheet.getRowCount(); ++r) {
        Zk_StringArray cells;
        for (int c = 1; c <= cols; ++c) cells.append(cellText(sheet, c, r));
        rows.append(cells);
    }
    const int key = col - 1;
    std::stable_sort(rows.begin(), rows.end(), [&](const Zk_StringArray& a, const Zk_StringArray& b) {
        const int order = compareNatural(a[key], b[key]);
        return descending ? order > 0 : order < 0;
    });
    for (int r = 0; r < rows.length(); ++r)
        for (int c = 0; c < cols; ++c) sheet.writeCellText(c + 1, r + 1, rows[r][c]);
    markChanged();
}

BOOL CTabEditLibValues::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == CBN_SELCHANGE && id == IDC_LIB_TABLE_COMBO) {
        const int chosen = tableCombo()->GetCurSel();
        if (chosen != m_current) {
            if (mayLeave())
                showTable(chosen);
            else
                tableCombo()->SetCurSel(m_current);
        }
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == IDC_LIB_VALUES_TYPE) {
        typeChanged();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_LIB_TABLE_NEW: newTable(); return TRUE;
        case IDC_LIB_TABLE_DELETE: deleteTable(); return TRUE;
        case IDC_LIB_TABLE_RENAME: renameTable(); return TRUE;
        case IDC_LIB_SHEET_OPTIONS: sheetOptions(); return TRUE;
        case IDC_LIB_SORT_UP: sortRows(false); return TRUE;
        case IDC_LIB_SORT_DOWN: sortRows(true); return TRUE;
        case IDC_LIB_ROW_INSERT: insertRowCopy(); return TRUE;
        case IDC_LIB_ROW_DELETE: deleteActiveRow(); return TRUE;
        case IDC_LIB_ROW_UP: moveActiveRow(-1); return TRUE;
        case IDC_LIB_ROW_DOWN: moveActiveRow(1); return TRUE;
        case IDC_LIB_FIND: sectionSheetFindReplace(sheet); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}
