#include "sheeteditor/dlg_prompt_string.h"

#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"

Zk_DlgPromptString::Zk_DlgPromptString(CWnd* parent) : CDialog(IDD, parent) {}

BOOL Zk_DlgPromptString::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(title.c_str());
    SetDlgItemText(IDC_PROMPT_LABEL, prompt.c_str());
    SetDlgItemText(IDC_PROMPT_EDIT, text.c_str());
    if (!okCaption.isEmpty()) SetDlgItemText(IDOK, okCaption.c_str());
    if (!cancelCaption.isEmpty()) SetDlgItemText(IDCANCEL, cancelCaption.c_str());
    auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_PROMPT_EDIT));
    if (!edit) return TRUE;
    if (!showEdit) {
        edit->ShowWindow(SW_HIDE);
        return TRUE;
    }
    // Typing replaces the initial text.
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
    return FALSE;
}

void Zk_DlgPromptString::OnOK() {
    CWnd* edit = GetDlgItem(IDC_PROMPT_EDIT);
    CString typed;
    if (edit) edit->GetWindowText(typed);
    if (showEdit && typed.IsEmpty()) return;
    text = Zk_String(typed.str());
    confirmed = true;
    EndDialog(IDOK);
}
