// The "SysListView32" class in icon view: a list of thumbnails (a picture and a name per
// item) laid out left to right in rows. A click selects one item (LVN_ITEMCHANGED for the
// item left and the item chosen, then NM_CLICK), a click beside the items clears the
// selection, a double click on an item sends NM_DBLCLK, the arrow keys move the selection.
#include <algorithm>
#include <vector>

#include "window_internal.h"

namespace win::detail {
namespace {

struct Thumb {
    std::wstring text;
    HANDLE image = nullptr;
    LPARAM param = 0;
    bool selected = false;
};

struct ThumbState : ControlState {
    std::vector<Thumb> items;
    int cx = 96, cy = 96;  // picture size of one thumbnail
    int focus = -1;
};

constexpr int kMargin = 8;
constexpr int kCaption = 16;

int Columns(HWND h, const ThumbState& st) {
    RECT rc;
    GetClientRect(h, &rc);
    return std::max(1, (rc.right - kMargin) / (st.cx + kMargin));
}

RECT ItemRect(HWND h, const ThumbState& st, int i) {
    int cols = Columns(h, st);
    int col = i % cols, row = i / cols;
    int x = kMargin + col * (st.cx + kMargin);
    int y = kMargin + row * (st.cy + kCaption + kMargin);
    return RECT{x, y, x + st.cx, y + st.cy + kCaption};
}

bool Valid(const ThumbState& st, WPARAM i) { return static_cast<INT_PTR>(i) >= 0 && i < st.items.size(); }

int Selected(const ThumbState& st) {
    for (std::size_t i = 0; i < st.items.size(); ++i) {
        if (st.items[i].selected) return static_cast<int>(i);
    }
    return -1;
}

LRESULT Notify(HWND h, UINT code, int item, UINT newState, UINT oldState, POINT pt) {
    Window* w = Find(h);
    if (!w || !w->parent) return 0;
    NMLISTVIEW nm;
    nm.hdr.hwndFrom = h;
    nm.hdr.idFrom = static_cast<UINT_PTR>(w->id);
    nm.hdr.code = code;
    nm.iItem = item;
    nm.uNewState = newState;
    nm.uOldState = oldState;
    nm.uChanged = code == LVN_ITEMCHANGED ? LVIF_STATE : 0;
    nm.ptAction = pt;
    auto& st = State<ThumbState>(h);
    if (item >= 0 && item < static_cast<int>(st.items.size())) nm.lParam = st.items[static_cast<std::size_t>(item)].param;
    return SendMessageW(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
}

// Makes index the only selected item (-1: none), notifying each item that changes.
void Select(HWND h, int index, POINT pt) {
    auto& st = State<ThumbState>(h);
    int old = Selected(st);
    if (old == index) return;
    if (old >= 0) {
        st.items[static_cast<std::size_t>(old)].selected = false;
        Notify(h, LVN_ITEMCHANGED, old, 0, LVIS_SELECTED, pt);
        if (!Find(h)) return;
    }
    auto& now = State<ThumbState>(h);
    if (index >= 0 && index < static_cast<int>(now.items.size())) {
        now.items[static_cast<std::size_t>(index)].selected = true;
        now.focus = index;
        Notify(h, LVN_ITEMCHANGED, index, LVIS_SELECTED | LVIS_FOCUSED, 0, pt);
    }
    if (Find(h)) InvalidateRect(h, nullptr, TRUE);
}

int HitTest(HWND h, const ThumbState& st, POINT p) {
    for (int i = 0; i < static_cast<int>(st.items.size()); ++i) {
        RECT r = ItemRect(h, st, i);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

void CopyItemOut(const Thumb& t, LVITEMW& item) {
    if ((item.mask & LVIF_TEXT) && item.pszText) CopyOut(t.text, item.pszText, item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.image = t.image;
    if (item.mask & LVIF_PARAM) item.lParam = t.param;
    if (item.mask & LVIF_STATE) item.state = t.selected ? LVIS_SELECTED : 0;
}

void CopyItemIn(Thumb& t, const LVITEMW& item) {
    if ((item.mask & LVIF_TEXT) && item.pszText) t.text = item.pszText;
    if (item.mask & LVIF_IMAGE) t.image = item.image;
    if (item.mask & LVIF_PARAM) t.param = item.lParam;
}

}  // namespace

LRESULT ThumbListProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (!Find(h)) return 0;
    auto& st = State<ThumbState>(h);
    switch (msg) {
    case LVM_GETITEMCOUNT: return static_cast<LRESULT>(st.items.size());
    case LVM_INSERTITEMW: {
        auto* item = reinterpret_cast<const LVITEMW*>(lp);
        if (!item) return -1;
        Thumb t;
        CopyItemIn(t, *item);
        auto at = static_cast<std::size_t>(std::clamp<int>(item->iItem, 0, static_cast<int>(st.items.size())));
        st.items.insert(st.items.begin() + static_cast<std::ptrdiff_t>(at), t);
        if (st.focus >= static_cast<int>(at)) st.focus++;
        InvalidateRect(h, nullptr, TRUE);
        return static_cast<LRESULT>(at);
    }
    case LVM_SETITEMW:
    case LVM_GETITEMW: {
        auto* item = reinterpret_cast<LVITEMW*>(lp);
        if (!item || !Valid(st, static_cast<WPARAM>(item->iItem))) return FALSE;
        Thumb& t = st.items[static_cast<std::size_t>(item->iItem)];
        if (msg == LVM_GETITEMW) CopyItemOut(t, *item);
        else {
            CopyItemIn(t, *item);
            InvalidateRect(h, nullptr, TRUE);
        }
        return TRUE;
    }
    case LVM_DELETEITEM:
        if (!Valid(st, wp)) return FALSE;
        st.items.erase(st.items.begin() + static_cast<std::ptrdiff_t>(wp));
        if (st.focus == static_cast<int>(wp)) st.focus = -1;
        else if (st.focus > static_cast<int>(wp)) st.focus--;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_DELETEALLITEMS:
        st.items.clear();
        st.focus = -1;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_GETITEMRECT:
        if (!Valid(st, wp) || !lp) return FALSE;
        *reinterpret_cast<RECT*>(lp) = ItemRect(h, st, static_cast<int>(wp));
        return TRUE;
    case LVM_HITTEST: return lp ? HitTest(h, st, *reinterpret_cast<const POINT*>(lp)) : -1;
    case LVM_GETNEXTITEM: {
        int start = static_cast<int>(static_cast<INT_PTR>(wp));
        for (int i = std::max(start + 1, 0); i < static_cast<int>(st.items.size()); ++i) {
            if (!(lp & LVNI_SELECTED) || st.items[static_cast<std::size_t>(i)].selected) return i;
        }
        return -1;
    }
    case LVM_SETITEMSTATE: {
        auto* item = reinterpret_cast<const LVITEMW*>(lp);
        if (!item || !(item->stateMask & LVIS_SELECTED)) return FALSE;
        int index = static_cast<int>(static_cast<INT_PTR>(wp));
        bool select = (item->state & LVIS_SELECTED) != 0;
        if (index == -1) {
            if (!select) Select(h, -1, POINT{});
            return TRUE;
        }
        if (!Valid(st, wp)) return FALSE;
        if (select) Select(h, index, POINT{});
        else if (st.items[wp].selected) Select(h, -1, POINT{});
        return TRUE;
    }
    case LVM_GETITEMSTATE:
        if (!Valid(st, wp)) return 0;
        return static_cast<LRESULT>((st.items[wp].selected ? LVIS_SELECTED : 0u) |
                                    (st.focus == static_cast<int>(wp) ? LVIS_FOCUSED : 0u)) & lp;
    case LVM_SETICONSPACING: {
        LRESULT old = MAKELONG(static_cast<WORD>(st.cx), static_cast<WORD>(st.cy));
        int cx = LOWORD(static_cast<UINT_PTR>(lp)), cy = HIWORD(static_cast<UINT_PTR>(lp));
        if (cx > 0) st.cx = cx;
        if (cy > 0) st.cy = cy;
        InvalidateRect(h, nullptr, TRUE);
        return old;
    }
    case LVM_GETICONSPACING: return MAKELONG(static_cast<WORD>(st.cx), static_cast<WORD>(st.cy));
    case LVM_ENSUREVISIBLE: return Valid(st, wp) ? TRUE : FALSE;
    case LVM_GETTOPINDEX: return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        SetFocus(h);
        if (!Find(h)) return 0;
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int hit = HitTest(h, State<ThumbState>(h), p);
        Select(h, hit, p);
        if (Find(h)) Notify(h, NM_CLICK, hit, 0, 0, p);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int hit = HitTest(h, st, p);
        if (hit >= 0) Select(h, hit, p);
        if (Find(h)) Notify(h, NM_DBLCLK, hit, 0, 0, p);
        return 0;
    }
    case WM_KEYDOWN: {
        int n = static_cast<int>(st.items.size());
        if (n == 0) return 0;
        int cur = Selected(st);
        int cols = Columns(h, st);
        int next = cur;
        if (wp == VK_RIGHT) next = cur + 1;
        else if (wp == VK_LEFT) next = cur - 1;
        else if (wp == VK_DOWN) next = cur < 0 ? 0 : cur + cols;
        else if (wp == VK_UP) next = cur - cols;
        else if (wp == VK_HOME) next = 0;
        else if (wp == VK_END) next = n - 1;
        else return 0;
        next = std::clamp(next, 0, n - 1);
        if (next != cur) Select(h, next, POINT{});
        return 0;
    }
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace win::detail
