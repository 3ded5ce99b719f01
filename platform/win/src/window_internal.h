// Internal state of the headless windows, shared by the window sources.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/window.h"

namespace win::detail {

// State a standard control keeps beside its window.
struct ControlState {
    virtual ~ControlState() = default;
};

struct Window {
    HWND handle = nullptr;
    std::wstring className;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    RECT rect{};  // the window rectangle: screen for top-level windows, parent client otherwise
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children;  // z-order, top first
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    std::map<int, LONG_PTR> extra;
    std::map<std::wstring, HANDLE> props;
    bool invalid = true;
    bool destroying = false;
    std::unique_ptr<ControlState> control;
};

Window* Find(HWND hwnd);
std::wstring Lower(std::wstring_view s);
RECT FrameInsets(DWORD style, DWORD exStyle);
// Screen position of the window's client origin.
POINT ClientOriginOnScreen(HWND hwnd);

template <class T>
T& State(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w->control) w->control = std::make_unique<T>();
    return static_cast<T&>(*w->control);
}

// Sends a notification to a control's parent.
LRESULT NotifyParentCommand(HWND ctl, WORD code);
LRESULT NotifyParent(HWND ctl, UINT code);

void EnsureStandardClasses();
void NotifyShownInternal(HWND hwnd);
void RegisterSystemClass(const wchar_t* name, WNDPROC proc);
LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ListBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT TabProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ThumbListProc(HWND, UINT, WPARAM, LPARAM);
LRESULT DialogClassProc(HWND, UINT, WPARAM, LPARAM);

// Timers and queued messages of a window that goes away.
void ForgetWindowTimers(HWND hwnd);
void ForgetWindowMessages(HWND hwnd);
void ResetQueueState();
void ResetFocusState(HWND dying);

// Text helpers for the controls.
int CopyOut(const std::wstring& s, LPWSTR buffer, int maxCount);

}  // namespace win::detail
