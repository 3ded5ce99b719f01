// The dialog class "#32770" and the dialog manager keys (IsDialogMessage).
#include <algorithm>
#include <vector>

#include "window_internal.h"

namespace win::detail {

LRESULT DialogClassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefDlgProcW(h, msg, wp, lp); }

}  // namespace win::detail

using namespace win::detail;

namespace {

constexpr int kDefIdSlot = 0x7FF0;

bool Usable(HWND h) { return IsWindowVisible(h) && IsWindowEnabled(h); }
DWORD StyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)); }
bool IsRadioButton(HWND h) {
    DWORD k = StyleOf(h) & BS_TYPEMASK;
    return Find(h)->className == WC_BUTTON && (k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON);
}

// The siblings of ctl from the start of its group (a WS_GROUP window) to the next group.
std::vector<HWND> GroupOf(HWND ctl) {
    Window* w = Find(ctl);
    if (!w || !w->parent) return {ctl};
    auto& sib = Find(w->parent)->children;
    auto self = std::find(sib.begin(), sib.end(), ctl);
    if (self == sib.end()) return {ctl};
    auto begin = self;
    while (begin != sib.begin() && !(StyleOf(*begin) & WS_GROUP)) --begin;
    auto end = self + 1;
    while (end != sib.end() && !(StyleOf(*end) & WS_GROUP)) ++end;
    return std::vector<HWND>(begin, end);
}

// Tab stops of a dialog in order: its children, and the children of child windows that
// hold controls of their own (WS_EX_CONTROLPARENT, such as tab pages). A radio group is
// entered at its checked button.
void CollectStops(HWND parent, std::vector<HWND>& stops) {
    Window* w = Find(parent);
    if (!w) return;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) {
        if (!Find(c) || !Usable(c)) continue;
        if (GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            CollectStops(c, stops);
            continue;
        }
        if (!(StyleOf(c) & WS_TABSTOP)) continue;
        HWND stop = c;
        if (IsRadioButton(c)) {
            for (HWND g : GroupOf(c)) {
                if (IsRadioButton(g) && Usable(g) && SendMessageW(g, BM_GETCHECK, 0, 0) == BST_CHECKED) stop = g;
            }
        }
        if (std::find(stops.begin(), stops.end(), stop) == stops.end()) stops.push_back(stop);
        // Pages may also live inside a control (a tab control's own children).
        std::vector<HWND> inner = Find(c)->children;
        for (HWND g : inner) {
            if (Find(g) && Usable(g) && (GetWindowLongPtrW(g, GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
                CollectStops(g, stops);
        }
    }
}

// The stop of stops that holds hwnd (hwnd itself or its ancestor, or the radio group).
std::size_t StopIndex(const std::vector<HWND>& stops, HWND hwnd) {
    for (HWND cur = hwnd; cur; cur = (StyleOf(cur) & WS_CHILD) ? GetParent(cur) : nullptr) {
        for (std::size_t i = 0; i < stops.size(); ++i) {
            if (stops[i] == cur) return i;
        }
        if (IsRadioButton(cur)) {
            auto group = GroupOf(cur);
            for (std::size_t i = 0; i < stops.size(); ++i) {
                if (std::find(group.begin(), group.end(), stops[i]) != group.end()) return i;
            }
        }
    }
    return stops.size();
}

void FocusControl(HWND target) {
    SetFocus(target);
    if (Find(target) && (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageW(target, EM_SETSEL, 0, -1);
}

void MoveFocus(HWND dlg, HWND from, bool previous) {
    HWND target = GetNextDlgTabItem(dlg, from, previous ? TRUE : FALSE);
    if (target) FocusControl(target);
}

// Arrow keys inside a group: the next usable control of the group, around its end; an
// automatic radio button reached so is checked (and clicked).
void MoveInGroup(HWND from, bool previous) {
    HWND target = GetNextDlgGroupItem(GetParent(from), from, previous ? TRUE : FALSE);
    if (!target || target == from) return;
    FocusControl(target);
    if (Find(target) && IsRadioButton(target) && (StyleOf(target) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        SendMessageW(target, BM_CLICK, 0, 0);
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

namespace {
bool IsControlParentChild(HWND h) {
    return (StyleOf(h) & WS_CHILD) &&
           ((GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) || (StyleOf(h) & DS_CONTROL));
}
// A page (a child dialog holding controls) leaves its keys to the dialog it sits in.
HWND OutermostDialog(HWND dlg) {
    HWND top = dlg;
    for (HWND cur = dlg; cur && IsControlParentChild(top) && (StyleOf(cur) & WS_CHILD);) {
        cur = GetParent(cur);
        if (cur && Find(cur) && Find(cur)->className == WC_DIALOG) top = cur;
    }
    return top;
}
}  // namespace

BOOL IsDialogMessageW(HWND dlg, MSG* msg) {
    if (!msg || !Find(dlg) || !msg->hwnd || (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd))) return FALSE;
    dlg = OutermostDialog(dlg);
    if (msg->message == WM_KEYDOWN) {
        LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        switch (msg->wParam) {
        case VK_TAB:
            if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) break;
            MoveFocus(dlg, msg->hwnd, shift);
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) break;
            MoveInGroup(msg->hwnd, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
            return TRUE;
        case VK_RETURN: {
            if (code & DLGC_WANTALLKEYS) break;
            int id = LOWORD(static_cast<UINT_PTR>(SendMessageW(dlg, DM_GETDEFID, 0, 0)));
            HWND focus = GetFocus();
            if (focus && IsChild(dlg, focus) &&
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

HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous) {
    std::vector<HWND> stops;
    CollectStops(dlg, stops);
    if (stops.empty()) return nullptr;
    std::size_t at = ctl ? StopIndex(stops, ctl) : stops.size();
    std::size_t n = stops.size();
    if (at == n) return previous ? stops.back() : stops.front();
    return stops[previous ? (at + n - 1) % n : (at + 1) % n];
}

HWND GetNextDlgGroupItem(HWND dlg, HWND ctl, BOOL previous) {
    if (!Find(ctl) || !Find(dlg)) return nullptr;
    auto group = GroupOf(ctl);
    auto self = std::find(group.begin(), group.end(), ctl);
    if (self == group.end()) return ctl;
    std::size_t n = group.size(), at = static_cast<std::size_t>(self - group.begin());
    for (std::size_t k = 1; k < n; ++k) {
        HWND c = group[previous ? (at + n - k) % n : (at + k) % n];
        if (Usable(c)) return c;
    }
    return ctl;
}
