#include "dlg_fields.h"

#include <algorithm>

#include "host/zk_string.h"
#include "mfc/controls.h"
#include "win/msgbox.h"

namespace supportdlg {

void setText(CWnd& dlg, int id, const Zk_String& text) { dlg.SetDlgItemText(id, text.c_str()); }

Zk_String getText(const CWnd& dlg, int id) {
    CString text;
    dlg.GetDlgItemText(id, text);
    return Zk_String(text.GetString());
}

void setNumber(CWnd& dlg, int id, double value) {
    Zk_String text(value, 6);
    // Plain form: no trailing zeros after the point.
    if (text.contains(L".")) {
        while (text.endsWith(L"0")) text.remove(text.length() - 1);
        if (text.endsWith(L".")) text.remove(text.length() - 1);
    }
    setText(dlg, id, text);
}

bool getNumber(CWnd& dlg, int id, const wchar_t* fieldName, double minimum, double& value) {
    bool ok = false;
    const double v = getText(dlg, id).toDouble(&ok);
    Zk_String problem;
    if (!ok) {
        problem = Zk_String(L"Please enter a number for ") + fieldName + L".";
    } else if (v < minimum) {
        Zk_String least(minimum, 3);
        while (least.endsWith(L"0")) least.remove(least.length() - 1);
        if (least.endsWith(L".")) least.remove(least.length() - 1);
        problem = Zk_String(fieldName) + L" may not be less than " + least + L".";
    }
    if (!problem.isEmpty()) {
        warn(dlg, problem);
        if (CWnd* field = dlg.GetDlgItem(id)) field->SetFocus();
        return false;
    }
    value = v;
    return true;
}

void setCheck(CWnd& dlg, int id, bool checked) { dlg.CheckDlgButton(id, checked ? 1 : 0); }

bool getCheck(const CWnd& dlg, int id) { return dlg.IsDlgButtonChecked(id) == 1; }

void warn(CWnd& dlg, const Zk_String& text) {
    CString caption;
    dlg.GetWindowText(caption);
    dlg.MessageBox(text.c_str(), caption.GetString(), MB_OK | MB_ICONEXCLAMATION);
}

void fillCombo(CWnd& dlg, int id, const wchar_t* const* items, int count, int index) {
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(id));
    if (!combo) return;
    combo->ResetContent();
    for (int i = 0; i < count; ++i) combo->AddString(items[i]);
    if (count > 0) combo->SetCurSel(std::clamp(index, 0, count - 1));
}

int comboIndex(const CWnd& dlg, int id) {
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(id));
    return combo ? combo->GetCurSel() : -1;
}

}  // namespace supportdlg
