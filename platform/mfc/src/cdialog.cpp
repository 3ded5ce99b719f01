#include "mfc/cdialog.h"

#include <cstdio>
#include <cwchar>
#include <vector>

#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/encoding.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {
struct ModalState {
    mfc::ModalHook hook = nullptr;
    void* context = nullptr;
    std::vector<CDialog*> stack;
};
ModalState& MS() {
    static ModalState s;
    return s;
}
}  // namespace

namespace mfc {
void SetModalHook(ModalHook hook, void* context) {
    MS().hook = hook;
    MS().context = context;
}
ModalHook GetModalHook() { return MS().hook; }
int ModalDepth() { return static_cast<int>(MS().stack.size()); }
CDialog* ModalDialogAt(int index) {
    if (index < 0 || index >= ModalDepth()) return nullptr;
    return MS().stack[static_cast<std::size_t>(index)];
}
}  // namespace mfc

CDialog::CDialog() = default;
CDialog::CDialog(UINT templateId, CWnd* parent) : m_lpszTemplateName(templateId), m_pParentWnd(parent) {}
CDialog::CDialog(LPCWSTR templateName, CWnd* parent) : m_pParentWnd(parent) {
    if (templateName && templateName[0] == L'#') m_lpszTemplateName = static_cast<UINT>(std::wcstoul(templateName + 1, nullptr, 10));
}
CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const mfc::DialogTemplate* t = mfc::FindDialogTemplate(m_lpszTemplateName);
    if (!t || m_hWnd) {
        if (!t) std::fprintf(stderr, "DoModal: no dialog template %u\n", m_lpszTemplateName);
        return -1;
    }
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    bool disabledOwner = owner && ::IsWindowEnabled(owner);
    m_modal = true;
    m_ended = false;
    m_result = -1;
    mfc::DialogTemplate tmpl = *t;
    tmpl.style &= ~(WS_CHILD | WS_VISIBLE);
    MS().stack.push_back(this);
    HWND dlg = mfc::CreateDialogFromTemplate(tmpl, owner, this);
    if (!dlg) {
        MS().stack.pop_back();
        m_modal = false;
        return -1;
    }
    if (disabledOwner) ::EnableWindow(owner, FALSE);
    if (!m_ended) {
        ::ShowWindow(dlg, SW_SHOW);
        win::PumpMessages();
    }
    if (!m_ended) {
        if (MS().hook) {
            MS().hook(*this, MS().context);
        } else {
            std::string line = "[" + Utf8FromWide(GetWindowTextString().str()) +
                               "] no user to answer the dialog; cancelled\n";
            std::fputs(line.c_str(), stderr);
        }
        if (!m_ended && m_hWnd) EndDialog(IDCANCEL);
    }
    if (disabledOwner && IsWindow(owner)) ::EnableWindow(owner, TRUE);
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    MS().stack.pop_back();
    m_modal = false;
    if (owner && IsWindow(owner)) ::SetActiveWindow(owner);
    return m_result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_lpszTemplateName = templateId;
    if (parent) m_pParentWnd = parent;
    const mfc::DialogTemplate* t = mfc::FindDialogTemplate(templateId);
    if (!t || m_hWnd) return FALSE;
    m_modal = false;
    m_ended = false;
    HWND parentHwnd = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return mfc::CreateDialogFromTemplate(*t, parentHwnd, this) != nullptr;
}

BOOL CDialog::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                     void* context) {
    return CWnd::Create(className, windowName, style, rect, parent, id, context);
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    WORD code = HIWORD(wParam);
    if (code != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (!msg || !m_hWnd) return FALSE;
    bool key = msg->message >= WM_KEYDOWN && msg->message <= 0x0109;
    bool mouse = msg->message >= WM_MOUSEMOVE && msg->message <= 0x020E;
    if (!key && !mouse) return FALSE;
    return IsDialogMessageW(m_hWnd, msg);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CDialog::MapDialogRect(RECT* rect) const {
    if (rect) *rect = mfc::DialogUnitsToPixels(*rect);
}
void CDialog::NextDlgCtrl() const {
    if (CWnd* n = GetNextDlgTabItem(GetFocus(), FALSE)) n->SetFocus();
}
void CDialog::PrevDlgCtrl() const {
    if (CWnd* n = GetNextDlgTabItem(GetFocus(), TRUE)) n->SetFocus();
}
void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) control->SetFocus();
}
void CDialog::SetDefID(UINT id) {
    m_defId = id;
    SendMessage(DM_SETDEFID, id);
}
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
