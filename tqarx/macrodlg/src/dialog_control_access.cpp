#include "dialog_control_access.h"

Zk_String comboText(const CWnd* dlg, int id) {
    const CComboBox* combo = comboAt(dlg, id);
    if (combo == nullptr) return Zk_String();
    const int item = combo->GetCurSel();
    if (item < 0) return windowText(dlg, id);
    CString text;
    combo->GetLBText(item, text);
    return Zk_String(text.str());
}

void fillTextCombo(CComboBox* combo, const Zk_StringArray& items, const Zk_String& current) {
    if (combo == nullptr) return;
    combo->ResetContent();
    for (const Zk_String& item : items) combo->AddString(item.c_str());
    int selected = -1;
    if (!items.find(current, selected, true) && !current.isEmpty()) selected = combo->AddString(current.c_str());
    combo->SetCurSel(selected);
}

void showControls(CWnd* dlg, std::initializer_list<int> ids, bool show) {
    for (int id : ids)
        if (CWnd* control = dlg->GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void enableControls(CWnd* dlg, std::initializer_list<int> ids, bool enable) {
    for (int id : ids)
        if (CWnd* control = dlg->GetDlgItem(id)) control->EnableWindow(enable ? TRUE : FALSE);
}
