#include "sheeteditor/dlg_tq_as_tool.h"

#include "acad/main_window.h"
#include "host/dialog_support.h"

CDlgTqAsTool::CDlgTqAsTool(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgTqAsTool::OnInitDialog() {
    CDialog::OnInitDialog();
    sheet.createFromPlaceholder(this, IDC_PLACEHOLDER);
    return TRUE;
}

DlgTqAsTool::~DlgTqAsTool() {
    if (m_created && m_dialog) {
        if (m_dialog->GetSafeHwnd()) m_dialog->DestroyWindow();
    }
    delete m_dialog;
}

bool DlgTqAsTool::init() {
    if (m_created) return true;
    KmTempResourceOverride resources;
    resources.SetDefaultResource();
    CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
    auto* dlg = new CDlgTqAsTool(main);
    if (!dlg->Create(CDlgTqAsTool::IDD, main) || !dlg->GetSafeHwnd()) {
        delete dlg;
        return false;
    }
    ::SetFocus(adsw_acadMainWnd());
    m_dialog = dlg;
    m_created = true;
    return true;
}

Zk_Spread* DlgTqAsTool::get() {
    if (!m_created || !m_dialog || !m_dialog->sheet.isCreated()) return nullptr;
    return &m_dialog->sheet;
}
