#include "macroedit/tab_macro_filter_props.h"

#include "designer/zk_dlg_designer_data.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "macroedit/editor_grid.h"
#include "settings_grid.h"
#include "win/window.h"

namespace {

enum {
    kTextProperty = 85,
    kTextExplanation = 957,
    kTextEntry = 958,
    kTextProperties = 959,
    kTextTemplate = 960,
    kTextAddRow = 961,
    kTextRemoveRow = 962,
};

}  // namespace

CTabMacroFilterProps::CTabMacroFilterProps(MacroFilterPropsData* data) : CTabMacroPage(IDD), m_data(data) {
    if (m_data != nullptr) m_edit = *m_data;
}

bool CTabMacroFilterProps::listsMatch() const {
    return m_edit.properties.length() >= m_edit.entryNames.length() &&
           m_edit.templates.length() >= m_edit.entryNames.length();
}

BOOL CTabMacroFilterProps::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    SetDlgItemText(IDC_MS_EXPLANATION, dialString(kTextExplanation).c_str());
    SetDlgItemText(IDC_MSP_ENTRY_LABEL, dialString(kTextEntry).c_str());
    SetDlgItemText(IDC_MSP_PROPS_LABEL, dialString(kTextProperties).c_str());
    SetDlgItemText(IDC_MSP_TEMPLATE_LABEL, dialString(kTextTemplate).c_str());
    macro_settings::setUpIconButton(m_add, IDC_MS_ADD, this, IDI_MS_ADD, kTextAddRow);
    macro_settings::setUpIconButton(m_remove, IDC_MS_REMOVE, this, IDI_MS_REMOVE, kTextRemoveRow);
    m_grid.createFromPlaceholder(this, IDC_MSP_GRID, true);
    prepareEditorGrid(m_grid, 1, 1);
    m_grid.writeCellText(1, 0, dialString(kTextProperty));
    m_grid.setColumnWidths(Zk_Array<double>{1.0});

    auto* templates = static_cast<CComboBox*>(GetDlgItem(IDC_MSP_TEMPLATE));
    Zk_StringArray names;
    getModuleImages(names);
    for (const Zk_String& name : names) templates->AddString(name.c_str());
    auto* entries = static_cast<CComboBox*>(GetDlgItem(IDC_MSP_ENTRY));
    for (const Zk_String& name : m_edit.entryNames) entries->AddString(name.c_str());
    m_ready = true;
    showEntry(m_edit.entryNames.isEmpty() ? -1 : 0);
    return TRUE;
}

void CTabMacroFilterProps::showEntry(int index) {
    const bool valid = listsMatch() && m_edit.entryNames.isValidIndex(index);
    m_current = valid ? index : -1;
    static_cast<CComboBox*>(GetDlgItem(IDC_MSP_ENTRY))->SetCurSel(m_current);
    const Zk_StringArray none;
    const Zk_StringArray& props = valid ? m_edit.properties[index] : none;
    m_grid.setRowCount(props.length() < 1 ? 1 : props.length());
    for (int row = 1; row <= m_grid.getRowCount(); ++row)
        m_grid.writeCellText(1, row, props.isValidIndex(row - 1) ? props[row - 1] : Zk_String());
    SetDlgItemText(IDC_MSP_TEMPLATE, valid ? m_edit.templates[index].c_str() : L"");
    for (int id : {IDC_MSP_TEMPLATE, IDC_MS_ADD, IDC_MS_REMOVE})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(valid ? TRUE : FALSE);
    m_grid.EnableWindow(valid ? TRUE : FALSE);
}

void CTabMacroFilterProps::storeEntry() {
    if (!m_ready || m_current < 0 || !listsMatch()) return;
    Zk_StringArray props;
    for (int row = 1; row <= m_grid.getRowCount(); ++row) {
        const Zk_String name = macro_settings::cellText(m_grid, 1, row).trimmed();
        if (!name.isEmpty()) props.append(name);
    }
    m_edit.properties[m_current] = props;
    m_edit.templates[m_current] = macro_settings::controlText(this, IDC_MSP_TEMPLATE);
}

BOOL CTabMacroFilterProps::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_ready && id == IDC_MSP_ENTRY && code == CBN_SELCHANGE) {
        storeEntry();
        showEntry(static_cast<CComboBox*>(GetDlgItem(IDC_MSP_ENTRY))->GetCurSel());
        return TRUE;
    }
    if (m_ready && m_current >= 0 && code == BN_CLICKED && id == IDC_MS_ADD) {
        m_grid.setRowCount(m_grid.getRowCount() + 1);
        return TRUE;
    }
    if (m_ready && m_current >= 0 && code == BN_CLICKED && id == IDC_MS_REMOVE) {
        m_grid.refreshCurrentCell();
        const int row = m_grid.currentRow >= 1 && m_grid.currentRow <= m_grid.getRowCount() ? m_grid.currentRow
                                                                                         : m_grid.getRowCount();
        if (m_grid.getRowCount() > 1)
            m_grid.deleteRow(row);
        else
            m_grid.writeCellText(1, 1, Zk_String());
        return TRUE;
    }
    return CTabMacroPage::OnCommand(wParam, lParam);
}

void CTabMacroFilterProps::apply() {
    if (m_data == nullptr || !m_ready) return;
    storeEntry();
    *m_data = m_edit;
}
