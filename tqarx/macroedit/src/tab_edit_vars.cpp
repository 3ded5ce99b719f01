#include "macroedit/tab_edit_vars.h"

#include <algorithm>

#include "host/edit_constr_calls.h"
#include "host/texts.h"
#include "macroedit/dlg_edit_macro.h"
#include "spread/ss_api.h"

namespace {

const int kKindTexts[CTabEditVars::kKindCount] = {900, 895, 893, 901, 902, 1325, 1326, 1327};

enum {
    kTextName = 87,
    kTextValue = 86,
    kTextKind = 101,
    kTextVariables = 875,
    kTextDimValues = 898,
    kTextEquations = 899,
    kTextAdd = 896,
    kTextRemove = 897,
};

Zk_String kindItems() {
    Zk_String items;
    for (int i = 0; i < CTabEditVars::kKindCount; ++i) {
        if (i > 0) items += L"\t";
        items += dialString(kKindTexts[i]);
    }
    return items;
}

int kindIndex(const Zk_String& text) {
    for (int i = 0; i < CTabEditVars::kKindCount; ++i)
        if (dialString(kKindTexts[i]) == text) return i;
    return 0;
}

using B = CResizer::Border;

}  // namespace

CTabEditVars::CTabEditVars(CDlgEditMacro& owner) : CEditMacroPage(IDD, owner) {}

BOOL CTabEditVars::OnInitDialog() {
    CEditMacroPage::OnInitDialog();
    SetDlgItemText(IDC_EV_VARS_FRAME, dialString(kTextVariables).c_str());
    SetDlgItemText(IDC_EV_DIMS_FRAME, dialString(kTextDimValues).c_str());
    SetDlgItemText(IDC_EV_EQS_FRAME, dialString(kTextEquations).c_str());
    m_add.SubclassDlgItem(IDC_EV_ADD, this);
    m_add.SetIcon(IDI_EDIT_MACRO_ADD);
    m_add.SetTooltipText(dialString(kTextAdd).c_str());
    m_remove.SubclassDlgItem(IDC_EV_REMOVE, this);
    m_remove.SetIcon(IDI_EDIT_MACRO_REMOVE);
    m_remove.SetTooltipText(dialString(kTextRemove).c_str());
    varsGrid.createFromPlaceholder(this, IDC_EV_VARS_GRID, true);
    dimsGrid.createFromPlaceholder(this, IDC_EV_DIMS_GRID, true);
    const B left{1, 0, 1}, top{1, 0, 2}, bottom{1, 0, 4}, prop{2, 0, 3}, keepHeight{4, 0, 2};
    const B right{1, 0, 3};
    resizer.init(this, {{IDC_EV_VARS_FRAME, left, top, prop, bottom},
                        {IDC_EV_VARS_GRID, left, top, prop, bottom},
                        {IDC_EV_ADD, left, keepHeight, {3, 0, 1}, bottom},
                        {IDC_EV_REMOVE, left, keepHeight, {3, 0, 1}, bottom},
                        {IDC_EV_DIMS_FRAME, prop, top, right, {2, 0, 4}},
                        {IDC_EV_DIMS_GRID, prop, top, right, {2, 0, 4}},
                        {IDC_EV_EQS_FRAME, prop, {2, 0, 2}, right, bottom},
                        {IDC_EV_EQUATIONS, prop, {2, 0, 2}, right, bottom}});
    return TRUE;
}

void CTabEditVars::OnSize(UINT type, int cx, int cy) {
    CEditMacroPage::OnSize(type, cx, cy);
    if (resizer.isInitialised()) resizer.move();
}

void CTabEditVars::OnDestroy() {
    varsGrid.DestroyWindow();
    dimsGrid.DestroyWindow();
    CEditMacroPage::OnDestroy();
}

BOOL CTabEditVars::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_EV_ADD) {
        onAdd();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_EV_REMOVE) {
        onRemove();
        return TRUE;
    }
    return CEditMacroPage::OnCommand(wParam, lParam);
}

void CTabEditVars::formatVarRows(int first, int last) {
    HWND h = varsGrid.GetSafeHwnd();
    if (!h || last < first) return;
    SSSetTypeEdit(h, 1, first, 1, last, 0, SS_CASE_NOCASE);
    SSSetAlign(h, 1, first, 1, last, SS_ALIGN_LEFT);
    varsGrid.setNumberType(2, first, 2, last, 3);
    SSSetTypeComboBox(h, 3, first, 3, last, kindItems().c_str(), FALSE);
    setEditorGridRowFont(varsGrid, first, last);
}

void CTabEditVars::refill() {
    const EditModule* m = data().current();
    const int count = m ? m->vars.length() : 0;
    prepareEditorGrid(varsGrid, 3, count);
    setEditorGridHeaders(varsGrid, {dialString(kTextName), dialString(kTextValue), dialString(kTextKind)});
    formatVarRows(1, std::max(count, 1));
    for (int r = 1; r <= count; ++r) {
        const EditVar& v = m->vars[r - 1];
        varsGrid.writeCellText(1, r, v.name);
        varsGrid.writeCellText(2, r, Zk_String::fromNumber(v.value, 1, 0));
        if (v.kind >= 0 && v.kind < kKindCount) varsGrid.writeCellText(3, r, dialString(kKindTexts[v.kind]));
    }
    varsGrid.setColumnWidths({3, 2, 3});
    m_rows = count;

    const int dims = m ? m->dimValues.length() : 0;
    prepareEditorGrid(dimsGrid, 2, dims);
    setEditorGridHeaders(dimsGrid, {dialString(kTextName), dialString(kTextValue)});
    if (HWND h = dimsGrid.GetSafeHwnd()) SSSetTypeStatic(h, 1, 1, 2, std::max(dims, 1));
    for (int r = 1; r <= dims; ++r) {
        dimsGrid.writeCellText(1, r, m->dimValues[r - 1].name);
        dimsGrid.writeCellText(2, r, m->dimValues[r - 1].value);
    }
    setEditorGridRowFont(dimsGrid, 1, dims);
    dimsGrid.setColumnWidths({1, 1});

    Zk_String equations;
    if (m)
        for (const Zk_String& e : m->equations) equations += e + L"\n\r";
    SetDlgItemText(IDC_EV_EQUATIONS, equations.c_str());
}

void CTabEditVars::apply() {
    EditModule* m = data().current();
    if (!m || !varsGrid.GetSafeHwnd()) return;
    Zk_Array<EditVar> vars;
    for (int r = 1; r <= m_rows; ++r) {
        EditVar v;
        varsGrid.readCellText(1, r, v.name);
        // A row left without a name holds no variable.
        if (v.name.trimmed().isEmpty()) continue;
        Zk_String value;
        varsGrid.readCellText(2, r, value);
        v.value = value.isEmpty() ? 0.0 : value.toDouble();
        Zk_String kind;
        varsGrid.readCellText(3, r, kind);
        v.kind = kindIndex(kind);
        vars.append(v);
    }
    CString text;
    GetDlgItemText(IDC_EV_EQUATIONS, text);
    Zk_StringArray equations;
    Zk_String line;
    for (wchar_t c : text.str() + L"\n") {
        if (c == L'\n' || c == L'\r') {
            if (!line.trimmed().isEmpty()) equations.append(line);
            line.clear();
        } else {
            line += c;
        }
    }
    m->vars = vars;
    m->equations = equations;
    UpdateVarsEqs(data());
}

void CTabEditVars::enter() {
    apply();
    refill();
}

void CTabEditVars::onAdd() {
    if (m_rows >= varsGrid.getRowCount()) {
        varsGrid.setRowCount(m_rows + 1);
        formatVarRows(m_rows + 1, m_rows + 1);
    }
    ++m_rows;
    SSSetActiveCell(varsGrid.GetSafeHwnd(), 1, m_rows);
    varsGrid.writeCellText(3, m_rows, dialString(kKindTexts[0]));
}

void CTabEditVars::onRemove() {
    SS_COORD col = 0, row = 0;
    if (!SSGetActiveCell(varsGrid.GetSafeHwnd(), &col, &row) || row < 1 || row > m_rows) return;
    const int activeRow = static_cast<int>(row);
    if (varsGrid.getRowCount() > 1) {
        varsGrid.deleteRow(activeRow);
    } else {
        HWND h = varsGrid.GetSafeHwnd();
        SSClearData(h, 1, 1, 3, 1);
    }
    --m_rows;
}
