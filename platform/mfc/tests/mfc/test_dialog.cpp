#include "test_dialog.h"

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_BN_CLICKED(IDC_APPLY, &CTestDlg::OnApply)
    ON_EN_CHANGE(IDC_NAME, &CTestDlg::OnNameChange)
    ON_CBN_SELCHANGE(IDC_KIND, &CTestDlg::OnKindChange)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, &CTestDlg::OnTabChange)
    ON_MESSAGE(0x7101, &CTestDlg::OnQuery)
END_MESSAGE_MAP()

void RegisterTestDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Test Settings";
    t.cx = 260;
    t.cy = 200;
    t.edit(IDC_NAME, 7, 7, 120, 14)
        .pushButton(IDC_APPLY, L"Apply", 140, 7, 50, 14)
        .checkBox(IDC_FLAG, L"Flag", 7, 28, 60, 10)
        .comboBox(IDC_KIND, 7, 44, 100, 60)
        .tabControl(IDC_TABS, 7, 64, 150, 40)
        .listBox(IDC_ITEMS, 7, 110, 100, 40)
        .label(IDC_CANVAS, L"", 160, 110, 90, 60, SS_NOTIFY)
        .defPushButton(IDOK, L"OK", 140, 180, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 200, 180, 50, 14);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_TEST, t);
}
