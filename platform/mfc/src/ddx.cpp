#include "mfc/ddx.h"

#include <cstdio>
#include <cwchar>

#include "mfc/afx_msgbox.h"
#include "mfc/controls.h"
#include "win/window.h"

HWND CDataExchange::PrepareCtrl(int id) {
    HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (!h) {
        std::fprintf(stderr, "data exchange: no control %d in the dialog\n", id);
        m_failed = true;
    }
    return h;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND h = dx->PrepareCtrl(id);
    if (h && !control.SubclassWindow(h)) dx->Fail();
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) value = CWnd::FromHandle(h)->GetWindowTextString();
    else SetWindowTextW(h, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        SetWindowTextW(h, std::to_wstring(value).c_str());
        return;
    }
    CString s = CWnd::FromHandle(h)->GetWindowTextString();
    s.Trim();
    wchar_t* end = nullptr;
    long v = std::wcstol(s, &end, 10);
    if (s.IsEmpty() || (end && *end) || v > 2147483647L || v < -2147483647L - 1) {
        AfxMessageBox(L"Please enter an integer.", MB_ICONEXCLAMATION);
        SetFocus(h);
        dx->Fail();
        return;
    }
    value = static_cast<int>(v);
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        wchar_t buf[64];
        std::swprintf(buf, 64, L"%.15g", value);
        SetWindowTextW(h, buf);
        return;
    }
    CString s = CWnd::FromHandle(h)->GetWindowTextString();
    s.Trim();
    wchar_t* end = nullptr;
    double v = std::wcstod(s, &end);
    if (s.IsEmpty() || (end && *end)) {
        AfxMessageBox(L"Please enter a number.", MB_ICONEXCLAMATION);
        SetFocus(h);
        dx->Fail();
        return;
    }
    value = v;
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) value = static_cast<int>(SendMessageW(h, BM_GETCHECK, 0, 0));
    else SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(value < 0 ? BST_INDETERMINATE : value), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND first = dx->PrepareCtrl(id);
    if (!first) return;
    int index = 0;
    if (dx->m_bSaveAndValidate) value = -1;
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT), ++index) {
        if (h != first && (GetWindowLongPtrW(h, GWL_STYLE) & WS_GROUP)) break;
        DWORD kind = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)) & BS_TYPEMASK;
        if (kind != BS_RADIOBUTTON && kind != BS_AUTORADIOBUTTON) continue;
        if (dx->m_bSaveAndValidate) {
            if (SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            SendMessageW(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) index = static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0));
    else SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        value = CWnd::FromHandle(h)->GetWindowTextString();
        return;
    }
    LRESULT i = SendMessageW(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    if (i >= 0) SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    else if ((GetWindowLongPtrW(h, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST) SetWindowTextW(h, value);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) index = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
    else SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
