// The dialog class "#32770" and the dialog manager keys (IsDialogMessage).
#include <vector>

#include "window_internal.h"

namespace win::detail {

LRESULT DialogClassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefDlgProcW(h, msg, wp, lp); }

}  // namespace win::detail

using namespace win::detail;

namespace {

constexpr int kDefIdSlot = 0x7FF0;

bool TabStop(HWND h) {
    return IsWindowVisible(h) && IsWindowEnabled(h) && (GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP);
}

// The control of dlg that holds hwnd (hwnd itself or its ancestor).
HWND ControlOf(HWND dlg, HWND hwnd) {
    HWND cur = hwnd;
    while (cur && GetParent(cur) != dlg) cur = GetParent(cur);
    return cur;
}

void MoveFocus(HWND dlg, HWND from, bool previous) {
    Window* w = Find(dlg);
    if (!w) return;
    std::vector<HWND> stops;
    for (HWND c : w->children) {
        if (TabStop(c)) stops.push_back(c);
    }
    if (stops.empty()) return;
    HWND ctl = ControlOf(dlg, from);
    std::size_t at = stops.size();
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (stops[i] == ctl) at = i;
    }
    std::size_t next;
    if (at == stops.size()) next = previous ? stops.size() - 1 : 0;
    else next = previous ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
    HWND target = stops[next];
    SetFocus(target);
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
}

void Command(HWND dlg, int id) {
    HWND ctl = GetDlgItem(dlg, id);
    if (ctl && !IsWindowEnabled(ctl)) {
        MessageBeep(0);
        return;
    }
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(ctl));
}

}  // namespace

LRESULT DefDlgProcW(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_CLOSE: Command(dlg, 2); return 0;
    case DM_GETDEFID: {
        LONG_PTR id = GetWindowLongPtrW(dlg, kDefIdSlot);
        return MAKELONG(static_cast<WORD>(id ? id : 1), DC_HASDEFID);
    }
    case DM_SETDEFID: SetWindowLongPtrW(dlg, kDefIdSlot, static_cast<LONG_PTR>(wp)); return TRUE;
    case WM_GETDLGCODE: return 0;
    default: return DefWindowProcW(dlg, msg, wp, lp);
    }
}

BOOL IsDialogMessageW(HWND dlg, MSG* msg) {
    if (!msg || !Find(dlg) || !msg->hwnd || (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd))) return FALSE;
    if (msg->message == WM_KEYDOWN) {
        LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        switch (msg->wParam) {
        case VK_TAB:
            if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) break;
            MoveFocus(dlg, msg->hwnd, shift);
            return TRUE;
        case VK_RETURN: {
            if (code & DLGC_WANTALLKEYS) break;
            int id = LOWORD(static_cast<UINT_PTR>(SendMessageW(dlg, DM_GETDEFID, 0, 0)));
            HWND focus = GetFocus();
            if (focus && GetParent(focus) == dlg &&
                (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
                id = GetDlgCtrlID(focus);
            }
            Command(dlg, id);
            return TRUE;
        }
        case VK_ESCAPE:
            if (code & DLGC_WANTALLKEYS) break;
            Command(dlg, 2);
            return TRUE;
        default: break;
        }
    } else if (msg->message == WM_CHAR) {
        LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        auto c = msg->wParam;
        if ((c == L'\t' && !(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) ||
            ((c == L'\r' || c == 27) && !(code & DLGC_WANTALLKEYS))) {
            return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}
