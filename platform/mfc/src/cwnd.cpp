// CWnd: creation, message dispatch and the default handlers.
#include "mfc/cwnd.h"
#include "mfc/control_colors.h"

#include "mfc/ddx.h"
#include "mfc/gdi.h"
#include "win/window.h"

CWnd::CWnd() = default;
CWnd::CWnd(HWND zOrderPlace) : m_hWnd(zOrderPlace), m_temporary(true) {}
const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
    if (m_hWnd && !m_temporary) {
        if (IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) {
            ::DestroyWindow(m_hWnd);
        }
        if (m_hWnd) Detach();
    }
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  void*) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    HMENU idOrMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr, idOrMenu, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param) {
    if (m_hWnd) return FALSE;
    mfc::HookNextWindowCreation(this);
    HWND h = CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu,
                             nullptr, param);
    mfc::HookNextWindowCreation(nullptr);
    return h != nullptr && m_hWnd == h;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

const ::mfc::MessageMap* CWnd::GetThisMessageMap() {
    static const ::mfc::MessageMapEntry entries[] = {{::mfc::MapKind::End}};
    static const ::mfc::MessageMap map = {nullptr, entries};
    return &map;
}
const ::mfc::MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

bool CWnd::DispatchMapped(UINT msg, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    for (const ::mfc::MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const ::mfc::MessageMapEntry* e = map->entries; e->kind != ::mfc::MapKind::End; ++e) {
            if (e->message != msg) continue;
            switch (e->kind) {
            case ::mfc::MapKind::Command:
                if (e->code == code && id == e->idFirst) {
                    (this->*e->command)();
                    return true;
                }
                break;
            case ::mfc::MapKind::CommandRange:
                if (e->code == code && id >= e->idFirst && id <= e->idLast) {
                    (this->*e->commandRange)(id);
                    return true;
                }
                break;
            case ::mfc::MapKind::Notify:
                if (e->code == code && id == e->idFirst) {
                    LRESULT dummy = 0;
                    (this->*e->notify)(
                        reinterpret_cast<NMHDR*>(lParam), result ? result : &dummy);
                    return true;
                }
                break;
            case ::mfc::MapKind::NotifyRange:
                if (e->code == code && id >= e->idFirst && id <= e->idLast) {
                    LRESULT dummy = 0;
                    (this->*e->notifyRange)(
                        id, reinterpret_cast<NMHDR*>(lParam), result ? result : &dummy);
                    return true;
                }
                break;
            case ::mfc::MapKind::Message: {
                LRESULT r = (this->*e->handler)(wParam, lParam);
                if (result) *result = r;
                return true;
            }
            default: break;
            }
        }
    }
    return false;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return CallWindowProcW(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.msg, m_current.wParam, m_current.lParam); }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto ctl = reinterpret_cast<HWND>(lParam);
    if (ctl) {
        CWnd* child = FromHandlePermanent(ctl);
        if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    }
    return DispatchMapped(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam, nullptr) ? TRUE : FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHDR*>(lParam);
    if (!nm) return FALSE;
    if (CWnd* child = FromHandlePermanent(nm->hwndFrom)) {
        if (child != this && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
    }
    return DispatchMapped(WM_NOTIFY, nm->code, static_cast<UINT>(nm->idFrom), wParam, lParam, result) ? TRUE : FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
void CWnd::PostNcDestroy() {}
void CWnd::PreSubclassWindow() {}
void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.m_failed ? FALSE : TRUE;
}

namespace {
CPoint PointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }
}  // namespace

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(wParam, lParam, &result)) return result;
        break;
    case WM_CREATE: return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam))); return 0;
    case WM_SIZING: OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam)); return TRUE;
    case WM_MOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: {
        CClientDC dc(this);
        return OnEraseBkgnd(&dc);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        // A colour query (QueryControlColors) hands its own device context in; it reads
        // back what the handler set.
        CDC local;
        CDC* dc = mfc::ColorQueryDC(reinterpret_cast<HDC>(wParam));
        if (!dc) {
            local.m_hDC = reinterpret_cast<HDC>(wParam);
            dc = &local;
        }
        UINT kind = msg == WM_CTLCOLOREDIT ? CTLCOLOR_EDIT : msg == WM_CTLCOLORLISTBOX ? CTLCOLOR_LISTBOX
                    : msg == WM_CTLCOLORBTN ? CTLCOLOR_BTN : msg == WM_CTLCOLORDLG ? CTLCOLOR_DLG : CTLCOLOR_STATIC;
        HBRUSH b = OnCtlColor(dc, FromHandle(reinterpret_cast<HWND>(lParam)), kind);
        local.m_hDC = nullptr;
        return reinterpret_cast<LRESULT>(b);
    }
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<UINT_PTR>(lParam)),
                           HIWORD(static_cast<UINT_PTR>(lParam)));
    case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointOf(lParam));
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam))); return 0;
    case WM_KEYUP: OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam))); return 0;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam))); return 0;
    case WM_CONTEXTMENU: OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), PointOf(lParam)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); return 0;
    default:
        if (DispatchMapped(msg, 0, 0, wParam, lParam, &result)) return result;
        break;
    }
    return DefWindowProc(msg, wParam, lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() {
    Default();
    HWND h = m_hWnd;
    if (h && m_pfnSuper && IsWindow(h)) SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSizing(UINT, RECT*) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
