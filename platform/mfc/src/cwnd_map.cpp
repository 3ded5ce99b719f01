// The association of windows and CWnd objects: the permanent map, temporary wrappers,
// the creation hook and the procedure of every CWnd-owned window.
#include "mfc/cwnd.h"

#include <memory>
#include <unordered_map>

#include "mfc/controls.h"
#include "win/window.h"

namespace {

struct Maps {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* pending = nullptr;
};
Maps& M() {
    static Maps m;
    return m;
}

std::unique_ptr<CWnd> MakeTemporary(HWND hwnd) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    std::wstring name = cls;
    for (auto& c : name) c = static_cast<wchar_t>(c >= L'A' && c <= L'Z' ? c + 32 : c);
    if (name == L"button") return std::make_unique<CButton>();
    if (name == L"edit") return std::make_unique<CEdit>();
    if (name == L"richedit20w" || name == L"richedit50w") return std::make_unique<CRichEditCtrl>();
    if (name == L"combobox") return std::make_unique<CComboBox>();
    if (name == L"listbox") return std::make_unique<CListBox>();
    if (name == L"systabcontrol32") return std::make_unique<CTabCtrl>();
    if (name == L"syslistview32") return std::make_unique<CListCtrl>();
    if (name == L"static") return std::make_unique<CStatic>();
    return std::make_unique<CWnd>();
}

void OnCreateWindow(HWND hwnd, void*) {
    CWnd* w = M().pending;
    if (!w) return;
    M().pending = nullptr;
    w->Attach(hwnd);
    w->m_pfnSuper = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&mfc::AfxWndProc));
}

void OnWindowGone(HWND hwnd, void*) {
    M().temporary.erase(hwnd);
    auto it = M().permanent.find(hwnd);
    if (it != M().permanent.end()) {
        it->second->m_hWnd = nullptr;
        M().permanent.erase(it);
    }
}

bool PreTranslate(MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; }

struct Installer {
    Installer() {
        win::SetCreateHook(&OnCreateWindow, nullptr);
        win::SetDestroyedHook(&OnWindowGone, nullptr);
        win::SetMessageFilter(&PreTranslate);
    }
} gInstaller;

}  // namespace

namespace mfc {

void HookNextWindowCreation(CWnd* wnd) { M().pending = wnd; }

LRESULT AfxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* w = CWnd::FromHandlePermanent(hwnd);
    if (!w) return DefWindowProcW(hwnd, msg, wParam, lParam);
    CWnd::CurrentMessage saved = w->m_current;
    w->m_current = CWnd::CurrentMessage{msg, wParam, lParam};
    LRESULT r = w->WindowProc(msg, wParam, lParam);
    // After WM_NCDESTROY the object may be gone (PostNcDestroy may delete it).
    if (msg != WM_NCDESTROY && CWnd::FromHandlePermanent(hwnd) == w) w->m_current = saved;
    return r;
}

}  // namespace mfc

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    auto it = M().permanent.find(hwnd);
    return it == M().permanent.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    if (CWnd* p = FromHandlePermanent(hwnd)) return p;
    auto& t = M().temporary[hwnd];
    if (!t) {
        t = MakeTemporary(hwnd);
        t->m_hWnd = hwnd;
        t->m_temporary = true;
    }
    return t.get();
}

BOOL CWnd::Attach(HWND hwnd) {
    if (m_hWnd || !hwnd || !IsWindow(hwnd) || FromHandlePermanent(hwnd)) return FALSE;
    M().permanent[hwnd] = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) {
        auto it = M().permanent.find(h);
        if (it != M().permanent.end() && it->second == this) M().permanent.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&mfc::AfxWndProc)));
    if (old != &mfc::AfxWndProc) m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    HWND ctl = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return ctl ? SubclassWindow(ctl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd) return nullptr;
    if (m_pfnSuper) SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
    if (!msg) return FALSE;
    for (HWND h = msg->hwnd; h && IsWindow(h);) {
        if (CWnd* w = FromHandlePermanent(h)) {
            if (w->PreTranslateMessage(msg)) return TRUE;
        }
        if (h == stop || !(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
        h = ::GetParent(h);
    }
    return FALSE;
}
