#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/msgbox.h"
#include "win/timer.h"
#include "win/window.h"

// Every test starts with no windows, timers, queued messages or hooks.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        win::SetMessageBoxHook(nullptr, nullptr);
        win::SetPopupMenuHook(nullptr, nullptr);
        win::SetMessageFilter(nullptr);
        win::DestroyAllWindows();
        win::ResetTimers();
        win::ClearMessageBoxLog();
        win::SetKeyDown(VK_SHIFT, false);
    }
    static HWND Top(const wchar_t* cls = WC_DIALOG, DWORD style = WS_POPUP | WS_VISIBLE) {
        return CreateWindowExW(0, cls, L"top", style, 100, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, const wchar_t* cls, int id, DWORD style, RECT r = {10, 10, 110, 40},
                      const wchar_t* text = L"") {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    }
};

// A window class that records the messages it gets.
struct Recorder {
    static std::vector<std::pair<HWND, UINT>>& log() {
        static std::vector<std::pair<HWND, UINT>> l;
        return l;
    }
    static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        log().emplace_back(h, m);
        return DefWindowProcW(h, m, w, l);
    }
    static void ensure() {
        static bool done = false;
        if (done) return;
        done = true;
        WNDCLASSW wc;
        wc.lpfnWndProc = &Proc;
        wc.lpszClassName = L"TestRecorder";
        RegisterClassW(&wc);
    }
    static int count(UINT msg) {
        int n = 0;
        for (auto& e : log()) n += e.second == msg;
        return n;
    }
};
