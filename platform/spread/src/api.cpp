// The C functions of the control: each finds the control of the handle and forwards to its
// sheet.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "control.h"
#include "file_format.h"
#include "spread/ss_api.h"
#include "win/files.h"
#include "win/globalmem.h"

using spread::Control;
using spread::ControlOf;
using spread::Coord;
using spread::Sheet;
using spread::Style;

#define CTRL(ret)                   \
    auto ctl = ControlOf(hWnd);     \
    if (!ctl) return ret;           \
    Sheet& s = *ctl->sheet;         \
    (void)s

namespace {

bool InRangeArgs(const Sheet& s, SS_COORD col, SS_COORD row) {
    return (col == SS_ALLCOLS || (col >= 0 && col <= s.MaxCols())) && (row == SS_ALLROWS || (row >= 0 && row <= s.MaxRows()));
}

bool SameType(const SS_CELLTYPEINFO& a, const SS_CELLTYPEINFO& b) {
    return a.type == b.type && a.maxLength == b.maxLength && a.caseMode == b.caseMode && a.decimals == b.decimals &&
           a.minValue == b.minValue && a.maxValue == b.maxValue && a.separator == b.separator &&
           a.editable == b.editable && a.style == b.style && a.text == b.text && a.items == b.items &&
           a.picture1 == b.picture1 && a.picture2 == b.picture2;
}

BOOL ApplyType(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, const SS_CELLTYPEINFO& t) {
    CTRL(FALSE);
    if (!InRangeArgs(s, col, row) || !InRangeArgs(s, col2, row2)) return FALSE;
    // A cell given the type it has keeps it (the common case of typing values in again).
    if (col == col2 && row == row2 && s.InsideCells(col, row) && SameType(s.TypeAt(col, row), t)) return TRUE;
    Style st;
    st.type = t;
    return s.ApplyStyle(col, row, col2, row2, st, spread::kGroupType);
}

std::wstring W(LPCWSTR t) { return t ? std::wstring(t) : std::wstring(); }
// A view of t where the callee does not keep the text.
std::wstring_view V(LPCWSTR t) { return t ? std::wstring_view(t) : std::wstring_view(); }

}  // namespace

// ------------------------------------------------------------------------- strings

std::wstring SSGetGlobalStr(HGLOBAL handle) {
    if (!handle) return {};
    auto* p = static_cast<const WCHAR*>(GlobalLock(handle));
    if (!p) return {};
    std::size_t max = GlobalSize(handle) / sizeof(WCHAR);
    std::size_t n = 0;
    while (n < max && p[n]) ++n;
    std::wstring s(p, n);
    GlobalUnlock(handle);
    return s;
}

HGLOBAL SSSetGlobalStr(std::wstring_view text) {
    HGLOBAL h = GlobalAlloc(GHND, (text.size() + 1) * sizeof(WCHAR));
    if (!h) return nullptr;
    auto* p = static_cast<WCHAR*>(GlobalLock(h));
    if (!p) {
        GlobalFree(h);
        return nullptr;
    }
    for (std::size_t i = 0; i < text.size(); ++i) p[i] = text[i];
    p[text.size()] = 0;
    GlobalUnlock(h);
    return h;
}

BOOL SSSetCalcValueStr(SS_CALCVALUE* value, std::wstring_view text) {
    if (!value) return FALSE;
    HGLOBAL h = SSSetGlobalStr(text);
    if (!h) {
        value->Status = SS_VALUE_STATUS_EMPTY;
        value->Type = SS_VALUE_TYPE_LONG;
        value->Val.ValLong = 0;
        return FALSE;
    }
    value->Status = SS_VALUE_STATUS_OK;
    value->Type = SS_VALUE_TYPE_STR;
    value->Val.hValStr = h;
    return TRUE;
}

// ------------------------------------------------------------------------- size

SS_COORD SSGetMaxCols(HWND hWnd) { CTRL(0); return s.MaxCols(); }
SS_COORD SSGetMaxRows(HWND hWnd) { CTRL(0); return s.MaxRows(); }
BOOL SSSetMaxCols(HWND hWnd, SS_COORD cols) { CTRL(FALSE); return s.SetMaxCols(cols); }
BOOL SSSetMaxRows(HWND hWnd, SS_COORD rows) { CTRL(FALSE); return s.SetMaxRows(rows); }
BOOL SSGetLastUsed(HWND hWnd, SS_COORD* col, SS_COORD* row) {
    CTRL(FALSE);
    Coord c, r;
    s.LastUsed(c, r);
    if (col) *col = c;
    if (row) *row = r;
    return TRUE;
}

// ------------------------------------------------------------------------- text

BOOL SSGetCellText(HWND hWnd, SS_COORD col, SS_COORD row, int mode, std::wstring& text) {
    text.clear();
    CTRL(FALSE);
    return s.GetText(col, row, mode, text);
}
BOOL SSGetData(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text) { return SSGetCellText(hWnd, col, row, 0, text); }
BOOL SSGetFormula(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text) { return SSGetCellText(hWnd, col, row, 1, text); }
BOOL SSGetValue(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& text) { return SSGetCellText(hWnd, col, row, 3, text); }
BOOL SSSetData(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text) { CTRL(FALSE); return s.SetText(col, row, V(text)); }
BOOL SSSetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text) { CTRL(FALSE); return s.SetText(col, row, V(text)); }
BOOL SSSetFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula) {
    CTRL(FALSE);
    std::wstring err;
    if (!s.SetFormula(col, row, W(formula), &err)) {
        ctl->lastError = err;
        return FALSE;
    }
    return TRUE;
}
BOOL SSEvalFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, int cellType, std::wstring& text) {
    text.clear();
    CTRL(FALSE);
    std::wstring err;
    spread::Value v;
    if (!s.EvaluateAt(col, row, V(formula), cellType, v, &err)) {
        ctl->lastError = err;
        return FALSE;
    }
    text = spread::PlainText(v);
    return TRUE;
}
namespace {
// The end of an evaluation into a cell: the error kept when the formula did not parse,
// else the value's text set into the cell as SSSetData would set it.
BOOL WriteEvaluated(Control& ctl, bool evaluated, const std::wstring& err, const spread::Value& v, SS_COORD col,
                    SS_COORD row, std::wstring& text, BOOL& written) {
    if (!evaluated) {
        ctl.lastError = err;
        return FALSE;
    }
    bool exact = false;
    if (v.kind == spread::Kind::Number)
        spread::FormatNumberInto(v.num, text, &exact);
    else
        text = spread::PlainText(v);
    written = (exact ? ctl.sheet->SetNumberText(col, row, v.num, text) : ctl.sheet->SetText(col, row, text)) ? TRUE
                                                                                                            : FALSE;
    return TRUE;
}
}  // namespace
BOOL SSEvalFormulaToCell(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, int cellType, SS_COORD destCol,
                         SS_COORD destRow, std::wstring& text, BOOL& written) {
    text.clear();
    written = FALSE;
    CTRL(FALSE);
    std::wstring err;
    spread::Value v;
    const bool evaluated = s.EvaluateAt(col, row, V(formula), cellType, v, &err);
    return WriteEvaluated(*ctl, evaluated, err, v, destCol, destRow, text, written);
}
BOOL SSPrepareFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, SS_PREPAREDFORMULA& out) {
    out.state.reset();
    CTRL(FALSE);
    std::wstring err;
    std::shared_ptr<const spread::PreparedFormula> prepared = s.Prepare(col, row, V(formula), &err);
    if (!prepared) {
        ctl->lastError = err;
        return FALSE;
    }
    out.state = std::move(prepared);
    return TRUE;
}
BOOL SSEvalPreparedToCell(HWND hWnd, const SS_PREPAREDFORMULA& formula, int cellType, SS_COORD destCol,
                          SS_COORD destRow, std::wstring& text, BOOL& written) {
    text.clear();
    written = FALSE;
    CTRL(FALSE);
    if (!formula.state) return FALSE;
    const auto& prepared = *static_cast<const spread::PreparedFormula*>(formula.state.get());
    std::wstring err;
    spread::Value v;
    const bool evaluated = s.EvaluatePrepared(prepared, cellType, v, &err);
    return WriteEvaluated(*ctl, evaluated, err, v, destCol, destRow, text, written);
}
BOOL SSGetFormulaReads(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR formula, SS_FORMULAREADS& reads) {
    reads = SS_FORMULAREADS{};
    CTRL(FALSE);
    std::vector<spread::Range> ranges;
    bool isVolatile = false, callsOther = false;
    std::wstring err;
    if (!s.FormulaReads(col, row, V(formula), ranges, isVolatile, callsOther, &err)) {
        ctl->lastError = err;
        return FALSE;
    }
    for (const spread::Range& r : ranges) reads.ranges.push_back({r.col1, r.row1, r.col2, r.row2});
    reads.volatileCalls = isVolatile ? TRUE : FALSE;
    reads.otherCalls = callsOther ? TRUE : FALSE;
    return TRUE;
}
unsigned long long SSGetChangeStamp(HWND hWnd) {
    CTRL(0);
    return s.ChangeStamp();
}
BOOL SSGetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double* value) {
    CTRL(FALSE);
    if (!s.InsideCells(col, row)) return FALSE;
    spread::Value v = s.GetCellValue(col, row);
    // A logical reads as 1 or 0.
    if (v.kind != spread::Kind::Number && v.kind != spread::Kind::Logical) return FALSE;
    if (value) *value = v.num;
    return TRUE;
}
BOOL SSSetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double value) { CTRL(FALSE); return s.SetNumber(col, row, value); }
BOOL SSGetInteger(HWND hWnd, SS_COORD col, SS_COORD row, LONG* value) {
    double d;
    if (!SSGetFloat(hWnd, col, row, &d) || std::fabs(d) > 2147483647.0) return FALSE;
    if (value) *value = static_cast<LONG>(std::lround(d));
    return TRUE;
}
BOOL SSSetInteger(HWND hWnd, SS_COORD col, SS_COORD row, LONG value) { return SSSetFloat(hWnd, col, row, value); }
BOOL SSGetCalcValue(HWND hWnd, SS_COORD col, SS_COORD row, SS_CALCVALUE* out) {
    CTRL(FALSE);
    if (!out || !s.InsideCells(col, row)) return FALSE;
    spread::Value v = s.GetCellValue(col, row);
    *out = SS_CALCVALUE{};
    switch (v.kind) {
    case spread::Kind::Empty: out->Status = SS_VALUE_STATUS_EMPTY; break;
    case spread::Kind::Number: out->Status = SS_VALUE_STATUS_OK; out->Type = SS_VALUE_TYPE_DOUBLE; out->Val.ValDouble = v.num; break;
    case spread::Kind::Text: return SSSetCalcValueStr(out, v.text);
    case spread::Kind::Error: out->Status = SS_VALUE_STATUS_ERROR; out->Val.ValLong = static_cast<LONG>(v.err); break;
    case spread::Kind::Logical: out->Status = SS_VALUE_STATUS_OK; out->Type = SS_VALUE_TYPE_LONG; out->Val.ValLong = v.num != 0 ? 1 : 0; break;
    }
    return TRUE;
}
BOOL SSClearData(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
    CTRL(FALSE);
    return s.ClearData({col, row, col2, row2});
}
BOOL SSClear(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
    CTRL(FALSE);
    return s.Clear({col, row, col2, row2});
}
BOOL SSGetClipText(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, std::wstring& text) {
    text.clear();
    CTRL(FALSE);
    if (col == SS_ALLCOLS) { col = 1; col2 = s.MaxCols(); }
    if (row == SS_ALLROWS) { row = 1; row2 = s.MaxRows(); }
    if (col > col2) std::swap(col, col2);
    if (row > row2) std::swap(row, row2);
    if (!s.InsideCells(col, row) || !s.InsideCells(col2, row2)) return FALSE;
    if (static_cast<long long>(col2 - col + 1) * (row2 - row + 1) > 4000000) return FALSE;
    for (Coord r = row; r <= row2; ++r) {
        if (r > row) text += L"\r\n";
        for (Coord c = col; c <= col2; ++c) {
            if (c > col) text += L'\t';
            std::wstring t;
            s.GetText(c, r, 0, t);
            text += t;
        }
    }
    return TRUE;
}
BOOL SSSetClipText(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text) {
    CTRL(FALSE);
    if (!s.InsideCells(col, row) || !text) return FALSE;
    std::wstring t = text;
    Coord r = row, c = col;
    BOOL ok = TRUE;
    std::wstring field;
    auto put = [&] {
        if (s.InsideCells(c, r) && !s.SetText(c, r, field)) ok = FALSE;
        field.clear();
    };
    for (std::size_t i = 0; i <= t.size(); ++i) {
        wchar_t ch = i < t.size() ? t[i] : L'\n';
        if (ch == L'\t') { put(); ++c; }
        else if (ch == L'\n') {
            if (!field.empty() && field.back() == L'\r') field.pop_back();
            if (i < t.size() || !field.empty() || c != col) put();
            ++r;
            c = col;
        } else field += ch;
    }
    return ok;
}
BOOL SSCopyRange(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, SS_COORD destCol, SS_COORD destRow) {
    CTRL(FALSE);
    return s.CopyRange({col, row, col2, row2}, destCol, destRow);
}

// ------------------------------------------------------------------------- types

BOOL SSSetTypeGeneral(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
    return ApplyType(hWnd, col, row, col2, row2, SS_CELLTYPEINFO{});
}
BOOL SSSetTypeEdit(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG maxLength, short caseMode) {
    if (maxLength < 0 || caseMode < 0 || caseMode > 2) return FALSE;
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_EDIT;
    t.maxLength = maxLength;
    t.caseMode = caseMode;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeNumber(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals, double minValue, double maxValue, BOOL separator) {
    if (decimals < 0 || decimals > 15 || !std::isfinite(minValue) || !std::isfinite(maxValue)) return FALSE;
    if (minValue > maxValue) std::swap(minValue, maxValue);   // limits in either order
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_NUMBER;
    t.decimals = decimals;
    t.minValue = minValue;
    t.maxValue = maxValue;
    t.separator = separator ? TRUE : FALSE;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeInteger(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LONG minValue, LONG maxValue) {
    if (minValue > maxValue) std::swap(minValue, maxValue);
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_INTEGER;
    t.minValue = minValue;
    t.maxValue = maxValue;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeCurrency(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals, LPCWSTR symbol, BOOL separator) {
    if (decimals < 0 || decimals > 15) return FALSE;
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_CURRENCY;
    t.decimals = decimals;
    t.text = W(symbol);
    t.separator = separator ? TRUE : FALSE;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypePercent(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short decimals) {
    if (decimals < 0 || decimals > 15) return FALSE;
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_PERCENT;
    t.decimals = decimals;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeCheckBox(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text, LPCWSTR pictureUnchecked, LPCWSTR pictureChecked) {
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_CHECKBOX;
    t.text = W(text);
    t.picture1 = W(pictureUnchecked);
    t.picture2 = W(pictureChecked);
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeComboBox(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR items, BOOL editable) {
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_COMBOBOX;
    t.items = W(items);
    t.editable = editable ? TRUE : FALSE;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeButton(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR text) {
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_BUTTON;
    t.text = W(text);
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypeStatic(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_STATIC;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetTypePicture(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR picture, LONG style) {
    SS_CELLTYPEINFO t;
    t.type = SS_TYPE_PICTURE;
    t.picture1 = W(picture);
    t.style = style;
    return ApplyType(hWnd, col, row, col2, row2, t);
}
BOOL SSSetCellTypeInfo(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, const SS_CELLTYPEINFO& info) {
    switch (info.type) {
    case SS_TYPE_GENERAL: case SS_TYPE_EDIT: case SS_TYPE_PICTURE: case SS_TYPE_STATIC: case SS_TYPE_BUTTON:
    case SS_TYPE_COMBOBOX: case SS_TYPE_INTEGER: case SS_TYPE_CHECKBOX: case SS_TYPE_NUMBER: case SS_TYPE_CURRENCY:
    case SS_TYPE_PERCENT: break;
    default: return FALSE;
    }
    if (info.decimals < 0 || info.decimals > 15 || info.caseMode < 0 || info.caseMode > 2 || info.maxLength < 0) return FALSE;
    return ApplyType(hWnd, col, row, col2, row2, info);
}
int SSGetCellType(HWND hWnd, SS_COORD col, SS_COORD row) {
    CTRL(-1);
    if (!s.Inside(col, row)) return -1;
    return s.TypeAt(col, row).type;
}
BOOL SSGetCellTypeInfo(HWND hWnd, SS_COORD col, SS_COORD row, SS_CELLTYPEINFO* info) {
    CTRL(FALSE);
    if (!info || !s.Inside(col, row)) return FALSE;
    *info = s.TypeAt(col, row);
    return TRUE;
}

// ------------------------------------------------------------------------- per cell

namespace {
BOOL SetExtra(HWND hWnd, SS_COORD col, SS_COORD row, int which, LPCWSTR text) {
    CTRL(FALSE);
    return s.SetExtra(col, row, which, W(text));
}
BOOL GetExtra(HWND hWnd, SS_COORD col, SS_COORD row, int which, std::wstring& out) {
    out.clear();
    CTRL(FALSE);
    if (!s.Inside(col, row)) return FALSE;
    if (const spread::CellExtra* e = s.Extra(col, row)) out = which == 0 ? e->tag : which == 1 ? e->note : e->tip;
    return TRUE;
}
BOOL ApplyGroup(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, const Style& st, std::uint32_t group) {
    CTRL(FALSE);
    if (!InRangeArgs(s, col, row) || !InRangeArgs(s, col2, row2)) return FALSE;
    return s.ApplyStyle(col, row, col2, row2, st, group);
}
}  // namespace

BOOL SSSetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR tag) { return SetExtra(hWnd, col, row, 0, tag); }
BOOL SSGetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& tag) { return GetExtra(hWnd, col, row, 0, tag); }
BOOL SSSetCellNote(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR note) { return SetExtra(hWnd, col, row, 1, note); }
BOOL SSGetCellNote(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& note) { return GetExtra(hWnd, col, row, 1, note); }
BOOL SSSetCellTextTip(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR tip) { return SetExtra(hWnd, col, row, 2, tip); }
BOOL SSGetCellTextTip(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& tip) { return GetExtra(hWnd, col, row, 2, tip); }

BOOL SSSetLock(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, BOOL locked) {
    Style st;
    st.locked = locked != 0;
    return ApplyGroup(hWnd, col, row, col2, row2, st, spread::kGroupLock);
}
BOOL SSGetLock(HWND hWnd, SS_COORD col, SS_COORD row) {
    CTRL(FALSE);
    if (!s.Inside(col, row)) return FALSE;
    return s.ResolveStyle(col, row).locked;
}
BOOL SSSetColor(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, COLORREF back, COLORREF fore) {
    Style st;
    st.back = back;
    st.fore = fore;
    return ApplyGroup(hWnd, col, row, col2, row2, st, spread::kGroupColor);
}
BOOL SSGetColor(HWND hWnd, SS_COORD col, SS_COORD row, COLORREF* back, COLORREF* fore) {
    CTRL(FALSE);
    if (!s.Inside(col, row)) return FALSE;
    Style st = s.ResolveStyle(col, row);
    if (back) *back = st.back;
    if (fore) *fore = st.fore;
    return TRUE;
}
BOOL SSSetFont(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, LPCWSTR name, int size, BOOL bold, BOOL italic) {
    if (size < 0 || size > 1000) return FALSE;
    Style st;
    st.fontName = W(name);
    st.fontSize = size;
    st.bold = bold != 0;
    st.italic = italic != 0;
    return ApplyGroup(hWnd, col, row, col2, row2, st, spread::kGroupFont);
}
BOOL SSGetFont(HWND hWnd, SS_COORD col, SS_COORD row, std::wstring& name, int* size, BOOL* bold, BOOL* italic) {
    name.clear();
    CTRL(FALSE);
    if (!s.Inside(col, row)) return FALSE;
    Style st = s.ResolveStyle(col, row);
    // Cells without a font of their own use the control's default font.
    name = st.fontName.empty() ? s.settings.fontName : st.fontName;
    if (size) *size = st.fontSize ? st.fontSize : s.settings.fontSize;
    if (bold) *bold = st.bold;
    if (italic) *italic = st.italic;
    return TRUE;
}
BOOL SSSetBorder(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, WORD sides, WORD style, COLORREF color) {
    if (sides > 15 || style > SS_BORDERSTYLE_DOT) return FALSE;
    Style st;
    st.borderSides = sides;
    st.borderStyle = style;
    st.borderColor = color;
    return ApplyGroup(hWnd, col, row, col2, row2, st, spread::kGroupBorder);
}
BOOL SSGetBorder(HWND hWnd, SS_COORD col, SS_COORD row, WORD* sides, WORD* style, COLORREF* color) {
    CTRL(FALSE);
    if (!s.Inside(col, row)) return FALSE;
    Style st = s.ResolveStyle(col, row);
    if (sides) *sides = st.borderSides;
    if (style) *style = st.borderStyle;
    if (color) *color = st.borderColor;
    return TRUE;
}
BOOL SSSetAlign(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2, short align) {
    if (align < SS_ALIGN_DEFAULT || align > SS_ALIGN_RIGHT) return FALSE;
    Style st;
    st.align = align;
    return ApplyGroup(hWnd, col, row, col2, row2, st, spread::kGroupAlign);
}
short SSGetAlign(HWND hWnd, SS_COORD col, SS_COORD row) {
    CTRL(0);
    if (!s.Inside(col, row)) return 0;
    return s.ResolveStyle(col, row).align;
}

// ------------------------------------------------------------------------- sizes

BOOL SSSetColWidth(HWND hWnd, SS_COORD col, double width) { CTRL(FALSE); return s.SetColWidth(col, width); }
BOOL SSGetColWidth(HWND hWnd, SS_COORD col, double* width) {
    CTRL(FALSE);
    if (col < 0 || col > s.MaxCols()) return FALSE;
    if (width) *width = s.ColWidth(col);
    return TRUE;
}
BOOL SSSetRowHeight(HWND hWnd, SS_COORD row, double height) { CTRL(FALSE); return s.SetRowHeight(row, height); }
BOOL SSGetRowHeight(HWND hWnd, SS_COORD row, double* height) {
    CTRL(FALSE);
    if (row < 0 || row > s.MaxRows()) return FALSE;
    if (height) *height = s.RowHeight(row);
    return TRUE;
}
BOOL SSSetColWidthInPixels(HWND hWnd, SS_COORD col, int pixels) { return SSSetColWidth(hWnd, col, pixels / 8.0); }
BOOL SSGetColWidthInPixels(HWND hWnd, SS_COORD col, int* pixels) {
    double w;
    if (!SSGetColWidth(hWnd, col, &w)) return FALSE;
    if (pixels) *pixels = static_cast<int>(std::lround(w * 8));
    return TRUE;
}
BOOL SSSetRowHeightInPixels(HWND hWnd, SS_COORD row, int pixels) { return SSSetRowHeight(hWnd, row, pixels * 0.75); }
BOOL SSGetRowHeightInPixels(HWND hWnd, SS_COORD row, int* pixels) {
    double h;
    if (!SSGetRowHeight(hWnd, row, &h)) return FALSE;
    if (pixels) *pixels = static_cast<int>(std::lround(h * 4.0 / 3.0));
    return TRUE;
}
BOOL SSGetMaxTextColWidth(HWND hWnd, SS_COORD col, double* width) {
    CTRL(FALSE);
    if (col < 0 || col > s.MaxCols()) return FALSE;
    std::size_t longest = 0;
    std::wstring t;
    s.GetText(col, 0, 0, t);
    longest = t.size();
    std::vector<Coord> rows;
    s.Store().ForEach([&](Coord c, Coord r, spread::CellData&) { if (c == col && r > 0) rows.push_back(r); });
    for (Coord r : rows) {
        s.GetText(col, r, 0, t);
        longest = std::max(longest, t.size());
    }
    if (width) *width = static_cast<double>(longest);
    return TRUE;
}
BOOL SSSetColHidden(HWND hWnd, SS_COORD col, BOOL hidden) { CTRL(FALSE); return s.SetColHidden(col, hidden != 0); }
BOOL SSGetColHidden(HWND hWnd, SS_COORD col) { CTRL(FALSE); return s.ColHidden(col); }
BOOL SSSetRowHidden(HWND hWnd, SS_COORD row, BOOL hidden) { CTRL(FALSE); return s.SetRowHidden(row, hidden != 0); }
BOOL SSGetRowHidden(HWND hWnd, SS_COORD row) { CTRL(FALSE); return s.RowHidden(row); }

// ------------------------------------------------------------------------- spans

BOOL SSAddCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) {
    CTRL(FALSE);
    return s.AddSpan(col, row, numCols, numRows);
}
short SSGetCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols, SS_COORD* numRows) {
    CTRL(SS_SPAN_NO);
    const spread::Range* sp = s.SpanAt(col, row);
    if (!sp) return SS_SPAN_NO;
    if (anchorCol) *anchorCol = sp->col1;
    if (anchorRow) *anchorRow = sp->row1;
    if (numCols) *numCols = sp->col2 - sp->col1 + 1;
    if (numRows) *numRows = sp->row2 - sp->row1 + 1;
    return sp->col1 == col && sp->row1 == row ? SS_SPAN_ANCHOR : SS_SPAN_YES;
}
void SSRemoveCellSpan(HWND hWnd, SS_COORD col, SS_COORD row) {
    CTRL();
    s.RemoveSpan(col, row);
}

// ------------------------------------------------------------------------- active cell, selection, edit

BOOL SSSetActiveCell(HWND hWnd, SS_COORD col, SS_COORD row) {
    CTRL(FALSE);
    if (!s.InsideCells(col, row)) return FALSE;
    if (s.editing) spread::EndEdit(*ctl, true);
    s.activeCol = col;
    s.activeRow = row;
    return TRUE;
}
BOOL SSGetActiveCell(HWND hWnd, SS_COORD* col, SS_COORD* row) {
    CTRL(FALSE);
    if (col) *col = s.activeCol;
    if (row) *row = s.activeRow;
    return TRUE;
}
BOOL SSSetSelection(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD col2, SS_COORD row2) {
    CTRL(FALSE);
    if (!InRangeArgs(s, col, row) || !InRangeArgs(s, col2, row2)) return FALSE;
    s.hasSelection = true;
    s.selection = {col, row, col2, row2};
    return TRUE;
}
BOOL SSGetSelection(HWND hWnd, SS_COORD* col, SS_COORD* row, SS_COORD* col2, SS_COORD* row2) {
    CTRL(FALSE);
    spread::Range r = s.hasSelection ? s.selection : spread::Range{s.activeCol, s.activeRow, s.activeCol, s.activeRow};
    if (col) *col = r.col1;
    if (row) *row = r.row1;
    if (col2) *col2 = r.col2;
    if (row2) *row2 = r.row2;
    return TRUE;
}
BOOL SSClearSelection(HWND hWnd) { CTRL(FALSE); s.hasSelection = false; return TRUE; }
BOOL SSSetEditMode(HWND hWnd, BOOL editing) {
    CTRL(FALSE);
    return editing ? spread::BeginEdit(*ctl) : (s.editing ? spread::EndEdit(*ctl, true) : TRUE);
}
BOOL SSGetEditMode(HWND hWnd) { CTRL(FALSE); return s.editing; }
BOOL SSLeaveEditMode(HWND hWnd, BOOL commit) { CTRL(FALSE); return spread::EndEdit(*ctl, commit != 0); }
BOOL SSSetEditText(HWND hWnd, LPCWSTR text) {
    CTRL(FALSE);
    if (!s.editing) return FALSE;
    s.editText = W(text);
    s.editSelStart = s.editSelEnd = static_cast<int>(s.editText.size());
    return TRUE;
}
BOOL SSGetEditText(HWND hWnd, std::wstring& text) {
    text.clear();
    CTRL(FALSE);
    if (!s.editing) return FALSE;
    text = s.editText;
    return TRUE;
}
BOOL SSSetEditSel(HWND hWnd, int start, int end) {
    CTRL(FALSE);
    if (!s.editing) return FALSE;
    int n = static_cast<int>(s.editText.size());
    auto clamp = [n](int v) { return v < 0 ? n : (v > n ? n : v); };
    s.editSelStart = clamp(start);
    s.editSelEnd = clamp(end);
    return TRUE;
}
BOOL SSGetEditSel(HWND hWnd, int* start, int* end) {
    CTRL(FALSE);
    if (!s.editing) return FALSE;
    if (start) *start = s.editSelStart;
    if (end) *end = s.editSelEnd;
    return TRUE;
}

// ------------------------------------------------------------------------- settings

BOOL SSSetBool(HWND hWnd, short index, BOOL value) {
    CTRL(FALSE);
    if (index < 0 || index >= SSB_COUNT) return FALSE;
    BOOL old = s.settings.bools[index];
    if ((old != FALSE) != (value != FALSE)) s.Touch();
    s.settings.bools[index] = value != 0;
    // Switching automatic calculation on brings every formula up to date.
    if (index == SSB_AUTOCALC && value && !old) s.RecalcAll();
    return old;
}
BOOL SSGetBool(HWND hWnd, short index) {
    CTRL(FALSE);
    if (index < 0 || index >= SSB_COUNT) return FALSE;
    return s.settings.bools[index];
}
BOOL SSSetRefStyle(HWND hWnd, short style) {
    CTRL(FALSE);
    if (style < 0 || style > 2) return FALSE;
    if (s.settings.refStyle != style) s.Touch();
    s.settings.refStyle = style;
    return TRUE;
}
short SSGetRefStyle(HWND hWnd) { CTRL(0); return s.settings.refStyle; }
BOOL SSSetActionKey(HWND hWnd, short action, BOOL shift, BOOL ctrl, WORD key) {
    CTRL(FALSE);
    if (action < 0 || action > 2) return FALSE;
    s.settings.actionKeys[action] = key ? spread::SheetSettings::ActionKey{shift, ctrl, key} : spread::SheetSettings::ActionKey{};
    return TRUE;
}
BOOL SSGetActionKey(HWND hWnd, short action, BOOL* shift, BOOL* ctrl, WORD* key) {
    CTRL(FALSE);
    if (action < 0 || action > 2) return FALSE;
    const auto& k = s.settings.actionKeys[action];
    if (shift) *shift = k.shift;
    if (ctrl) *ctrl = k.ctrl;
    if (key) *key = k.key;
    return TRUE;
}
BOOL SSSetAppearance(HWND hWnd, short appearance) {
    CTRL(FALSE);
    if (appearance < 0 || appearance > 2) return FALSE;
    s.settings.appearance = appearance;
    return TRUE;
}
short SSGetAppearance(HWND hWnd) { CTRL(0); return s.settings.appearance; }
BOOL SSSetBackColorStyle(HWND hWnd, short style) {
    CTRL(FALSE);
    if (style < 0 || style > 3) return FALSE;
    s.settings.backColorStyle = style;
    return TRUE;
}
short SSGetBackColorStyle(HWND hWnd) { CTRL(0); return s.settings.backColorStyle; }
BOOL SSSetSelColor(HWND hWnd, COLORREF back, COLORREF fore) { CTRL(FALSE); s.settings.selBack = back; s.settings.selFore = fore; return TRUE; }
BOOL SSGetSelColor(HWND hWnd, COLORREF* back, COLORREF* fore) {
    CTRL(FALSE);
    if (back) *back = s.settings.selBack;
    if (fore) *fore = s.settings.selFore;
    return TRUE;
}
BOOL SSSetGridColor(HWND hWnd, COLORREF color) { CTRL(FALSE); s.settings.gridColor = color; return TRUE; }
COLORREF SSGetGridColor(HWND hWnd) { CTRL(SS_COLOR_DEFAULT); return s.settings.gridColor; }
BOOL SSSetShadowColor(HWND hWnd, COLORREF shadow, COLORREF shadowText) {
    CTRL(FALSE);
    s.settings.shadow = shadow;
    s.settings.shadowText = shadowText;
    return TRUE;
}
BOOL SSGetShadowColor(HWND hWnd, COLORREF* shadow, COLORREF* shadowText) {
    CTRL(FALSE);
    if (shadow) *shadow = s.settings.shadow;
    if (shadowText) *shadowText = s.settings.shadowText;
    return TRUE;
}
BOOL SSSetLockColor(HWND hWnd, COLORREF back, COLORREF fore) { CTRL(FALSE); s.settings.lockBack = back; s.settings.lockFore = fore; return TRUE; }
BOOL SSGetLockColor(HWND hWnd, COLORREF* back, COLORREF* fore) {
    CTRL(FALSE);
    if (back) *back = s.settings.lockBack;
    if (fore) *fore = s.settings.lockFore;
    return TRUE;
}
BOOL SSSetCellNoteIndicator(HWND hWnd, short mode) {
    CTRL(FALSE);
    if (mode != SS_NOTEINDICATOR_SHOW && mode != SS_NOTEINDICATOR_HIDE) return FALSE;
    s.settings.noteIndicator = mode;
    return TRUE;
}
short SSGetCellNoteIndicator(HWND hWnd) { CTRL(0); return s.settings.noteIndicator; }
BOOL SSSetTextTip(HWND hWnd, short mode, LONG delay, COLORREF back, COLORREF fore) {
    CTRL(FALSE);
    if (mode < 0 || mode > 4 || delay < 0) return FALSE;
    s.settings.tipMode = mode;
    s.settings.tipDelay = delay;
    s.settings.tipBack = back;
    s.settings.tipFore = fore;
    return TRUE;
}
BOOL SSGetTextTip(HWND hWnd, short* mode, LONG* delay, COLORREF* back, COLORREF* fore) {
    CTRL(FALSE);
    if (mode) *mode = s.settings.tipMode;
    if (delay) *delay = s.settings.tipDelay;
    if (back) *back = s.settings.tipBack;
    if (fore) *fore = s.settings.tipFore;
    return TRUE;
}
BOOL SSGetScrollBarSize(HWND hWnd, short* verticalWidth, short* horizontalHeight) {
    CTRL(FALSE);
    if (verticalWidth) *verticalWidth = 17;
    if (horizontalHeight) *horizontalHeight = 17;
    return TRUE;
}
BOOL SSSetDefaultFont(HWND hWnd, LPCWSTR name, int size) {
    CTRL(FALSE);
    if (size <= 0 || size > 1000) return FALSE;
    s.settings.fontName = W(name);
    s.settings.fontSize = size;
    return TRUE;
}
BOOL SSGetDefaultFont(HWND hWnd, std::wstring& name, int* size) {
    CTRL(FALSE);
    name = s.settings.fontName;
    if (size) *size = s.settings.fontSize;
    return TRUE;
}
BOOL SSSetSelectionMode(HWND hWnd, short mode) {
    CTRL(FALSE);
    if (mode < 0 || mode > 1) return FALSE;
    s.settings.selectionMode = mode;
    return TRUE;
}
short SSGetSelectionMode(HWND hWnd) { CTRL(0); return s.settings.selectionMode; }

BOOL SSReset(HWND hWnd) {
    CTRL(FALSE);
    if (s.Calculating()) return FALSE;
    s.Reset();
    ctl->lastError.clear();
    return TRUE;
}

// ------------------------------------------------------------------------- rows and columns

BOOL SSInsRows(HWND hWnd, SS_COORD row, SS_COORD count) { CTRL(FALSE); return s.InsertRows(row, count); }
BOOL SSDelRows(HWND hWnd, SS_COORD row, SS_COORD count) { CTRL(FALSE); return s.DeleteRows(row, count); }
BOOL SSInsCols(HWND hWnd, SS_COORD col, SS_COORD count) { CTRL(FALSE); return s.InsertCols(col, count); }
BOOL SSDelCols(HWND hWnd, SS_COORD col, SS_COORD count) { CTRL(FALSE); return s.DeleteCols(col, count); }
BOOL SSMoveRow(HWND hWnd, SS_COORD from, SS_COORD to) { CTRL(FALSE); return s.MoveRow(from, to); }
BOOL SSMoveCol(HWND hWnd, SS_COORD from, SS_COORD to) { CTRL(FALSE); return s.MoveCol(from, to); }

// ------------------------------------------------------------------------- calculation

BOOL SSReCalc(HWND hWnd) { CTRL(FALSE); s.RecalcAll(); return TRUE; }
BOOL SSReCalcCell(HWND hWnd, SS_COORD col, SS_COORD row) { CTRL(FALSE); return s.RecalcCell(col, row); }
BOOL SSAddCustomFunctionExt(HWND hWnd, LPCWSTR name, short minArgs, short maxArgs, SS_CALCFUNC func, LONG flags) {
    CTRL(FALSE);
    if (!name) return FALSE;
    return s.AddCustom(name, minArgs, maxArgs, func, flags);
}
BOOL SSRemoveCustomFunction(HWND hWnd, LPCWSTR name) { CTRL(FALSE); return name && s.RemoveCustom(name); }

// ------------------------------------------------------------------------- files

BOOL SSLoadFromBuffer(HWND hWnd, std::string_view utf8, LPCWSTR nameForMessages) {
    CTRL(FALSE);
    if (s.Calculating()) {
        ctl->lastError = L"the sheet is being calculated";
        return FALSE;
    }
    auto fresh = std::make_unique<Sheet>();
    fresh->hwnd = hWnd;
    fresh->settings = s.settings;
    std::wstring err;
    if (!spread::LoadSheet(utf8, W(nameForMessages), *fresh, err)) {
        ctl->lastError = err;
        return FALSE;
    }
    ctl->sheet = std::move(fresh);
    ctl->lastError.clear();
    return TRUE;
}
namespace {

// Sheets parsed from shared buffers, by the buffer object (immutable while shared) and
// the settings in force before the load (a file keeps those it does not name). Only
// sheets without formulas are kept, so a copy is exactly what parsing again would give.
struct ParsedSheet {
    std::shared_ptr<const std::string> bytes;
    spread::SheetSettings before;
    std::unique_ptr<Sheet> sheet;
};
constexpr std::size_t kMaxParsedSheets = 16;
constexpr std::size_t kMaxParsedSheetBytes = 256 * 1024;        // larger buffers are parsed each time
constexpr std::size_t kMaxParsedSheetsBytes = 4 * 1024 * 1024;  // of all buffers kept

std::vector<ParsedSheet>& parsedSheets() {
    static std::vector<ParsedSheet> sheets;   // most recently used first
    return sheets;
}

}  // namespace

BOOL SSLoadFromSharedBuffer(HWND hWnd, const std::shared_ptr<const std::string>& utf8, LPCWSTR nameForMessages) {
    if (!utf8) return FALSE;
    {
        CTRL(FALSE);
        if (s.Calculating()) {
            ctl->lastError = L"the sheet is being calculated";
            return FALSE;
        }
        auto& sheets = parsedSheets();
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            if (sheets[i].bytes != utf8 || !(sheets[i].before == s.settings)) continue;
            auto fresh = std::make_unique<Sheet>();
            fresh->CopyFrom(*sheets[i].sheet);
            fresh->hwnd = hWnd;
            ctl->sheet = std::move(fresh);
            ctl->lastError.clear();
            std::rotate(sheets.begin(), sheets.begin() + static_cast<std::ptrdiff_t>(i),
                        sheets.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return TRUE;
        }
    }
    spread::SheetSettings before;
    {
        CTRL(FALSE);
        before = s.settings;
    }
    if (!SSLoadFromBuffer(hWnd, *utf8, nameForMessages)) return FALSE;
    if (utf8->size() > kMaxParsedSheetBytes) return TRUE;
    CTRL(TRUE);
    if (s.HasFormulas()) return TRUE;
    auto& sheets = parsedSheets();
    // A buffer only this cache still holds can never be passed again.
    sheets.erase(std::remove_if(sheets.begin(), sheets.end(), [](const ParsedSheet& p) { return p.bytes.use_count() == 1; }),
                 sheets.end());
    std::size_t kept = utf8->size();
    for (const ParsedSheet& p : sheets) kept += p.bytes->size();
    while (!sheets.empty() && (sheets.size() >= kMaxParsedSheets || kept > kMaxParsedSheetsBytes)) {
        kept -= sheets.back().bytes->size();
        sheets.pop_back();
    }
    auto copy = std::make_unique<Sheet>();
    copy->CopyFrom(s);
    copy->hwnd = nullptr;
    sheets.insert(sheets.begin(), ParsedSheet{utf8, before, std::move(copy)});
    return TRUE;
}

void SSForgetParsedSheets() {
    parsedSheets().clear();
    spread::ForgetParsedFormulas();
}

BOOL SSLoadFromFile(HWND hWnd, LPCWSTR fileName) {
    CTRL(FALSE);
    if (!fileName) return FALSE;
    std::string bytes;
    if (!ReadFileBytes(fileName, bytes, SS_LIMIT_FILE_BYTES)) {
        ctl->lastError = std::wstring(fileName) + (GetLastError() == static_cast<DWORD>(ERROR_FILE_TOO_LARGE)
                                                       ? L": larger than " + std::to_wstring(SS_LIMIT_FILE_BYTES) +
                                                             L" bytes, not read"
                                                       : std::wstring(L": cannot be read"));
        return FALSE;
    }
    return SSLoadFromBuffer(hWnd, bytes, fileName);
}
BOOL SSSaveToBuffer(HWND hWnd, std::string& utf8, BOOL dataOnly) {
    CTRL(FALSE);
    utf8 = spread::SaveSheet(s, dataOnly != 0);
    return TRUE;
}
BOOL SSSaveToFile(HWND hWnd, LPCWSTR fileName, BOOL dataOnly) {
    CTRL(FALSE);
    if (!fileName) return FALSE;
    std::string bytes = spread::SaveSheet(s, dataOnly != 0);
    if (!WriteFileAtomic(fileName, bytes)) {
        ctl->lastError = std::wstring(fileName) + L": cannot be written";
        return FALSE;
    }
    s.settings.bools[SSB_CHANGEMADE] = false;
    ctl->lastError.clear();
    return TRUE;
}
std::wstring SSGetLastErrorText(HWND hWnd) { CTRL(std::wstring()); return ctl->lastError; }

// ------------------------------------------------------------------------- simulated user

BOOL SSUserClickCell(HWND hWnd, SS_COORD col, SS_COORD row) { CTRL(FALSE); return spread::UserClick(*ctl, col, row, false); }
BOOL SSUserDoubleClickCell(HWND hWnd, SS_COORD col, SS_COORD row) { CTRL(FALSE); return spread::UserClick(*ctl, col, row, true); }
BOOL SSUserTypeText(HWND hWnd, SS_COORD col, SS_COORD row, LPCWSTR text) { CTRL(FALSE); return spread::UserType(*ctl, col, row, W(text)); }
BOOL SSGetCellFromPixel(HWND hWnd, int x, int y, SS_COORD* col, SS_COORD* row) {
    CTRL(FALSE);
    Coord c, r;
    bool ok = spread::CellFromPixel(s, x, y, c, r);
    if (col) *col = c;
    if (row) *row = r;
    return ok;
}
