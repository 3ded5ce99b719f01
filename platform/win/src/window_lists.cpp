// The "ComboBox" and "ListBox" classes: item lists with a selection and item data.
#include <algorithm>
#include <vector>

#include "win/encoding.h"
#include "window_internal.h"

namespace win::detail {
namespace {

struct ListItem {
    std::wstring text;
    DWORD_PTR data = 0;
    bool selected = false;
    HANDLE image = nullptr;  // bitmap-list combos
    int check = 0;           // check combos: 0 or 1
};

struct ListState : ControlState {
    std::vector<ListItem> items;
    int cur = -1;
    int anchor = -1;
    bool dropped = false;
    int editStart = 0, editEnd = 0;
    int limit = 0;
    bool checkList = false;
    int lastChecked = -1;
};

int CompareNoCase(const std::wstring& a, const std::wstring& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithNoCase(const std::wstring& s, const std::wstring& prefix) {
    return s.size() >= prefix.size() && EqualNoCase(std::wstring_view(s).substr(0, prefix.size()), prefix);
}

std::wstring Arg(LPARAM lp) { return lp ? reinterpret_cast<LPCWSTR>(lp) : L""; }

bool Valid(const ListState& st, WPARAM i) { return static_cast<INT_PTR>(i) >= 0 && i < st.items.size(); }

LRESULT Insert(ListState& st, INT_PTR at, const std::wstring& text, bool sorted) {
    std::size_t pos;
    if (sorted) {
        pos = 0;
        while (pos < st.items.size() && CompareNoCase(st.items[pos].text, text) <= 0) ++pos;
    } else if (at < 0 || static_cast<std::size_t>(at) > st.items.size()) {
        if (at >= 0) return -1;
        pos = st.items.size();
    } else {
        pos = static_cast<std::size_t>(at);
    }
    st.items.insert(st.items.begin() + static_cast<std::ptrdiff_t>(pos), ListItem{text, 0, false, nullptr, 0});
    if (st.cur >= static_cast<int>(pos)) st.cur++;
    return static_cast<LRESULT>(pos);
}

LRESULT Delete(ListState& st, WPARAM i) {
    if (!Valid(st, i)) return -1;
    st.items.erase(st.items.begin() + static_cast<std::ptrdiff_t>(i));
    if (st.cur == static_cast<int>(i)) st.cur = -1;
    else if (st.cur > static_cast<int>(i)) st.cur--;
    return static_cast<LRESULT>(st.items.size());
}

LRESULT FindItem(const ListState& st, WPARAM startAfter, const std::wstring& s, bool exact) {
    int n = static_cast<int>(st.items.size());
    if (n == 0) return -1;
    int start = static_cast<int>(static_cast<INT_PTR>(startAfter));
    if (start < -1 || start >= n) start = -1;
    for (int k = 1; k <= n; ++k) {
        int i = (start + k) % n;
        const auto& t = st.items[static_cast<std::size_t>(i)].text;
        if (exact ? CompareNoCase(t, s) == 0 : StartsWithNoCase(t, s)) return i;
    }
    return -1;
}

LRESULT GetText(const ListState& st, WPARAM i, LPARAM buffer) {
    if (!Valid(st, i)) return -1;
    const auto& t = st.items[i].text;
    if (buffer) {
        std::copy(t.begin(), t.end(), reinterpret_cast<LPWSTR>(buffer));
        reinterpret_cast<LPWSTR>(buffer)[t.size()] = 0;
    }
    return static_cast<LRESULT>(t.size());
}

bool IsDropList(HWND h) { return (Find(h)->style & 0x3) == CBS_DROPDOWNLIST; }

void ComboSelect(HWND h, int index) {
    auto& st = State<ListState>(h);
    st.cur = index;
    Find(h)->text = index >= 0 ? st.items[static_cast<std::size_t>(index)].text : L"";
    st.editStart = 0;
    st.editEnd = static_cast<int>(Find(h)->text.size());
    InvalidateRect(h, nullptr, TRUE);
}

}  // namespace

LRESULT ComboProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = Find(h);
    if (!w) return 0;
    auto& st = State<ListState>(h);
    switch (msg) {
    case CB_ADDSTRING: return Insert(st, -1, Arg(lp), (w->style & CBS_SORT) != 0);
    case CB_INSERTSTRING: return Insert(st, static_cast<INT_PTR>(wp), Arg(lp), false);
    case CB_DELETESTRING: return Delete(st, wp);
    case CB_RESETCONTENT:
        st.items.clear();
        st.cur = -1;
        if (IsDropList(h)) w->text.clear();
        return 0;
    case CB_GETCOUNT: return static_cast<LRESULT>(st.items.size());
    case CB_GETCURSEL: return st.cur;
    case CB_SETCURSEL:
        if (!Valid(st, wp)) {
            ComboSelect(h, -1);
            return CB_ERR;
        }
        ComboSelect(h, static_cast<int>(wp));
        return static_cast<LRESULT>(wp);
    case CB_GETLBTEXT: return GetText(st, wp, lp);
    case CB_GETLBTEXTLEN: return Valid(st, wp) ? static_cast<LRESULT>(st.items[wp].text.size()) : CB_ERR;
    case CB_FINDSTRING: return FindItem(st, wp, Arg(lp), false);
    case CB_FINDSTRINGEXACT: return FindItem(st, wp, Arg(lp), true);
    case CB_SELECTSTRING: {
        LRESULT i = FindItem(st, wp, Arg(lp), false);
        if (i >= 0) ComboSelect(h, static_cast<int>(i));
        return i;
    }
    case CB_GETITEMDATA: return Valid(st, wp) ? static_cast<LRESULT>(st.items[wp].data) : CB_ERR;
    case CB_SETITEMDATA:
        if (!Valid(st, wp)) return CB_ERR;
        st.items[wp].data = static_cast<DWORD_PTR>(lp);
        return 0;
    case TQ_CB_SETITEMIMAGE:
        if (!Valid(st, wp)) return CB_ERR;
        st.items[wp].image = reinterpret_cast<HANDLE>(lp);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case TQ_CB_GETITEMIMAGE: return Valid(st, wp) ? reinterpret_cast<LRESULT>(st.items[wp].image) : 0;
    case TQ_CB_SETITEMCHECK:
        if (!Valid(st, wp)) return CB_ERR;
        st.items[wp].check = lp ? 1 : 0;
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case TQ_CB_GETITEMCHECK: return Valid(st, wp) ? st.items[wp].check : CB_ERR;
    case TQ_CB_SETCHECKLIST: st.checkList = wp != 0; return 0;
    case TQ_CB_ISCHECKLIST: return st.checkList ? TRUE : FALSE;
    case TQ_CB_GETLASTCHECKED: return st.lastChecked;
    case TQ_CB_USERCHECK: {
        if (!Valid(st, wp) || !st.checkList) return CB_ERR;
        if (!st.dropped) SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
        if (!Find(h)) return CB_ERR;
        auto& now = State<ListState>(h);
        if (!Valid(now, wp)) return CB_ERR;
        now.items[wp].check = now.items[wp].check ? 0 : 1;
        now.lastChecked = static_cast<int>(wp);
        InvalidateRect(h, nullptr, TRUE);
        NotifyParentCommand(h, TQ_CBN_CHECKCHANGE);
        return static_cast<LRESULT>(wp);
    }
    case CB_SHOWDROPDOWN:
        if (wp && !st.dropped) {
            st.dropped = true;
            NotifyParentCommand(h, CBN_DROPDOWN);
        } else if (!wp && st.dropped) {
            st.dropped = false;
            NotifyParentCommand(h, CBN_CLOSEUP);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE: return st.dropped ? TRUE : FALSE;
    case CB_GETEDITSEL:
        if (wp) *reinterpret_cast<DWORD*>(wp) = static_cast<DWORD>(st.editStart);
        if (lp) *reinterpret_cast<DWORD*>(lp) = static_cast<DWORD>(st.editEnd);
        return MAKELONG(static_cast<WORD>(st.editStart), static_cast<WORD>(st.editEnd));
    case CB_SETEDITSEL: {
        if (IsDropList(h)) return CB_ERR;
        int n = static_cast<int>(w->text.size());
        auto s = static_cast<SHORT>(LOWORD(static_cast<UINT_PTR>(lp)));
        auto e = static_cast<SHORT>(HIWORD(static_cast<UINT_PTR>(lp)));
        st.editStart = (s < 0 || s > n) ? n : s;
        st.editEnd = (e < 0 || e > n) ? n : e;
        if (st.editStart > st.editEnd) std::swap(st.editStart, st.editEnd);
        return TRUE;
    }
    case CB_LIMITTEXT: st.limit = static_cast<int>(wp); return TRUE;
    case WM_SETTEXT:
        if (IsDropList(h)) {
            LRESULT i = FindItem(st, static_cast<WPARAM>(-1), Arg(lp), true);
            if (i < 0) return CB_ERR;
            ComboSelect(h, static_cast<int>(i));
            return TRUE;
        }
        w->text = Arg(lp);
        st.editStart = st.editEnd = static_cast<int>(w->text.size());
        return TRUE;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS: NotifyParentCommand(h, CBN_SETFOCUS); return 0;
    case WM_KILLFOCUS:
        if (st.dropped) SendMessageW(h, CB_SHOWDROPDOWN, FALSE, 0);
        if (Find(h)) NotifyParentCommand(h, CBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(h);
        if (Find(h)) SendMessageW(h, CB_SHOWDROPDOWN, !st.dropped, 0);
        return 0;
    case TQ_CB_USERPICK: {
        if (!Valid(st, wp)) return CB_ERR;
        if (!st.dropped) SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
        bool changed = st.cur != static_cast<int>(wp);
        ComboSelect(h, static_cast<int>(wp));
        if (changed) NotifyParentCommand(h, CBN_SELCHANGE);
        if (Find(h)) NotifyParentCommand(h, CBN_SELENDOK);
        if (Find(h)) SendMessageW(h, CB_SHOWDROPDOWN, FALSE, 0);
        return static_cast<LRESULT>(wp);
    }
    case WM_KEYDOWN: {
        int n = static_cast<int>(st.items.size());
        if (n == 0) return 0;
        int next = st.cur;
        if (wp == VK_DOWN) next = std::min(st.cur + 1, n - 1);
        else if (wp == VK_UP) next = std::max(st.cur - 1, 0);
        else if (wp == VK_HOME) next = 0;
        else if (wp == VK_END) next = n - 1;
        else if (wp == VK_DELETE && !IsDropList(h)) {
            int s = st.editStart, e = st.editEnd;
            if (s == e && e < static_cast<int>(w->text.size())) ++e;
            if (s == e) return 0;
            w->text.erase(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
            st.editEnd = st.editStart = s;
            st.cur = -1;
            NotifyParentCommand(h, CBN_EDITUPDATE);
            if (Find(h)) NotifyParentCommand(h, CBN_EDITCHANGE);
            return 0;
        } else return 0;
        if (next != st.cur && next >= 0) {
            ComboSelect(h, next);
            NotifyParentCommand(h, CBN_SELCHANGE);
        }
        return 0;
    }
    case WM_CHAR: {
        auto c = static_cast<wchar_t>(wp);
        if (IsDropList(h)) {
            if (c < 0x20) return 0;
            LRESULT i = FindItem(st, static_cast<WPARAM>(st.cur), std::wstring(1, c), false);
            if (i >= 0 && i != st.cur) {
                ComboSelect(h, static_cast<int>(i));
                NotifyParentCommand(h, CBN_SELCHANGE);
            }
            return 0;
        }
        std::wstring& t = w->text;
        int s = std::clamp(st.editStart, 0, static_cast<int>(t.size()));
        int e = std::clamp(st.editEnd, s, static_cast<int>(t.size()));
        if (c == L'\b') {
            if (s == e) {
                if (s == 0) return 0;
                --s;
            }
            t.erase(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
        } else if (c >= 0x20) {
            if (st.limit > 0 && static_cast<int>(t.size()) - (e - s) + 1 > st.limit) return 0;
            t.replace(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s), 1, c);
            ++s;
        } else {
            return 0;
        }
        st.editStart = st.editEnd = s;
        st.cur = -1;
        NotifyParentCommand(h, CBN_EDITUPDATE);
        if (Find(h)) NotifyParentCommand(h, CBN_EDITCHANGE);
        return 0;
    }
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

namespace {
bool MultiSel(HWND h) { return (Find(h)->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
void NotifyList(HWND h, WORD code) {
    if (Find(h)->style & LBS_NOTIFY) NotifyParentCommand(h, code);
}
}  // namespace

LRESULT ListBoxProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = Find(h);
    if (!w) return 0;
    auto& st = State<ListState>(h);
    switch (msg) {
    case LB_ADDSTRING: return Insert(st, -1, Arg(lp), (w->style & LBS_SORT) != 0);
    case LB_INSERTSTRING: return Insert(st, static_cast<INT_PTR>(wp), Arg(lp), false);
    case LB_DELETESTRING: return Delete(st, wp);
    case LB_RESETCONTENT: st.items.clear(); st.cur = -1; return 0;
    case LB_GETCOUNT: return static_cast<LRESULT>(st.items.size());
    case LB_GETCURSEL: return st.cur;
    case LB_SETCURSEL:
        if (MultiSel(h)) return LB_ERR;
        for (auto& it : st.items) it.selected = false;
        if (!Valid(st, wp)) {
            st.cur = -1;
            return static_cast<INT_PTR>(wp) == -1 ? 0 : LB_ERR;
        }
        st.cur = static_cast<int>(wp);
        st.items[wp].selected = true;
        return st.cur;
    case LB_GETSEL: return Valid(st, wp) ? (st.items[wp].selected ? 1 : 0) : LB_ERR;
    case LB_SETSEL: {
        if (!MultiSel(h)) return LB_ERR;
        auto i = static_cast<int>(lp);
        if (i == -1) {
            for (auto& it : st.items) it.selected = wp != 0;
            return 0;
        }
        if (!Valid(st, static_cast<WPARAM>(i))) return LB_ERR;
        st.items[static_cast<std::size_t>(i)].selected = wp != 0;
        st.cur = i;
        return 0;
    }
    case LB_GETSELCOUNT: {
        if (!MultiSel(h)) return LB_ERR;
        return std::count_if(st.items.begin(), st.items.end(), [](const ListItem& i) { return i.selected; });
    }
    case LB_GETSELITEMS: {
        if (!MultiSel(h)) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lp);
        int n = 0;
        for (std::size_t i = 0; i < st.items.size() && n < static_cast<int>(wp); ++i) {
            if (st.items[i].selected) out[n++] = static_cast<int>(i);
        }
        return n;
    }
    case LB_GETTEXT: return GetText(st, wp, lp);
    case LB_GETTEXTLEN: return Valid(st, wp) ? static_cast<LRESULT>(st.items[wp].text.size()) : LB_ERR;
    case LB_FINDSTRING: return FindItem(st, wp, Arg(lp), false);
    case LB_FINDSTRINGEXACT: return FindItem(st, wp, Arg(lp), true);
    case LB_SELECTSTRING: {
        LRESULT i = FindItem(st, wp, Arg(lp), false);
        if (i >= 0 && !MultiSel(h)) SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        return i;
    }
    case LB_GETITEMDATA: return Valid(st, wp) ? static_cast<LRESULT>(st.items[wp].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(st, wp)) return LB_ERR;
        st.items[wp].data = static_cast<DWORD_PTR>(lp);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case TQ_LB_USERPICK: {
        if (!Valid(st, wp)) return LB_ERR;
        SetFocus(h);
        auto i = static_cast<int>(wp);
        bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (w->style & LBS_EXTENDEDSEL) {
            if (shift && st.anchor >= 0) {
                if (!ctrl) for (auto& it : st.items) it.selected = false;
                for (int k = std::min(st.anchor, i); k <= std::max(st.anchor, i); ++k)
                    st.items[static_cast<std::size_t>(k)].selected = true;
            } else if (ctrl) {
                st.items[wp].selected = !st.items[wp].selected;
                st.anchor = i;
            } else {
                for (auto& it : st.items) it.selected = false;
                st.items[wp].selected = true;
                st.anchor = i;
            }
        } else if (w->style & LBS_MULTIPLESEL) {
            st.items[wp].selected = !st.items[wp].selected;
        } else {
            for (auto& it : st.items) it.selected = false;
            st.items[wp].selected = true;
        }
        st.cur = i;
        InvalidateRect(h, nullptr, TRUE);
        NotifyList(h, LBN_SELCHANGE);
        return i;
    }
    case WM_KEYDOWN: {
        int n = static_cast<int>(st.items.size());
        if (n == 0 || MultiSel(h)) return 0;
        int next = st.cur;
        if (wp == VK_DOWN) next = std::min(st.cur + 1, n - 1);
        else if (wp == VK_UP) next = std::max(st.cur - 1, 0);
        else if (wp == VK_HOME) next = 0;
        else if (wp == VK_END) next = n - 1;
        if (next != st.cur && next >= 0) {
            SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
            NotifyList(h, LBN_SELCHANGE);
        }
        return 0;
    }
    default: return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace win::detail
