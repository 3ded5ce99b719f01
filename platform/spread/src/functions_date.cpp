// Dates and times as serial day numbers (DATE, YEAR, EDATE, DATEDIF, TODAY...).
#include <cmath>

#include "date_serial.h"
#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num

void SetNum(CallArgs& call, double v) {
    call.result = std::isfinite(v) ? EvalVal::Num(v) : EvalVal::Error(Err::Num);
}

// A date argument: a serial number, or a text such as "2024-03-15" or "2024-03-15 08:30".
bool DateArg(CallArgs& call, int i, double& serial) {
    const EvalVal& a = ARG(i);
    Err e = Err::None;
    if (a.t == EvalVal::T::Text && !ParseNumber(a.text, serial)) {
        if (ParseDateText(a.text, serial)) return true;
        call.result = EvalVal::Error(Err::Value);
        return false;
    }
    if (!ToNumber(a, serial, e)) { call.result = EvalVal::Error(e); return false; }
    if (serial < 0 || serial >= kMaxDateSerial + 1) { call.result = EvalVal::Error(Err::Num); return false; }
    return true;
}

bool DateOf(CallArgs& call, int i, CivilDate& d, double* serial = nullptr) {
    double s;
    if (!DateArg(call, i, s)) return false;
    if (serial) *serial = s;
    if (!DateFromSerial(s, d)) { call.result = EvalVal::Error(Err::Num); return false; }
    return true;
}

void fDate(CallArgs& call) {
    double s;
    if (!SerialFromDate(NUM(0), NUM(1), NUM(2), s)) call.result = EvalVal::Error(Err::Num);
    else SetNum(call, s);
}
void fTime(CallArgs& call) {
    double h = std::trunc(NUM(0)), m = std::trunc(NUM(1)), s = std::trunc(NUM(2));
    if (h > 32767 || m > 32767 || s > 32767) { call.result = EvalVal::Error(Err::Num); return; }
    double secs = h * 3600 + m * 60 + s;
    if (secs < 0) { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, std::fmod(secs, 86400) / 86400);
}
void fToday(CallArgs& call) { SetNum(call, std::floor(call.ctx.Now())); }
void fNow(CallArgs& call) { SetNum(call, call.ctx.Now()); }

void fYear(CallArgs& call) { CivilDate d; if (DateOf(call, 0, d)) SetNum(call, d.year); }
void fMonth(CallArgs& call) { CivilDate d; if (DateOf(call, 0, d)) SetNum(call, d.month); }
void fDay(CallArgs& call) { CivilDate d; if (DateOf(call, 0, d)) SetNum(call, d.day); }
void TimePart(CallArgs& call, int which) {
    double s;
    if (!DateArg(call, 0, s)) return;
    int h, m, sec;
    TimeFromSerial(s, h, m, sec);
    SetNum(call, which == 0 ? h : (which == 1 ? m : sec));
}
void fHour(CallArgs& call) { TimePart(call, 0); }
void fMinute(CallArgs& call) { TimePart(call, 1); }
void fSecond(CallArgs& call) { TimePart(call, 2); }

// WEEKDAY(date, [type]): type 1 Sunday 1..Saturday 7, 2 Monday 1..Sunday 7, 3 Monday
// 0..Sunday 6, 11..17 weeks starting Monday..Sunday with 1.
void fWeekday(CallArgs& call) {
    double s;
    if (!DateArg(call, 0, s)) return;
    int type = 1;
    if (call.argc > 1) {
        double t;
        Err e = Err::None;
        if (!ToNumber(Deref(call.ctx, ARG(1)), t, e)) { call.result = EvalVal::Error(e); return; }
        type = static_cast<int>(std::trunc(t));
    }
    int sun1 = WeekdayOfSerial(s);              // 1 Sunday .. 7 Saturday
    int mon0 = (sun1 + 5) % 7;                  // 0 Monday .. 6 Sunday
    int r;
    if (type == 1 || type == 17) r = sun1;
    else if (type == 2 || type == 11) r = mon0 + 1;
    else if (type == 3) r = mon0;
    else if (type >= 12 && type <= 16) r = (mon0 - (type - 11) + 7) % 7 + 1;
    else { call.result = EvalVal::Error(Err::Num); return; }
    SetNum(call, r);
}

// The date months after a date's month, on the same day or the month's last.
bool AddMonths(CallArgs& call, bool endOfMonth) {
    CivilDate d;
    if (!DateOf(call, 0, d)) return false;
    double months;
    Err e = Err::None;
    if (!ToNumber(Deref(call.ctx, ARG(1)), months, e)) { call.result = EvalVal::Error(e); return false; }
    if (std::fabs(months) > 120000) { call.result = EvalVal::Error(Err::Num); return false; }
    long long total = static_cast<long long>(d.year) * 12 + (d.month - 1) + static_cast<long long>(std::trunc(months));
    int year = static_cast<int>(total / 12), month = static_cast<int>(total % 12) + 1;
    if (year < 1900 || year > 9999) { call.result = EvalVal::Error(Err::Num); return false; }
    int last = DaysInMonth(year, month);
    int day = endOfMonth ? last : (d.day > last ? last : d.day);
    if (d.day == 0 && !endOfMonth) day = 0;
    double s;
    if (!SerialFromDate(year, month, day, s)) { call.result = EvalVal::Error(Err::Num); return false; }
    SetNum(call, s);
    return true;
}
void fEDate(CallArgs& call) { AddMonths(call, false); }
void fEOMonth(CallArgs& call) { AddMonths(call, true); }

// DATEDIF(start, end, unit): whole "Y"ears, "M"onths or "D"ays between two dates; "YM"
// months and "MD" days left over, "YD" days as if in one year. Start after end is #NUM!.
void fDateDif(CallArgs& call) {
    CivilDate a, b;
    double sa, sb;
    if (!DateOf(call, 0, a, &sa) || !DateOf(call, 1, b, &sb)) return;
    sa = std::floor(sa);
    sb = std::floor(sb);
    if (sa > sb) { call.result = EvalVal::Error(Err::Num); return; }
    std::wstring unit = Upper(Trim(ARG(2).text));
    int months = (b.year - a.year) * 12 + (b.month - a.month) - (b.day < a.day ? 1 : 0);
    if (unit == L"D") SetNum(call, sb - sa);
    else if (unit == L"M") SetNum(call, months);
    else if (unit == L"Y") SetNum(call, months / 12);
    else if (unit == L"YM") SetNum(call, months % 12);
    else if (unit == L"MD") {
        if (b.day >= a.day) { SetNum(call, b.day - a.day); return; }
        int pm = b.month == 1 ? 12 : b.month - 1, py = b.month == 1 ? b.year - 1 : b.year;
        int lastPrev = DaysInMonth(py, pm);
        SetNum(call, (a.day > lastPrev ? 0 : lastPrev - a.day) + b.day);
    } else if (unit == L"YD") {
        // The start moved into the last year before the end that keeps it on or before.
        int y = b.year;
        double s;
        auto at = [&](int year) {
            int day = a.day > DaysInMonth(year, a.month) ? DaysInMonth(year, a.month) : a.day;
            return SerialFromDate(year, a.month, day, s) ? s : -1.0;
        };
        double start = at(y);
        if (start > sb) start = at(y - 1);
        if (start < 0) { call.result = EvalVal::Error(Err::Num); return; }
        SetNum(call, sb - start);
    } else {
        call.result = EvalVal::Error(Err::Num);
    }
}

const FnDef kDefs[] = {
    {L"DATE", 3, 3, "n", fDate},
    {L"TIME", 3, 3, "n", fTime},
    {L"TODAY", 0, 0, "", fToday},
    {L"NOW", 0, 0, "", fNow},
    {L"YEAR", 1, 1, "v", fYear},
    {L"MONTH", 1, 1, "v", fMonth},
    {L"DAY", 1, 1, "v", fDay},
    {L"HOUR", 1, 1, "v", fHour},
    {L"MINUTE", 1, 1, "v", fMinute},
    {L"SECOND", 1, 1, "v", fSecond},
    {L"WEEKDAY", 1, 2, "vr", fWeekday},
    {L"EDATE", 2, 2, "vr", fEDate},
    {L"EOMONTH", 2, 2, "vr", fEOMonth},
    {L"DATEDIF", 3, 3, "vvs", fDateDif},
};

}  // namespace

FnGroup DateFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
