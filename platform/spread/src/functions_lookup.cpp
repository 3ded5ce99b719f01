// Look-ups and reference functions.
#include <cmath>

#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num

bool SameClass(const EvalVal& key, const CellView& c) {
    return (key.t == EvalVal::T::Number && c.kind == Kind::Number) || (key.t == EvalVal::T::Text && c.kind == Kind::Text) ||
           (key.t == EvalVal::T::Logical && c.kind == Kind::Logical);
}

EvalVal ViewToVal(const CellView& c) { return FromView(c); }

// Position (0-based) of key along a one-column (vertical) or one-row line of the sheet.
// mode 0: first equal value; 1: last value <= key in an ascending line (binary search);
// -1: last value >= key in a descending line. -1 when not found.
Coord LookupLine(EvalContext& ctx, const EvalVal& key, Range line, bool vertical, int mode) {
    Coord n = vertical ? line.row2 - line.row1 + 1 : line.col2 - line.col1 + 1;
    auto at = [&](Coord i) { return vertical ? ctx.View(line.col1, line.row1 + i) : ctx.View(line.col1 + i, line.row1); };
    if (key.t != EvalVal::T::Number && key.t != EvalVal::T::Text && key.t != EvalVal::T::Logical) return -1;
    if (mode == 0) {
        if (const ExactIndex* idx = ctx.Index(line)) {
            auto it = idx->find(IndexKey(key));
            return it == idx->end() ? -1 : it->second;
        }
        for (Coord i = 0; i < n; ++i) {
            CellView c = at(i);
            if (SameClass(key, c) && CompareScalars(ViewToVal(c), key) == 0) return i;
        }
        return -1;
    }
    if (mode > 0) {
        Coord lo = 0, hi = n - 1, found = -1;
        while (lo <= hi) {
            Coord mid = lo + (hi - lo) / 2;
            CellView c = at(mid);
            // Empty cells and values of another kind sort after the key's kind.
            int cmp = (c.kind == Kind::Empty || c.kind == Kind::Error) ? 1 : CompareScalars(ViewToVal(c), key);
            if (!SameClass(key, c) && c.kind != Kind::Empty && c.kind != Kind::Error)
                cmp = CompareScalars(ViewToVal(c), key) < 0 ? -1 : 1;   // kinds order numbers < texts < logicals
            if (cmp <= 0) {
                if (SameClass(key, c)) found = mid;
                lo = mid + 1;
            } else {
                hi = mid - 1;
            }
        }
        return found;
    }
    Coord found = -1;
    for (Coord i = 0; i < n; ++i) {
        CellView c = at(i);
        if (!SameClass(key, c)) continue;
        if (CompareScalars(ViewToVal(c), key) >= 0) found = i;
        else break;
    }
    return found;
}

bool TableArg(CallArgs& call, int i, Range& r) {
    if (!ARG(i).isRef()) { call.result = EvalVal::Error(ARG(i).isError() ? ARG(i).err : Err::Value); return false; }
    r = ARG(i).r;
    if (!call.ctx.Clip(r)) { call.result = EvalVal::Error(Err::Ref); return false; }
    return true;
}

void XLookup(CallArgs& call, bool vertical) {
    Range t;
    if (!TableArg(call, 1, t)) return;
    double idx = std::trunc(NUM(2));
    bool approx = call.argc > 3 ? NUM(3) != 0 : true;
    Coord width = vertical ? t.col2 - t.col1 + 1 : t.row2 - t.row1 + 1;
    if (idx < 1) { call.result = EvalVal::Error(Err::Value); return; }
    if (idx > width) { call.result = EvalVal::Error(Err::Ref); return; }
    Range line = vertical ? Range{t.col1, t.row1, t.col1, t.row2} : Range{t.col1, t.row1, t.col2, t.row1};
    Coord p = LookupLine(call.ctx, ARG(0), line, vertical, approx ? 1 : 0);
    if (p < 0) { call.result = EvalVal::Error(Err::NA); return; }
    Coord off = static_cast<Coord>(idx) - 1;
    call.result = vertical ? EvalVal::Cell(t.col1 + off, t.row1 + p) : EvalVal::Cell(t.col1 + p, t.row1 + off);
}
void fVLookup(CallArgs& call) { XLookup(call, true); }
void fHLookup(CallArgs& call) { XLookup(call, false); }

void fMatch(CallArgs& call) {
    Range t;
    if (!TableArg(call, 1, t)) return;
    int mode = call.argc > 2 ? (NUM(2) > 0 ? 1 : (NUM(2) < 0 ? -1 : 0)) : 1;
    bool vertical = t.col1 == t.col2;
    if (!vertical && t.row1 != t.row2) { call.result = EvalVal::Error(Err::NA); return; }
    Coord p = LookupLine(call.ctx, ARG(0), t, vertical, mode);
    if (p < 0) call.result = EvalVal::Error(Err::NA);
    else call.result = EvalVal::Num(static_cast<double>(p + 1));
}

void fIndex(CallArgs& call) {
    Range t;
    if (!TableArg(call, 0, t)) return;
    double r = std::trunc(NUM(1)), c = call.argc > 2 ? std::trunc(NUM(2)) : 0;
    Coord rows = t.row2 - t.row1 + 1, cols = t.col2 - t.col1 + 1;
    // One-row tables take the single index as the column.
    if (call.argc == 2 && rows == 1) { c = r; r = 1; }
    if (c == 0 && cols == 1) c = 1;
    if (r == 0 && rows == 1) r = 1;
    if (r < 1 || c < 1) { call.result = EvalVal::Error(Err::Value); return; }
    if (r > rows || c > cols) { call.result = EvalVal::Error(Err::Ref); return; }
    call.result = EvalVal::Cell(t.col1 + static_cast<Coord>(c) - 1, t.row1 + static_cast<Coord>(r) - 1);
}

// LOOKUP(value, line, [results]): the last value <= the key in an ascending line (one row
// or column); the result at the same place of results. Without results, a table wider
// than tall is searched along its first row and answers from its last row, else along
// its first column answering from its last column.
void fLookup(CallArgs& call) {
    Range t;
    if (!TableArg(call, 1, t)) return;
    Coord rows = t.row2 - t.row1 + 1, cols = t.col2 - t.col1 + 1;
    bool vertical = rows >= cols;
    Range line = vertical ? Range{t.col1, t.row1, t.col1, t.row2} : Range{t.col1, t.row1, t.col2, t.row1};
    Coord p = LookupLine(call.ctx, ARG(0), line, vertical, 1);
    if (p < 0) { call.result = EvalVal::Error(Err::NA); return; }
    if (call.argc > 2) {
        Range res;
        if (!TableArg(call, 2, res)) return;
        bool resVertical = res.col1 == res.col2 ? true : res.row1 != res.row2;
        call.result = resVertical ? EvalVal::Cell(res.col1, res.row1 + p) : EvalVal::Cell(res.col1 + p, res.row1);
        return;
    }
    call.result = vertical ? EvalVal::Cell(t.col2, t.row1 + p) : EvalVal::Cell(t.col1 + p, t.row2);
}

void fChoose(CallArgs& call) {
    EvalVal idx = Deref(call.ctx, ARG(0));
    double n;
    Err e;
    if (!ToNumber(idx, n, e)) { call.result = EvalVal::Error(e); return; }
    n = std::trunc(n);
    if (n < 1 || n > call.argc - 1) { call.result = EvalVal::Error(Err::Value); return; }
    call.result = ARG(static_cast<int>(n));
}

void fRow(CallArgs& call) {
    if (call.argc == 0 || ARG(0).t == EvalVal::T::Empty) { call.result = EvalVal::Num(call.ctx.HostRow()); return; }
    if (!ARG(0).isRef()) { call.result = EvalVal::Error(Err::Value); return; }
    call.result = EvalVal::Num(ARG(0).r.row1);
}
void fColumn(CallArgs& call) {
    if (call.argc == 0 || ARG(0).t == EvalVal::T::Empty) { call.result = EvalVal::Num(call.ctx.HostCol()); return; }
    if (!ARG(0).isRef()) { call.result = EvalVal::Error(Err::Value); return; }
    call.result = EvalVal::Num(ARG(0).r.col1);
}
void fRows(CallArgs& call) {
    if (!ARG(0).isRef()) { call.result = EvalVal::Num(1); return; }
    call.result = EvalVal::Num(ARG(0).r.row2 - ARG(0).r.row1 + 1);
}
void fColumns(CallArgs& call) {
    if (!ARG(0).isRef()) { call.result = EvalVal::Num(1); return; }
    call.result = EvalVal::Num(ARG(0).r.col2 - ARG(0).r.col1 + 1);
}

const FnDef kDefs[] = {
    {L"VLOOKUP", 3, 4, "vrnn", fVLookup},
    {L"HLOOKUP", 3, 4, "vrnn", fHLookup},
    {L"MATCH", 2, 3, "vrn", fMatch},
    {L"LOOKUP", 2, 3, "vrr", fLookup},
    {L"INDEX", 2, 3, "rnn", fIndex},
    {L"CHOOSE", 2, -1, "r", fChoose},
    {L"ROW", 0, 1, "r", fRow},
    {L"COLUMN", 0, 1, "r", fColumn},
    {L"ROWS", 1, 1, "r", fRows},
    {L"COLUMNS", 1, 1, "r", fColumns},
};

}  // namespace

FnGroup LookupFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
