// Data exchange between dialog controls and members, called from DoDataExchange.
#pragma once

#include "mfc/cstring.h"
#include "mfc/cwnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dlg, BOOL saveAndValidate) : m_pDlgWnd(dlg), m_bSaveAndValidate(saveAndValidate) {}
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    // Marks the exchange as failed (UpdateData returns FALSE).
    void Fail() { m_failed = true; }
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    bool m_failed = false;
};

// Subclasses the control id into control (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);      // a non-number fails with a message box
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);     // 0, 1, 2 (indeterminate)
void DDX_Radio(CDataExchange* dx, int id, int& value);     // index in the group starting at id; -1 none
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
