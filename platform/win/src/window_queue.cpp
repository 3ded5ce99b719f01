// The message queue and the pump.
#include "win/window.h"

#include <cstdio>
#include <deque>

#include "win/timer.h"
#include "window_internal.h"

using namespace win::detail;

namespace {

struct Queue {
    std::deque<MSG> messages;
    win::MessageFilter filter = nullptr;
    bool quit = false;
    int quitCode = 0;
};
Queue& Q() {
    static Queue q;
    return q;
}

bool Matches(const MSG& m, HWND hwnd, UINT lo, UINT hi) {
    if (hwnd && m.hwnd != hwnd && !IsChild(hwnd, m.hwnd)) return false;
    if (lo == 0 && hi == 0) return true;
    return m.message >= lo && m.message <= hi;
}

// Character a key press types: carried in the high word of lParam (what the scripted user
// puts there), else derived from the key.
wchar_t CharOfKey(const MSG& m) {
    auto c = static_cast<wchar_t>(HIWORD(static_cast<UINT_PTR>(m.lParam)));
    if (c) return c;
    switch (m.wParam) {
    case VK_RETURN: return L'\r';
    case VK_BACK: return L'\b';
    case VK_TAB: return L'\t';
    case VK_ESCAPE: return 27;
    case VK_SPACE: return L' ';
    default: break;
    }
    bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (ctrl && m.wParam >= 'A' && m.wParam <= 'Z') return static_cast<wchar_t>(m.wParam - 'A' + 1);
    return 0;
}

}  // namespace

namespace win::detail {
void ForgetWindowMessages(HWND hwnd) {
    auto& q = Q().messages;
    for (auto it = q.begin(); it != q.end();) {
        if (it->hwnd == hwnd) it = q.erase(it);
        else ++it;
    }
}
void ResetQueueState() {
    Q().messages.clear();
    Q().quit = false;
    ResetFocusState(nullptr);
}
}  // namespace win::detail

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !Find(hwnd)) {
        SetLastError(1400);
        return FALSE;
    }
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    GetCursorPos(&m.pt);
    Q().messages.push_back(m);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Q().quitCode = exitCode;
    PostMessageW(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

BOOL PeekMessageW(MSG* msg, HWND hwnd, UINT lo, UINT hi, UINT remove) {
    auto& q = Q().messages;
    for (auto it = q.begin(); it != q.end(); ++it) {
        if (!Matches(*it, hwnd, lo, hi)) continue;
        if (msg) *msg = *it;
        if (remove & PM_REMOVE) q.erase(it);
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageW(MSG* msg, HWND hwnd, UINT lo, UINT hi) {
    MSG m;
    if (!PeekMessageW(&m, hwnd, lo, hi, PM_REMOVE)) return FALSE;
    if (msg) *msg = m;
    return m.message != WM_QUIT;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    wchar_t c = CharOfKey(*msg);
    if (!c) return FALSE;
    MSG ch = *msg;
    ch.message = WM_CHAR;
    ch.wParam = static_cast<WPARAM>(c);
    Q().messages.push_front(ch);
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (!msg->hwnd) return 0;
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

namespace win {

void SetMessageFilter(MessageFilter filter) { Q().filter = filter; }
MessageFilter GetMessageFilter() { return Q().filter; }

bool PumpOneMessage() {
    auto& q = Q().messages;
    if (q.empty() || q.front().message == WM_QUIT) return false;
    MSG m = q.front();
    q.pop_front();
    if (Q().filter && Q().filter(m)) return true;
    TranslateMessage(&m);
    DispatchMessageW(&m);
    return true;
}

namespace {
// Sends WM_PAINT to visible windows that were invalidated; true when any was painted.
bool PaintPass() {
    bool any = false;
    for (int i = 0; i < LiveWindowCount(); ++i) {
        HWND h = WindowAtIndex(i);
        Window* w = Find(h);
        if (!w || !w->invalid || !IsWindowVisible(h)) continue;
        w->invalid = false;
        SendMessageW(h, WM_PAINT, 0, 0);
        any = true;
    }
    return any;
}
}  // namespace

int PumpMessages() {
    constexpr int kLimit = 200000;
    int n = 0;
    for (int rounds = 0; rounds < 64; ++rounds) {
        while (PumpOneMessage()) {
            if (++n >= kLimit) {
                std::fputs("PumpMessages: message flood, stopping\n", stderr);
                return n;
            }
        }
        if (!PaintPass() || Q().messages.empty()) break;
    }
    return n;
}

std::size_t QueuedMessageCount() { return Q().messages.size(); }
void ClearMessageQueue() { Q().messages.clear(); }

}  // namespace win
