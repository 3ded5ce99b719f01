// Input as a person makes it: posted mouse and key messages, pumped through the queue.
#include "mfc/user_input.h"

#include <cstdio>

#include "win/encoding.h"
#include "win/window.h"

namespace mfc {
namespace {

struct Reporter {
    FailureReporter fn = nullptr;
    void* context = nullptr;
};
Reporter& Rep() {
    static Reporter r;
    return r;
}

std::string Describe(HWND h) {
    if (!IsWindow(h)) return "a window that no longer exists";
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    wchar_t text[128] = {};
    GetWindowTextW(h, text, 128);
    std::string s = Utf8FromWide(cls) + " #" + std::to_string(GetDlgCtrlID(h)) + " \"" + Utf8FromWide(text) + "\"";
    HWND root = GetAncestor(h, GA_ROOT);
    if (root && root != h) {
        wchar_t cap[128] = {};
        GetWindowTextW(root, cap, 128);
        s += " in \"" + Utf8FromWide(cap) + "\"";
    }
    return s;
}

// Input reaches only live, visible windows whose chain of parents is enabled.
bool Reachable(HWND h, const char* action) {
    if (!IsWindow(h)) {
        ReportInputFailure(std::string(action) + ": the window does not exist");
        return false;
    }
    if (!IsWindowVisible(h)) {
        ReportInputFailure(std::string(action) + ": " + Describe(h) + " is hidden");
        return false;
    }
    for (HWND c = h; c; c = (GetWindowLongPtrW(c, GWL_STYLE) & WS_CHILD) ? GetParent(c) : nullptr) {
        if (!IsWindowEnabled(c)) {
            ReportInputFailure(std::string(action) + ": " + Describe(h) + " is disabled");
            return false;
        }
    }
    return true;
}

struct HeldMods {
    explicit HeldMods(Mods m) : mods(m) { Set(true); }
    ~HeldMods() { Set(false); }
    void Set(bool down) const {
        if (mods & kShift) win::SetKeyDown(VK_SHIFT, down);
        if (mods & kCtrl) win::SetKeyDown(VK_CONTROL, down);
        if (mods & kAlt) win::SetKeyDown(VK_MENU, down);
    }
    Mods mods;
};

WPARAM MouseFlags(Mods mods, WPARAM buttons) {
    WPARAM f = buttons;
    if (mods & kShift) f |= MK_SHIFT;
    if (mods & kCtrl) f |= MK_CONTROL;
    return f;
}

void PostMouse(HWND h, UINT msg, POINT pt, WPARAM flags) {
    POINT screen = pt;
    ClientToScreen(h, &screen);
    win::SetCursorScreenPos(screen);
    PostMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, static_cast<WORD>(msg)));
    PostMessageW(h, msg, flags, PointToLParam(pt.x, pt.y));
}

POINT Centre(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    return POINT{r.right / 2, r.bottom / 2};
}

UINT VkOf(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<UINT>(c - L'a' + 'A');
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<UINT>(c);
    switch (c) {
    case L' ': return VK_SPACE;
    case L'\r': case L'\n': return VK_RETURN;
    case L'\t': return VK_TAB;
    case L'\b': return VK_BACK;
    default: return 0xE7;  // a character without a key of its own
    }
}

HWND KeyTarget() {
    HWND f = GetFocus();
    return f ? f : GetActiveWindow();
}

void PostKey(HWND target, UINT vk, wchar_t ch, bool alt) {
    LPARAM lp = static_cast<LPARAM>(1 | (static_cast<UINT_PTR>(ch) << 16));
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lp);
    win::PumpMessages();
    if (IsWindow(target)) {
        PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, lp | static_cast<LPARAM>(0xC0000000u));
        win::PumpMessages();
    }
}

void TypeChars(HWND h, std::wstring_view text) {
    for (wchar_t c : text) {
        HWND target = KeyTarget();
        if (!target) {
            ReportInputFailure("typing: no window has the focus");
            return;
        }
        if (c == L'\n') c = L'\r';
        bool upper = c >= L'A' && c <= L'Z';
        HeldMods held(upper ? kShift : kNoMods);
        PostKey(target, VkOf(c), c, false);
        if (!IsWindow(h)) return;
    }
}

bool IsClass(HWND h, const wchar_t* name) {
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    return EqualNoCase(cls, name);
}

}  // namespace

void SetInputFailureReporter(FailureReporter reporter, void* context) {
    Rep().fn = reporter;
    Rep().context = context;
}

void ReportInputFailure(const std::string& message) {
    if (Rep().fn) Rep().fn(message, Rep().context);
    else std::fprintf(stderr, "scripted input: %s\n", message.c_str());
}

namespace input {

bool ClickAt(HWND h, POINT pt, Mods mods, MouseButton button) {
    if (!Reachable(h, "click")) return false;
    HeldMods held(mods);
    bool left = button == MouseButton::Left;
    PostMouse(h, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, pt, MouseFlags(mods, left ? MK_LBUTTON : MK_RBUTTON));
    win::PumpMessages();
    HWND up = GetCapture() ? GetCapture() : h;
    if (!IsWindow(up)) return true;
    POINT p = pt;
    if (up != h) MapWindowPoints(h, up, &p, 1);
    PostMouse(up, left ? WM_LBUTTONUP : WM_RBUTTONUP, p, MouseFlags(mods, 0));
    win::PumpMessages();
    return true;
}

bool Click(HWND h, Mods mods) {
    if (!Reachable(h, "click")) return false;
    return ClickAt(h, Centre(h), mods);
}

bool DoubleClickAt(HWND h, POINT pt, Mods mods) {
    if (!ClickAt(h, pt, mods)) return false;
    if (!IsWindow(h)) return true;
    HeldMods held(mods);
    PostMouse(h, WM_LBUTTONDBLCLK, pt, MouseFlags(mods, MK_LBUTTON));
    win::PumpMessages();
    if (IsWindow(h)) {
        PostMouse(GetCapture() ? GetCapture() : h, WM_LBUTTONUP, pt, MouseFlags(mods, 0));
        win::PumpMessages();
    }
    return true;
}

bool RightClickAt(HWND h, POINT pt, Mods mods) { return ClickAt(h, pt, mods, MouseButton::Right); }

bool MouseDown(HWND h, POINT pt, MouseButton button, Mods mods) {
    if (!Reachable(h, "mouse press")) return false;
    HeldMods held(mods);
    bool left = button == MouseButton::Left;
    PostMouse(h, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, pt, MouseFlags(mods, left ? MK_LBUTTON : MK_RBUTTON));
    win::PumpMessages();
    return true;
}

bool MouseMove(HWND h, POINT pt, Mods mods) {
    if (!IsWindow(h)) {
        ReportInputFailure("mouse move: the window does not exist");
        return false;
    }
    HeldMods held(mods);
    HWND target = GetCapture() ? GetCapture() : h;
    POINT p = pt;
    if (target != h) MapWindowPoints(h, target, &p, 1);
    PostMouse(target, WM_MOUSEMOVE, p, MouseFlags(mods, GetCapture() ? MK_LBUTTON : 0));
    win::PumpMessages();
    return true;
}

bool MouseUp(HWND h, POINT pt, MouseButton button, Mods mods) {
    if (!IsWindow(h)) {
        ReportInputFailure("mouse release: the window does not exist");
        return false;
    }
    HeldMods held(mods);
    HWND target = GetCapture() ? GetCapture() : h;
    POINT p = pt;
    if (target != h) MapWindowPoints(h, target, &p, 1);
    PostMouse(target, button == MouseButton::Left ? WM_LBUTTONUP : WM_RBUTTONUP, p, MouseFlags(mods, 0));
    win::PumpMessages();
    return true;
}

bool Drag(HWND h, POINT from, POINT to, Mods mods, MouseButton button, int steps) {
    if (!Reachable(h, "drag")) return false;
    HeldMods held(mods);
    bool left = button == MouseButton::Left;
    WPARAM down = left ? MK_LBUTTON : MK_RBUTTON;
    PostMouse(h, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, from, MouseFlags(mods, down));
    if (steps < 1) steps = 1;
    for (int i = 1; i <= steps; ++i) {
        POINT p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        PostMouse(h, WM_MOUSEMOVE, p, MouseFlags(mods, down));
    }
    PostMouse(h, left ? WM_LBUTTONUP : WM_RBUTTONUP, to, MouseFlags(mods, 0));
    win::PumpMessages();
    return true;
}

bool PressKey(UINT vk, Mods mods, HWND target) {
    if (target) {
        if (!Reachable(target, "key press")) return false;
        if (GetFocus() != target) SetFocus(target);
    }
    HWND to = KeyTarget();
    if (!to) {
        ReportInputFailure("key press: no window has the focus");
        return false;
    }
    HeldMods held(mods);
    wchar_t ch = 0;
    if (!(mods & (kCtrl | kAlt))) {
        if (vk >= 'A' && vk <= 'Z') ch = static_cast<wchar_t>((mods & kShift) ? vk : vk + 32);
        else if (vk >= '0' && vk <= '9') ch = static_cast<wchar_t>(vk);
    }
    PostKey(to, vk, ch, (mods & kAlt) != 0);
    return true;
}

bool TypeText(HWND h, std::wstring_view text) {
    if (!Reachable(h, "typing")) return false;
    if (IsClass(h, L"Edit") || IsClass(h, L"RichEdit20W")) {
        RECT r;
        GetClientRect(h, &r);
        ClickAt(h, POINT{r.right > 0 ? r.right - 1 : 0, r.bottom / 2});  // the caret goes to the end
    } else if (GetFocus() != h) {
        SetFocus(h);
    }
    if (!IsWindow(h)) return false;
    TypeChars(h, text);
    return true;
}

bool ReplaceText(HWND h, std::wstring_view text) {
    if (!Reachable(h, "typing")) return false;
    if (GetFocus() != h) SetFocus(h);
    if (IsClass(h, L"ComboBox")) {
        SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    } else {
        PressKey(VK_HOME, kNoMods);
        PressKey(VK_END, kShift);
    }
    if (text.empty()) {
        PressKey(VK_DELETE, kNoMods);
        return true;
    }
    TypeChars(h, text);
    return true;
}

bool PickComboItem(HWND combo, int index) {
    if (!Reachable(combo, "combo pick")) return false;
    auto n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= n) {
        ReportInputFailure("combo pick: " + Describe(combo) + " has no item " + std::to_string(index) + " (" +
                           std::to_string(n) + " items)");
        return false;
    }
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) Click(combo);
    if (!IsWindow(combo)) return false;
    PostMessageW(combo, TQ_CB_USERPICK, static_cast<WPARAM>(index), 0);
    win::PumpMessages();
    return true;
}

bool PickComboItem(HWND combo, std::wstring_view text) {
    if (!Reachable(combo, "combo pick")) return false;
    auto n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    std::string items;
    for (int i = 0; i < n; ++i) {
        auto len = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring s(static_cast<std::size_t>(len) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
        s.resize(static_cast<std::size_t>(len));
        if (s == text) return PickComboItem(combo, i);
        items += (i ? ", \"" : "\"") + Utf8FromWide(s) + "\"";
    }
    ReportInputFailure("combo pick: " + Describe(combo) + " has no item \"" + Utf8FromWide(text) + "\" (items: " +
                       items + ")");
    return false;
}

bool PickListItem(HWND list, int index, Mods mods) {
    if (!Reachable(list, "list pick")) return false;
    auto n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (index < 0 || index >= n) {
        ReportInputFailure("list pick: " + Describe(list) + " has no item " + std::to_string(index));
        return false;
    }
    HeldMods held(mods);
    PostMessageW(list, TQ_LB_USERPICK, static_cast<WPARAM>(index), 0);
    win::PumpMessages();
    return true;
}

bool SelectTab(HWND tab, int index) {
    if (!Reachable(tab, "tab select")) return false;
    RECT r{};
    if (!SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) {
        ReportInputFailure("tab select: " + Describe(tab) + " has no tab " + std::to_string(index));
        return false;
    }
    return ClickAt(tab, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

namespace {
std::wstring ComboItemText(HWND combo, int i) {
    auto len = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring s(static_cast<std::size_t>(len < 0 ? 0 : len) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(len < 0 ? 0 : len));
    return s;
}
}  // namespace

bool TickCheckComboItem(HWND combo, int index) {
    if (!Reachable(combo, "check combo tick")) return false;
    if (!SendMessageW(combo, TQ_CB_ISCHECKLIST, 0, 0)) {
        ReportInputFailure("check combo tick: " + Describe(combo) + " shows no check marks");
        return false;
    }
    auto n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= n) {
        ReportInputFailure("check combo tick: " + Describe(combo) + " has no item " + std::to_string(index) + " (" +
                           std::to_string(n) + " items)");
        return false;
    }
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) Click(combo);
    if (!IsWindow(combo)) return false;
    PostMessageW(combo, TQ_CB_USERCHECK, static_cast<WPARAM>(index), 0);
    win::PumpMessages();
    // The list closes when the user clicks beside it.
    if (IsWindow(combo) && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        PostMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        win::PumpMessages();
    }
    return true;
}

bool TickCheckComboItem(HWND combo, std::wstring_view text) {
    if (!Reachable(combo, "check combo tick")) return false;
    auto n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    std::string items;
    for (int i = 0; i < n; ++i) {
        std::wstring s = ComboItemText(combo, i);
        if (s == text) return TickCheckComboItem(combo, i);
        items += (i ? ", \"" : "\"") + Utf8FromWide(s) + "\"";
    }
    ReportInputFailure("check combo tick: " + Describe(combo) + " has no item \"" + Utf8FromWide(text) +
                       "\" (items: " + items + ")");
    return false;
}

bool PickThumbnail(HWND list, int index, bool doubleClick) {
    if (!Reachable(list, "thumbnail pick")) return false;
    RECT r{};
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) {
        ReportInputFailure("thumbnail pick: " + Describe(list) + " has no item " + std::to_string(index) + " (" +
                           std::to_string(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) + " items)");
        return false;
    }
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return doubleClick ? DoubleClickAt(list, centre) : ClickAt(list, centre);
}

bool CloseWindow(HWND h) {
    if (!Reachable(h, "close")) return false;
    PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    win::PumpMessages();
    return true;
}

}  // namespace input
}  // namespace mfc
