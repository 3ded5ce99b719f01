#include "control.h"

#include <cmath>
#include <unordered_map>

#include "win/window.h"

namespace spread {

namespace {

std::unordered_map<HWND, std::shared_ptr<Control>>& Registry() {
    static std::unordered_map<HWND, std::shared_ptr<Control>> r;
    return r;
}

// The control found last: a program calls the same one many times in a row.
struct LastFound {
    HWND hwnd = nullptr;
    std::shared_ptr<Control> control;
};
LastFound& lastFound() {
    static LastFound last;
    return last;
}

void MoveActive(Control& c, Coord col, Coord row) {
    Sheet& s = *c.sheet;
    if (s.activeCol == col && s.activeRow == row) return;
    if (s.editing) EndEdit(c, true);
    s.activeCol = col;
    s.activeRow = row;
    Notify(c, SSN_LEAVECELL);
}

int ColPixels(const Sheet& s, Coord col) {
    if (s.ColHidden(col)) return 0;
    if (col == 0 && !s.settings.bools[SSB_SHOWROWHEADERS]) return 0;
    return static_cast<int>(std::lround(s.ColWidth(col) * 8));
}
int RowPixels(const Sheet& s, Coord row) {
    if (s.RowHidden(row)) return 0;
    if (row == 0 && !s.settings.bools[SSB_SHOWCOLHEADERS]) return 0;
    return static_cast<int>(std::lround(s.RowHeight(row) * 4.0 / 3.0));
}

LRESULT CALLBACK_Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        auto c = std::make_shared<Control>();
        c->hwnd = hwnd;
        c->sheet = std::make_unique<Sheet>();
        c->sheet->hwnd = hwnd;
        if (lastFound().hwnd == hwnd) lastFound() = LastFound{};
        Registry()[hwnd] = c;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c.get()));
        break;
    }
    case WM_NCDESTROY:
        if (lastFound().hwnd == hwnd) lastFound() = LastFound{};
        Registry().erase(hwnd);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        auto c = ControlOf(hwnd);
        if (!c) break;
        Coord col, row;
        int x = static_cast<short>(LOWORD(static_cast<UINT_PTR>(lParam)));
        int y = static_cast<short>(HIWORD(static_cast<UINT_PTR>(lParam)));
        if (CellFromPixel(*c->sheet, x, y, col, row)) UserClick(*c, col, row, msg == WM_LBUTTONDBLCLK);
        return 0;
    }
    case WM_KEYDOWN: {
        auto c = ControlOf(hwnd);
        if (!c) break;
        Sheet& s = *c->sheet;
        Coord col = s.activeCol, row = s.activeRow;
        switch (wParam) {
        case VK_LEFT: col = std::max<Coord>(1, col - 1); break;
        case VK_RIGHT: col = std::min(s.MaxCols(), col + 1); break;
        case VK_UP: row = std::max<Coord>(1, row - 1); break;
        case VK_DOWN: row = std::min(s.MaxRows(), row + 1); break;
        case VK_RETURN: if (s.editing) EndEdit(*c, true); return 0;
        case VK_ESCAPE: if (s.editing) EndEdit(*c, false); return 0;
        case VK_F2: BeginEdit(*c); return 0;
        default: return 0;
        }
        if (s.editing && !s.settings.bools[SSB_ARROWSEXITEDITMODE]) return 0;
        MoveActive(*c, col, row);
        return 0;
    }
    case WM_CHAR: {
        auto c = ControlOf(hwnd);
        if (!c || wParam < 32) break;
        Sheet& s = *c->sheet;
        if (!s.editing) {
            if (!BeginEdit(*c)) return 0;
            s.editText.clear();
            s.editSelStart = s.editSelEnd = 0;
        }
        int a = std::min(s.editSelStart, s.editSelEnd), b = std::max(s.editSelStart, s.editSelEnd);
        s.editText.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), 1, static_cast<wchar_t>(wParam));
        s.editSelStart = s.editSelEnd = a + 1;
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

std::shared_ptr<Control> ControlOf(HWND hwnd) {
    LastFound& last = lastFound();
    if (hwnd == last.hwnd && hwnd) return last.control;
    auto& r = Registry();
    auto it = r.find(hwnd);
    if (it == r.end()) return nullptr;
    last.hwnd = hwnd;
    last.control = it->second;
    return it->second;
}

void Notify(Control& c, WORD code) {
    HWND parent = GetParent(c.hwnd);
    if (!parent) return;
    int id = GetDlgCtrlID(c.hwnd);
    SendMessageW(parent, WM_COMMAND, static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(static_cast<WORD>(id), code))),
                 reinterpret_cast<LPARAM>(c.hwnd));
}

bool CellFromPixel(const Sheet& s, int x, int y, Coord& col, Coord& row) {
    col = row = -1;
    if (x < 0 || y < 0) return false;
    int px = 0;
    for (Coord c = 0; c <= s.MaxCols(); ++c) {
        px += ColPixels(s, c);
        if (x < px) { col = c; break; }
    }
    int py = 0;
    for (Coord r = 0; r <= s.MaxRows(); ++r) {
        py += RowPixels(s, r);
        if (y < py) { row = r; break; }
    }
    return col >= 0 && row >= 0;
}

bool UserClick(Control& c, Coord col, Coord row, bool dbl) {
    std::shared_ptr<Control> keep = ControlOf(c.hwnd);
    Sheet& s = *c.sheet;
    if (!s.Inside(col, row)) return false;
    if (col == 0 || row == 0) {
        Notify(c, dbl ? SSN_DBLCLICK : SSN_CLICK);
        return true;
    }
    if (const Range* span = s.SpanAt(col, row)) { col = span->col1; row = span->row1; }
    if (s.settings.bools[SSB_MOVEACTIVEONFOCUS]) MoveActive(c, col, row);
    s.hasSelection = false;
    Notify(c, dbl ? SSN_DBLCLICK : SSN_CLICK);
    if (!ControlOf(c.hwnd)) return true;
    int type = s.TypeAt(col, row).type;
    bool locked = s.ResolveStyle(col, row).locked && s.settings.bools[SSB_PROTECT];
    if (type == SS_TYPE_BUTTON) {
        s.buttonCol = col;
        s.buttonRow = row;
        Notify(c, SSN_BUTTONCLICKED);
    } else if (type == SS_TYPE_CHECKBOX && !locked) {
        Value v = s.GetCellValue(col, row);
        s.SetNumber(col, row, (v.kind == Kind::Number || v.kind == Kind::Logical) && v.num != 0 ? 0 : 1);
        s.buttonCol = col;
        s.buttonRow = row;
        Notify(c, SSN_BUTTONCLICKED);
        if (ControlOf(c.hwnd)) Notify(c, SSN_CHANGE);
    }
    return true;
}

bool BeginEdit(Control& c) {
    Sheet& s = *c.sheet;
    if (s.editing) return true;
    Coord col = s.activeCol, row = s.activeRow;
    if (!s.InsideCells(col, row)) return false;
    int type = s.TypeAt(col, row).type;
    if (type == SS_TYPE_BUTTON || type == SS_TYPE_STATIC || type == SS_TYPE_PICTURE || type == SS_TYPE_CHECKBOX) return false;
    if (s.ResolveStyle(col, row).locked && s.settings.bools[SSB_PROTECT]) return false;
    s.editing = true;
    if (s.HasFormula(col, row) && s.settings.bools[SSB_ALLOWUSERFORMULAS]) s.editText = L"=" + s.FormulaText(col, row);
    else s.GetText(col, row, 3, s.editText);
    s.editSelStart = s.editSelEnd = static_cast<int>(s.editText.size());
    return true;
}

bool EndEdit(Control& c, bool commit) {
    std::shared_ptr<Control> keep = ControlOf(c.hwnd);
    Sheet& s = *c.sheet;
    if (!s.editing) return false;
    s.editing = false;
    std::wstring text;
    text.swap(s.editText);
    s.editSelStart = s.editSelEnd = 0;
    if (!commit) return true;
    Coord col = s.activeCol, row = s.activeRow;
    bool ok;
    if (!text.empty() && text[0] == L'=' && s.settings.bools[SSB_ALLOWUSERFORMULAS]) ok = s.SetFormula(col, row, text);
    else ok = s.SetText(col, row, text);
    if (ok) Notify(c, SSN_CHANGE);
    return ok;
}

bool UserType(Control& c, Coord col, Coord row, const std::wstring& text) {
    std::shared_ptr<Control> keep = ControlOf(c.hwnd);
    Sheet& s = *c.sheet;
    if (!s.InsideCells(col, row)) return false;
    MoveActive(c, col, row);
    if (!ControlOf(c.hwnd)) return false;
    if (!BeginEdit(c)) return false;
    s.editText = text;
    return EndEdit(c, true);
}

}  // namespace spread

BOOL SSRegisterClass() {
    static bool done = false;
    if (done) return TRUE;
    WNDCLASSW wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = spread::CALLBACK_Proc;
    wc.lpszClassName = SS_CLASSNAME;
    WNDCLASSW existing;
    if (RegisterClassW(&wc) == 0 && !GetClassInfoW(nullptr, SS_CLASSNAME, &existing)) return FALSE;
    done = true;
    return TRUE;
}

HWND SSCreateControl(HWND parent, int id, const RECT& rect) {
    if (!SSRegisterClass()) return nullptr;
    return CreateWindowExW(0, SS_CLASSNAME, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

namespace {
// The class exists as soon as the library is loaded, for code that creates the control with
// CreateWindowExW directly.
const bool gRegistered = SSRegisterClass() != 0;
}  // namespace
