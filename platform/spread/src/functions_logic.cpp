// Logic (AND, OR, IF, IFS, SWITCH...) and information functions (IS..., N, T).
#include <cmath>

#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num

// AND, OR and XOR over values and ranges: numbers and logicals count (not 0 is TRUE); in
// ranges texts and empty cells are skipped, given directly only "TRUE" and "FALSE" are
// taken; an error is the result, and nothing to decide on is #VALUE!.
struct Truths { int seen = 0, trues = 0; Err err = Err::None; };

Truths CollectTruths(CallArgs& call) {
    Truths t;
    auto take = [&](bool b) { ++t.seen; t.trues += b ? 1 : 0; };
    for (int i = 0; i < call.argc && t.err == Err::None; ++i) {
        const EvalVal& a = ARG(i);
        if (a.isRef()) {
            Range r = a.r;
            if (!call.ctx.Clip(r)) { t.err = Err::Ref; break; }
            for (Coord row = r.row1; row <= r.row2 && t.err == Err::None; ++row)
                for (Coord col = r.col1; col <= r.col2; ++col) {
                    CellView c = call.ctx.View(col, row);
                    if (c.kind == Kind::Error) { t.err = c.err; break; }
                    if (c.kind == Kind::Number || c.kind == Kind::Logical) take(c.num != 0);
                }
        } else if (a.isError()) {
            t.err = a.err;
        } else if (a.t != EvalVal::T::Empty) {
            bool b;
            Err e = Err::None;
            if (!ToLogical(a, b, e)) t.err = e;
            else take(b);
        }
    }
    if (t.err == Err::None && t.seen == 0) t.err = Err::Value;
    return t;
}

void fAnd(CallArgs& call) {
    Truths t = CollectTruths(call);
    call.result = t.err != Err::None ? EvalVal::Error(t.err) : EvalVal::Bool(t.trues == t.seen);
}
void fOr(CallArgs& call) {
    Truths t = CollectTruths(call);
    call.result = t.err != Err::None ? EvalVal::Error(t.err) : EvalVal::Bool(t.trues > 0);
}
void fXor(CallArgs& call) {
    Truths t = CollectTruths(call);
    call.result = t.err != Err::None ? EvalVal::Error(t.err) : EvalVal::Bool(t.trues % 2 == 1);
}
void fNot(CallArgs& call) {
    bool b;
    Err e = Err::None;
    if (!ToLogical(ARG(0), b, e)) call.result = EvalVal::Error(e);
    else call.result = EvalVal::Bool(!b);
}
void fTrue(CallArgs& call) { call.result = EvalVal::Bool(true); }
void fFalse(CallArgs& call) { call.result = EvalVal::Bool(false); }

// IF arrives here only when called without its lazy form (never from parsed formulas).
void fIf(CallArgs& call) {
    EvalVal c = Deref(call.ctx, ARG(0));
    bool b;
    Err e = Err::None;
    if (!ToLogical(c, b, e)) { call.result = EvalVal::Error(e); return; }
    call.result = b ? ARG(1) : (call.argc > 2 ? ARG(2) : EvalVal::Bool(false));
}

// IFS(condition1, value1, ...): the value of the first TRUE condition; none: #N/A.
void fIfs(CallArgs& call) {
    if (call.argc % 2 != 0) { call.result = EvalVal::Error(Err::Value); return; }
    for (int i = 0; i < call.argc; i += 2) {
        EvalVal c = Deref(call.ctx, ARG(i));
        bool b;
        Err e = Err::None;
        if (!ToLogical(c, b, e)) { call.result = EvalVal::Error(e); return; }
        if (b) { call.result = ARG(i + 1); return; }
    }
    call.result = EvalVal::Error(Err::NA);
}

// SWITCH(expression, value1, result1, ..., [default]): the result of the first value equal
// to the expression (texts without case, a number never equals a text).
void fSwitch(CallArgs& call) {
    EvalVal x = Deref(call.ctx, ARG(0));
    if (x.isError()) { call.result = x; return; }
    int pairs = (call.argc - 1) / 2;
    for (int k = 0; k < pairs; ++k) {
        EvalVal v = Deref(call.ctx, ARG(1 + 2 * k));
        if (v.isError()) { call.result = v; return; }
        if (CompareScalars(x, v) == 0) { call.result = ARG(2 + 2 * k); return; }
    }
    call.result = (call.argc - 1) % 2 == 1 ? ARG(call.argc - 1) : EvalVal::Error(Err::NA);
}

void fIfError(CallArgs& call) { call.result = ARG(0).isError() ? ARG(1) : ARG(0); }
void fIsError(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).isError()); }
void fIsErr(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).isError() && ARG(0).err != Err::NA); }
void fIsNa(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).isError() && ARG(0).err == Err::NA); }
void fIsNumber(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).t == EvalVal::T::Number); }
void fIsText(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).t == EvalVal::T::Text); }
void fIsLogical(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).isLogical()); }
void fIsBlank(CallArgs& call) { call.result = EvalVal::Bool(ARG(0).t == EvalVal::T::Empty); }
// ISEVEN / ISODD: of the number's whole part; a logical or a non-numeric text is #VALUE!.
void Parity(CallArgs& call, bool even) {
    const EvalVal& a = ARG(0);
    if (a.isLogical()) { call.result = EvalVal::Error(Err::Value); return; }
    double n;
    Err e = Err::None;
    if (!ToNumber(a, n, e)) { call.result = EvalVal::Error(e); return; }
    bool isEven = std::fmod(std::fabs(std::trunc(n)), 2.0) == 0;
    call.result = EvalVal::Bool(isEven == even);
}
void fIsEven(CallArgs& call) { Parity(call, true); }
void fIsOdd(CallArgs& call) { Parity(call, false); }
// N: numbers as they are, logicals 1 and 0, everything else 0 (errors stay).
void fN(CallArgs& call) {
    const EvalVal& a = ARG(0);
    if (a.isError()) call.result = a;
    else call.result = EvalVal::Num(a.t == EvalVal::T::Number || a.isLogical() ? a.num : 0);
}
// T: texts as they are, everything else "" (errors stay).
void fT(CallArgs& call) {
    const EvalVal& a = ARG(0);
    if (a.isError()) call.result = a;
    else call.result = EvalVal::Str(a.t == EvalVal::T::Text ? a.text : std::wstring());
}
void fNa(CallArgs& call) { call.result = EvalVal::Error(Err::NA); }

const FnDef kDefs[] = {
    {L"AND", 1, -1, "r", fAnd},
    {L"OR", 1, -1, "r", fOr},
    {L"XOR", 1, -1, "r", fXor},
    {L"NOT", 1, 1, "v", fNot},
    {L"TRUE", 0, 0, "", fTrue},
    {L"FALSE", 0, 0, "", fFalse},
    {L"IF", 2, 3, "r", fIf},
    {L"IFS", 2, -1, "r", fIfs},
    {L"SWITCH", 3, -1, "r", fSwitch},
    {L"IFERROR", 2, 2, "e", fIfError},
    {L"ISERROR", 1, 1, "e", fIsError},
    {L"ISERR", 1, 1, "e", fIsErr},
    {L"ISNA", 1, 1, "e", fIsNa},
    {L"ISNUMBER", 1, 1, "e", fIsNumber},
    {L"ISTEXT", 1, 1, "e", fIsText},
    {L"ISLOGICAL", 1, 1, "e", fIsLogical},
    {L"ISBLANK", 1, 1, "e", fIsBlank},
    {L"ISEVEN", 1, 1, "v", fIsEven},
    {L"ISODD", 1, 1, "v", fIsOdd},
    {L"N", 1, 1, "e", fN},
    {L"T", 1, 1, "e", fT},
    {L"NA", 0, 0, "", fNa},
};

}  // namespace

FnGroup LogicFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
