// References made from values: INDIRECT, OFFSET and ADDRESS. The references they make are
// reported to the evaluator (NoteDynamicRef), so that the cells they point at are
// calculated first; formulas calling them are volatile (recalculated on every change).
#include <algorithm>
#include <cmath>

#include "functions.h"
#include "spread/ss_api.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num

// One reference of an A1 text: "B3", "$B$3", "B", "3" (a whole column or row when
// allowed); false when the text is not one.
bool ParseA1Part(std::wstring_view s, Coord& col, Coord& row) {
    std::size_t i = 0;
    col = row = 0;
    if (i < s.size() && s[i] == L'$') ++i;
    std::size_t a = i;
    while (i < s.size() && ((s[i] >= L'A' && s[i] <= L'Z') || (s[i] >= L'a' && s[i] <= L'z'))) ++i;
    if (i > a) {
        col = ColumnFromLetters(s.substr(a, i - a));
        if (col == 0) return false;
    }
    if (i < s.size() && s[i] == L'$') ++i;
    std::size_t b = i;
    double r = 0;
    while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && r < 1e9) r = r * 10 + (s[i++] - L'0');
    if (i != s.size() || (col == 0 && i == b)) return false;
    row = static_cast<Coord>(r);
    if (i > b && row == 0) return false;
    return col != 0 || row != 0;
}

// "R2C3", "R[-1]C", "RC[2]" relative to the host cell.
bool ParseR1C1Part(std::wstring_view s, Coord hostCol, Coord hostRow, Coord& col, Coord& row) {
    std::size_t i = 0;
    auto part = [&](wchar_t letter, Coord host, Coord& out) {
        if (i >= s.size() || (s[i] != letter && s[i] != letter + 32)) return false;
        ++i;
        bool rel = i < s.size() && s[i] == L'[';
        if (rel) ++i;
        bool neg = i < s.size() && s[i] == L'-';
        if (neg) ++i;
        double n = 0;
        std::size_t d = i;
        while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && n < 1e9) n = n * 10 + (s[i++] - L'0');
        if (rel) {
            if (i == d || i >= s.size() || s[i] != L']') return false;
            ++i;
            out = host + static_cast<Coord>(neg ? -n : n);
        } else {
            if (neg) return false;
            out = i == d ? host : static_cast<Coord>(n);
        }
        return true;
    };
    return part(L'R', hostRow, row) && part(L'C', hostCol, col) && i == s.size();
}

// INDIRECT(text, [a1 = TRUE]): the cell or range a reference text names; texts that name
// none, or another sheet, are #REF!.
void fIndirect(CallArgs& call) {
    std::wstring text(Trim(ARG(0).text));
    bool a1 = call.argc < 2 || NUM(1) != 0;
    if (text.find(L'!') != std::wstring::npos || text.empty()) { call.result = EvalVal::Error(Err::Ref); return; }
    std::size_t colon = text.find(L':');
    std::wstring_view first = std::wstring_view(text).substr(0, colon);
    std::wstring_view second = colon == std::wstring::npos ? first : std::wstring_view(text).substr(colon + 1);
    Coord c1, r1, c2, r2;
    bool ok;
    if (a1) {
        ok = ParseA1Part(first, c1, r1) && ParseA1Part(second, c2, r2);
        // Whole columns ("B:C") and rows ("2:4") only as ranges.
        if (ok && (c1 == 0 || r1 == 0 || c2 == 0 || r2 == 0)) {
            ok = colon != std::wstring::npos && (c1 == 0) == (c2 == 0) && (r1 == 0) == (r2 == 0);
            if (c1 == 0) { c1 = 1; c2 = call.ctx.MaxCol(); }
            if (r1 == 0) { r1 = 1; r2 = call.ctx.MaxRow(); }
        }
    } else {
        ok = ParseR1C1Part(first, call.ctx.HostCol(), call.ctx.HostRow(), c1, r1) &&
             ParseR1C1Part(second, call.ctx.HostCol(), call.ctx.HostRow(), c2, r2);
    }
    if (!ok) { call.result = EvalVal::Error(Err::Ref); return; }
    Range r{std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
    if (r.col1 < 1 || r.row1 < 1 || r.col2 > call.ctx.MaxCol() || r.row2 > call.ctx.MaxRow()) {
        call.result = EvalVal::Error(Err::Ref);
        return;
    }
    call.ctx.NoteDynamicRef(r);
    call.result = r.col1 == r.col2 && r.row1 == r.row2 ? EvalVal::Cell(r.col1, r.row1) : EvalVal::RangeOf(r);
}

// OFFSET(reference, rows, cols, [height], [width]): the reference moved and resized (the
// size of the reference by default; negative sizes reach up or left). Outside the sheet
// or of size 0: #REF!.
void fOffset(CallArgs& call) {
    const EvalVal& base = ARG(0);
    if (!base.isRef()) { call.result = EvalVal::Error(base.isError() ? base.err : Err::Value); return; }
    double nums[4] = {0, 0, 0, 0};
    for (int i = 1; i < call.argc; ++i) {
        EvalVal v = Deref(call.ctx, ARG(i));
        Err e = Err::None;
        if (i >= 3 && v.t == EvalVal::T::Empty) { nums[i - 1] = NAN; continue; }   // default size
        if (!ToNumber(v, nums[i - 1], e)) { call.result = EvalVal::Error(e); return; }
        nums[i - 1] = std::trunc(nums[i - 1]);
    }
    double h = call.argc > 3 && !std::isnan(nums[2]) ? nums[2] : base.r.row2 - base.r.row1 + 1;
    double w = call.argc > 4 && !std::isnan(nums[3]) ? nums[3] : base.r.col2 - base.r.col1 + 1;
    double row1 = base.r.row1 + nums[0], col1 = base.r.col1 + nums[1];
    if (h == 0 || w == 0) { call.result = EvalVal::Error(Err::Ref); return; }
    double row2 = h > 0 ? row1 + h - 1 : row1, col2 = w > 0 ? col1 + w - 1 : col1;
    if (h < 0) row1 = row1 + h + 1;
    if (w < 0) col1 = col1 + w + 1;
    if (row1 < 1 || col1 < 1 || row2 > call.ctx.MaxRow() || col2 > call.ctx.MaxCol()) {
        call.result = EvalVal::Error(Err::Ref);
        return;
    }
    Range r{static_cast<Coord>(col1), static_cast<Coord>(row1), static_cast<Coord>(col2), static_cast<Coord>(row2)};
    call.ctx.NoteDynamicRef(r);
    call.result = r.col1 == r.col2 && r.row1 == r.row2 ? EvalVal::Cell(r.col1, r.row1) : EvalVal::RangeOf(r);
}

// ADDRESS(row, column, [kind = 1], [a1 = TRUE], [sheet]): kind 1 $A$1, 2 A$1, 3 $A1, 4 A1
// (R1C1: R1C1, R1C[1], R[1]C1, R[1]C[1], relative parts counted from A1's position).
void fAddress(CallArgs& call) {
    double row = std::trunc(NUM(0)), col = std::trunc(NUM(1));
    int kind = call.argc > 2 ? static_cast<int>(std::trunc(NUM(2))) : 1;
    bool a1 = call.argc < 4 || NUM(3) != 0;
    if (row < 1 || col < 1 || row > SS_LIMIT_MAXROWS || col > SS_LIMIT_MAXCOLS || kind < 1 || kind > 4) {
        call.result = EvalVal::Error(Err::Value);
        return;
    }
    bool rowAbs = kind == 1 || kind == 2, colAbs = kind == 1 || kind == 3;
    Coord r = static_cast<Coord>(row), c = static_cast<Coord>(col);
    std::wstring out;
    if (a1) {
        out = (colAbs ? L"$" : L"") + ColumnLetters(c) + (rowAbs ? L"$" : L"") + std::to_wstring(r);
    } else {
        out = rowAbs ? L"R" + std::to_wstring(r) : L"R[" + std::to_wstring(r) + L"]";
        out += colAbs ? L"C" + std::to_wstring(c) : L"C[" + std::to_wstring(c) + L"]";
    }
    if (call.argc > 4) {
        std::wstring sheet;
        Err e = Err::None;
        if (!ToText(ARG(4), sheet, e)) { call.result = EvalVal::Error(e); return; }
        if (!sheet.empty()) {
            bool quote = false;
            for (wchar_t ch : sheet) quote = quote || !((ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || (ch >= L'0' && ch <= L'9') || ch == L'_');
            std::wstring quoted;
            for (wchar_t ch : sheet) quoted += ch == L'\'' ? std::wstring(L"''") : std::wstring(1, ch);
            out = (quote ? L"'" + quoted + L"'" : sheet) + L"!" + out;
        }
    }
    call.result = EvalVal::Str(std::move(out));
}

const FnDef kDefs[] = {
    {L"INDIRECT", 1, 2, "sn", fIndirect},
    {L"OFFSET", 3, 5, "r", fOffset},
    {L"ADDRESS", 2, 5, "nnnnv", fAddress},
};

}  // namespace

FnGroup ReferenceFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
