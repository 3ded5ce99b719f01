// Timers on the virtual clock.
#include "win/timer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "win/window.h"
#include "window_internal.h"

namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
    std::uint64_t seq;
};
struct Clock {
    DWORD now = 0;
    std::vector<Timer> timers;
    UINT_PTR nextThreadId = 0x7F00;
    std::uint64_t seq = 0;
};
Clock& C() {
    static Clock c;
    return c;
}
constexpr UINT kMinimumElapse = 10;

}  // namespace

namespace win::detail {
void ForgetWindowTimers(HWND hwnd) {
    auto& t = C().timers;
    t.erase(std::remove_if(t.begin(), t.end(), [&](const Timer& x) { return x.hwnd == hwnd; }), t.end());
}
}  // namespace win::detail

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !IsWindow(hwnd)) {
        SetLastError(1400);
        return 0;
    }
    elapse = std::max(elapse, kMinimumElapse);
    auto& c = C();
    if (hwnd || id) {
        for (auto& t : c.timers) {
            if (t.hwnd == hwnd && t.id == id) {
                t.elapse = elapse;
                t.proc = proc;
                t.due = c.now + elapse;
                t.seq = ++c.seq;
                return hwnd ? (id ? id : 1) : id;
            }
        }
    }
    if (!hwnd) id = ++c.nextThreadId;
    c.timers.push_back(Timer{hwnd, id, elapse, proc, c.now + elapse, ++c.seq});
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& t = C().timers;
    auto it = std::find_if(t.begin(), t.end(), [&](const Timer& x) { return x.hwnd == hwnd && x.id == id; });
    if (it == t.end()) return FALSE;
    t.erase(it);
    return TRUE;
}

DWORD GetTickCount() { return C().now; }

namespace win {

DWORD VirtualNow() { return C().now; }

void AdvanceVirtualTime(DWORD ms) {
    auto& c = C();
    const DWORD target = c.now + ms;
    for (;;) {
        Timer* next = nullptr;
        for (auto& t : c.timers) {
            if (t.due > target) continue;
            if (!next || t.due < next->due || (t.due == next->due && t.seq < next->seq)) next = &t;
        }
        if (!next) break;
        c.now = next->due;
        next->due += next->elapse;
        next->seq = ++c.seq;
        PostMessageW(next->hwnd, WM_TIMER, next->id, reinterpret_cast<LPARAM>(next->proc));
        PumpMessages();
    }
    c.now = target;
    PumpMessages();
}

int ActiveTimerCount() { return static_cast<int>(C().timers.size()); }

void ResetTimers() {
    C().timers.clear();
    C().now = 0;
}

}  // namespace win
