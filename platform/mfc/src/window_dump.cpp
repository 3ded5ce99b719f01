#include "mfc/window_dump.h"

#include "win/encoding.h"
#include "win/window.h"

namespace mfc {
namespace {

std::wstring Quote(const std::wstring& s) {
    std::wstring out = L"\"";
    for (wchar_t c : s) {
        if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else if (c == L'"') out += L"\\\"";
        else out += c;
    }
    return out + L"\"";
}

std::wstring Lower(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(c >= L'A' && c <= L'Z' ? c + 32 : c);
    return s;
}

std::wstring ItemText(HWND h, UINT lenMsg, UINT textMsg, int i) {
    LRESULT n = SendMessageW(h, lenMsg, static_cast<WPARAM>(i), 0);
    if (n < 0) return L"";
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(h, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

void Dump(HWND h, int depth, std::wstring& out) {
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    RECT r;
    GetWindowRect(h, &r);
    if (HWND p = GetParent(h); p && (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) {
        POINT a{r.left, r.top}, b{r.right, r.bottom};
        ScreenToClient(p, &a);
        ScreenToClient(p, &b);
        r = RECT{a.x, a.y, b.x, b.y};
    }
    out += std::wstring(static_cast<std::size_t>(depth) * 2, L' ');
    out += cls;
    out += L" #" + std::to_wstring(GetDlgCtrlID(h)) + L" " + Quote(text);
    out += L" [" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom) + L"]";
    auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    out += (style & WS_VISIBLE) ? L" visible" : L" hidden";
    out += (style & WS_DISABLED) ? L" disabled" : L" enabled";
    if (GetFocus() == h) out += L" focus";
    std::wstring c = Lower(cls);
    if (c == L"button") {
        DWORD kind = style & BS_TYPEMASK;
        if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON && kind != BS_GROUPBOX && kind != BS_OWNERDRAW)
            out += L" checked=" + std::to_wstring(SendMessageW(h, BM_GETCHECK, 0, 0));
    } else if (c == L"edit" || c == L"richedit20w") {
        DWORD s = 0, e = 0;
        SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        out += L" sel=" + std::to_wstring(s) + L"-" + std::to_wstring(e);
        if (style & ES_READONLY) out += L" readonly";
    } else if (c == L"combobox" || c == L"listbox") {
        bool combo = c == L"combobox";
        out += L" sel=" + std::to_wstring(SendMessageW(h, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
        out += L" items=[";
        auto n = static_cast<int>(SendMessageW(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            if (i) out += L",";
            out += Quote(combo ? ItemText(h, CB_GETLBTEXTLEN, CB_GETLBTEXT, i) : ItemText(h, LB_GETTEXTLEN, LB_GETTEXT, i));
        }
        out += L"]";
        if (combo && SendMessageW(h, TQ_CB_ISCHECKLIST, 0, 0)) {
            out += L" checks=[";
            for (int i = 0; i < n; ++i) out += (i ? L"," : L"") + std::to_wstring(SendMessageW(h, TQ_CB_GETITEMCHECK, static_cast<WPARAM>(i), 0));
            out += L"]";
        }
    } else if (c == L"syslistview32") {
        auto n = static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0));
        out += L" sel=" + std::to_wstring(SendMessageW(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        out += L" items=[";
        for (int i = 0; i < n; ++i) {
            wchar_t buf[256] = {};
            LVITEMW item;
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = buf;
            item.cchTextMax = 256;
            SendMessageW(h, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            out += (i ? L"," : L"") + Quote(buf);
        }
        out += L"]";
    } else if (c == L"systabcontrol32") {
        out += L" sel=" + std::to_wstring(SendMessageW(h, TCM_GETCURSEL, 0, 0));
        out += L" tabs=[";
        auto n = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t buf[128] = {};
            TCITEMW item;
            item.mask = TCIF_TEXT;
            item.pszText = buf;
            item.cchTextMax = 128;
            SendMessageW(h, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            if (i) out += L",";
            out += Quote(buf);
        }
        out += L"]";
    }
    out += L"\n";
    for (HWND k = GetWindow(h, GW_CHILD); k; k = GetWindow(k, GW_HWNDNEXT)) Dump(k, depth + 1, out);
}

}  // namespace

std::wstring DumpWindowTree(HWND root) {
    std::wstring out;
    if (IsWindow(root)) Dump(root, 0, out);
    return out;
}

std::string DumpWindowTreeUtf8(HWND root) { return Utf8FromWide(DumpWindowTree(root)); }

}  // namespace mfc
