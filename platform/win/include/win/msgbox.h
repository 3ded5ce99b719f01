// Message boxes. Every box is recorded (owner, caption, text, flags). A hook (the scripted
// user) answers it; without a hook the box is written to standard error as "[caption] text"
// and answered with its default button.
#pragma once

#include <string>
#include <vector>

#include "win/types.h"

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);  // Latin-1 bytes widened

namespace win {

struct MessageBoxRecord {
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
    UINT flags = 0;
    int answer = 0;
};

// The buttons a box with these flags shows, in order, and the one pressed by default.
std::vector<int> MessageBoxButtons(UINT flags);
int MessageBoxDefaultButton(UINT flags);

// The hook returns the button pressed; a value that is not a button of the box counts as the
// default button.
using MessageBoxHook = int (*)(const MessageBoxRecord& box, void* context);
void SetMessageBoxHook(MessageBoxHook hook, void* context);

const std::vector<MessageBoxRecord>& MessageBoxLog();
void ClearMessageBoxLog();

}  // namespace win
