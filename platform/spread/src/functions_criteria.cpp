// Conditional aggregates (SUMIF, COUNTIFS, AVERAGEIF...), COUNTBLANK and SUMPRODUCT.
#include <cmath>
#include <vector>

#include "criteria.h"
#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]

struct Area { Range r; Coord rows = 0, cols = 0; };

// A range argument (a single cell counts as a range of one).
bool AreaArg(CallArgs& call, int i, Area& out) {
    const EvalVal& a = ARG(i);
    if (!a.isRef()) { call.result = EvalVal::Error(a.isError() ? a.err : Err::Value); return false; }
    out.r = a.r;
    if (!call.ctx.Clip(out.r)) { call.result = EvalVal::Error(Err::Ref); return false; }
    out.rows = a.r.row2 - a.r.row1 + 1;
    out.cols = a.r.col2 - a.r.col1 + 1;
    return true;
}

CellView At(EvalContext& ctx, const Area& a, Coord i) {
    return ctx.View(a.r.col1 + i % a.cols, a.r.row1 + i / a.cols);
}

// Criteria pairs from argument `first` on: (range, criterion)...; all ranges of one shape.
struct Conditions {
    std::vector<Area> areas;
    std::vector<Criterion> crits;
    bool All(EvalContext& ctx, Coord i) const {
        for (std::size_t k = 0; k < areas.size(); ++k)
            if (!Matches(crits[k], At(ctx, areas[k], i))) return false;
        return true;
    }
};

bool ReadConditions(CallArgs& call, int first, Conditions& out, const Area* shape) {
    if ((call.argc - first) % 2 != 0) { call.result = EvalVal::Error(Err::Value); return false; }
    for (int i = first; i < call.argc; i += 2) {
        Area a;
        if (!AreaArg(call, i, a)) return false;
        if (shape && (a.rows != shape->rows || a.cols != shape->cols)) { call.result = EvalVal::Error(Err::Value); return false; }
        out.areas.push_back(a);
        out.crits.push_back(ParseCriterion(Deref(call.ctx, ARG(i + 1))));
        shape = &out.areas.front();
    }
    return true;
}

// Sum and count of the numbers of `values` where the conditions hold; errors in a matching
// value cell are the result.
bool SumWhere(CallArgs& call, const Area& values, const Conditions& cond, double& sum, double& count) {
    sum = 0;
    count = 0;
    Coord n = values.rows * values.cols;
    for (Coord i = 0; i < n; ++i) {
        if (!cond.All(call.ctx, i)) continue;
        CellView v = At(call.ctx, values, i);
        if (v.kind == Kind::Error) { call.result = EvalVal::Error(v.err); return false; }
        if (v.kind != Kind::Number) continue;
        sum += v.num;
        count += 1;
    }
    return true;
}

void SetNum(CallArgs& call, double v) {
    call.result = std::isfinite(v) ? EvalVal::Num(v) : EvalVal::Error(Err::Num);
}

// SUMIF / AVERAGEIF (range, criterion, [values]): values take the shape of range from their
// top-left cell, as common spreadsheets do.
void IfOne(CallArgs& call, bool average) {
    Area a;
    if (!AreaArg(call, 0, a)) return;
    Conditions cond;
    cond.areas.push_back(a);
    cond.crits.push_back(ParseCriterion(Deref(call.ctx, ARG(1))));
    Area values = a;
    if (call.argc == 3) {
        Area v;
        if (!AreaArg(call, 2, v)) return;
        values.r = {v.r.col1, v.r.row1, v.r.col1 + a.cols - 1, v.r.row1 + a.rows - 1};
    }
    double sum, count;
    if (!SumWhere(call, values, cond, sum, count)) return;
    if (!average) SetNum(call, sum);
    else if (count == 0) call.result = EvalVal::Error(Err::Div0);
    else SetNum(call, sum / count);
}
void fSumIf(CallArgs& call) { IfOne(call, false); }
void fAverageIf(CallArgs& call) { IfOne(call, true); }

// SUMIFS / AVERAGEIFS (values, range1, criterion1, ...): every range the shape of values.
void IfMany(CallArgs& call, bool average) {
    Area values;
    if (!AreaArg(call, 0, values)) return;
    Conditions cond;
    if (!ReadConditions(call, 1, cond, &values)) return;
    double sum, count;
    if (!SumWhere(call, values, cond, sum, count)) return;
    if (!average) SetNum(call, sum);
    else if (count == 0) call.result = EvalVal::Error(Err::Div0);
    else SetNum(call, sum / count);
}
void fSumIfs(CallArgs& call) { IfMany(call, false); }
void fAverageIfs(CallArgs& call) { IfMany(call, true); }

void fCountIfs(CallArgs& call) {
    Conditions cond;
    if (!ReadConditions(call, 0, cond, nullptr)) return;
    const Area& a = cond.areas[0];
    double n = 0;
    for (Coord i = 0; i < a.rows * a.cols; ++i)
        if (cond.All(call.ctx, i)) n += 1;
    call.result = EvalVal::Num(n);
}

void fCountBlank(CallArgs& call) {
    Area a;
    if (!AreaArg(call, 0, a)) return;
    double n = 0;
    for (Coord i = 0; i < a.rows * a.cols; ++i) {
        CellView c = At(call.ctx, a, i);
        if (c.kind == Kind::Empty || (c.kind == Kind::Text && c.text->empty())) n += 1;
    }
    call.result = EvalVal::Num(n);
}

// SUMPRODUCT(array, ...): arrays of one shape multiplied cell by cell and summed; what is
// not a number counts as 0, an error is the result.
void fSumProduct(CallArgs& call) {
    std::vector<Area> areas;
    std::vector<double> scalars;   // a plain value is an array of one
    for (int i = 0; i < call.argc; ++i) {
        const EvalVal& a = ARG(i);
        Area ar;
        if (a.isRef()) {
            ar.r = a.r;
            if (!call.ctx.Clip(ar.r)) { call.result = EvalVal::Error(Err::Ref); return; }
            ar.rows = a.r.row2 - a.r.row1 + 1;
            ar.cols = a.r.col2 - a.r.col1 + 1;
        } else {
            if (a.isError()) { call.result = a; return; }
            double n = 0;
            Err e;
            if (a.t == EvalVal::T::Number || a.t == EvalVal::T::Logical) n = a.num;
            else if (a.t == EvalVal::T::Text && !ToNumber(a, n, e)) { call.result = EvalVal::Error(Err::Value); return; }
            ar.rows = ar.cols = 1;
            ar.r.col1 = -static_cast<Coord>(scalars.size()) - 1;   // marks a plain value
            scalars.push_back(n);
        }
        if (!areas.empty() && (ar.rows != areas[0].rows || ar.cols != areas[0].cols)) {
            call.result = EvalVal::Error(Err::Value);
            return;
        }
        areas.push_back(ar);
    }
    double total = 0;
    Coord n = areas[0].rows * areas[0].cols;
    for (Coord i = 0; i < n; ++i) {
        double p = 1;
        for (const Area& a : areas) {
            if (a.r.col1 < 0) { p *= scalars[static_cast<std::size_t>(-a.r.col1 - 1)]; continue; }
            CellView c = At(call.ctx, a, i);
            if (c.kind == Kind::Error) { call.result = EvalVal::Error(c.err); return; }
            p *= c.kind == Kind::Number ? c.num : 0;
        }
        total += p;
    }
    SetNum(call, total);
}

const FnDef kDefs[] = {
    {L"SUMIF", 2, 3, "r", fSumIf},
    {L"SUMIFS", 3, -1, "r", fSumIfs},
    {L"COUNTIF", 2, 2, "r", fCountIfs},
    {L"COUNTIFS", 2, -1, "r", fCountIfs},
    {L"AVERAGEIF", 2, 3, "r", fAverageIf},
    {L"AVERAGEIFS", 3, -1, "r", fAverageIfs},
    {L"COUNTBLANK", 1, 1, "r", fCountBlank},
    {L"SUMPRODUCT", 1, -1, "r", fSumProduct},
};

}  // namespace

FnGroup CriteriaFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
