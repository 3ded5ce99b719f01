// The "Edit" class (also the rich edit class): text with a selection, typed characters,
// caret keys with Shift selection, read-only and multi-line styles.
#include <algorithm>
#include <cwctype>

#include "window_internal.h"

namespace win::detail {
namespace {

struct EditState : ControlState {
    int selStart = 0;
    int selEnd = 0;
    int anchor = 0;
    bool modified = false;
    int limit = 0;
};

std::wstring& Text(HWND h) { return Find(h)->text; }

void Changed(HWND h) {
    State<EditState>(h).modified = true;
    InvalidateRect(h, nullptr, TRUE);
    NotifyParentCommand(h, EN_UPDATE);
    if (Find(h)) NotifyParentCommand(h, EN_CHANGE);
}

void Clamp(HWND h) {
    auto& st = State<EditState>(h);
    int n = static_cast<int>(Text(h).size());
    st.selStart = std::clamp(st.selStart, 0, n);
    st.selEnd = std::clamp(st.selEnd, 0, n);
    if (st.selStart > st.selEnd) std::swap(st.selStart, st.selEnd);
}

// Replaces the selection with s; false when the limit refuses it.
bool Replace(HWND h, std::wstring s) {
    Window* w = Find(h);
    auto& st = State<EditState>(h);
    Clamp(h);
    if (w->style & ES_UPPERCASE) for (auto& c : s) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    if (w->style & ES_LOWERCASE) for (auto& c : s) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    std::wstring& t = w->text;
    int newLen = static_cast<int>(t.size()) - (st.selEnd - st.selStart) + static_cast<int>(s.size());
    if (st.limit > 0 && newLen > st.limit) return false;
    t.replace(static_cast<std::size_t>(st.selStart), static_cast<std::size_t>(st.selEnd - st.selStart), s);
    st.selStart = st.selEnd = st.anchor = st.selStart + static_cast<int>(s.size());
    return true;
}

void MoveCaret(HWND h, int pos, bool extend) {
    auto& st = State<EditState>(h);
    int n = static_cast<int>(Text(h).size());
    pos = std::clamp(pos, 0, n);
    if (!extend) {
        st.anchor = pos;
        st.selStart = st.selEnd = pos;
    } else {
        st.selStart = std::min(st.anchor, pos);
        st.selEnd = std::max(st.anchor, pos);
    }
}

int Caret(HWND h) {
    auto& st = State<EditState>(h);
    return st.anchor == st.selStart ? st.selEnd : st.selStart;
}

}  // namespace

LRESULT EditProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = Find(h);
    if (!w) return 0;
    switch (msg) {
    case WM_SETTEXT: {
        w->text = lp ? reinterpret_cast<LPCWSTR>(lp) : L"";
        auto& st = State<EditState>(h);
        st.selStart = st.selEnd = st.anchor = 0;
        st.modified = false;
        NotifyParentCommand(h, EN_UPDATE);
        if (Find(h)) NotifyParentCommand(h, EN_CHANGE);
        return TRUE;
    }
    case EM_GETSEL: {
        auto& st = State<EditState>(h);
        Clamp(h);
        if (wp) *reinterpret_cast<DWORD*>(wp) = static_cast<DWORD>(st.selStart);
        if (lp) *reinterpret_cast<DWORD*>(lp) = static_cast<DWORD>(st.selEnd);
        return MAKELONG(static_cast<WORD>(st.selStart), static_cast<WORD>(st.selEnd));
    }
    case EM_SETSEL: {
        auto& st = State<EditState>(h);
        int n = static_cast<int>(w->text.size());
        auto s = static_cast<int>(static_cast<INT_PTR>(wp));
        auto e = static_cast<int>(lp);
        if (s == -1) {
            s = e = Caret(h);
        } else {
            if (s < 0 || s > n) s = n;
            if (e < 0 || e > n) e = n;
        }
        st.anchor = s;
        st.selStart = std::min(s, e);
        st.selEnd = std::max(s, e);
        return 0;
    }
    case EM_REPLACESEL:
        if (Replace(h, lp ? reinterpret_cast<LPCWSTR>(lp) : L"")) Changed(h);
        return 0;
    case EM_SETREADONLY:
        if (wp) w->style |= ES_READONLY;
        else w->style &= ~ES_READONLY;
        return TRUE;
    case EM_LIMITTEXT: State<EditState>(h).limit = static_cast<int>(wp); return 0;
    case EM_GETMODIFY: return State<EditState>(h).modified ? TRUE : FALSE;
    case EM_SETMODIFY: State<EditState>(h).modified = wp != 0; return 0;
    case EM_GETLINECOUNT: {
        if (!(w->style & ES_MULTILINE)) return 1;
        return 1 + std::count(w->text.begin(), w->text.end(), L'\n');
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if ((w->style & ES_MULTILINE) && (w->style & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETFOCUS:
        NotifyParentCommand(h, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParentCommand(h, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(h);
        if (Find(h)) MoveCaret(h, static_cast<int>(Find(h)->text.size()), false);
        return 0;
    case WM_LBUTTONDBLCLK: {
        SetFocus(h);
        auto& st = State<EditState>(h);
        st.anchor = 0;
        st.selStart = 0;
        st.selEnd = static_cast<int>(Find(h)->text.size());
        return 0;
    }
    case WM_KEYDOWN: {
        bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        int caret = Caret(h);
        int n = static_cast<int>(w->text.size());
        switch (wp) {
        case VK_LEFT: MoveCaret(h, caret - 1, shift); return 0;
        case VK_RIGHT: MoveCaret(h, caret + 1, shift); return 0;
        case VK_HOME: MoveCaret(h, 0, shift); return 0;
        case VK_END: MoveCaret(h, n, shift); return 0;
        case VK_DELETE: {
            if (w->style & ES_READONLY) return 0;
            auto& st = State<EditState>(h);
            Clamp(h);
            if (st.selStart == st.selEnd) {
                if (st.selEnd >= n) return 0;
                st.selEnd++;
            }
            if (Replace(h, L"")) Changed(h);
            return 0;
        }
        default:
            if (ctrl && wp == 'A') {
                MoveCaret(h, 0, false);
                MoveCaret(h, n, true);
            }
            return 0;
        }
    }
    case WM_CHAR: {
        auto c = static_cast<wchar_t>(wp);
        if (w->style & ES_READONLY) return 0;
        auto& st = State<EditState>(h);
        Clamp(h);
        if (c == L'\b') {
            if (st.selStart == st.selEnd) {
                if (st.selStart == 0) return 0;
                st.selStart--;
            }
            if (Replace(h, L"")) Changed(h);
            return 0;
        }
        if (c == L'\r') {
            if (!(w->style & ES_MULTILINE)) return 0;
            if (Replace(h, L"\r\n")) Changed(h);
            return 0;
        }
        if (c == L'\t' && !(w->style & ES_MULTILINE)) return 0;
        if (c < 0x20 && c != L'\t') return 0;
        if ((w->style & ES_NUMBER) && (c < L'0' || c > L'9')) return 0;
        if (Replace(h, std::wstring(1, c))) Changed(h);
        return 0;
    }
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace win::detail
