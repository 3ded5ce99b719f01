// Dialog templates: builders, unit conversion and creating a dialog window from a template.
#include "mfc/dialog_template.h"

#include <cstdio>
#include <map>

#include "mfc/cwnd.h"
#include "mfc/resources.h"
#include "win/encoding.h"
#include "win/window.h"

namespace mfc {

int DialogUnitsToPixelsX(int du) { return du * kDialogBaseUnitX / 4; }
int DialogUnitsToPixelsY(int du) { return du * kDialogBaseUnitY / 8; }
RECT DialogUnitsToPixels(const RECT& du) {
    return RECT{DialogUnitsToPixelsX(du.left), DialogUnitsToPixelsY(du.top), DialogUnitsToPixelsX(du.right),
                DialogUnitsToPixelsY(du.bottom)};
}

DialogTemplate& DialogTemplate::control(std::wstring className, int id, std::wstring text, DWORD st, int px,
                                        int py, int w, int h, DWORD ex) {
    DialogControl c;
    c.className = std::move(className);
    c.id = id;
    c.text = std::move(text);
    c.style = st;
    c.x = px;
    c.y = py;
    c.cx = w;
    c.cy = h;
    c.exStyle = ex;
    controls.push_back(std::move(c));
    return *this;
}
DialogTemplate& DialogTemplate::pushButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_PUSHBUTTON | WS_TABSTOP | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::defPushButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_DEFPUSHBUTTON | WS_TABSTOP | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::checkBox(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_AUTOCHECKBOX | WS_TABSTOP | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::threeState(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_AUTO3STATE | WS_TABSTOP | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::radioButton(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_AUTORADIOBUTTON | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::groupBox(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_BUTTON, id, std::move(text), BS_GROUPBOX | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::label(int id, std::wstring text, int px, int py, int w, int h, DWORD extra) {
    return control(WC_STATIC, id, std::move(text), SS_LEFT | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::edit(int id, int px, int py, int w, int h, DWORD extra) {
    return control(WC_EDIT, id, L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::comboBox(int id, int px, int py, int w, int h, DWORD extra) {
    return control(WC_COMBOBOX, id, L"", WS_TABSTOP | WS_VSCROLL | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::listBox(int id, int px, int py, int w, int h, DWORD extra) {
    return control(WC_LISTBOX, id, L"", LBS_NOTIFY | WS_TABSTOP | WS_BORDER | WS_VSCROLL | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::tabControl(int id, int px, int py, int w, int h, DWORD extra) {
    return control(WC_TABCONTROL, id, L"", WS_TABSTOP | extra, px, py, w, h);
}
DialogTemplate& DialogTemplate::richEdit(int id, int px, int py, int w, int h, DWORD extra) {
    return control(WC_RICHEDIT, id, L"", ES_MULTILINE | WS_TABSTOP | WS_BORDER | extra, px, py, w, h);
}

namespace {
HFONT DialogFont(const DialogTemplate& t) {
    static std::map<std::pair<std::wstring, int>, HFONT> cache;
    auto key = std::make_pair(t.fontName, t.fontSize);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    // Points to pixels at 96 dots per inch, negative for a character height.
    HFONT f = CreateFontW(-(t.fontSize * 96 + 36) / 72, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, t.fontName.c_str());
    cache.emplace(key, f);
    return f;
}
}  // namespace

HWND CreateDialogFromTemplate(const DialogTemplate& t, HWND parent, CWnd* owner, LPARAM initParam) {
    DWORD style = t.style;
    if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_POPUP;
    if ((style & WS_CHILD) && !parent) style = (style & ~WS_CHILD) | WS_POPUP;
    RECT rc{0, 0, DialogUnitsToPixelsX(t.cx), DialogUnitsToPixelsY(t.cy)};
    DWORD ex = t.exStyle | ((style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    if (style & DS_CONTROL) ex |= WS_EX_CONTROLPARENT;  // a page: the dialog keys pass through it
    AdjustWindowRectEx(&rc, style, FALSE, ex);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    int x = DialogUnitsToPixelsX(t.x), y = DialogUnitsToPixelsY(t.y);
    if (style & WS_CHILD) {
        // Child dialogs are placed in their parent's client area.
    } else if ((style & DS_CENTER) || (t.x == 0 && t.y == 0)) {
        RECT area{0, 0, win::kScreenWidth, win::kScreenHeight};
        if (parent && IsWindowVisible(parent)) GetWindowRect(parent, &area);
        x = (area.left + area.right - w) / 2;
        y = (area.top + area.bottom - h) / 2;
        if (x < 0) x = 0;
        if (y < 0) y = 0;
    } else if (parent) {
        POINT o{x, y};
        ClientToScreen(parent, &o);
        x = o.x;
        y = o.y;
    }
    HINSTANCE inst = AfxGetResourceHandle();
    if (owner) HookNextWindowCreation(owner);
    HWND dlg = CreateWindowExW(ex, WC_DIALOG, t.caption.c_str(), style & ~WS_VISIBLE, x, y, w, h, parent, nullptr,
                               inst, nullptr);
    HookNextWindowCreation(nullptr);
    if (!dlg) return nullptr;
    HFONT font = DialogFont(t);
    SendMessageW(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const DialogControl& c : t.controls) {
        DWORD cs = c.style | WS_CHILD | (c.hidden ? 0 : WS_VISIBLE);
        HWND ctl = CreateWindowExW(c.exStyle, c.className.c_str(), c.text.c_str(), cs, DialogUnitsToPixelsX(c.x),
                                   DialogUnitsToPixelsY(c.y), DialogUnitsToPixelsX(c.cx), DialogUnitsToPixelsY(c.cy),
                                   dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), inst, nullptr);
        if (!ctl) {
            std::string line = "dialog \"" + Utf8FromWide(t.caption) + "\": cannot create control " +
                               std::to_string(c.id) + " of class \"" + Utf8FromWide(c.className) + "\"\n";
            std::fputs(line.c_str(), stderr);
            DestroyWindow(dlg);
            return nullptr;
        }
        SendMessageW(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.className == WC_BUTTON && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            SendMessageW(dlg, DM_SETDEFID, static_cast<WPARAM>(c.id), 0);
        }
    }
    HWND first = nullptr;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(c, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(c) &&
            (GetWindowLongPtrW(c, GWL_STYLE) & WS_VISIBLE)) {
            first = c;
            break;
        }
    }
    LRESULT focus = SendMessageW(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!IsWindow(dlg)) return nullptr;
    if (focus && first && IsWindow(first)) {
        SetFocus(first);
        if (SendMessageW(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(first, EM_SETSEL, 0, -1);
    }
    if (t.style & WS_VISIBLE) ShowWindow(dlg, SW_SHOW);
    return dlg;
}

}  // namespace mfc
