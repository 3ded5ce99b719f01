#include "win/window.h"

#include <algorithm>
#include <cwctype>
#include <unordered_map>

#include "win/timer.h"
#include "window_internal.h"

namespace win::detail {
namespace {

struct ClassEntry {
    WNDCLASSW wc;
    std::wstring name;
    bool system = false;
};

struct Registry {
    std::unordered_map<std::wstring, ClassEntry> classes;  // by lower-case name
    std::unordered_map<UINT_PTR, std::unique_ptr<Window>> windows;
    std::vector<HWND> order;  // creation order
    UINT_PTR next = 0x10000;
    CreateHook createHook = nullptr;
    void* createContext = nullptr;
    DestroyedHook destroyedHook = nullptr;
    void* destroyedContext = nullptr;
    ShowHook showHook = nullptr;
    void* showContext = nullptr;
    WORD nextAtom = 0xC000;
};

Registry& R() {
    static Registry r;
    return r;
}

void NotifyShown(HWND hwnd) {
    if (R().showHook) R().showHook(hwnd, R().showContext);
}

}  // namespace

Window* Find(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto it = R().windows.find(reinterpret_cast<UINT_PTR>(hwnd));
    return it == R().windows.end() ? nullptr : it->second.get();
}

std::wstring Lower(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

int CopyOut(const std::wstring& s, LPWSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    int n = std::min<int>(static_cast<int>(s.size()), maxCount - 1);
    std::copy_n(s.begin(), n, buffer);
    buffer[n] = 0;
    return n;
}

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int b = 0;
    if (style & WS_THICKFRAME) b = 4;
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) b = 3;
    else if (style & WS_BORDER) b = 1;
    if (exStyle & WS_EX_CLIENTEDGE) b += 2;
    else if (exStyle & WS_EX_STATICEDGE) b += 1;
    RECT r{b, b, b, b};
    if ((style & WS_CAPTION) == WS_CAPTION) r.top += kCaptionHeight;
    return r;
}

POINT ClientOriginOnScreen(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return {};
    RECT in = FrameInsets(w->style, w->exStyle);
    POINT p{w->rect.left + in.left, w->rect.top + in.top};
    if ((w->style & WS_CHILD) && w->parent) {
        POINT o = ClientOriginOnScreen(w->parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

void RegisterSystemClass(const wchar_t* name, WNDPROC proc) {
    auto key = Lower(name);
    if (R().classes.count(key)) return;
    ClassEntry e;
    e.name = name;
    e.wc.lpfnWndProc = proc;
    e.wc.style = CS_DBLCLKS;
    e.system = true;
    e.wc.lpszClassName = nullptr;
    R().classes.emplace(key, std::move(e));
}

void EnsureStandardClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterSystemClass(WC_BUTTON, ButtonProc);
    RegisterSystemClass(WC_STATIC, StaticProc);
    RegisterSystemClass(WC_EDIT, EditProc);
    RegisterSystemClass(WC_RICHEDIT, EditProc);
    RegisterSystemClass(L"RICHEDIT50W", EditProc);
    RegisterSystemClass(WC_COMBOBOX, ComboProc);
    RegisterSystemClass(WC_LISTBOX, ListBoxProc);
    RegisterSystemClass(WC_TABCONTROL, TabProc);
    RegisterSystemClass(WC_LISTVIEW, ThumbListProc);
    RegisterSystemClass(WC_DIALOG, DialogClassProc);
}

LRESULT NotifyParentCommand(HWND ctl, WORD code) {
    Window* w = Find(ctl);
    if (!w || !w->parent) return 0;
    return SendMessageW(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), code),
                        reinterpret_cast<LPARAM>(ctl));
}

LRESULT NotifyParent(HWND ctl, UINT code) {
    Window* w = Find(ctl);
    if (!w || !w->parent) return 0;
    NMHDR nm;
    nm.hwndFrom = ctl;
    nm.idFrom = static_cast<UINT_PTR>(w->id);
    nm.code = code;
    return SendMessageW(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
}

}  // namespace win::detail

using namespace win::detail;

WORD RegisterClassW(const WNDCLASSW* wc) {
    EnsureStandardClasses();
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto key = Lower(wc->lpszClassName);
    if (R().classes.count(key)) {
        SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    ClassEntry e;
    e.wc = *wc;
    e.name = wc->lpszClassName;
    e.wc.lpszClassName = nullptr;
    R().classes.emplace(key, std::move(e));
    return R().nextAtom++;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    if (!className) return FALSE;
    auto it = R().classes.find(Lower(className));
    if (it == R().classes.end() || it->second.system) return FALSE;
    auto lower = it->first;
    for (auto& [k, w] : R().windows) {
        if (Lower(w->className) == lower) {
            SetLastError(1412);  // ERROR_CLASS_HAS_WINDOWS
            return FALSE;
        }
    }
    R().classes.erase(it);
    return TRUE;
}

BOOL GetClassInfoW(HINSTANCE, LPCWSTR className, WNDCLASSW* out) {
    EnsureStandardClasses();
    if (!className) return FALSE;
    auto it = R().classes.find(Lower(className));
    if (it == R().classes.end()) return FALSE;
    if (out) {
        *out = it->second.wc;
        out->lpszClassName = it->second.name.c_str();
    }
    return TRUE;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
    EnsureStandardClasses();
    if (!className) {
        SetLastError(1407);  // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    auto it = R().classes.find(Lower(className));
    if (it == R().classes.end()) {
        SetLastError(1407);
        return nullptr;
    }
    if (parent && !Find(parent)) {
        SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
        return nullptr;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        width = 640;
        height = 480;
    }
    auto w = std::make_unique<Window>();
    HWND hwnd = reinterpret_cast<HWND>(R().next);
    R().next += 4;
    w->handle = hwnd;
    w->className = it->second.name;
    w->proc = it->second.wc.lpfnWndProc;
    w->instance = instance;
    w->text = windowName ? windowName : L"";
    w->style = style;
    w->exStyle = exStyle;
    w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    if (style & WS_CHILD) {
        w->parent = parent;
        w->id = static_cast<int>(reinterpret_cast<INT_PTR>(menuOrId));
    } else {
        w->owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    }
    R().windows.emplace(reinterpret_cast<UINT_PTR>(hwnd), std::move(w));
    R().order.push_back(hwnd);
    if (style & WS_CHILD) Find(parent)->children.push_back(hwnd);

    if (R().createHook) R().createHook(hwnd, R().createContext);

    CREATESTRUCTW cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        (Find(hwnd) && SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1)) {
        if (Find(hwnd)) DestroyWindow(hwnd);
        SetLastError(1400);
        return nullptr;
    }
    if (!Find(hwnd)) return nullptr;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(std::max(width, 0)),
                                                         static_cast<WORD>(std::max(height, 0))));
    if (Find(hwnd)) SendMessageW(hwnd, WM_MOVE, 0, PointToLParam(x, y));
    if (Find(hwnd) && (style & WS_VISIBLE)) NotifyShown(hwnd);
    return Find(hwnd) ? hwnd : nullptr;
}

namespace {

void DestroyTree(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || w->destroying) return;
    w->destroying = true;
    // Owned top-level windows go first.
    std::vector<HWND> owned;
    for (HWND h : R().order) {
        Window* o = Find(h);
        if (o && o->owner == hwnd && !o->destroying) owned.push_back(h);
    }
    for (HWND h : owned) DestroyTree(h);
    if (Find(hwnd) && (Find(hwnd)->style & WS_VISIBLE)) {
        Find(hwnd)->style &= ~WS_VISIBLE;
    }
    ResetFocusState(hwnd);
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    if (Window* again = Find(hwnd)) {
        std::vector<HWND> kids = again->children;
        for (HWND k : kids) DestroyTree(k);
    }
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    ForgetWindowTimers(hwnd);
    ForgetWindowMessages(hwnd);
    Window* dead = Find(hwnd);
    if (!dead) return;
    if (dead->parent) {
        if (Window* p = Find(dead->parent)) {
            auto& c = p->children;
            c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
        }
    }
    auto& order = R().order;
    order.erase(std::remove(order.begin(), order.end(), hwnd), order.end());
    R().windows.erase(reinterpret_cast<UINT_PTR>(hwnd));
    if (R().destroyedHook) R().destroyedHook(hwnd, R().destroyedContext);
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return FALSE;
    }
    if (w->destroying) return TRUE;
    DestroyTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) != nullptr; }

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return 0;
    }
    WNDPROC proc = w->proc;
    return proc ? proc(hwnd, msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT SendDlgItemMessageW(HWND dlg, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND ctl = GetDlgItem(dlg, id);
    return ctl ? SendMessageW(ctl, msg, wParam, lParam) : 0;
}

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
        return TRUE;
    case WM_GETTEXT:
        return CopyOut(w->text, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        w->invalid = false;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageW(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if ((w->style & WS_CHILD) && w->parent) return SendMessageW(w->parent, msg, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if ((w->style & WS_CHILD) && w->parent) return SendMessageW(w->parent, msg, wParam, lParam);
        return 0;
    case WM_RBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), PointToLParam(p.x, p.y));
        return 0;
    }
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos && !(pos->flags & SWP_NOSIZE) && !(w->style & WS_CHILD) &&
            (w->style & (WS_THICKFRAME | WS_CAPTION))) {
            MINMAXINFO mm{};
            mm.ptMaxSize = {win::kScreenWidth, win::kScreenHeight};
            mm.ptMaxTrackSize = {win::kScreenWidth + 8, win::kScreenHeight + 8};
            mm.ptMinTrackSize = {112, 27};
            SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mm));
            pos->cx = std::clamp<int>(pos->cx, mm.ptMinTrackSize.x, std::max(mm.ptMinTrackSize.x, mm.ptMaxTrackSize.x));
            pos->cy = std::clamp<int>(pos->cy, mm.ptMinTrackSize.y, std::max(mm.ptMinTrackSize.y, mm.ptMaxTrackSize.y));
        }
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!pos) return 0;
        if (!(pos->flags & SWP_NOMOVE)) {
            SendMessageW(hwnd, WM_MOVE, 0, PointToLParam(pos->x, pos->y));
        }
        if (!(pos->flags & SWP_NOSIZE) && Find(hwnd)) {
            RECT rc;
            GetClientRect(hwnd, &rc);
            WPARAM kind = (Find(hwnd)->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                          : (Find(hwnd)->style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED;
            SendMessageW(hwnd, WM_SIZE, kind, MAKELPARAM(static_cast<WORD>(rc.right), static_cast<WORD>(rc.bottom)));
        }
        return 0;
    }
    default:
        return 0;
    }
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    Window* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return 0;
    }
    switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    default: {
        auto it = w->extra.find(index);
        return it == w->extra.end() ? 0 : it->second;
    }
    }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return 0;
    }
    LONG_PTR old = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWL_STYLE: w->style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); break;
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWLP_HWNDPARENT:
        if (w->style & WS_CHILD) SetParent(hwnd, reinterpret_cast<HWND>(value));
        else w->owner = reinterpret_cast<HWND>(value);
        break;
    case GWLP_ID: w->id = static_cast<int>(value); break;
    case GWLP_USERDATA: w->userData = value; break;
    default: w->extra[index] = value; break;
    }
    return old;
}

BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
    Window* w = Find(hwnd);
    if (!w || !name) return FALSE;
    w->props[name] = data;
    return TRUE;
}
HANDLE GetPropW(HWND hwnd, LPCWSTR name) {
    Window* w = Find(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}
HANDLE RemovePropW(HWND hwnd, LPCWSTR name) {
    Window* w = Find(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

HWND GetParent(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    return (w->style & WS_CHILD) ? w->parent : w->owner;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    Window* w = Find(hwnd);
    if (!w || (newParent && !Find(newParent)) || hwnd == newParent) return nullptr;
    HWND old = w->parent ? w->parent : GetDesktopWindow();
    if (w->parent) {
        auto& c = Find(w->parent)->children;
        c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
    }
    w->parent = newParent;
    if (newParent) {
        Find(newParent)->children.push_back(hwnd);
    } else {
        w->style &= ~WS_CHILD;
    }
    return old;
}

HWND GetDesktopWindow() { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x10)); }

namespace {
std::vector<HWND> Siblings(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return {};
    if ((w->style & WS_CHILD) && w->parent) return Find(w->parent)->children;
    std::vector<HWND> top;
    for (HWND h : R().order) {
        Window* t = Find(h);
        if (t && !(t->style & WS_CHILD)) top.push_back(h);
    }
    return top;
}
}  // namespace

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (cmd == GW_OWNER) return w->owner;
    auto sib = Siblings(hwnd);
    auto it = std::find(sib.begin(), sib.end(), hwnd);
    if (it == sib.end()) return nullptr;
    switch (cmd) {
    case GW_HWNDFIRST: return sib.front();
    case GW_HWNDLAST: return sib.back();
    case GW_HWNDNEXT: return (it + 1) == sib.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == sib.begin() ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd) {
        for (HWND h : R().order) {
            Window* t = Find(h);
            if (t && !(t->style & WS_CHILD)) return h;
        }
        return nullptr;
    }
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    if (flags == GA_PARENT) return (w->style & WS_CHILD) ? w->parent : GetDesktopWindow();
    HWND cur = hwnd;
    while (Window* c = Find(cur)) {
        if (!(c->style & WS_CHILD) || !c->parent) break;
        cur = c->parent;
    }
    return cur;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* w = Find(hwnd);
    while (w && (w->style & WS_CHILD) && w->parent) {
        if (w->parent == parent) return TRUE;
        w = Find(w->parent);
    }
    return FALSE;
}

HWND GetDlgItem(HWND dlg, int id) {
    Window* w = Find(dlg);
    if (!w) return nullptr;
    for (HWND c : w->children) {
        if (Find(c)->id == id) return c;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = Find(hwnd);
    return w ? w->id : 0;
}

namespace {
bool EnumRec(HWND parent, WNDENUMPROC proc, LPARAM param) {
    Window* w = Find(parent);
    if (!w) return true;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) {
        if (!Find(c)) continue;
        if (!proc(c, param)) return false;
        if (!EnumRec(c, proc, param)) return false;
    }
    return true;
}
}  // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param) {
    if (!proc) return FALSE;
    EnumRec(parent, proc, param);
    return TRUE;
}

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
    Window* w = Find(parent);
    if (!w) return nullptr;
    RECT rc;
    GetClientRect(parent, &rc);
    if (!PtInRect(&rc, pt)) return nullptr;
    for (HWND c : w->children) {
        Window* cw = Find(c);
        if ((flags & CWP_SKIPINVISIBLE) && !(cw->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (cw->style & WS_DISABLED)) continue;
        if (PtInRect(&cw->rect, pt)) return c;
    }
    return parent;
}

HWND WindowFromPoint(POINT pt) {
    std::vector<HWND> top;
    for (HWND h : R().order) {
        Window* t = Find(h);
        if (t && !(t->style & WS_CHILD) && (t->style & WS_VISIBLE)) top.push_back(h);
    }
    // Later windows lie above earlier ones; top-most ones above all.
    std::stable_sort(top.begin(), top.end(), [](HWND a, HWND b) {
        return (Find(a)->exStyle & WS_EX_TOPMOST) > (Find(b)->exStyle & WS_EX_TOPMOST);
    });
    HWND hit = nullptr;
    for (HWND h : top) {
        if (PtInRect(&Find(h)->rect, pt)) {
            if (!hit || ((Find(h)->exStyle & WS_EX_TOPMOST) == (Find(hit)->exStyle & WS_EX_TOPMOST))) hit = h;
        }
    }
    while (hit) {
        POINT c = pt;
        ScreenToClient(hit, &c);
        HWND child = ChildWindowFromPointEx(hit, c, CWP_SKIPINVISIBLE);
        if (!child || child == hit) break;
        hit = child;
    }
    return hit;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount) {
    if (!Find(hwnd)) return 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}
int GetWindowTextLengthW(HWND hwnd) {
    return Find(hwnd) ? static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}
BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (!Find(hwnd)) return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")) ? TRUE : FALSE;
}
int GetClassNameW(HWND hwnd, LPWSTR buffer, int maxCount) {
    Window* w = Find(hwnd);
    return w ? CopyOut(w->className, buffer, maxCount) : 0;
}

namespace win {

void SetCreateHook(CreateHook hook, void* context) {
    R().createHook = hook;
    R().createContext = context;
}
void SetDestroyedHook(DestroyedHook hook, void* context) {
    R().destroyedHook = hook;
    R().destroyedContext = context;
}
void SetShowHook(ShowHook hook, void* context) {
    R().showHook = hook;
    R().showContext = context;
}
int LiveWindowCount() { return static_cast<int>(R().order.size()); }
HWND WindowAtIndex(int index) {
    if (index < 0 || index >= LiveWindowCount()) return nullptr;
    return R().order[static_cast<std::size_t>(index)];
}
void DestroyAllWindows() {
    while (!R().order.empty()) {
        HWND last = R().order.back();
        HWND root = GetAncestor(last, GA_ROOT);
        DestroyWindow(root ? root : last);
        if (Find(last)) R().windows.erase(reinterpret_cast<UINT_PTR>(last)), R().order.pop_back();
    }
    ResetQueueState();
}

}  // namespace win

namespace win::detail {
void NotifyShownInternal(HWND hwnd) { NotifyShown(hwnd); }
}  // namespace win::detail
