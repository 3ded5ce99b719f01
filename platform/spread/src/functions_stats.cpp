// Statistics over value lists (MEDIAN, SMALL, LARGE, STDEV, VAR...) and SUBTOTAL.
#include <algorithm>
#include <cmath>
#include <vector>

#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]

void SetNum(CallArgs& call, double v) {
    call.result = std::isfinite(v) ? EvalVal::Num(v) : EvalVal::Error(Err::Num);
}

// The numbers of arguments [first, argc): in ranges only numbers count; given directly,
// numbers, logicals and numeric texts count and other texts are #VALUE!. An error is the
// result (false).
bool Numbers(CallArgs& call, int first, int last, std::vector<double>& out) {
    for (int i = first; i < last; ++i) {
        const EvalVal& a = ARG(i);
        if (a.isRef()) {
            Range r = a.r;
            if (!call.ctx.Clip(r)) { call.result = EvalVal::Error(Err::Ref); return false; }
            for (Coord row = r.row1; row <= r.row2; ++row)
                for (Coord col = r.col1; col <= r.col2; ++col) {
                    CellView c = call.ctx.View(col, row);
                    if (c.kind == Kind::Error) { call.result = EvalVal::Error(c.err); return false; }
                    if (c.kind == Kind::Number) out.push_back(c.num);
                }
        } else if (a.t != EvalVal::T::Empty) {
            double n;
            Err e = Err::None;
            if (!ToNumber(a, n, e)) { call.result = EvalVal::Error(e); return false; }
            out.push_back(n);
        }
    }
    return true;
}

double Median(std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Variance of v (sample: n - 1, population: n); fewer values than needed is #DIV/0!.
bool Variance(const std::vector<double>& v, bool sample, double& out) {
    std::size_t n = v.size();
    if (n == 0 || (sample && n < 2)) return false;
    double mean = 0;
    for (double x : v) mean += x;
    mean /= static_cast<double>(n);
    double ss = 0;
    for (double x : v) ss += (x - mean) * (x - mean);
    out = ss / static_cast<double>(sample ? n - 1 : n);
    return true;
}

void fMedian(CallArgs& call) {
    std::vector<double> v;
    if (!Numbers(call, 0, call.argc, v)) return;
    if (v.empty()) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, Median(v));
}

// SMALL / LARGE(values, k): the k-th smallest or largest; k outside 1..count is #NUM!.
void KthValue(CallArgs& call, bool largest) {
    EvalVal kv = Deref(call.ctx, ARG(1));
    double k;
    Err e = Err::None;
    if (!ToNumber(kv, k, e)) { call.result = EvalVal::Error(e); return; }
    std::vector<double> v;
    if (!Numbers(call, 0, 1, v)) return;
    k = std::ceil(k);
    if (k < 1 || k > static_cast<double>(v.size())) { call.result = EvalVal::Error(Err::Num); return; }
    std::sort(v.begin(), v.end());
    std::size_t i = static_cast<std::size_t>(k) - 1;
    SetNum(call, largest ? v[v.size() - 1 - i] : v[i]);
}
void fSmall(CallArgs& call) { KthValue(call, false); }
void fLarge(CallArgs& call) { KthValue(call, true); }

void Spread(CallArgs& call, bool sample, bool root) {
    std::vector<double> v;
    if (!Numbers(call, 0, call.argc, v)) return;
    double var;
    if (!Variance(v, sample, var)) { call.result = EvalVal::Error(Err::Div0); return; }
    SetNum(call, root ? std::sqrt(var) : var);
}
void fStdev(CallArgs& call) { Spread(call, true, true); }
void fStdevP(CallArgs& call) { Spread(call, false, true); }
void fVar(CallArgs& call) { Spread(call, true, false); }
void fVarP(CallArgs& call) { Spread(call, false, false); }

// SUBTOTAL(function, reference, ...): 1 AVERAGE, 2 COUNT, 3 COUNTA, 4 MAX, 5 MIN, 6 PRODUCT,
// 7 STDEV, 8 STDEVP, 9 SUM, 10 VAR, 11 VARP over the references; 101..111 the same without
// hidden rows. Cells whose own formula calls SUBTOTAL are left out, so subtotals of
// subtotals are not counted twice.
void fSubtotal(CallArgs& call) {
    EvalVal fv = Deref(call.ctx, ARG(0));
    double f;
    Err e = Err::None;
    if (!ToNumber(fv, f, e)) { call.result = EvalVal::Error(e); return; }
    f = std::trunc(f);
    bool skipHidden = f > 100;
    int fn = static_cast<int>(skipHidden ? f - 100 : f);
    if (f < 1 || fn < 1 || fn > 11) { call.result = EvalVal::Error(Err::Value); return; }
    std::vector<double> v;
    double countA = 0;
    Err firstErr = Err::None;
    for (int i = 1; i < call.argc; ++i) {
        const EvalVal& a = ARG(i);
        if (!a.isRef()) { call.result = EvalVal::Error(a.isError() ? a.err : Err::Value); return; }
        Range r = a.r;
        if (!call.ctx.Clip(r)) { call.result = EvalVal::Error(Err::Ref); return; }
        for (Coord row = r.row1; row <= r.row2; ++row) {
            if (skipHidden && call.ctx.RowHidden(row)) continue;
            for (Coord col = r.col1; col <= r.col2; ++col) {
                CellView c = call.ctx.View(col, row);
                if (c.kind == Kind::Empty || call.ctx.IsSubtotalCell(col, row)) continue;
                countA += 1;
                if (c.kind == Kind::Error && firstErr == Err::None) firstErr = c.err;
                if (c.kind == Kind::Number) v.push_back(c.num);
            }
        }
    }
    if (fn == 2) { call.result = EvalVal::Num(static_cast<double>(v.size())); return; }
    if (fn == 3) { call.result = EvalVal::Num(countA); return; }
    if (firstErr != Err::None) { call.result = EvalVal::Error(firstErr); return; }
    double sum = 0, prod = 1, var = 0;
    for (double x : v) { sum += x; prod *= x; }
    switch (fn) {
    case 1:
        if (v.empty()) call.result = EvalVal::Error(Err::Div0);
        else SetNum(call, sum / static_cast<double>(v.size()));
        break;
    case 4: SetNum(call, v.empty() ? 0 : *std::max_element(v.begin(), v.end())); break;
    case 5: SetNum(call, v.empty() ? 0 : *std::min_element(v.begin(), v.end())); break;
    case 6: SetNum(call, v.empty() ? 0 : prod); break;
    case 9: SetNum(call, sum); break;
    default: {
        bool sample = fn == 7 || fn == 10;
        if (!Variance(v, sample, var)) { call.result = EvalVal::Error(Err::Div0); return; }
        SetNum(call, fn <= 8 ? std::sqrt(var) : var);
    }
    }
}

const FnDef kDefs[] = {
    {L"MEDIAN", 1, -1, "r", fMedian},
    {L"SMALL", 2, 2, "r", fSmall},
    {L"LARGE", 2, 2, "r", fLarge},
    {L"STDEV", 1, -1, "r", fStdev},
    {L"STDEVP", 1, -1, "r", fStdevP},
    {L"VAR", 1, -1, "r", fVar},
    {L"VARP", 1, -1, "r", fVarP},
    {L"SUBTOTAL", 2, -1, "r", fSubtotal},
};

}  // namespace

FnGroup StatsFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
