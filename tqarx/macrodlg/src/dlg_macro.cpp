#include "macrodlg/dlg_macro.h"

#include "mfc/controls.h"
#include "win/msgbox.h"
#include "res/frame_ids.h"

namespace {
CDlgMacro::CloseHandler gCloseHandler = nullptr;
}

CDlgMacro::CDlgMacro(CWnd* parent) : CDialog(IDD, parent) {}

CDlgMacro::~CDlgMacro() = default;

void CDlgMacro::setModelessCloseHandler(CloseHandler handler) { gCloseHandler = handler; }

BOOL CDlgMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_macroData.caption.isEmpty()) SetWindowText(m_macroData.caption.c_str());
    SetDlgItemText(IDC_MACRO_CAPTION, m_macroData.caption.c_str());
    if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TABS))) {
        for (int i = 0; i < m_macroData.tabs.length(); ++i) tabs->InsertItem(i, m_macroData.tabs[i].name.c_str());
        const int open = m_macroData.findTab();
        if (open >= 0) tabs->SetCurSel(open);
    }
    return TRUE;
}

void CDlgMacro::closeModeless() {
    if (gCloseHandler && m_index >= 0) gCloseHandler(m_index);
    else DestroyWindow();
}

void CDlgMacro::OnOK() {
    if (isModal()) {
        EndDialog(IDOK);
        return;
    }
    closeModeless();
}

void CDlgMacro::OnCancel() {
    if (isModal()) {
        EndDialog(IDCANCEL);
        return;
    }
    closeModeless();
}

void CDlgMacro::OnDestroy() {
    m_macroData.closed = true;
    CDialog::OnDestroy();
}
