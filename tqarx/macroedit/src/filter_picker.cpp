#include "filter_picker.h"

#include "mfc/cdialog.h"
#include "settings_grid.h"
#include "win/window.h"

FilterPicker::FilterPicker(CDialog& page, Ids ids) : m_page(page), m_ids(std::move(ids)) {}

void FilterPicker::attach(MacroFilterList* list) {
    m_list = list;
    m_combo.SubclassDlgItem(m_ids.combo, &m_page);
    m_combo.ResetContent();
    if (m_list != nullptr) {
        for (int i = 0; i < m_list->names.length(); ++i) {
            const int item = m_combo.AddString(m_list->names[i].c_str());
            m_combo.SetCheck(item, m_list->enabled.isValidIndex(i) && m_list->enabled[i] != 0 ? TRUE : FALSE);
        }
    }
    for (int id : {m_ids.combo, m_ids.enabled, m_ids.group})
        if (CWnd* control = m_page.GetDlgItem(id)) control->EnableWindow(hasFilters() ? TRUE : FALSE);
    m_current = -1;
    show(hasFilters() ? 0 : -1);
}

void FilterPicker::enableValues(bool enabled) {
    for (const std::vector<int>* ids : {&m_ids.values, &m_ids.details})
        for (int id : *ids)
            if (CWnd* control = m_page.GetDlgItem(id)) control->EnableWindow(enabled ? TRUE : FALSE);
}

void FilterPicker::show(int index) {
    const bool valid = m_list != nullptr && m_list->hasEntry(index);
    m_current = valid ? index : -1;
    m_combo.SetCurSel(valid ? index : -1);
    const bool enabled = valid && m_list->enabled[index] != 0;
    m_page.CheckDlgButton(m_ids.enabled, enabled ? 1 : 0);
    for (std::size_t k = 0; k < m_ids.values.size(); ++k) {
        Zk_String text;
        if (valid) {
            const Zk_Array<double>& values = m_list->values[index];
            const int at = static_cast<int>(k);
            text = Zk_String(values.isValidIndex(at) ? values[at] : 0.0, 2);
        }
        m_page.SetDlgItemText(m_ids.values[k], text.c_str());
    }
    if (valid && showDetails) showDetails(*m_list, index);
    enableValues(enabled);
}

void FilterPicker::store() {
    if (m_list == nullptr || !m_list->hasEntry(m_current)) return;
    const int index = m_current;
    const bool enabled = m_page.IsDlgButtonChecked(m_ids.enabled) != 0;
    m_list->enabled[index] = enabled ? 1 : 0;
    if (!m_ids.values.empty()) {
        Zk_Array<double> values;
        for (int id : m_ids.values) values.append(macro_settings::numberOf(macro_settings::controlText(&m_page, id)));
        m_list->values[index] = values;
    }
    if (storeDetails) storeDetails(*m_list, index);
}

void FilterPicker::select(int index) {
    store();
    show(index);
}

bool FilterPicker::onCommand(int id, int code) {
    if (id == m_ids.combo && code == CBN_SELCHANGE) {
        select(m_combo.GetCurSel());
        return true;
    }
    if (id == m_ids.combo && code == TQ_CBN_CHECKCHANGE) {
        const int index = m_combo.GetLastToggled();
        if (m_list == nullptr || !m_list->hasEntry(index)) return true;
        const bool checked = m_combo.GetCheck(index) != FALSE;
        if (index == m_current) {
            m_page.CheckDlgButton(m_ids.enabled, checked ? 1 : 0);
            enableValues(checked);
        } else {
            m_list->enabled[index] = checked ? 1 : 0;
        }
        return true;
    }
    if (id == m_ids.enabled && code == BN_CLICKED) {
        const bool checked = m_page.IsDlgButtonChecked(m_ids.enabled) != 0;
        if (m_current >= 0) m_combo.SetCheck(m_current, checked ? TRUE : FALSE);
        enableValues(checked && m_current >= 0);
        return true;
    }
    return false;
}
