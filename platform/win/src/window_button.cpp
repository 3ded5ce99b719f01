// The "Button" class: push buttons, check boxes (two and three states), radio buttons,
// group boxes; icons and bitmaps as images.
#include <algorithm>

#include "window_internal.h"

namespace win::detail {
namespace {

struct ButtonState : ControlState {
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;
    bool spaceDown = false;
    HANDLE image[2] = {nullptr, nullptr};
};

DWORD Kind(HWND h) { return Find(h)->style & BS_TYPEMASK; }
bool IsRadio(DWORD k) { return k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON; }

// Checks this auto radio button and unchecks the others of its group.
void CheckRadioGroup(HWND h) {
    Window* w = Find(h);
    if (!w->parent) return;
    auto& sib = Find(w->parent)->children;
    auto self = std::find(sib.begin(), sib.end(), h);
    auto begin = self;
    while (begin != sib.begin() && !(Find(*begin)->style & WS_GROUP)) --begin;
    auto end = self + 1;
    while (end != sib.end() && !(Find(*end)->style & WS_GROUP)) ++end;
    for (auto it = begin; it != end; ++it) {
        Window* o = Find(*it);
        if (o->className == WC_BUTTON && IsRadio(o->style & BS_TYPEMASK)) {
            SendMessageW(*it, BM_SETCHECK, *it == h ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void Clicked(HWND h) {
    auto& st = State<ButtonState>(h);
    switch (Kind(h)) {
    case BS_AUTOCHECKBOX: st.check = st.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: st.check = (st.check + 1) % 3; break;
    case BS_AUTORADIOBUTTON: CheckRadioGroup(h); break;
    default: break;
    }
    InvalidateRect(h, nullptr, TRUE);
    NotifyParentCommand(h, BN_CLICKED);
}

}  // namespace

LRESULT ButtonProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (!Find(h)) return 0;
    switch (msg) {
    case BM_GETCHECK: return static_cast<LRESULT>(State<ButtonState>(h).check);
    case BM_SETCHECK: {
        auto& st = State<ButtonState>(h);
        DWORD k = Kind(h);
        WPARAM v = wp;
        if (k != BS_3STATE && k != BS_AUTO3STATE && v == BST_INDETERMINATE) v = BST_CHECKED;
        if (k == BS_PUSHBUTTON || k == BS_DEFPUSHBUTTON || k == BS_GROUPBOX) v = BST_UNCHECKED;
        if (v != st.check) InvalidateRect(h, nullptr, TRUE);
        st.check = std::min<WPARAM>(v, BST_INDETERMINATE);
        return 0;
    }
    case BM_GETSTATE: {
        auto& st = State<ButtonState>(h);
        return static_cast<LRESULT>(st.check | (st.pushed ? 0x4 : 0) | (GetFocus() == h ? 0x8 : 0));
    }
    case BM_SETSTATE: State<ButtonState>(h).pushed = wp != 0; return 0;
    case BM_SETSTYLE: {
        Window* w = Find(h);
        w->style = (w->style & ~0xFFFFu) | (static_cast<DWORD>(wp) & 0xFFFFu);
        return 0;
    }
    case BM_CLICK:
        if (IsWindowEnabled(h)) Clicked(h);
        return 0;
    case BM_SETIMAGE: {
        auto& st = State<ButtonState>(h);
        int i = wp == IMAGE_ICON ? 1 : 0;
        HANDLE old = st.image[i];
        st.image[i] = reinterpret_cast<HANDLE>(lp);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE: return reinterpret_cast<LRESULT>(State<ButtonState>(h).image[wp == IMAGE_ICON ? 1 : 0]);
    case WM_GETDLGCODE: {
        DWORD k = Kind(h);
        if (k == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (k == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        if (IsRadio(k)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (k == BS_GROUPBOX) return DLGC_STATIC;
        return DLGC_BUTTON;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Kind(h) == BS_GROUPBOX) return 0;
        State<ButtonState>(h).pushed = true;
        SetCapture(h);
        if (Kind(h) != BS_GROUPBOX) SetFocus(h);
        return 0;
    case WM_LBUTTONUP: {
        auto& st = State<ButtonState>(h);
        bool was = st.pushed;
        st.pushed = false;
        if (GetCapture() == h) ReleaseCapture();
        RECT rc;
        GetClientRect(h, &rc);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (was && PtInRect(&rc, p)) Clicked(h);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE) State<ButtonState>(h).spaceDown = true;
        return 0;
    case WM_KEYUP:
        if (wp == VK_SPACE && State<ButtonState>(h).spaceDown) {
            State<ButtonState>(h).spaceDown = false;
            Clicked(h);
        }
        return 0;
    case WM_CHAR: return 0;
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

namespace {
struct StaticState : ControlState {
    HANDLE image = nullptr;
};
}  // namespace

LRESULT StaticProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (!Find(h)) return 0;
    switch (msg) {
    case STM_SETICON:
    case STM_SETIMAGE: {
        auto& st = State<StaticState>(h);
        HANDLE old = st.image;
        st.image = reinterpret_cast<HANDLE>(msg == STM_SETICON ? static_cast<LPARAM>(wp) : lp);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE: return reinterpret_cast<LRESULT>(State<StaticState>(h).image);
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONUP:
        if (Find(h)->style & SS_NOTIFY) NotifyParentCommand(h, STN_CLICKED);
        return 0;
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace win::detail
