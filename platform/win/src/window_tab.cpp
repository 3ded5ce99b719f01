// The "SysTabControl32" class: a row of tabs along the top; a click on a tab selects it
// with TCN_SELCHANGING (which the parent may refuse) and TCN_SELCHANGE.
#include <algorithm>
#include <vector>

#include "window_internal.h"

namespace win::detail {
namespace {

struct Tab {
    std::wstring text;
    LPARAM param = 0;
};
struct TabState : ControlState {
    std::vector<Tab> tabs;
    int cur = -1;
};

constexpr int kTabHeight = 20;
constexpr int kCharWidth = 6;
constexpr int kTabPadding = 12;

RECT ItemRect(const TabState& st, int index) {
    int x = 2;
    for (int i = 0; i < index; ++i) {
        x += static_cast<int>(st.tabs[static_cast<std::size_t>(i)].text.size()) * kCharWidth + kTabPadding;
    }
    int w = static_cast<int>(st.tabs[static_cast<std::size_t>(index)].text.size()) * kCharWidth + kTabPadding;
    return RECT{x, 2, x + w, 2 + kTabHeight};
}

}  // namespace

LRESULT TabProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (!Find(h)) return 0;
    auto& st = State<TabState>(h);
    auto valid = [&](WPARAM i) { return static_cast<INT_PTR>(i) >= 0 && i < st.tabs.size(); };
    switch (msg) {
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(st.tabs.size());
    case TCM_INSERTITEMW: {
        auto* item = reinterpret_cast<const TCITEMW*>(lp);
        if (!item) return -1;
        Tab t;
        if ((item->mask & TCIF_TEXT) && item->pszText) t.text = item->pszText;
        if (item->mask & TCIF_PARAM) t.param = item->lParam;
        std::size_t at = std::min<std::size_t>(wp, st.tabs.size());
        st.tabs.insert(st.tabs.begin() + static_cast<std::ptrdiff_t>(at), t);
        if (st.cur < 0) st.cur = 0;
        else if (st.cur >= static_cast<int>(at) && st.tabs.size() > 1) st.cur++;
        return static_cast<LRESULT>(at);
    }
    case TCM_SETITEMW:
    case TCM_GETITEMW: {
        auto* item = reinterpret_cast<TCITEMW*>(lp);
        if (!item || !valid(wp)) return FALSE;
        Tab& t = st.tabs[wp];
        if (msg == TCM_SETITEMW) {
            if ((item->mask & TCIF_TEXT) && item->pszText) t.text = item->pszText;
            if (item->mask & TCIF_PARAM) t.param = item->lParam;
        } else {
            if ((item->mask & TCIF_TEXT) && item->pszText) CopyOut(t.text, item->pszText, item->cchTextMax);
            if (item->mask & TCIF_PARAM) item->lParam = t.param;
        }
        return TRUE;
    }
    case TCM_DELETEITEM:
        if (!valid(wp)) return FALSE;
        st.tabs.erase(st.tabs.begin() + static_cast<std::ptrdiff_t>(wp));
        // The current tab stays the same tab when one before it goes.
        if (static_cast<int>(wp) < st.cur) st.cur--;
        if (st.cur >= static_cast<int>(st.tabs.size())) st.cur = static_cast<int>(st.tabs.size()) - 1;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TCM_DELETEALLITEMS: st.tabs.clear(); st.cur = -1; return TRUE;
    case TCM_GETCURSEL: return st.cur;
    case TCM_SETCURSEL: {
        if (!valid(wp)) return -1;
        int old = st.cur;
        st.cur = static_cast<int>(wp);
        InvalidateRect(h, nullptr, TRUE);
        return old;
    }
    case TCM_GETITEMRECT:
        if (!valid(wp) || !lp) return FALSE;
        *reinterpret_cast<RECT*>(lp) = ItemRect(st, static_cast<int>(wp));
        return TRUE;
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lp);
        if (!r) return 0;
        if (wp) {
            r->left -= 4; r->right += 4; r->top -= kTabHeight + 6; r->bottom += 4;
        } else {
            r->left += 4; r->right -= 4; r->top += kTabHeight + 6; r->bottom -= 4;
        }
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        SetFocus(h);  // a click gives the tab control the focus, so Tab goes on from it
        if (!Find(h)) return 0;
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        for (int i = 0; i < static_cast<int>(st.tabs.size()); ++i) {
            RECT r = ItemRect(st, i);
            if (!PtInRect(&r, p)) continue;
            if (i == st.cur) return 0;
            if (NotifyParent(h, TCN_SELCHANGING)) return 0;
            if (!Find(h)) return 0;
            State<TabState>(h).cur = i;
            InvalidateRect(h, nullptr, TRUE);
            NotifyParent(h, TCN_SELCHANGE);
            return 0;
        }
        return 0;
    }
    case WM_KEYDOWN: {
        int n = static_cast<int>(st.tabs.size());
        int next = st.cur;
        if (wp == VK_RIGHT) next = std::min(st.cur + 1, n - 1);
        else if (wp == VK_LEFT) next = std::max(st.cur - 1, 0);
        if (next == st.cur || next < 0) return 0;
        if (NotifyParent(h, TCN_SELCHANGING)) return 0;
        if (!Find(h)) return 0;
        State<TabState>(h).cur = next;
        NotifyParent(h, TCN_SELCHANGE);
        return 0;
    }
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace win::detail
