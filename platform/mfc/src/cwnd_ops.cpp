// CWnd operations: thin wrappers over the window functions.
#include <algorithm>
#include <vector>

#include "mfc/cwnd.h"
#include "mfc/gdi.h"
#include "mfc/menu.h"
#include "win/msgbox.h"
#include "win/timer.h"
#include "win/window.h"

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }
CWnd* CWnd::SetParent(CWnd* parent) { return FromHandle(::SetParent(m_hWnd, parent ? parent->m_hWnd : nullptr)); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
void CWnd::GetDlgItem(int id, HWND* out) const {
    if (out) *out = ::GetDlgItem(m_hWnd, id);
}
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(SetWindowLongPtrW(m_hWnd, GWLP_ID, id)); }
CWnd* CWnd::GetWindow(UINT cmd) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
BOOL CWnd::IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
int CWnd::GetWindowText(LPWSTR buffer, int maxCount) const { return ::GetWindowTextW(m_hWnd, buffer, maxCount); }
void CWnd::GetWindowText(CString& text) const { text = GetWindowTextString(); }
CString CWnd::GetWindowTextString() const {
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    int got = ::GetWindowTextW(m_hWnd, s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    return CString(s);
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
void CWnd::SetDlgItemText(int id, LPCWSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }
int CWnd::GetDlgItemText(int id, CString& text) const {
    HWND c = ::GetDlgItem(m_hWnd, id);
    text = c ? FromHandle(c)->GetWindowTextString() : CString();
    return text.GetLength();
}
int CWnd::GetDlgItemText(int id, LPWSTR buffer, int maxCount) const {
    return static_cast<int>(::GetDlgItemTextW(m_hWnd, id, buffer, maxCount));
}
void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}
void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}
int CWnd::GetClassName(CString& name) const {
    name = GetClassNameString();
    return name.GetLength();
}
CString CWnd::GetClassNameString() const {
    wchar_t buf[256] = {};
    ::GetClassNameW(m_hWnd, buf, 256);
    return CString(buf);
}

BOOL CWnd::ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

namespace {
BOOL Modify(HWND h, int index, DWORD remove, DWORD add, UINT swp) {
    auto old = static_cast<DWORD>(GetWindowLongPtrW(h, index));
    DWORD now = (old & ~remove) | add;
    if (now == old) return FALSE;
    SetWindowLongPtrW(h, index, static_cast<LONG_PTR>(now));
    if (index == GWL_STYLE && ((old ^ now) & WS_DISABLED)) ::EnableWindow(h, !(now & WS_DISABLED));
    if (swp) SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swp);
    return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swp) { return Modify(m_hWnd, GWL_STYLE, remove, add, swp); }
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swp) { return Modify(m_hWnd, GWL_EXSTYLE, remove, add, swp); }
void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}
CFont* CWnd::GetFont() const {
    auto f = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return f ? CFont::FromHandle(f) : nullptr;
}
void CWnd::SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(const RECT& r, BOOL repaint) {
    ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    HWND after = nullptr;
    if (insertAfter == reinterpret_cast<const CWnd*>(-1)) after = HWND_TOPMOST;
    else if (insertAfter == reinterpret_cast<const CWnd*>(-2)) after = HWND_NOTOPMOST;
    else if (insertAfter == reinterpret_cast<const CWnd*>(1)) after = HWND_BOTTOM;
    else if (insertAfter) after = insertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}
void CWnd::GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::ScreenToClient(POINT* pt) const { ::ScreenToClient(m_hWnd, pt); }
void CWnd::ScreenToClient(RECT* r) const {
    auto* p = reinterpret_cast<POINT*>(r);
    ::ScreenToClient(m_hWnd, &p[0]);
    ::ScreenToClient(m_hWnd, &p[1]);
}
void CWnd::ClientToScreen(POINT* pt) const { ::ClientToScreen(m_hWnd, pt); }
void CWnd::ClientToScreen(RECT* r) const {
    auto* p = reinterpret_cast<POINT*>(r);
    ::ClientToScreen(m_hWnd, &p[0]);
    ::ClientToScreen(m_hWnd, &p[1]);
}
void CWnd::MapWindowPoints(CWnd* to, RECT* rect) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<POINT*>(rect), 2);
}
void CWnd::MapWindowPoints(CWnd* to, POINT* points, UINT count) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}
void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT me, area{0, 0, win::kScreenWidth, win::kScreenHeight};
    ::GetWindowRect(m_hWnd, &me);
    HWND around = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    bool child = (GetStyle() & WS_CHILD) != 0;
    if (child && around) ::GetClientRect(around, &area);
    else if (around && ::IsWindowVisible(around)) ::GetWindowRect(around, &area);
    int w = me.right - me.left, h = me.bottom - me.top;
    int x = (area.left + area.right - w) / 2, y = (area.top + area.bottom - h) / 2;
    if (!child) {
        x = std::max(0, std::min(x, win::kScreenWidth - w));
        y = std::max(0, std::min(y, win::kScreenHeight - h));
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(const RECT* rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::ValidateRect(const RECT* rect) { ::ValidateRect(m_hWnd, rect); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(const RECT* rect, void* region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}
CWnd* CWnd::ChildWindowFromPoint(POINT pt, UINT flags) const {
    return FromHandle(::ChildWindowFromPointEx(m_hWnd, pt, flags));
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, msg, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageW(m_hWnd, msg, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int id, UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageW(m_hWnd, id, msg, wParam, lParam);
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, void (*proc)(HWND, UINT, UINT_PTR, DWORD)) {
    return ::SetTimer(m_hWnd, id, elapseMs, proc);
}
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type) {
    CString title;
    if (!caption) {
        HWND root = ::GetAncestor(m_hWnd, GA_ROOT);
        title = root ? FromHandle(root)->GetWindowTextString() : CString();
        caption = title;
    }
    return ::MessageBoxW(m_hWnd, text, caption, type);
}
CMenu* CWnd::GetSystemMenu(BOOL) const { return nullptr; }
