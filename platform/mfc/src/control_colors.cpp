#include "mfc/control_colors.h"

#include <vector>

#include "mfc/cwnd.h"
#include "win/encoding.h"
#include "win/window.h"

namespace {

CBrush* Stock(int index) {
    static CBrush white(RGB(255, 255, 255)), light(RGB(192, 192, 192)), gray(RGB(128, 128, 128)),
        black(RGB(0, 0, 0)), none(RGB(0, 0, 0));
    switch (index) {
    case WHITE_BRUSH: return &white;
    case LTGRAY_BRUSH: return &light;
    case GRAY_BRUSH: return &gray;
    case BLACK_BRUSH: return &black;
    case NULL_BRUSH: return &none;
    default: return nullptr;
    }
}

std::vector<CDC*>& Queries() {
    static std::vector<CDC*> q;
    return q;
}

bool ClassIs(HWND h, const wchar_t* name) {
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    return EqualNoCase(cls, name);
}

UINT KindOf(HWND h, UINT& msg) {
    auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    if (ClassIs(h, WC_DIALOG)) return msg = WM_CTLCOLORDLG, CTLCOLOR_DLG;
    if (ClassIs(h, WC_EDIT) || ClassIs(h, WC_RICHEDIT) || ClassIs(h, WC_COMBOBOX)) {
        if ((style & ES_READONLY) || (style & WS_DISABLED)) return msg = WM_CTLCOLORSTATIC, CTLCOLOR_STATIC;
        return msg = WM_CTLCOLOREDIT, CTLCOLOR_EDIT;
    }
    if (ClassIs(h, WC_LISTBOX)) return msg = WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX;
    if (ClassIs(h, WC_BUTTON)) {
        DWORD k = style & BS_TYPEMASK;
        if (k == BS_PUSHBUTTON || k == BS_DEFPUSHBUTTON || k == BS_OWNERDRAW || (style & BS_PUSHLIKE))
            return msg = WM_CTLCOLORBTN, CTLCOLOR_BTN;
    }
    return msg = WM_CTLCOLORSTATIC, CTLCOLOR_STATIC;
}

}  // namespace

HBRUSH GetStockBrush(int index) {
    CBrush* b = Stock(index);
    return b ? static_cast<HBRUSH>(*b) : nullptr;
}

namespace mfc {

CDC* ColorQueryDC(HDC hdc) {
    for (CDC* dc : Queries()) {
        if (dc->m_hDC == hdc) return dc;
    }
    return nullptr;
}

ControlColors QueryControlColors(HWND control) {
    ControlColors out;
    if (!IsWindow(control)) return out;
    UINT msg = 0;
    out.kind = KindOf(control, msg);
    HWND to = out.kind == CTLCOLOR_DLG ? control : GetParent(control);
    if (!to) return out;
    CDC dc;
    dc.m_hDC = reinterpret_cast<HDC>(&dc);  // a handle no other context has
    Queries().push_back(&dc);
    LRESULT brush = SendMessageW(to, msg, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(control));
    Queries().pop_back();
    out.text = dc.GetTextColor();
    out.background = dc.GetBkColor();
    out.transparent = dc.GetBkMode() == TRANSPARENT;
    if (brush) {
        out.answered = true;
        auto* b = reinterpret_cast<CBrush*>(brush);
        out.nullBrush = b == Stock(NULL_BRUSH);
        if (!out.nullBrush) out.brush = b->color();
    }
    dc.m_hDC = nullptr;
    return out;
}

}  // namespace mfc
