#include "macrodlg/dlg_edit_prof_cuts.h"

#include <algorithm>

#include "acad/command_line.h"
#include "dialog_control_access.h"
#include "host/texts.h"
#include "res/macroselect_ids.h"

CDlgEditProfCuts::CDlgEditProfCuts(CWnd* parent) : CAcUiDialog(IDD, parent) {}

BOOL CDlgEditProfCuts::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_otherProfile.SubclassDlgItem(IDC_PROFCUTS_OTHER_PROFILE, this);
    m_remove.SubclassDlgItem(IDC_PROFCUTS_REMOVE, this);
    SetWindowText(dialString(1123).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    m_otherProfile.SetIcon(IDI_PICK_PROFILE);
    m_otherProfile.SetTooltipText(dialString(1121).c_str());
    m_otherProfile.SetWindowText(dialString(1124).c_str());
    m_remove.SetIcon(IDI_REMOVE_CUT);
    m_remove.SetTooltipText(dialString(1122).c_str());
    SetDlgItemText(IDC_PROFCUTS_ALL_PREVIEWS, dialString(1125).c_str());
    CheckDlgButton(IDC_PROFCUTS_ALL_PREVIEWS, m_singlePreview ? BST_UNCHECKED : BST_CHECKED);
    refill(0);
    return TRUE;
}

void CDlgEditProfCuts::refill(int select) {
    Zk_StringArray cuts;
    m_data.getCutDescs(cuts);
    CComboBox* list = comboAt(this, IDC_PROFCUTS_LIST);
    list->ResetContent();
    for (const Zk_String& cut : cuts) list->AddString(cut.c_str());
    m_selected = -1;
    choose(cuts.isEmpty() ? -1 : std::clamp(select, 0, cuts.length() - 1));
}

void CDlgEditProfCuts::choose(int index) {
    if (m_singlePreview && m_selected >= 0) m_data.removeCutPreview(m_selected);
    m_selected = index;
    comboAt(this, IDC_PROFCUTS_LIST)->SetCurSel(index);
    if (index >= 0) m_data.drawCutPreview(index);
}

void CDlgEditProfCuts::removeChosen() {
    const int index = comboAt(this, IDC_PROFCUTS_LIST)->GetCurSel();
    if (index < 0) return;
    if (m_singlePreview) m_data.removeCutPreview(index);
    m_data.removeCut(index);
    m_selected = -1;  // its preview went with it
    refill(index);
}

void CDlgEditProfCuts::pickOtherProfile() {
    if (m_singlePreview) m_data.removeAllCutPreviews();
    acedPostCommand(L"CANCELCMD");
    BeginEditorCommand();
    const bool picked = m_data.selectOtherProf();
    CompleteEditorCommand();
    if (picked) {
        m_selected = -1;
        refill(std::max(comboAt(this, IDC_PROFCUTS_LIST)->GetCurSel(), 0));
    }
}

BOOL CDlgEditProfCuts::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_PROFCUTS_LIST && code == CBN_SELCHANGE) {
        choose(comboAt(this, IDC_PROFCUTS_LIST)->GetCurSel());
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_PROFCUTS_ALL_PREVIEWS:
            m_singlePreview = IsDlgButtonChecked(IDC_PROFCUTS_ALL_PREVIEWS) != BST_CHECKED;
            return TRUE;
        case IDC_PROFCUTS_REMOVE: removeChosen(); return TRUE;
        case IDC_PROFCUTS_OTHER_PROFILE: pickOtherProfile(); return TRUE;
        default: break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CDlgEditProfCuts::OnDestroy() {
    if (m_singlePreview) m_data.removeAllCutPreviews();
    CAcUiDialog::OnDestroy();
}
