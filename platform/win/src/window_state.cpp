// Visibility, enabled state, focus, capture, geometry and painting state of windows.
#include "win/window.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <string>
#include <unordered_map>

#include "window_internal.h"

using namespace win::detail;

namespace {

struct FocusState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND foreground = nullptr;
    HWND capture = nullptr;
    std::array<bool, 256> keys{};
    POINT cursor{};
    HCURSOR cursorHandle = nullptr;
};
FocusState& F() {
    static FocusState f;
    return f;
}

bool Contains(HWND root, HWND hwnd) { return hwnd && (hwnd == root || IsChild(root, hwnd)); }

}  // namespace

namespace win::detail {
void ResetFocusState(HWND dying) {
    auto& f = F();
    if (!dying) {
        HCURSOR cursor = f.cursorHandle;
        f = FocusState{};
        f.cursorHandle = cursor;
        return;
    }
    if (Contains(dying, f.focus)) f.focus = nullptr;
    if (Contains(dying, f.capture)) f.capture = nullptr;
    if (f.active == dying) f.active = nullptr;
    if (f.foreground == dying) f.foreground = nullptr;
}
}  // namespace win::detail

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool was = (w->style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    if (cmd == SW_MAXIMIZE) w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
    else if (cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED) w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
    else if (cmd == SW_RESTORE || cmd == SW_SHOWNORMAL) w->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
    if (show == was) return was;
    if (show) w->style |= WS_VISIBLE;
    else w->style &= ~WS_VISIBLE;
    w->invalid = true;
    if (!show && Contains(hwnd, F().focus)) F().focus = nullptr;
    SendMessageW(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (show && Find(hwnd)) {
        if (cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && !(w->style & WS_CHILD)) F().active = hwnd;
        NotifyShownInternal(hwnd);
    }
    return was;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = Find(hwnd);
    while (w) {
        if (!(w->style & WS_VISIBLE)) return FALSE;
        if (!(w->style & WS_CHILD) || !w->parent) return TRUE;
        w = Find(w->parent);
    }
    return FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable) w->style &= ~WS_DISABLED;
    else w->style |= WS_DISABLED;
    if (wasDisabled == !enable) return wasDisabled;
    if (!enable && Contains(hwnd, F().focus)) SetFocus(nullptr);
    if (Find(hwnd)) SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}
BOOL IsIconic(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && (w->style & WS_MINIMIZE);
}
BOOL IsZoomed(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

HWND SetFocus(HWND hwnd) {
    if (hwnd && !Find(hwnd)) return nullptr;
    HWND old = F().focus;
    if (old == hwnd) return old;
    F().focus = hwnd;
    if (old && Find(old)) SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && Find(hwnd) && F().focus == hwnd) {
        F().active = GetAncestor(hwnd, GA_ROOT);
        SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    }
    return old;
}
HWND GetFocus() { return Find(F().focus) ? F().focus : nullptr; }
HWND SetActiveWindow(HWND hwnd) {
    HWND old = F().active;
    if (Find(hwnd)) F().active = GetAncestor(hwnd, GA_ROOT);
    return old;
}
HWND GetActiveWindow() { return Find(F().active) ? F().active : nullptr; }
BOOL SetForegroundWindow(HWND hwnd) {
    if (!Find(hwnd)) return FALSE;
    F().foreground = GetAncestor(hwnd, GA_ROOT);
    F().active = F().foreground;
    return TRUE;
}
HWND GetForegroundWindow() { return Find(F().foreground) ? F().foreground : nullptr; }
BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
HWND SetCapture(HWND hwnd) {
    HWND old = F().capture;
    F().capture = Find(hwnd) ? hwnd : nullptr;
    if (old && old != hwnd && Find(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}
BOOL ReleaseCapture() {
    HWND old = F().capture;
    F().capture = nullptr;
    if (old && Find(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}
HWND GetCapture() { return Find(F().capture) ? F().capture : nullptr; }
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    if (processId) *processId = 1;
    return Find(hwnd) ? 1 : 0;
}
DWORD GetCurrentThreadId() { return 1; }
BOOL AttachThreadInput(DWORD, DWORD, BOOL) { return TRUE; }

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) return FALSE;
    RECT in = FrameInsets(style, exStyle);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    WINDOWPOS pos;
    pos.hwnd = hwnd;
    pos.hwndInsertAfter = insertAfter;
    pos.x = (flags & SWP_NOMOVE) ? w->rect.left : x;
    pos.y = (flags & SWP_NOMOVE) ? w->rect.top : y;
    pos.cx = (flags & SWP_NOSIZE) ? w->rect.right - w->rect.left : std::max(cx, 0);
    pos.cy = (flags & SWP_NOSIZE) ? w->rect.bottom - w->rect.top : std::max(cy, 0);
    pos.flags = flags;
    SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    w = Find(hwnd);
    if (!w) return FALSE;
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);
    bool moved = pos.x != w->rect.left || pos.y != w->rect.top;
    bool sized = pos.cx != w->rect.right - w->rect.left || pos.cy != w->rect.bottom - w->rect.top;
    w->rect = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
        else if (insertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
        if ((w->style & WS_CHILD) && w->parent) {
            auto& c = Find(w->parent)->children;
            if (insertAfter == HWND_TOP || insertAfter == HWND_BOTTOM) {
                c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
                if (insertAfter == HWND_TOP) c.insert(c.begin(), hwnd);
                else c.push_back(hwnd);
            } else if (Find(insertAfter) && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
                c.erase(std::remove(c.begin(), c.end(), hwnd), c.end());
                auto it = std::find(c.begin(), c.end(), insertAfter);
                c.insert(it == c.end() ? c.end() : it + 1, hwnd);
            }
        }
    }
    if (moved || sized) w->invalid = true;
    pos.flags = flags | (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (Find(hwnd) && (flags & SWP_SHOWWINDOW)) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (Find(hwnd) && (flags & SWP_HIDEWINDOW)) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
struct Deferred {
    HWND hwnd, after;
    int x, y, cx, cy;
    UINT flags;
};
std::unordered_map<void*, std::vector<Deferred>>& Defers() {
    static std::unordered_map<void*, std::vector<Deferred>> d;
    return d;
}
}  // namespace

HDWP BeginDeferWindowPos(int count) {
    auto* key = new char;  // a unique handle; freed by EndDeferWindowPos
    Defers()[key].reserve(static_cast<std::size_t>(std::max(count, 0)));
    return key;
}
HDWP DeferWindowPos(HDWP info, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto it = Defers().find(info);
    if (it == Defers().end()) return nullptr;
    if (!Find(hwnd)) {
        // As the system does: a failed entry ends the batch, nothing of it is applied.
        Defers().erase(it);
        delete static_cast<char*>(info);
        return nullptr;
    }
    it->second.push_back({hwnd, insertAfter, x, y, cx, cy, flags});
    return info;
}
BOOL EndDeferWindowPos(HDWP info) {
    auto it = Defers().find(info);
    if (it == Defers().end()) return FALSE;
    auto list = std::move(it->second);
    Defers().erase(it);
    delete static_cast<char*>(info);
    for (auto& d : list) SetWindowPos(d.hwnd, d.after, d.x, d.y, d.cx, d.cy, d.flags);
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = w->rect;
    if ((w->style & WS_CHILD) && w->parent) {
        POINT o = ClientOriginOnScreen(w->parent);
        OffsetRect(rect, o.x, o.y);
    }
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    RECT in = FrameInsets(w->style, w->exStyle);
    int cw = (w->rect.right - w->rect.left) - in.left - in.right;
    int ch = (w->rect.bottom - w->rect.top) - in.top - in.bottom;
    *rect = RECT{0, 0, std::max(cw, 0), std::max(ch, 0)};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    if (!Find(hwnd) || !pt) return FALSE;
    POINT o = ClientOriginOnScreen(hwnd);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}
BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    if (!Find(hwnd) || !pt) return FALSE;
    POINT o = ClientOriginOnScreen(hwnd);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a = from ? ClientOriginOnScreen(from) : POINT{};
    POINT b = to ? ClientOriginOnScreen(to) : POINT{};
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(static_cast<SHORT>(dx)), static_cast<WORD>(static_cast<SHORT>(dy)));
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    w->invalid = true;
    return TRUE;
}
BOOL ValidateRect(HWND hwnd, const RECT*) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    w->invalid = false;
    return TRUE;
}
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (rect) {
        if (w->invalid) GetClientRect(hwnd, rect);
        else *rect = RECT{};
    }
    return w->invalid;
}
BOOL UpdateWindow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (w->invalid && IsWindowVisible(hwnd)) {
        w->invalid = false;
        SendMessageW(hwnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}
BOOL RedrawWindow(HWND hwnd, const RECT* rect, void*, UINT flags) {
    if (!Find(hwnd)) return FALSE;
    if (flags & RDW_INVALIDATE) InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0);
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return TRUE;
}

BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (!r) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}
BOOL SetRectEmpty(RECT* r) { return SetRect(r, 0, 0, 0, 0); }
BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }
BOOL PtInRect(const RECT* r, POINT p) {
    return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}
BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}
BOOL InflateRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    r->left -= dx;
    r->right += dx;
    r->top -= dy;
    r->bottom += dy;
    return TRUE;
}
BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b) {
    if (!out || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = RECT{};
        return FALSE;
    }
    *out = r;
    return TRUE;
}
BOOL UnionRect(RECT* out, const RECT* a, const RECT* b) {
    if (!out || !a || !b) return FALSE;
    if (IsRectEmpty(a)) *out = *b;
    else if (IsRectEmpty(b)) *out = *a;
    else
        *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
    return !IsRectEmpty(out);
}
BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
BOOL CopyRect(RECT* dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return F().keys[static_cast<std::size_t>(vk)] ? static_cast<SHORT>(0x8000) : 0;
}
SHORT GetAsyncKeyState(int vk) { return GetKeyState(vk); }
BOOL GetCursorPos(POINT* pt) {
    if (!pt) return FALSE;
    *pt = F().cursor;
    return TRUE;
}
BOOL SetCursorPos(int x, int y) {
    F().cursor = POINT{x, y};
    return TRUE;
}
HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = F().cursorHandle;
    F().cursorHandle = cursor;
    return old;
}
HCURSOR LoadCursorW(HINSTANCE, LPCWSTR name) {
    return reinterpret_cast<HCURSOR>(reinterpret_cast<UINT_PTR>(name) | 0x1000000);
}
BOOL MessageBeep(UINT) { return TRUE; }
int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: return win::kScreenWidth;
    case SM_CYSCREEN: return win::kScreenHeight;
    case SM_CXVSCROLL: case SM_CYHSCROLL: return 17;
    case SM_CYCAPTION: return kCaptionHeight;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXICON: case SM_CYICON: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    default: return 0;
    }
}

namespace {
struct Fonts {
    std::unordered_map<UINT_PTR, win::FontDesc> fonts;
    UINT_PTR next = 0x20000;
    HFONT stock = nullptr;
};
Fonts& Fn() {
    static Fonts f;
    return f;
}
}  // namespace

HFONT CreateFontW(int height, int width, int, int, int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                  DWORD, DWORD, DWORD, DWORD, DWORD, LPCWSTR faceName) {
    win::FontDesc d;
    d.face = faceName ? faceName : L"";
    d.height = height;
    d.width = width;
    d.weight = weight == 0 ? 400 : weight;
    d.italic = italic != 0;
    d.underline = underline != 0;
    d.strikeOut = strikeOut != 0;
    UINT_PTR h = Fn().next;
    Fn().next += 4;
    Fn().fonts.emplace(h, std::move(d));
    return reinterpret_cast<HFONT>(h);
}
BOOL DeleteFontHandle(HFONT font) {
    if (font == Fn().stock) return TRUE;
    return Fn().fonts.erase(reinterpret_cast<UINT_PTR>(font)) ? TRUE : FALSE;
}
HFONT GetStockFont() {
    if (!Fn().stock) Fn().stock = CreateFontW(-11, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"MS Shell Dlg");
    return Fn().stock;
}

namespace win {
bool GetFontDesc(HFONT font, FontDesc& out) {
    auto it = Fn().fonts.find(reinterpret_cast<UINT_PTR>(font));
    if (it == Fn().fonts.end()) return false;
    out = it->second;
    return true;
}
void SetKeyDown(int vk, bool down) {
    if (vk >= 0 && vk < 256) F().keys[static_cast<std::size_t>(vk)] = down;
}
void SetCursorScreenPos(POINT pt) { F().cursor = pt; }
}  // namespace win

UINT GetDlgItemTextW(HWND dlg, int id, LPWSTR buffer, int maxCount) {
    HWND c = GetDlgItem(dlg, id);
    if (!c) {
        if (buffer && maxCount > 0) buffer[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(c, buffer, maxCount));
}
BOOL SetDlgItemTextW(HWND dlg, int id, LPCWSTR text) {
    HWND c = GetDlgItem(dlg, id);
    return c ? SetWindowTextW(c, text) : FALSE;
}
UINT GetDlgItemInt(HWND dlg, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    HWND c = GetDlgItem(dlg, id);
    if (!c) return 0;
    std::wstring s(static_cast<std::size_t>(GetWindowTextLengthW(c)) + 1, L'\0');
    GetWindowTextW(c, s.data(), static_cast<int>(s.size()));
    s.resize(std::wcslen(s.c_str()));
    std::size_t i = 0;
    while (i < s.size() && s[i] == L' ') ++i;
    bool neg = false;
    if (i < s.size() && s[i] == L'-' && isSigned) {
        neg = true;
        ++i;
    }
    if (i >= s.size() || s[i] < L'0' || s[i] > L'9') return 0;
    long long v = 0;
    for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; ++i) {
        v = v * 10 + (s[i] - L'0');
        if (v > 0xFFFFFFFFLL) return 0;
    }
    while (i < s.size() && s[i] == L' ') ++i;
    if (i != s.size()) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(neg ? -v : v);
}
BOOL SetDlgItemInt(HWND dlg, int id, UINT value, BOOL isSigned) {
    std::wstring s = isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
    return SetDlgItemTextW(dlg, id, s.c_str());
}
BOOL CheckDlgButton(HWND dlg, int id, UINT check) {
    HWND c = GetDlgItem(dlg, id);
    if (!c) return FALSE;
    SendMessageW(c, BM_SETCHECK, check, 0);
    return TRUE;
}
UINT IsDlgButtonChecked(HWND dlg, int id) {
    HWND c = GetDlgItem(dlg, id);
    return c ? static_cast<UINT>(SendMessageW(c, BM_GETCHECK, 0, 0)) : 0;
}
BOOL CheckRadioButton(HWND dlg, int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id) {
        if (HWND c = GetDlgItem(dlg, id)) SendMessageW(c, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}
