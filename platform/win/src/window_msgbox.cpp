// Message boxes: recorded, answered by a hook or with the default button.
#include "win/msgbox.h"

#include <algorithm>
#include <cstdio>

#include "win/encoding.h"

namespace {
struct Boxes {
    std::vector<win::MessageBoxRecord> log;
    win::MessageBoxHook hook = nullptr;
    void* context = nullptr;
};
Boxes& B() {
    static Boxes b;
    return b;
}
}  // namespace

namespace win {

std::vector<int> MessageBoxButtons(UINT flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

int MessageBoxDefaultButton(UINT flags) {
    auto buttons = MessageBoxButtons(flags);
    std::size_t index = (flags & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

void SetMessageBoxHook(MessageBoxHook hook, void* context) {
    B().hook = hook;
    B().context = context;
}
const std::vector<MessageBoxRecord>& MessageBoxLog() { return B().log; }
void ClearMessageBoxLog() { B().log.clear(); }

}  // namespace win

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags) {
    win::MessageBoxRecord rec;
    rec.owner = owner;
    rec.caption = caption ? caption : L"Error";
    rec.text = text ? text : L"";
    rec.flags = flags;
    int answer = win::MessageBoxDefaultButton(flags);
    if (B().hook) {
        int chosen = B().hook(rec, B().context);
        auto buttons = win::MessageBoxButtons(flags);
        if (std::find(buttons.begin(), buttons.end(), chosen) != buttons.end()) answer = chosen;
    } else {
        std::string line = "[" + Utf8FromWide(rec.caption) + "] " + Utf8FromWide(rec.text) + "\n";
        std::fputs(line.c_str(), stderr);
    }
    rec.answer = answer;
    B().log.push_back(std::move(rec));
    return answer;
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    std::wstring t = WideFromAnsi(text ? text : "");
    std::wstring c = WideFromAnsi(caption ? caption : "");
    return MessageBoxW(owner, t.c_str(), caption ? c.c_str() : nullptr, flags);
}
