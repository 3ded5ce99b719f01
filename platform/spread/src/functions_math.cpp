// Arithmetic, rounding, trigonometry and aggregates.
#include <cmath>

#include "functions.h"

namespace spread {

namespace {

constexpr double kPi = 3.14159265358979323846;

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num

void SetNum(CallArgs& call, double v) {
    if (std::isnan(v) || std::isinf(v)) call.result = EvalVal::Error(Err::Num);
    else call.result = EvalVal::Num(v);
}

// Rounding half away from zero at `digits` decimals (negative: tens, hundreds...), with a
// small correction so that 2.675 rounds as written, not as stored.
double RoundDigits(double x, double digits, int mode /*0 nearest, 1 up (away), -1 down (toward 0)*/) {
    if (std::isnan(digits)) return digits;  // #NUM!
    // Clamped as a double: converting a huge count of digits to int is undefined.
    const int d = static_cast<int>(std::fmax(-15.0, std::fmin(15.0, std::trunc(digits))));
    double f = std::pow(10.0, d);
    double y = x * f;
    double r;
    double ay = std::fabs(y);
    double corrected = ay * (1 + 1e-15);
    if (mode == 0) r = std::floor(corrected + 0.5);
    else if (mode > 0) r = std::ceil(ay * (1 - 1e-15));
    else r = std::floor(corrected);
    r = std::copysign(r, y);
    return r / f;
}

void fAbs(CallArgs& call) { SetNum(call, std::fabs(NUM(0))); }
void fSign(CallArgs& call) { SetNum(call, NUM(0) > 0 ? 1 : (NUM(0) < 0 ? -1 : 0)); }
void fInt(CallArgs& call) { SetNum(call, std::floor(NUM(0))); }
void fTrunc(CallArgs& call) { SetNum(call, RoundDigits(NUM(0), call.argc > 1 ? NUM(1) : 0, -1)); }
void fRound(CallArgs& call) { SetNum(call, RoundDigits(NUM(0), NUM(1), 0)); }
void fRoundUp(CallArgs& call) { SetNum(call, RoundDigits(NUM(0), NUM(1), 1)); }
void fRoundDown(CallArgs& call) { SetNum(call, RoundDigits(NUM(0), NUM(1), -1)); }
void fCeiling(CallArgs& call) {
    double x = NUM(0), s = call.argc > 1 ? NUM(1) : 1;
    if (s == 0) { SetNum(call, 0); return; }
    if (x > 0 && s < 0) { call.result = EvalVal::Error(Err::Num); return; }
    double q = x / s;
    SetNum(call, std::ceil(q - 1e-12 * std::fabs(q)) * s);
}
void fFloor(CallArgs& call) {
    double x = NUM(0), s = call.argc > 1 ? NUM(1) : 1;
    if (s == 0) { call.result = EvalVal::Error(Err::Div0); return; }
    if (x > 0 && s < 0) { call.result = EvalVal::Error(Err::Num); return; }
    double q = x / s;
    SetNum(call, std::floor(q + 1e-12 * std::fabs(q)) * s);
}
void fMod(CallArgs& call) {
    double a = NUM(0), b = NUM(1);
    if (b == 0) { call.result = EvalVal::Error(Err::Div0); return; }
    SetNum(call, a - b * std::floor(a / b));
}
void fSqrt(CallArgs& call) {
    if (NUM(0) < 0) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::sqrt(NUM(0)));
}
void fPower(CallArgs& call) {
    double a = NUM(0), b = NUM(1);
    if (a == 0 && b <= 0) { call.result = EvalVal::Error(b == 0 ? Err::Num : Err::Div0); return; }
    SetNum(call, std::pow(a, b));
}
void fExp(CallArgs& call) { SetNum(call, std::exp(NUM(0))); }
void fLn(CallArgs& call) {
    if (NUM(0) <= 0) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::log(NUM(0)));
}
void fLog(CallArgs& call) {
    double x = NUM(0), b = call.argc > 1 ? NUM(1) : 10;
    if (x <= 0 || b <= 0) { call.result = EvalVal::Error(Err::Num); return; }
    if (b == 1) { call.result = EvalVal::Error(Err::Div0); return; }
    SetNum(call, std::log(x) / std::log(b));
}
void fLog10(CallArgs& call) {
    if (NUM(0) <= 0) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::log10(NUM(0)));
}
void fPi(CallArgs& call) { SetNum(call, kPi); }
void fSin(CallArgs& call) { SetNum(call, std::sin(NUM(0))); }
void fCos(CallArgs& call) { SetNum(call, std::cos(NUM(0))); }
void fTan(CallArgs& call) { SetNum(call, std::tan(NUM(0))); }
void fAsin(CallArgs& call) {
    if (NUM(0) < -1 || NUM(0) > 1) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::asin(NUM(0)));
}
void fAcos(CallArgs& call) {
    if (NUM(0) < -1 || NUM(0) > 1) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::acos(NUM(0)));
}
void fAtan(CallArgs& call) { SetNum(call, std::atan(NUM(0))); }
void fAtan2(CallArgs& call) {
    // Spreadsheet order: ATAN2(x, y).
    if (NUM(0) == 0 && NUM(1) == 0) { call.result = EvalVal::Error(Err::Div0); return; }
    SetNum(call, std::atan2(NUM(1), NUM(0)));
}
// MROUND: to the nearest multiple (halves away from zero); number and multiple of opposite
// signs are #NUM!.
void fMRound(CallArgs& call) {
    double x = NUM(0), m = NUM(1);
    if (m == 0) { SetNum(call, 0); return; }
    if ((x > 0 && m < 0) || (x < 0 && m > 0)) { call.result = EvalVal::Error(Err::Num); return; }
    double q = std::fabs(x / m);
    SetNum(call, std::copysign(std::floor(q * (1 + 1e-15) + 0.5), x / m) * m);
}
void fQuotient(CallArgs& call) {
    if (NUM(1) == 0) { call.result = EvalVal::Error(Err::Div0); return; }
    SetNum(call, std::trunc(NUM(0) / NUM(1)));
}
// EVEN / ODD: away from zero to the next even or odd whole number.
void fEven(CallArgs& call) {
    double a = std::ceil(std::fabs(NUM(0)) / 2 - 1e-15) * 2;
    SetNum(call, std::copysign(a, NUM(0)));
}
void fOdd(CallArgs& call) {
    double a = std::ceil((std::fabs(NUM(0)) - 1) / 2 - 1e-15) * 2 + 1;
    if (a < 1) a = 1;
    SetNum(call, NUM(0) < 0 ? -a : a);
}
void fFact(CallArgs& call) {
    double n = std::trunc(NUM(0));
    if (n < 0 || n > 170) { call.result = EvalVal::Error(Err::Num); return; }
    double f = 1;
    for (int i = 2; i <= static_cast<int>(n); ++i) f *= i;
    SetNum(call, f);
}
void fDegrees(CallArgs& call) { SetNum(call, NUM(0) * 180.0 / kPi); }
void fRadians(CallArgs& call) { SetNum(call, NUM(0) * kPi / 180.0); }

// Aggregates: ranges and references count their numbers only (texts and empties are
// skipped); direct arguments are coerced (numeric text counts, other text is #VALUE!).
AggState Collect(CallArgs& call, bool directTextCounts) {
    AggState total;
    auto addNum = [&](double n) {
        if (total.count == 0) { total.min = n; total.max = n; }
        else { if (n < total.min) total.min = n; if (n > total.max) total.max = n; }
        total.sum += n;
        ++total.count;
        ++total.countA;
    };
    for (int i = 0; i < call.argc && total.err == Err::None; ++i) {
        EvalVal& a = ARG(i);
        if (a.t == EvalVal::T::Range || a.t == EvalVal::T::Cell) {
            AggState s = call.ctx.Aggregate(a.r);
            if (s.err != Err::None) { total.err = s.err; break; }
            if (s.count > 0) {
                if (total.count == 0) { total.min = s.min; total.max = s.max; }
                else { if (s.min < total.min) total.min = s.min; if (s.max > total.max) total.max = s.max; }
            }
            total.sum += s.sum;
            total.count += s.count;
            total.countA += s.countA;
        } else if (a.t == EvalVal::T::Error) {
            total.err = a.err;
        } else if (a.t == EvalVal::T::Number || a.t == EvalVal::T::Logical) {
            addNum(a.num);
        } else if (a.t == EvalVal::T::Text) {
            double n;
            if (ParseNumber(a.text, n)) addNum(n);
            else if (directTextCounts) ++total.countA;
            else total.err = Err::Value;
        }
    }
    return total;
}

void fSum(CallArgs& call) {
    AggState s = Collect(call, false);
    if (s.err != Err::None) call.result = EvalVal::Error(s.err);
    else SetNum(call, s.sum);
}
void fMin(CallArgs& call) {
    AggState s = Collect(call, false);
    if (s.err != Err::None) call.result = EvalVal::Error(s.err);
    else SetNum(call, s.count ? s.min : 0);
}
void fMax(CallArgs& call) {
    AggState s = Collect(call, false);
    if (s.err != Err::None) call.result = EvalVal::Error(s.err);
    else SetNum(call, s.count ? s.max : 0);
}
void fAverage(CallArgs& call) {
    AggState s = Collect(call, false);
    if (s.err != Err::None) call.result = EvalVal::Error(s.err);
    else if (s.count == 0) call.result = EvalVal::Error(Err::Div0);
    else SetNum(call, s.sum / static_cast<double>(s.count));
}
void fCount(CallArgs& call) {
    // COUNT never fails: errors and texts are simply not numbers.
    std::int64_t n = 0;
    for (int i = 0; i < call.argc; ++i) {
        EvalVal& a = ARG(i);
        if (a.isRef()) {
            n += call.ctx.Aggregate(a.r).count;
        } else if (a.t == EvalVal::T::Number || a.t == EvalVal::T::Logical) {
            ++n;
        } else if (a.t == EvalVal::T::Text) {
            double d;
            if (ParseNumber(a.text, d)) ++n;
        }
    }
    call.result = EvalVal::Num(static_cast<double>(n));
}
void fCountA(CallArgs& call) {
    std::int64_t n = 0;
    for (int i = 0; i < call.argc; ++i) {
        EvalVal& a = ARG(i);
        if (a.isRef()) n += call.ctx.Aggregate(a.r).countA;
        else if (a.t != EvalVal::T::Empty) ++n;
    }
    call.result = EvalVal::Num(static_cast<double>(n));
}
void fProduct(CallArgs& call) {
    double p = 1;
    bool any = false;
    for (int i = 0; i < call.argc; ++i) {
        EvalVal& a = ARG(i);
        if (a.isRef()) {
            Range r = a.r;
            if (!call.ctx.Clip(r)) continue;
            for (Coord row = r.row1; row <= r.row2; ++row)
                for (Coord col = r.col1; col <= r.col2; ++col) {
                    CellView c = call.ctx.View(col, row);
                    if (c.kind == Kind::Error) { call.result = EvalVal::Error(c.err); return; }
                    if (c.kind == Kind::Number) { p *= c.num; any = true; }
                }
        } else {
            double n;
            Err e;
            if (a.t == EvalVal::T::Empty) continue;
            if (!ToNumber(a, n, e)) { call.result = EvalVal::Error(e); return; }
            p *= n;
            any = true;
        }
    }
    SetNum(call, any ? p : 0);
}

const FnDef kDefs[] = {
    {L"ABS", 1, 1, "n", fAbs},
    {L"SIGN", 1, 1, "n", fSign},
    {L"INT", 1, 1, "n", fInt},
    {L"TRUNC", 1, 2, "n", fTrunc},
    {L"ROUND", 2, 2, "n", fRound},
    {L"ROUNDUP", 2, 2, "n", fRoundUp},
    {L"ROUNDDOWN", 2, 2, "n", fRoundDown},
    {L"CEILING", 1, 2, "n", fCeiling},
    {L"FLOOR", 1, 2, "n", fFloor},
    {L"MOD", 2, 2, "n", fMod},
    {L"SQRT", 1, 1, "n", fSqrt},
    {L"POWER", 2, 2, "n", fPower},
    {L"EXP", 1, 1, "n", fExp},
    {L"LN", 1, 1, "n", fLn},
    {L"LOG", 1, 2, "n", fLog},
    {L"LOG10", 1, 1, "n", fLog10},
    {L"PI", 0, 0, "", fPi},
    {L"SIN", 1, 1, "n", fSin},
    {L"COS", 1, 1, "n", fCos},
    {L"TAN", 1, 1, "n", fTan},
    {L"ASIN", 1, 1, "n", fAsin},
    {L"ACOS", 1, 1, "n", fAcos},
    {L"ATAN", 1, 1, "n", fAtan},
    {L"ATAN2", 2, 2, "n", fAtan2},
    {L"MROUND", 2, 2, "n", fMRound},
    {L"QUOTIENT", 2, 2, "n", fQuotient},
    {L"EVEN", 1, 1, "n", fEven},
    {L"ODD", 1, 1, "n", fOdd},
    {L"FACT", 1, 1, "n", fFact},
    {L"DEGREES", 1, 1, "n", fDegrees},
    {L"RADIANS", 1, 1, "n", fRadians},
    {L"SUM", 1, -1, "r", fSum},
    {L"MIN", 1, -1, "r", fMin},
    {L"MAX", 1, -1, "r", fMax},
    {L"AVERAGE", 1, -1, "r", fAverage},
    {L"COUNT", 1, -1, "r", fCount},
    {L"COUNTA", 1, -1, "r", fCountA},
    {L"PRODUCT", 1, -1, "r", fProduct},
};

}  // namespace

FnGroup MathFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
