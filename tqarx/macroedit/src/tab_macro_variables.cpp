#include "macroedit/tab_macro_variables.h"

#include "host/string_arr.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "macroedit/editor_grid.h"
#include "settings_grid.h"
#include "win/window.h"

namespace {

enum {
    kTextValue = 86,
    kTextName = 87,
    kTextAddRow = 896,
    kTextRemoveRow = 897,
    kTextExplanation1 = 942,
    kTextExplanation2 = 943,
    kTextOption1 = 1388,
    kTextOption2 = 1392,
    kTextNumber = 1407,
};

}  // namespace

CTabMacroVariables::CTabMacroVariables(MacroVariablesData* data) : CTabMacroPage(IDD), m_data(data) {}

void CTabMacroVariables::fillChoice(int comboId, const Zk_StringArray& entries, int selected) {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(comboId));
    combo->ResetContent();
    for (const Zk_String& entry : entries) combo->AddString(entry.c_str());
    combo->SetCurSel(selected >= 0 && selected < entries.length() ? selected : -1);
}

BOOL CTabMacroVariables::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    SetDlgItemText(IDC_MSV_OPTION1_LABEL, dialString(kTextOption1).c_str());
    SetDlgItemText(IDC_MSV_OPTION2_LABEL, dialString(kTextOption2).c_str());
    SetDlgItemText(IDC_MSV_NUMBER_LABEL, dialString(kTextNumber).c_str());
    const Zk_String explanation =
        dialString(kTextExplanation1) + L".\n" + dialString(kTextExplanation2) + L".";
    SetDlgItemText(IDC_MS_EXPLANATION, explanation.c_str());
    fillChoice(IDC_MSV_OPTION1, stringArr(dialString(1385), dialString(1386), dialString(1387)), m_data->option1);
    fillChoice(IDC_MSV_OPTION2, stringArr(dialString(1389), dialString(1390), dialString(1391)), m_data->option2);
    fillChoice(IDC_MSV_NUMBER, stringArr(Zk_String(L"0"), Zk_String(L"1"), Zk_String(L"2"), Zk_String(L"3")), -1);
    SetDlgItemText(IDC_MSV_NUMBER, Zk_String(m_data->number).c_str());
    macro_settings::setUpIconButton(m_add, IDC_MS_ADD, this, IDI_MS_ADD, kTextAddRow);
    macro_settings::setUpIconButton(m_remove, IDC_MS_REMOVE, this, IDI_MS_REMOVE, kTextRemoveRow);

    m_grid.createFromPlaceholder(this, IDC_MSV_GRID, true);
    const int rows = m_data->names.length();
    prepareEditorGrid(m_grid, 2, rows);
    m_grid.writeCellText(1, 0, dialString(kTextName));
    m_grid.writeCellText(2, 0, dialString(kTextValue));
    m_grid.setNumberType(2, 1, 2, m_grid.getRowCount(), 2);
    for (int i = 0; i < rows; ++i) {
        m_grid.writeCellText(1, i + 1, m_data->names[i]);
        if (m_data->values.isValidIndex(i)) m_grid.writeCellText(2, i + 1, Zk_String(m_data->values[i], 2));
    }
    m_grid.setColumnWidths(Zk_Array<double>{2.0, 1.0});
    m_ready = true;
    return TRUE;
}

BOOL CTabMacroVariables::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_ready && code == BN_CLICKED && id == IDC_MS_ADD) {
        m_grid.setRowCount(m_grid.getRowCount() + 1);
        m_grid.setNumberType(2, 1, 2, m_grid.getRowCount(), 2);
        return TRUE;
    }
    if (m_ready && code == BN_CLICKED && id == IDC_MS_REMOVE) {
        m_grid.refreshCurrentCell();
        const int row = m_grid.currentRow >= 1 && m_grid.currentRow <= m_grid.getRowCount() ? m_grid.currentRow
                                                                                         : m_grid.getRowCount();
        if (m_grid.getRowCount() > 1) {
            m_grid.deleteRow(row);
        } else {
            m_grid.writeCellText(1, 1, Zk_String());
            m_grid.writeCellText(2, 1, Zk_String());
        }
        return TRUE;
    }
    return CTabMacroPage::OnCommand(wParam, lParam);
}

void CTabMacroVariables::apply() {
    if (m_data == nullptr || !m_ready) return;
    // A stored option the list does not offer stays as it is.
    const int option1 = static_cast<CComboBox*>(GetDlgItem(IDC_MSV_OPTION1))->GetCurSel();
    const int option2 = static_cast<CComboBox*>(GetDlgItem(IDC_MSV_OPTION2))->GetCurSel();
    if (option1 >= 0) m_data->option1 = option1;
    if (option2 >= 0) m_data->option2 = option2;
    m_data->number = static_cast<int>(macro_settings::numberOf(macro_settings::controlText(this, IDC_MSV_NUMBER)));
    m_data->names.clear();
    m_data->values.clear();
    for (int row = 1; row <= m_grid.getRowCount(); ++row) {
        const Zk_String name = macro_settings::cellText(m_grid, 1, row).trimmed();
        if (name.isEmpty()) continue;
        m_data->names.append(name);
        m_data->values.append(macro_settings::numberOf(macro_settings::cellText(m_grid, 2, row)));
    }
}
